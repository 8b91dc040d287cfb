// The module's exported factory and the create function of its one class.
// Built with the plug-in class, which it instantiates.

#include <mutex>
#include <new>

#include "VST3ClassInfo.h"
#include "VimbraOndelino.h"
#include "pluginfactory.h"

using namespace Steinberg;

FUnknown* IPlugVST3::CreateInstanceForHost(void* /*context*/) {
  // Plug-in constructors share process-wide caches of the editor framework,
  // so two host threads never construct at the same time.
  static std::mutex creationLock;
  std::lock_guard<std::mutex> hold(creationLock);
  try {
    IPlugVST3* plug = new VimbraOndelino();
    return static_cast<Vst::IAudioProcessor*>(plug);
  } catch (...) {
    // Nothing escapes into the host; the factory answers the failure.
    return nullptr;
  }
}

// Host thread; allocates the factory on the first call (and again after a
// host released it). The caller receives one reference.
extern "C" SMTG_EXPORT_SYMBOL IPluginFactory* PLUGIN_API GetPluginFactory() {
  static std::mutex factoryLock;
  std::lock_guard<std::mutex> hold(factoryLock);
  if (!gPluginFactory) {
    auto* factory = new CPluginFactory(VimbraOndelinoFactoryInfo());
    factory->registerClass(&VimbraOndelinoClassInfo(), IPlugVST3::CreateInstanceForHost, nullptr);
    gPluginFactory = factory;
  } else {
    gPluginFactory->addRef();
  }
  return gPluginFactory;
}
