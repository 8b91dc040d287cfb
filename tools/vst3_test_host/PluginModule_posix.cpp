// The native build links the plug-in into the host: no module to load.
#include "PluginModule.h"
#include "moduleentry.h"

namespace vo {
namespace vst3host {

PluginModule::PluginModule(const std::string& /*path*/)
    : mGetFactory(&GetPluginFactory), mInitDll(&::InitDll), mExitDll(&::ExitDll) {}

PluginModule::~PluginModule() = default;

}  // namespace vst3host
}  // namespace vo
