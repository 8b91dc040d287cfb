#pragma once
// Our own stand-in for the SDK's module entry, which the SDK copy we build
// against does not ship: the exported InitDll and ExitDll that a VST3 host
// calls after loading and before unloading the module.

#include "pluginterfaces/base/fplatform.h"

extern "C" {
// Host thread, after loading / before unloading; no allocation. Calls nest:
// each InitDll is matched by one ExitDll. Both answer true.
SMTG_EXPORT_SYMBOL bool PLUGIN_API InitDll();
SMTG_EXPORT_SYMBOL bool PLUGIN_API ExitDll();
}

// How many InitDll calls are not yet matched by ExitDll. Any thread.
int ModuleInitCount();
