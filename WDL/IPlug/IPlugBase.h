#pragma once
// The format-independent plug-in object. It owns the parameters, presets,
// channel configurations and channel records, the editor and the one plug-in
// mutex, and defines the state format. Its virtual operations are the
// contract between the plug-in (DSP hooks), a format wrapper (host-facing
// operations) and the editor (editor-facing operations).
//
// Threads: the host creates and destroys the object on one thread; blocks run
// on its audio thread; parameter changes and state transfers arrive on its
// other threads and the editor's thread. All of them meet at the plug-in
// mutex, which is re-entrant. The editor never takes the mutex itself: its
// parameter writes go through SetParameterFromGUI.

#include "ChannelIOSpec.h"
#include "ChannelRecords.h"
#include "HostId.h"
#include "IMidiShortMessage.h"
#include "IPlugParameter.h"
#include "LatencyDelay.h"
#include "Mutex.h"
#include "PointerList.h"
#include "PresetSlot.h"
#include "StateChunk.h"
#include "StringBuffer.h"
#include "TransportInfo.h"

class IGraphics;

// Which format wrapper drives the plug-in.
enum PlugApiId { kApiVst3 = 1, kApiAax = 4 };

// Where a parameter change comes from.
enum ParamChangeSource { kSourceHost = 1, kSourceStateRestore = 2, kSourceEditor = 3 };

class IPlugBase {
 public:
  // Capacity of the effect, product and maker names, NUL included.
  static constexpr int kMaxNameLength = 128;

  // Creating thread; allocates. channelIOText lists the legal channel
  // configurations ("1-1 2-2"); null means none. Versions are packed as
  // major << 16 | minor << 8 | patch; ids are four-character codes.
  IPlugBase(int nParams, const char* channelIOText, int nPresets, const char* effectName, const char* productName,
            const char* makerName, int version, int uniqueId, int makerId, int latency, bool acceptsMidi,
            bool multiOutput, int apiId);
  IPlugBase(const IPlugBase&) = delete;
  IPlugBase& operator=(const IPlugBase&) = delete;

  // ---- Virtual operations, in slot order -------------------------------

  // Releasing thread; deletes the editor, then everything else; the mutex last.
  virtual ~IPlugBase();
  // Host threads (set-up, block-size change); takes the plug-in mutex. The
  // plug-in hands the sample rate to its DSP here.
  virtual void ResetProcessing();
  // Any thread that changes a parameter, usually with the mutex held; takes
  // the mutex. source is a ParamChangeSource.
  virtual void ParameterChanged(int paramIndex, int source);
  // Audio thread, inside the wrapper's hold of the mutex; must not allocate.
  // One pointer per input and output channel, each to nFrames samples. The
  // default copies inputs to outputs and silences outputs beyond the inputs.
  virtual void ProcessDoubleBlock(double** inputs, double** outputs, int nFrames);
  // Editor thread, after the editor was attached to a host window.
  virtual void OnEditorOpened() {}
  // Editor thread, before the editor is detached.
  virtual void OnEditorClosed() {}
  // Editor thread, when the editor found nothing to redraw for a while.
  virtual void OnEditorIdle() {}
  // Host thread; takes the mutex.
  virtual void ActivationChanged(bool active);
  // Audio thread, under the mutex; forwards to ForwardMidiMessage.
  virtual void HandleMidiMessage(IMidiShortMessage* message);
  // Any thread; writes the empty text into out and answers false.
  virtual bool QueryTextHook(int query, char* out);
  // Host threads; the plug-in state, appended to chunk (SerializeParams).
  // Takes the mutex; allocates.
  virtual bool WriteState(StateChunk* chunk);
  // Host threads; restores state from chunk at start (UnserializeParams).
  // Takes the mutex; no allocation.
  virtual int ReadState(const StateChunk* chunk, int start);
  // Host threads; true when every parameter equals values[start + i] within
  // 0.00001 in single precision. No lock, no allocation.
  virtual bool CompareParamValues(const double* values, int start);
  // Editor thread, after the host took a new editor size.
  virtual void OnEditorResized() {}
  // Host thread, at the end of the wrapper's initialisation.
  virtual void OnWrapperInitialized() {}
  // Editor thread, on a right click on a parameter's control.
  virtual void ShowHostContextMenu(int paramIndex, int x, int y) {}
  // Editor thread, for each value change the user makes. Takes the mutex;
  // sets the parameter, informs the host, then calls ParameterChanged with
  // source 3. No allocation.
  virtual void SetParameterFromGUI(int paramIndex, double normalized);
  // Editor thread, without the mutex: a gesture on the parameter begins.
  virtual void BeginInformHostOfParamChange(int paramIndex) = 0;
  // Editor thread, inside SetParameterFromGUI (mutex held): a new value.
  virtual void InformHostOfParamChange(int paramIndex, double normalized) = 0;
  // Editor thread, without the mutex: the gesture ends.
  virtual void EndInformHostOfParamChange(int paramIndex) = 0;
  // Audio thread.
  virtual bool IsOfflineProcessing() { return false; }
  // Audio thread (inside the block); the wrapper's transport queries.
  virtual int GetTransportSamplePosition() = 0;
  virtual double GetTransportTempo() = 0;
  virtual void GetTransportTimeSignature(int* numerator, int* denominator) = 0;
  virtual void GetTransportInfo(TransportInfo* info) = 0;
  // Any thread; a HostId, kHostUninit before SetHost.
  virtual int GetHostId() const { return mHost; }
  // Any thread; a PlugApiId.
  virtual int GetApiId() const { return mApi; }
  // Editor thread, after the editor changed its size.
  virtual void InformHostOfEditorResize(int width, int height) = 0;
  // Creating thread; takes the mutex. Pushes every parameter's value into the
  // editor, lets it create its back buffers and takes ownership of it. A null
  // editor changes nothing.
  virtual void ConnectGraphics(IGraphics* graphics);
  // Host or audio thread; stores the latency and restarts the bypass delay at
  // that length (allocates when it grows).
  virtual void ChangeLatency(int samples);
  // Audio thread; answers whether the wrapper passed the message on.
  virtual bool ForwardMidiMessage(IMidiShortMessage* message) = 0;
  // Host threads; appends every parameter's plain value (8 bytes each, little
  // endian, in index order) to chunk. False when the chunk could not grow.
  // Takes the mutex; allocates.
  virtual bool SerializeParams(StateChunk* chunk);
  // Host threads; reads the values from start on, clamps them into their
  // ranges and announces every parameter with source 2. Answers the position
  // after the last value read, or -1 when the data ran short. Takes the mutex.
  virtual int UnserializeParams(const StateChunk* chunk, int start);
  // Any thread that already holds the mutex where needed; moves the editor's
  // controls to the current values. No lock.
  virtual void PushParamValuesToEditor();
  // Any thread; tells the host the state changed.
  virtual void MarkStateChanged() {}
  // Host thread, after a preset became current.
  virtual void OnPresetActivated() {}
  // Audio or set-up thread, under the mutex. Sizes every scratch buffer for
  // frames samples (allocates on a change of size) and zeroes them.
  virtual void SetBlockFrames(int frames);

