#pragma once
// The plug-in module as a host sees it: its three exported entry points.
// The Windows build loads the module inside the VimbraOndelino.vst3 bundle
// folder; the native build has the plug-in linked in and answers its
// functions directly.

#include <string>

#include "pluginterfaces/base/ipluginbase.h"

namespace vo {
namespace vst3host {

class PluginModule {
 public:
  using EntryProc = bool(PLUGIN_API*)();

  // Loads the module of the bundle folder at bundlePath (ignored natively);
  // Ok() tells whether the bundle was well formed and all three entry points
  // were found, Error() why not.
  explicit PluginModule(const std::string& bundlePath);
  ~PluginModule();
  PluginModule(const PluginModule&) = delete;
  PluginModule& operator=(const PluginModule&) = delete;

  bool Ok() const { return mGetFactory && mInitDll && mExitDll; }
  const std::string& Error() const { return mError; }

  ::GetFactoryProc GetFactory() const { return mGetFactory; }
  EntryProc InitDll() const { return mInitDll; }
  EntryProc ExitDll() const { return mExitDll; }

 private:
  [[maybe_unused]] void* mHandle = nullptr;  // the loaded module (Windows)
  ::GetFactoryProc mGetFactory = nullptr;
  EntryProc mInitDll = nullptr;
  EntryProc mExitDll = nullptr;
  std::string mError;
};

}  // namespace vst3host
}  // namespace vo
