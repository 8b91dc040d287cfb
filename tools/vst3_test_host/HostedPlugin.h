#pragma once
// One plug-in instance as the test host drives it: created through the
// factory as a component, with its processor and controller interfaces
// queried from the same object (a single-component effect).

#include <string>
#include <vector>

#include "pluginterfaces/base/ipluginbase.h"
#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/vst/ivstcomponent.h"
#include "pluginterfaces/vst/ivsteditcontroller.h"

namespace vo {
namespace vst3host {

class HostedPlugin {
 public:
  // Creates the first class of the factory; Ok() tells whether it worked.
  explicit HostedPlugin(Steinberg::IPluginFactory* factory);
  // Terminates (when initialised) and releases every interface.
  ~HostedPlugin();
  HostedPlugin(const HostedPlugin&) = delete;
  HostedPlugin& operator=(const HostedPlugin&) = delete;

  bool Ok() const { return mComponent && mProcessor && mController; }
  bool Initialize(Steinberg::FUnknown* context);
  void Terminate();

  Steinberg::Vst::IComponent* Component() const { return mComponent; }
  Steinberg::Vst::IAudioProcessor* Processor() const { return mProcessor; }
  Steinberg::Vst::IEditController* Controller() const { return mController; }

  // The host id of the parameter whose title is name, or -1.
  long long FindParameter(const std::string& name) const;
  // The state stream's bytes, empty when getState failed.
  std::vector<uint8_t> State() const;
  // Activates every bus the plug-in wants active.
  void ActivateDefaultBuses();

 private:
  Steinberg::Vst::IComponent* mComponent = nullptr;
  Steinberg::Vst::IAudioProcessor* mProcessor = nullptr;
  Steinberg::Vst::IEditController* mController = nullptr;
  bool mInitialized = false;
};

}  // namespace vst3host
}  // namespace vo
