#include "CpuFeatures.h"

bool CpuFeatures::MMX = false;
bool CpuFeatures::FXSR = false;
bool CpuFeatures::SSE = false;
bool CpuFeatures::SSE3 = false;
bool CpuFeatures::SSSE3 = false;
bool CpuFeatures::SSE41 = false;
bool CpuFeatures::SSE42 = false;

namespace
{
// The library's static initialisation: the flags are filled once, before any
// filter runs. This file is always linked, since the filters read the flags.
struct DetectAtLoad
{
  DetectAtLoad() { DetectCpuFeatures(); }
};
const DetectAtLoad sDetectAtLoad;
}
