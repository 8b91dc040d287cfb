// The DLL entry of the VST3 module: keeps the instance handle that the
// loader hands over for the framework, whose editor loads its bitmap
// resources through it.

#include <windows.h>

#include "ModuleInstance.h"

// Loader thread, under the loader lock; no allocation. Succeeds for every reason.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD /*reason*/, LPVOID /*reserved*/) {
  gModuleInstance = instance;
  return TRUE;
}
