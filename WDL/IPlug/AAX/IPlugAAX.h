#pragma once
// The plug-in in an AAX host: one object that is both the framework's
// plug-in (IPlugBase) and the host's effect-parameters object. It maps the
// plug-in's parameters onto typed host parameters ("1" .. "n", plus the
// master bypass with the empty identifier), carries values between host,
// plug-in and editor, offers the plug-in state as the one host chunk (its
// identifier is the plug-in's unique id), answers the transport queries from
// the host transport of the last render call, and renders blocks.
//
// Threads: the host creates and releases the object on one thread; it binds,
// sets parameters and transfers state on its parameter threads, renders on
// its audio thread; the editor calls in on its own thread. All meet at the
// plug-in mutex; the host-parameter side (values, change count) is updated
// outside it, as the host expects.

#include "AAX_CIPlugParameters.h"
#include "IPlugBase.h"

#include <cstdint>
#include <vector>

template <typename T>
class AAX_CParameter;
class AAX_IACFTransport;

class IPlugAAX : public IPlugBase, public AAX_CIPlugParameters {
public:
  // The arguments of IPlugBase without the API id. Creating thread (the
  // plug-in factory's); allocates. Connects every channel, creates the bypass
  // delay when there are inputs, sizes the scratch buffers for 1024 frames
  // and takes the host to be "ProTools".
  IPlugAAX(int nParams, const char* channelIOText, int nPresets, const char* effectName,
           const char* productName, const char* makerName, int version, int uniqueId, int makerId,
           int latency, bool acceptsMidi, bool multiOutput);
  // Releasing thread: the identifier texts, then the host side, then the
  // plug-in side.
  ~IPlugAAX() override;

  // ---- IPlugBase: towards the host ---------------------------------------

  // Editor thread, without the plug-in mutex; no allocation. Gesture begin
  // and end on the parameter's host parameter; an end without a begin is
  // not passed on.
  void BeginInformHostOfParamChange(int paramIndex) override;
  void EndInformHostOfParamChange(int paramIndex) override;
  // Editor thread, inside SetParameterFromGUI (mutex held): asks the host
  // for the value; it comes back through ApplyParameterNormalized.
  void InformHostOfParamChange(int paramIndex, double normalized) override;
  // Audio thread, inside the render call; no allocation, no lock. Answer
  // from the host transport of the last render call (neutral values before
  // the first one).
  int GetTransportSamplePosition() override;
  double GetTransportTempo() override;
  void GetTransportTimeSignature(int* numerator, int* denominator) override;
  void GetTransportInfo(TransportInfo* info) override;
  // Editor thread; no allocation. Asks the host view the editor lives in
  // (the editor holds it while it is open) for the new size.
  void InformHostOfEditorResize(int width, int height) override;
  // Host or audio thread: tells the host controller, then restarts the
  // bypass delay (allocates when it grows).
  void ChangeLatency(int samples) override;
  // Audio thread: nothing is passed on.
  bool ForwardMidiMessage(IMidiShortMessage*) override { return false; }
  // Any thread; no lock: one more change for the host to see.
  void MarkStateChanged() override { IncrementChangeCount(); }

  // ---- The host's effect-parameters interface ----------------------------

