#include "PresetSlot.h"

#include <cstdio>

void PresetSlot::SetName(const char* name) { std::snprintf(mName, kMaxNameLength, "%s", name ? name : ""); }
