// DetectCpuFeatures for processors without CPUID: every flag stays false, so
// the filters always take the generic path (as the macOS deliverable does).
#include "CpuFeatures.h"

void DetectCpuFeatures() {}