  // Host's parameter thread; allocates. The render call stops using the host
  // side (controller, bypass parameter) under the plug-in mutex before the
  // binding changes, and a new binding is handed to it under the mutex once
  // complete; the host itself is never called with the mutex held, so a host
  // that waits on its audio thread while it is called cannot deadlock.
  AAX_ResultCode BindController(IACFUnknown* controllerUnknown) override;
  AAX_ResultCode UnbindController() override;
  // Host's parameter thread, inside binding; allocates. The master bypass and
  // one host parameter per plug-in parameter, then the host's sample rate
  // (when it states a usable one) and a reset. Takes the plug-in mutex only
  // around the plug-in's own fields. 0.
  AAX_ResultCode SetUpParameters() override;
  // Host's parameter thread; no allocation. The host's confirmed value,
  // clamped into [0, 1] (NaN: ignored, 0); sets the plug-in parameter, its
  // editor controls and calls ParameterChanged with source 1 under the
  // plug-in mutex. -20001 for an unknown identifier.
  AAX_ResultCode ApplyParameterNormalized(const char* id, double normalized) override;
  // Host's state thread; no allocation, no lock. Index 0 is the plug-in
  // state; -20006 otherwise.
  AAX_ResultCode StateChunkIdAt(int32_t index, uint32_t* id) override;
  // Host's state thread; allocates; takes the plug-in mutex. The state's
  // byte count; -20007 and 0 for another chunk or when the state cannot be
  // written.
  AAX_ResultCode GetStateChunkSize(uint32_t chunkId, uint32_t* size) override;
  // Host's state thread; allocates; takes the plug-in mutex. Writes size
  // and state into the host's record, which holds as many bytes as
  // GetStateChunkSize reported.
  AAX_ResultCode SaveStateChunk(uint32_t chunkId, AAX_HostChunk* chunk) override;
  // Host's state thread; allocates; takes the plug-in mutex. Restores the
  // state from the chunk's first bytes, asks the host to follow every value
  // and updates the editor. A size below 0 changes nothing (-20008).
  AAX_ResultCode LoadStateChunk(uint32_t chunkId, const AAX_HostChunk* chunk) override;
  // Host's state thread; allocates; takes the plug-in mutex. Whether the
  // chunk holds the current values; a chunk of another plug-in matches, a short one does not.
  AAX_ResultCode CompareStateChunk(const AAX_HostChunk* chunk, bool* matches) override;

  // Host's audio thread: one block, under the plug-in mutex. Allocates only
  // when the block length changes. A block that cannot reach the host
  // (unbound, no output stem, a length it cannot process) leaves silence in
  // the host's outputs.
  void ProcessAudioContext(AAX_RenderContext* context) override;

  // ---- For the editor object and tests ------------------------------------

  // The host identifier of plug-in parameter index ("1" for 0), or null
  // outside the parameters. Any thread; no lock.
  const char* ParamHostId(int paramIndex) const;
  // Any thread; no lock. The master bypass host parameter as the render call
  // reads it; null while unbound.
  const AAX_CParameter<bool>* BypassParameter() const { return mBypass; }

  // Longest block the render call processes; longer ones come out silent.
  static constexpr int kMaxBlockFrames = 1 << 20;

private:
  // The identifier of the one state chunk: the plug-in's unique id.
  uint32_t StateChunkId() const { return static_cast<uint32_t>(GetUniqueId()); }
  // Creates the typed host parameter of plug-in parameter index under id;
  // null for a kind that has none.
  AAX_IParameter* MakeHostParameter(int paramIndex, const char* id);
  // The plug-in parameter an identifier names ("1" names 0), or -1.
  int ParamIndexOf(const char* id) const;
  // The render call's steps: audio thread, plug-in mutex held; no allocation.
  // Whether every scratch buffer holds frames samples.
  bool ScratchHolds(int frames) const;
  // Writes frames zeros into the outputs the host stem covers.
  void SilenceOutputs(float* const* outputs, int stemChannels, int frames);
  // Host's parameter thread: under the plug-in mutex, the render call lets go
  // of the host side (bound flag, bypass parameter).
  void ReleaseHostSideForRender();
  // Hands every packet of the local MIDI node to HandleMidiMessage.
  void ReadMidi(AAX_RenderContext* context);

  // Read by the render call under the plug-in mutex: whether the controller
  // may be asked, and the bypass parameter (owned by the parameter table).
  bool mBound = false;
  AAX_CParameter<bool>* mBypass = nullptr;
  // The bypass parameter of a binding in progress, handed over at its end.
  AAX_CParameter<bool>* mNewBypass = nullptr;
  // Output buffers the host is known to hand over: the last bound output
  // stem's channels, else the fewest of any channel configuration. Render
  // call, under the plug-in mutex.
  int mKnownHostOutputs = 0;
  AAX_IACFTransport* mTransport = nullptr;     // the host's, valid during a render call
  PointerList<StringBuffer> mParamIds;         // host identifier of each parameter
  std::vector<char> mGestureOpen;              // per parameter; editor thread only
};