  // ---- Non-virtual operations -------------------------------------------

  // Creating thread; count times fills the first uninitialised preset slot
  // with the current state under name ("Empty" when null). Allocates.
  void AddPresetsFromCurrentState(const char* name, int count);
  // Host set-up thread. A rate that is not a number, below 1 Hz or beyond
  // what the DSP's integer rate can hold is a host's mistake: it is ignored
  // and the previous rate kept, so that no NaN design reaches the filters.
  void StoreSampleRate(double sampleRate);
  // Creating or initialising thread, before processing: identifies the host
  // from its product name; version packed like the plug-in's.
  void SetHost(const char* hostName, unsigned int version);

  // Channel machinery, all on the audio thread inside the wrapper's hold of
  // the mutex; none takes a lock or allocates. Ranges are clipped to the
  // existing channels.
  //
  // Marks channels [first, first + count) connected or not; an unconnected
  // channel's slot points at its scratch buffer (silence).
  void SetInputConnections(int first, int count, bool connected);
  void SetOutputConnections(int first, int count, bool connected);
  // Converts 32-bit host input into the scratch buffers of the connected
  // channels (host advances per connected channel), never more samples than
  // a scratch holds. Writes "attaching channel %d ..." and "done" per channel
  // to standard output.
  void AttachInputSamples(int first, int count, float* const* host, int frames);
  // Points connected outputs at their scratch buffers and remembers the host
  // buffers that RunBlock and BypassBlock convert into.
  void AttachOutputSamples(int first, int count, float* const* host);
  // 64-bit host buffers: connected channels use the host's buffers directly.
  void AttachInputSamplesDouble(int first, int count, double* const* host);
  void AttachOutputSamplesDouble(int first, int count, double* const* host);
  // Zeroes the first block-frames samples of every scratch buffer.
  void ClearScratchBuffers();
  // ProcessDoubleBlock on the slot arrays, then converts connected outputs
  // into the host's 32-bit buffers. frames must not exceed the block frames.
  void RunBlock(int frames);
  // ProcessDoubleBlock only (64-bit host buffers).
  void RunBlockDoubles(int frames);
  // The bypass copy, then the same conversion as RunBlock.
  void BypassBlock(int frames);
  // Copies inputs to outputs on the slot arrays, delayed by the latency when
  // the plug-in has a bypass delay and a latency.
  void CopyInputsToOutputs(int frames);

