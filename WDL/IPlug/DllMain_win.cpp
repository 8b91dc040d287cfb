// The module entry of the plug-in library. It sits alone in this file so that
// a deliverable whose format layer brings its own module entry does not pull
// it in from the static library.

#include <windows.h>

#include "ModuleInstance.h"

// Loader thread, under the loader lock; no allocation.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD /*reason*/, LPVOID /*reserved*/) {
  gModuleInstance = instance;
  return TRUE;
}
