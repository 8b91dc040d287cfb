#pragma once
// The VST3 wrapper: adapts an IPlugBase plug-in to a VST3 host. One object is
// audio processor and edit controller at once (a single-component effect),
// with unit information and MIDI controller mapping. Plug-in parameter i is
// host parameter i; the wrapper adds "Preset" ('prst'), "Bypass" ('bpas')
// and, for a plug-in that takes MIDI, 128 "MIDI CC" parameters after the
// plug-in's own.
//
// Threads: the host's control thread initialises, negotiates buses and sets
// up processing (no lock; hosts do that while not processing); its audio
// thread calls process; state transfers may come from any host thread. The
// audio block and the state transfers meet at the plug-in mutex. The
// controller's value getters and setters take no lock: each touches one
// parameter field.

#include <atomic>
#include <vector>

#include "IPlugBase.h"
#include "pluginterfaces/vst/ivsteditcontroller.h"
#include "pluginterfaces/vst/ivstprocesscontext.h"
#include "pluginterfaces/vst/ivstunits.h"
#include "singlecomponenteffect.h"

class IPlugVST3View;

// Host parameter ids of the wrapper's own parameters (four-character codes).
constexpr Steinberg::Vst::ParamID kParamIdPreset = 0x70727374;  // 'prst'
constexpr Steinberg::Vst::ParamID kParamIdBypass = 0x62706173;  // 'bpas'

