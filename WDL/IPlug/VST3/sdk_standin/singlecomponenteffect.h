#pragma once
// Our own stand-in for the SDK's single-component effect base, which the
// SDK copy we build against does not ship. One object is processor and edit
// controller at once: it is an EditController (parameters, component
// handler) that also implements IComponent (bus lists) and IAudioProcessor
// (processing set-up) with plain defaults a concrete effect overrides.
// Written from the SDK's public interfaces only.

#include "base/source/fobject.h"
#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/vst/ivstcomponent.h"
#include "public.sdk/source/vst/vstbus.h"
#include "public.sdk/source/vst/vsteditcontroller.h"

namespace Steinberg {
namespace Vst {

class SingleComponentEffect : public EditController, public IComponent, public IAudioProcessor {
 public:
  SingleComponentEffect();
  ~SingleComponentEffect() override;

  // --- Bus lists. Host control thread (initialisation, arrangement
  // negotiation); allocate; no lock. The lists own their buses.
  AudioBus* addAudioInput(const TChar* name, SpeakerArrangement arr, BusType busType = kMain,
                          int32 flags = BusInfo::kDefaultActive);
  AudioBus* addAudioOutput(const TChar* name, SpeakerArrangement arr, BusType busType = kMain,
                           int32 flags = BusInfo::kDefaultActive);
  EventBus* addEventInput(const TChar* name, int32 channels = 16, BusType busType = kMain,
                          int32 flags = BusInfo::kDefaultActive);
  tresult removeAudioBusses();
  tresult removeEventBusses();
  tresult removeAllBusses();

  // Registered buses by index, or null. Any thread; no allocation, no lock.
  AudioBus* getAudioInput(int32 index);
  AudioBus* getAudioOutput(int32 index);
  BusList* getBusList(MediaType type, BusDirection dir);

  // --- IPluginBase (the controller and component forms are one call).
  // Host control thread; no lock.
  tresult PLUGIN_API initialize(FUnknown* context) SMTG_OVERRIDE;
  // Removes every bus, then the controller's terminate. Host control thread.
  tresult PLUGIN_API terminate() SMTG_OVERRIDE;

  // --- IComponent defaults. Host control thread; no allocation, no lock.
  tresult PLUGIN_API getControllerClassId(TUID classId) SMTG_OVERRIDE;
  tresult PLUGIN_API setIoMode(IoMode mode) SMTG_OVERRIDE;
  int32 PLUGIN_API getBusCount(MediaType type, BusDirection dir) SMTG_OVERRIDE;
  tresult PLUGIN_API getBusInfo(MediaType type, BusDirection dir, int32 index,
                                BusInfo& info) SMTG_OVERRIDE;
  tresult PLUGIN_API getRoutingInfo(RoutingInfo& inInfo, RoutingInfo& outInfo) SMTG_OVERRIDE;
  tresult PLUGIN_API activateBus(MediaType type, BusDirection dir, int32 index,
                                 TBool state) SMTG_OVERRIDE;
  tresult PLUGIN_API setActive(TBool state) SMTG_OVERRIDE;

  // --- One state pair serves the component and the controller side (the
  // two interfaces declare the same signatures). Host thread.
  tresult PLUGIN_API setState(IBStream* state) SMTG_OVERRIDE;
  tresult PLUGIN_API getState(IBStream* state) SMTG_OVERRIDE;

  // --- IAudioProcessor defaults. Host control thread unless noted.
  tresult PLUGIN_API setBusArrangements(SpeakerArrangement* inputs, int32 numIns,
                                        SpeakerArrangement* outputs, int32 numOuts) SMTG_OVERRIDE;
  tresult PLUGIN_API getBusArrangement(BusDirection dir, int32 index,
                                       SpeakerArrangement& arr) SMTG_OVERRIDE;
  tresult PLUGIN_API canProcessSampleSize(int32 symbolicSampleSize) SMTG_OVERRIDE;
  uint32 PLUGIN_API getLatencySamples() SMTG_OVERRIDE;
  tresult PLUGIN_API setupProcessing(ProcessSetup& setup) SMTG_OVERRIDE;
  tresult PLUGIN_API setProcessing(TBool state) SMTG_OVERRIDE;
  uint32 PLUGIN_API getTailSamples() SMTG_OVERRIDE;
  // Audio thread.
  tresult PLUGIN_API process(ProcessData& data) SMTG_OVERRIDE;

  // --- FUnknown / FObject. Any thread; no lock. The last release destroys
  // the object.
  OBJ_METHODS(SingleComponentEffect, EditController)
  tresult PLUGIN_API queryInterface(const TUID iid, void** obj) SMTG_OVERRIDE;
  REFCOUNT_METHODS(EditController)

 protected:
  BusList audioInputs;
  BusList audioOutputs;
  BusList eventInputs;
  BusList eventOutputs;
  ProcessSetup processSetup;
};

}  // namespace Vst
}  // namespace Steinberg
