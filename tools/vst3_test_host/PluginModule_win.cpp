#include <windows.h>

#include "PluginBundle.h"
#include "PluginModule.h"

namespace vo {
namespace vst3host {

PluginModule::PluginModule(const std::string& bundlePath) {
  // Hosts load the module from inside its bundle and refuse a bare file.
  std::string path;
  if (!ResolvePluginBundle(bundlePath, kVst3ArchFolder, &path, &mError)) return;
  HMODULE module = LoadLibraryA(path.c_str());
  if (!module) {
    mError = "LoadLibrary failed for " + path + " (error " + std::to_string(GetLastError()) + ")";
    return;
  }
  mHandle = module;
  mGetFactory = reinterpret_cast<::GetFactoryProc>(
      reinterpret_cast<void*>(GetProcAddress(module, "GetPluginFactory")));
  mInitDll = reinterpret_cast<EntryProc>(reinterpret_cast<void*>(GetProcAddress(module, "InitDll")));
  mExitDll = reinterpret_cast<EntryProc>(reinterpret_cast<void*>(GetProcAddress(module, "ExitDll")));
  if (!mGetFactory) mError += "GetPluginFactory not exported; ";
  if (!mInitDll) mError += "InitDll not exported; ";
  if (!mExitDll) mError += "ExitDll not exported; ";
}

PluginModule::~PluginModule() {
  if (mHandle) FreeLibrary(static_cast<HMODULE>(mHandle));
}

}  // namespace vst3host
}  // namespace vo