  // ---- Operations that only the VST3 wrapper uses ---------------------------

  // Any thread; no lock. True when a channel configuration matches both
  // counts (a negative count matches any).
  bool LegalIO(int inputs, int outputs);
  // Creating or control thread; allocates. Input labels exist for buses 0
  // and 1 only; output labels for any bus from 0.
  void SetInputBusLabel(int bus, const char* text);
  void SetOutputBusLabel(int bus, const char* text);
  // Any thread; the preset's name, or the empty text out of range.
  const char* PresetNameAt(int index) const;
  // Control or audio thread; takes the plug-in mutex through the state
  // operations. Recalls an initialised preset, or stores the current state
  // in an empty one under a "user preset" name. Allocates for an empty slot.
  bool ActivatePreset(int index);

  // ---- Accessors: any thread; no lock, no allocation -----------------------

  Mutex& GetMutex() { return mMutex; }
  int NParams() const { return mParams.GetSize(); }
  // The parameter, or null for an index outside the list.
  IPlugParameter* GetParam(int index) const { return mParams.Get(index); }
  IGraphics* GetGUI() const { return mGraphics; }
  double GetSampleRate() const { return mSampleRate; }
  int GetBlockFrames() const { return mBlockFrames; }
  int GetLatency() const { return mLatency; }
  int GetTailSamples() const { return mTailSamples; }
  int NInChannels() const { return mInChannels.GetSize(); }
  int NOutChannels() const { return mOutChannels.GetSize(); }
  bool IsInChannelConnected(int index) const;
  bool IsOutChannelConnected(int index) const;
  int NChannelIO() const { return mChannelIO.GetSize(); }
  const ChannelIOSpec* GetChannelIO(int index) const { return mChannelIO.Get(index); }
  int NPresets() const { return mPresets.GetSize(); }
  const PresetSlot* GetPreset(int index) const { return mPresets.Get(index); }
  int GetCurrentPresetIdx() const { return mCurrentPresetIdx; }
  bool DoesMidi() const { return mDoesMidi; }
  bool IsMultiOutput() const { return mIsMultiOutput; }
  bool IsBypassed() const { return mIsBypassed; }
  const char* GetEffectName() const { return mEffectName; }
  const char* GetProductName() const { return mProductName; }
  const char* GetMakerName() const { return mMakerName; }
  int GetUniqueId() const { return mUniqueId; }
  int GetMakerId() const { return mMakerId; }
  int GetEffectVersion() const { return mVersion; }
  int GetHostVersion() const { return mHostVersion; }
  const LatencyDelay* GetLatencyDelay() const { return mLatencyDelay; }

 protected:
  // The wrapper's constructor creates the bypass delay (length = latency)
  // when the plug-in has at least one input. Allocates.
  void CreateLatencyDelay();

  double** InputSlots() const { return mInputSlots.GetAs<double*>(); }
  double** OutputSlots() const { return mOutputSlots.GetAs<double*>(); }

  PointerList<ChannelIOSpec> mChannelIO;
  Mutex mMutex;
  char mEffectName[kMaxNameLength] = {};
  char mProductName[kMaxNameLength] = {};
  char mMakerName[kMaxNameLength] = {};
  int mUniqueId;
  int mMakerId;
  int mVersion;
  int mApi;
  int mHost = kHostUninit;
  int mHostVersion = 0;
  bool mIsMultiOutput;
  bool mDoesMidi;
  bool mIsBypassed = false;
  int mCurrentPresetIdx = 0;
  double mSampleRate = 44100.0;
  int mBlockFrames = 0;
  int mLatency;
  int mTailSamples = 0;
  LatencyDelay* mLatencyDelay = nullptr;
  // Distinct parameter group names (borrowed from the parameters).
  PointerList<const char> mGroupNames;
  IGraphics* mGraphics = nullptr;
  PointerList<IPlugParameter> mParams;
  PointerList<PresetSlot> mPresets;
  HeapBuffer mInputSlots;
  HeapBuffer mOutputSlots;
  PointerList<InputChannel> mInChannels;
  PointerList<OutputChannel> mOutChannels;
  PointerList<StringBuffer> mInputBusLabels;
  PointerList<StringBuffer> mOutputBusLabels;

 private:
  // Creates the channel records bound to freshly sized slot arrays.
  void CreateChannels(int inputs, int outputs);
  // Converts every connected output with a host buffer into it.
  void ConvertOutputsToHost(int frames);
  // Copies inputs to outputs channel by channel; outputs beyond the inputs
  // get silence.
  void PassThrough(double** inputs, double** outputs, int frames);
};
