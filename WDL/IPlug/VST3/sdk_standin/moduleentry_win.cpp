// The DLL entry of the VST3 module: keeps the instance handle that the
// loader hands over, for the SDK side and for the framework, whose editor
// loads its bitmap resources through it.

#include <windows.h>

#include "ModuleInstance.h"
#include "moduleentry.h"

// Loader thread, under the loader lock; no allocation. Succeeds for every reason.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD /*reason*/, LPVOID /*reserved*/) {
  SetPluginModuleHandle(instance);
  gModuleInstance = instance;
  return TRUE;
}