class IPlugVST3 : public IPlugBase,
                  public Steinberg::Vst::IUnitInfo,
                  public Steinberg::Vst::SingleComponentEffect,
                  public Steinberg::Vst::IMidiMapping {
 public:
  // Creating thread (under the factory's creation lock); allocates. The
  // IPlugBase arguments without the API id, then how many of the input
  // channels form a side-chain bus.
  IPlugVST3(int nParams, const char* channelIOText, int nPresets, const char* effectName,
            const char* productName, const char* makerName, int version, int uniqueId, int makerId,
            int latency, bool acceptsMidi, bool multiOutput, int auxInputChannels = 0);
  // Releasing thread (the host's last release).
  ~IPlugVST3() override;

  // The class's create function: constructs one plug-in under a
  // function-static lock and answers its IAudioProcessor interface holding
  // the creation reference, or null. Host thread; allocates.
  static Steinberg::FUnknown* CreateInstanceForHost(void* context);

  // Speaker arrangement of n channels: mono, stereo, 3.0, 4.0, 5.0, 5.1;
  // anything else the empty arrangement. Any thread.
  static Steinberg::Vst::SpeakerArrangement SpeakerArrangementForChannels(int n);

  // ---- IPlugBase host-facing operations ------------------------------------

  // Editor thread: a gesture starts, a value changes, the gesture ends; each
  // is passed to the host's component handler. No allocation.
  void BeginInformHostOfParamChange(int paramIndex) override;
  void InformHostOfParamChange(int paramIndex, double normalized) override;
  void EndInformHostOfParamChange(int paramIndex) override;
  // Audio thread (inside a block): the transport of the last block that
  // carried a process context. No lock.
  bool IsOfflineProcessing() override;
  int GetTransportSamplePosition() override;
  double GetTransportTempo() override;
  void GetTransportTimeSignature(int* numerator, int* denominator) override;
  void GetTransportInfo(TransportInfo* info) override;
  // Editor thread; asks the host frame of the first open view for a new size
  // (with an editor and a view that has a frame). No allocation.
  void InformHostOfEditorResize(int width, int height) override;
  // Editor thread, on a right click on a parameter's control: the host's
  // context menu for the parameter, popped up over the first open view at
  // the editor point (x, y) in the view's pixels (times the display scale),
  // when the host's component handler offers menus. No allocation here.
  void ShowHostContextMenu(int paramIndex, int x, int y) override;
  // Host or audio thread: stores the new latency, then asks the host to
  // restart with the latency flag. Allocates when the bypass delay grows.
  void ChangeLatency(int samples) override;
  // Audio thread; this wrapper passes no MIDI back to the host.
  bool ForwardMidiMessage(IMidiShortMessage* message) override;

  // ---- IPluginBase (component and controller alike) ------------------------

  // Host control thread; allocates (buses, parameters). See the .cpp.
  Steinberg::tresult PLUGIN_API initialize(Steinberg::FUnknown* context) SMTG_OVERRIDE;
  // Host control thread; forgets the open views, then removes buses and
  // parameters and releases the host's interfaces.
  Steinberg::tresult PLUGIN_API terminate() SMTG_OVERRIDE;

  // ---- State: the same stream for the component and the controller ---------

  // Any host thread; takes the plug-in mutex; allocates the chunk.
  Steinberg::tresult PLUGIN_API getState(Steinberg::IBStream* state) SMTG_OVERRIDE;
  Steinberg::tresult PLUGIN_API setState(Steinberg::IBStream* state) SMTG_OVERRIDE;
  Steinberg::tresult PLUGIN_API setComponentState(Steinberg::IBStream* state) SMTG_OVERRIDE;

  // ---- IEditController: values and texts. Any host thread; no lock, no
  // allocation. -------------------------------------------------------------
  Steinberg::Vst::ParamValue PLUGIN_API getParamNormalized(Steinberg::Vst::ParamID id) SMTG_OVERRIDE;
  Steinberg::tresult PLUGIN_API setParamNormalized(Steinberg::Vst::ParamID id,
                                                   Steinberg::Vst::ParamValue value) SMTG_OVERRIDE;
  Steinberg::tresult PLUGIN_API getParamStringByValue(Steinberg::Vst::ParamID id,
                                                      Steinberg::Vst::ParamValue valueNormalized,
                                                      Steinberg::Vst::String128 text) SMTG_OVERRIDE;
  Steinberg::Vst::ParamValue PLUGIN_API plainParamToNormalized(
      Steinberg::Vst::ParamID id, Steinberg::Vst::ParamValue plainValue) SMTG_OVERRIDE;

  // ---- IUnitInfo. Any host thread; no lock, no allocation. ----------------
  Steinberg::int32 PLUGIN_API getUnitCount() SMTG_OVERRIDE;
  Steinberg::tresult PLUGIN_API getUnitInfo(Steinberg::int32 unitIndex,
                                            Steinberg::Vst::UnitInfo& info) SMTG_OVERRIDE;
  Steinberg::int32 PLUGIN_API getProgramListCount() SMTG_OVERRIDE;
  Steinberg::tresult PLUGIN_API getProgramListInfo(Steinberg::int32 listIndex,
                                                   Steinberg::Vst::ProgramListInfo& info) SMTG_OVERRIDE;
  Steinberg::tresult PLUGIN_API getProgramName(Steinberg::Vst::ProgramListID listId,
                                               Steinberg::int32 programIndex,
                                               Steinberg::Vst::String128 name) SMTG_OVERRIDE;
  Steinberg::tresult PLUGIN_API getProgramInfo(Steinberg::Vst::ProgramListID listId,
                                               Steinberg::int32 programIndex,
                                               Steinberg::Vst::CString attributeId,
                                               Steinberg::Vst::String128 attributeValue) SMTG_OVERRIDE;
  Steinberg::tresult PLUGIN_API hasProgramPitchNames(Steinberg::Vst::ProgramListID listId,
                                                     Steinberg::int32 programIndex) SMTG_OVERRIDE;
  Steinberg::tresult PLUGIN_API getProgramPitchName(Steinberg::Vst::ProgramListID listId,
                                                    Steinberg::int32 programIndex,
                                                    Steinberg::int16 midiPitch,
                                                    Steinberg::Vst::String128 name) SMTG_OVERRIDE;
  Steinberg::Vst::UnitID PLUGIN_API getSelectedUnit() SMTG_OVERRIDE;
  Steinberg::tresult PLUGIN_API selectUnit(Steinberg::Vst::UnitID unitId) SMTG_OVERRIDE;
  Steinberg::tresult PLUGIN_API getUnitByBus(Steinberg::Vst::MediaType type,
                                             Steinberg::Vst::BusDirection dir,
                                             Steinberg::int32 busIndex, Steinberg::int32 channel,
                                             Steinberg::Vst::UnitID& unitId) SMTG_OVERRIDE;
  Steinberg::tresult PLUGIN_API setUnitProgramData(Steinberg::int32 listOrUnitId,
                                                   Steinberg::int32 programIndex,
                                                   Steinberg::IBStream* data) SMTG_OVERRIDE;

  // ---- IMidiMapping. Any host thread. -------------------------------------
  Steinberg::tresult PLUGIN_API getMidiControllerAssignment(
      Steinberg::int32 busIndex, Steinberg::int16 channel, Steinberg::Vst::CtrlNumber midiControllerNumber,
      Steinberg::Vst::ParamID& id) SMTG_OVERRIDE;

  // ---- IAudioProcessor / IComponent ----------------------------------------

  // Host control thread (not while processing); no lock. Allocates when the
  // largest block grows.
  Steinberg::tresult PLUGIN_API setupProcessing(Steinberg::Vst::ProcessSetup& setup) SMTG_OVERRIDE;
  // Any host thread; no lock, no allocation.
  Steinberg::tresult PLUGIN_API canProcessSampleSize(Steinberg::int32 symbolicSampleSize) SMTG_OVERRIDE;
  // Host control thread; takes the plug-in mutex (the plug-in's hook).
  Steinberg::tresult PLUGIN_API setActive(Steinberg::TBool state) SMTG_OVERRIDE;
  // Any host thread; no lock, no allocation.
  Steinberg::uint32 PLUGIN_API getLatencySamples() SMTG_OVERRIDE;
  Steinberg::uint32 PLUGIN_API getTailSamples() SMTG_OVERRIDE;
  // Host control thread (not while processing); no lock; allocates when a
  // bus is replaced.
  Steinberg::tresult PLUGIN_API setBusArrangements(Steinberg::Vst::SpeakerArrangement* inputs,
                                                   Steinberg::int32 numIns,
                                                   Steinberg::Vst::SpeakerArrangement* outputs,
                                                   Steinberg::int32 numOuts) SMTG_OVERRIDE;
  // Audio thread; holds the plug-in mutex for the whole call. Allocates
  // nothing once blocks of this length have been set up for. Always ok.
  Steinberg::tresult PLUGIN_API process(Steinberg::Vst::ProcessData& data) SMTG_OVERRIDE;

  // ---- FUnknown / FObject. Any thread; no lock. The last release destroys
  // the object. --------------------------------------------------------------
  OBJ_METHODS(IPlugVST3, SingleComponentEffect)
  Steinberg::tresult PLUGIN_API queryInterface(const Steinberg::TUID iid, void** obj) SMTG_OVERRIDE;
  REFCOUNT_METHODS(SingleComponentEffect)

  // ---- The editor view ------------------------------------------------------

  // Host's user-interface thread. "editor" (exactly) makes a new view holding
  // a reference on the plug-in, kept in the list of open views; any other
  // name, or none, answers null. Allocates.
  Steinberg::IPlugView* PLUGIN_API createView(Steinberg::FIDString name) SMTG_OVERRIDE;
  // User-interface thread, from the view's destructor: the view leaves the
  // list of open views (its first occurrence).
  void ForgetView(IPlugVST3View* view);
  // User-interface thread; the open views, oldest first (tests).
  const std::vector<IPlugVST3View*>& Views() const { return mViews; }
  // User-interface thread: the view whose host window holds the editor
  // window now (the last one attached), or null.
  IPlugVST3View* EditorView() const { return mEditorView; }
  void SetEditorView(IPlugVST3View* view) { mEditorView = view; }

  // Aux input channel count (after initialisation at most 2). Any thread.
  int AuxInputChannels() const { return mAuxInputChannels; }

 private:
  // The "MIDI CC" parameters a plug-in that takes MIDI gets, one per controller.
  static constexpr int kMidiControllerCount = 128;

  // initialize's registration steps.
  void AddBuses();
  void AddParameters();
  void AddPluginParameter(int index);
  // The 1-based unit of a group name, appending it to the group list when it
  // is new; 0 for the empty name.
  int UnitForGroup(const char* group);
  // A bus label, or the empty text while none is set.
  static const char* LabelAt(const PointerList<StringBuffer>& labels, int index);

  // process's steps.
  void ApplyParameterChanges(Steinberg::Vst::IParameterChanges* changes);
  void ApplyParameterChange(Steinberg::Vst::ParamID id, Steinberg::Vst::ParamValue value);
  void PassMidiEvents(Steinberg::Vst::IEventList* events);
  // The samples every scratch buffer holds (the longest piece one pass can run).
  int ScratchCapacity() const;
  void ProcessPiece(Steinberg::Vst::ProcessData& data, int offset, int frames, bool doubles);
  void ConnectInputs(Steinberg::Vst::ProcessData& data, int offset, int frames, bool doubles);
  void ConnectOutputs(Steinberg::Vst::ProcessData& data, int offset, bool doubles);
  // The channel buffers of a host bus advanced by offset into the
  // preallocated pointer row, or null when the bus carries no usable
  // buffers (no array, or a null channel the plug-in would use).
  float* const* BusChannels32(const Steinberg::Vst::AudioBusBuffers& bus, int offset);
  double* const* BusChannels64(const Steinberg::Vst::AudioBusBuffers& bus, int offset);

  // The state stream's two directions (under the plug-in mutex).
  bool WriteStateToStream(Steinberg::IBStream* stream);
  bool ReadStateFromStream(Steinberg::IBStream* stream);

  int mAuxInputChannels;
  bool mSideChainWasActive = false;
  // The bypass as the edit controller reports it: set through the controller
  // (hosts' generic views switch bypass there), by the parameter queue and
  // by a state load. Processing follows the queue only. Written and read on
  // different host threads, hence atomic.
  std::atomic<bool> mControllerBypass{false};
  Steinberg::Vst::ProcessContext mProcessContext;
  std::vector<IPlugVST3View*> mViews;  // open editor views, not owned
  IPlugVST3View* mEditorView = nullptr;  // the one holding the editor window
  // One bus's channel pointers advanced into the block, preallocated for the
  // plug-in's largest channel count (the attach operations use no more).
  std::vector<float*> mBusPointers32;
  std::vector<double*> mBusPointers64;
};
