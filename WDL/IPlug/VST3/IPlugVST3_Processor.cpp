// The audio-processor side of the VST3 wrapper: processing set-up and
// activation, bus arrangements, the per-block process call, transport
// queries and latency changes.

#include <algorithm>
#include <cmath>
#include <cstring>

#include "IGraphics.h"
#include "IPlugVST3.h"
#include "IMidiShortMessage.h"
#include "pluginterfaces/vst/ivstevents.h"
#include "pluginterfaces/vst/ivstparameterchanges.h"
#include "pluginterfaces/vst/vstspeaker.h"

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {
// The host's process context is kept as its first 112 bytes (the record of
// the SDK generation the wrapper targets: state through frame rate).
constexpr size_t kStoredContextBytes = 112;
static_assert(sizeof(ProcessContext) >= kStoredContextBytes, "process context too small");
}  // namespace

// ---- Set-up and activation ------------------------------------------------

tresult PLUGIN_API IPlugVST3::setupProcessing(ProcessSetup& setup) {
  if (setup.symbolicSampleSize != kSample32 && setup.symbolicSampleSize != kSample64) {
    return kResultFalse;
  }
  StoreSampleRate(setup.sampleRate);
  mIsBypassed = false;
  SetBlockFrames(setup.maxSamplesPerBlock);
  ResetProcessing();
  processSetup = setup;
  return kResultOk;
}

tresult PLUGIN_API IPlugVST3::canProcessSampleSize(int32 symbolicSampleSize) {
  return (symbolicSampleSize == kSample32 || symbolicSampleSize == kSample64) ? kResultTrue
                                                                             : kResultFalse;
}

tresult PLUGIN_API IPlugVST3::setActive(TBool state) {
  ActivationChanged(state != 0);
  return kResultOk;
}

uint32 PLUGIN_API IPlugVST3::getLatencySamples() { return static_cast<uint32>(GetLatency()); }

uint32 PLUGIN_API IPlugVST3::getTailSamples() { return static_cast<uint32>(GetTailSamples()); }

void IPlugVST3::ChangeLatency(int samples) {
  IPlugBase::ChangeLatency(samples);
  if (componentHandler) componentHandler->restartComponent(kLatencyChanged);
}

// ---- Bus arrangements ------------------------------------------------------

namespace {
int SpeakerCount(const SpeakerArrangement* list, int32 count) {
  return (list && count > 0) ? SpeakerArr::getChannelCount(list[0]) : 0;
}

int BusChannelCount(AudioBus* bus) {
  return bus ? SpeakerArr::getChannelCount(bus->getArrangement()) : -1;
}
}  // namespace

tresult PLUGIN_API IPlugVST3::setBusArrangements(SpeakerArrangement* inputs, int32 numIns,
                                                 SpeakerArrangement* outputs, int32 numOuts) {
  SetInputConnections(0, NInChannels(), false);
  SetOutputConnections(0, NOutChannels(), false);

  const int in = SpeakerCount(inputs, numIns);
  const int out = SpeakerCount(outputs, numOuts);
  if (!LegalIO(in, out)) return kResultFalse;

  AudioBus* mainIn = getAudioInput(0);
  if (mainIn && BusChannelCount(mainIn) != in) {
    audioInputs.erase(audioInputs.begin());
    addAudioInput(STR16("Input"), SpeakerArrangementForChannels(in), kMain, BusInfo::kDefaultActive);
  }
  AudioBus* mainOut = getAudioOutput(0);
  if (mainOut && BusChannelCount(mainOut) != out) {
    audioOutputs.erase(audioOutputs.begin());
    addAudioOutput(STR16("Output"), SpeakerArrangementForChannels(out), kMain,
                   BusInfo::kDefaultActive);
  }

  if (mAuxInputChannels != 0) {
    if (numIns != 2 || !inputs) return kResultFalse;
    AudioBus* sideChain = getAudioInput(1);
    if (sideChain && BusChannelCount(sideChain) != SpeakerArr::getChannelCount(inputs[1])) {
      audioInputs.erase(audioInputs.begin() + 1);
      addAudioInput(STR16("Sidechain Input"), inputs[1], kAux, 0);
    }
  } else if (numIns != 1) {
    return kResultFalse;
  }
  return kResultOk;
}

// ---- The process call --------------------------------------------------------

tresult PLUGIN_API IPlugVST3::process(ProcessData& data) {
  MutexLock lock(GetMutex());

  if (data.processContext) {
    std::memcpy(&mProcessContext, data.processContext, kStoredContextBytes);
  }
  if (data.inputParameterChanges) ApplyParameterChanges(data.inputParameterChanges);
  if (DoesMidi() && data.inputEvents) PassMidiEvents(data.inputEvents);

  const int frames = data.numSamples;
  const int32 sampleSize = processSetup.symbolicSampleSize;
  // A parameter flush carries no samples: nothing to attach or run.
  if (frames <= 0 || (sampleSize != kSample32 && sampleSize != kSample64)) return kResultOk;

  // A block longer than the host announced (or any block before set-up)
  // gets the scratch buffers grown first; if they cannot grow, the block
  // runs in pieces the buffers hold.
  if (ScratchCapacity() < frames) SetBlockFrames(frames);
  const int piece = ScratchCapacity();
  if (piece <= 0) return kResultOk;
  for (int offset = 0; offset < frames; offset += piece) {
    ProcessPiece(data, offset, std::min(piece, frames - offset), sampleSize == kSample64);
  }
  return kResultOk;
}

int IPlugVST3::ScratchCapacity() const {
  int capacity = 0x7fffffff;
  for (int i = 0; i < NInChannels(); ++i) capacity = std::min(capacity, mInChannels.Get(i)->ScratchFrames());
  for (int i = 0; i < NOutChannels(); ++i) capacity = std::min(capacity, mOutChannels.Get(i)->ScratchFrames());
  return capacity;
}

void IPlugVST3::ProcessPiece(ProcessData& data, int offset, int frames, bool doubles) {
  ConnectInputs(data, offset, frames, doubles);
  ConnectOutputs(data, offset, doubles);
  if (doubles) {
    if (IsBypassed()) {
      CopyInputsToOutputs(frames);
    } else {
      RunBlockDoubles(frames);
    }
  } else if (IsBypassed()) {
    BypassBlock(frames);
  } else {
    RunBlock(frames);
  }
}

void IPlugVST3::ConnectInputs(ProcessData& data, int offset, int frames, bool doubles) {
  if (data.numInputs <= 0 || !data.inputs) {
    // No input buses in this block: the inputs read silence rather than
    // keeping an earlier block's host buffers.
    SetInputConnections(0, NInChannels(), false);
    return;
  }
  const int nIn = NInChannels();
  // Attaches a host bus to channels [first, first + count); channels the bus
  // has no buffer for are left unconnected (silent) rather than fed from
  // pointers the host did not give in this block.
  auto attach = [&](int first, int count, const AudioBusBuffers& bus) {
    const int available = std::max(bus.numChannels, 0);
    if (count > available) {
      SetInputConnections(first + available, count - available, false);
      count = available;
    }
    if (doubles) {
      AttachInputSamplesDouble(first, count, BusChannels64(bus, offset));
    } else {
      AttachInputSamples(first, count, BusChannels32(bus, offset), frames);
    }
  };
  auto usable = [&](const AudioBusBuffers& bus) {
    return doubles ? BusChannels64(bus, offset) != nullptr : BusChannels32(bus, offset) != nullptr;
  };
  const AudioBusBuffers& mainBus = data.inputs[0];
  const bool mainUsable = usable(mainBus);

  if (mAuxInputChannels == 0) {
    const int mainChannels = mainUsable ? std::max(mainBus.numChannels, 0) : 0;
    SetInputConnections(0, mainChannels, true);
    SetInputConnections(mainChannels, nIn - mainChannels, false);
    if (mainUsable) attach(0, nIn, mainBus);
    return;
  }

  AudioBus* sideChain = getAudioInput(1);
  const bool sideChainOn =
      sideChain && sideChain->isActive() && data.numInputs > 1 && usable(data.inputs[1]);
  SetInputConnections(0, nIn, true);
  if (sideChainOn) {
    mSideChainWasActive = true;
  } else {
    if (mSideChainWasActive) {
      ClearScratchBuffers();
      mSideChainWasActive = false;
    }
    SetInputConnections(std::max(mainBus.numChannels, 0), nIn - mAuxInputChannels, false);
  }
  if (mainUsable) {
    attach(0, nIn - mAuxInputChannels, mainBus);
  } else {
    SetInputConnections(0, nIn - mAuxInputChannels, false);
  }
  if (sideChainOn) attach(mAuxInputChannels, nIn - mAuxInputChannels, data.inputs[1]);
}

void IPlugVST3::ConnectOutputs(ProcessData& data, int offset, bool doubles) {
  const int nOut = NOutChannels();
  // Buses absent from this block leave their channels unconnected, so no
  // output is ever written through an earlier block's host buffers.
  SetOutputConnections(0, nOut, false);
  if (data.numOutputs <= 0 || !data.outputs) return;

  int start = 0;
  for (int j = 0; j < data.numOutputs && start < nOut; ++j) {
    const AudioBusBuffers& bus = data.outputs[j];
    const int n = std::max(bus.numChannels, 0);
    AudioBus* registered = getAudioOutput(j);
    float* const* buffers32 = doubles ? nullptr : BusChannels32(bus, offset);
    double* const* buffers64 = doubles ? BusChannels64(bus, offset) : nullptr;
    const bool active = registered && registered->isActive() && (buffers32 || buffers64);
    SetOutputConnections(start, n, active);
    SetOutputConnections(start + n, nOut - start - n, false);
    if (active) {
      if (doubles) {
        AttachOutputSamplesDouble(start, n, buffers64);
      } else {
        AttachOutputSamples(start, n, buffers32);
      }
    }
    start += n;
  }
}

namespace {
// Copies the first count channel pointers of a bus, advanced by offset,
// into row; false when the bus has no array or a channel is null.
template <class Sample>
bool CopyChannels(Sample** channels, int numChannels, int offset, std::vector<Sample*>& row) {
  if (!channels || numChannels < 0) return false;
  const int count = std::min(numChannels, static_cast<int>(row.size()));
  for (int c = 0; c < count; ++c) {
    if (!channels[c]) return false;
    row[static_cast<size_t>(c)] = channels[c] + offset;
  }
  return true;
}
}  // namespace

float* const* IPlugVST3::BusChannels32(const AudioBusBuffers& bus, int offset) {
  return CopyChannels(bus.channelBuffers32, bus.numChannels, offset, mBusPointers32)
             ? mBusPointers32.data()
             : nullptr;
}

double* const* IPlugVST3::BusChannels64(const AudioBusBuffers& bus, int offset) {
  return CopyChannels(bus.channelBuffers64, bus.numChannels, offset, mBusPointers64)
             ? mBusPointers64.data()
             : nullptr;
}

// ---- Parameter changes and MIDI of one block ---------------------------------

void IPlugVST3::ApplyParameterChanges(IParameterChanges* changes) {
  const int32 queues = changes->getParameterCount();
  for (int32 q = 0; q < queues; ++q) {
    IParamValueQueue* queue = changes->getParameterData(q);
    if (!queue) continue;
    const int32 points = queue->getPointCount();
    if (points <= 0) continue;
    int32 offset = 0;
    ParamValue value = 0.0;
    // Only the block's last value counts.
    if (queue->getPoint(points - 1, offset, value) != kResultOk) continue;
    ApplyParameterChange(queue->getParameterId(), value);
  }
}

IGRAPHICS_SLOT_CALLER void IPlugVST3::ApplyParameterChange(ParamID id, ParamValue value) {
  // A non-number reaches no parameter; anything else is taken into [0, 1].
  if (std::isnan(value)) return;
  value = std::min(std::max(value, 0.0), 1.0);

  if (id == kParamIdBypass) {
    mIsBypassed = value > 0.5;
  } else if (id == kParamIdPreset) {
    if (NPresets() > 0) {
      // 1.0 would name the preset past the last one.
      const int index = std::min(static_cast<int>(value * NPresets()), NPresets() - 1);
      ActivatePreset(index);
    }
  } else if (id < static_cast<ParamID>(NParams())) {
    const int index = static_cast<int>(id);
    GetParam(index)->SetFromNormalized(value);
    if (IGraphics* gui = GetGUI()) gui->SetParameterValueFromPlug(index, value, true);
    ParameterChanged(index, kSourceHost);
  } else if (DoesMidi() && id < static_cast<ParamID>(NParams() + kMidiControllerCount)) {
    IMidiShortMessage message = IMidiShortMessage::MakeControlChange(static_cast<int>(id) - NParams(), value, 0);
    HandleMidiMessage(&message);
  }
}

void IPlugVST3::PassMidiEvents(IEventList* events) {
  const int32 count = events->getEventCount();
  for (int32 i = 0; i < count; ++i) {
    Event event = {};
    if (events->getEvent(i, event) != kResultOk) continue;
    IMidiShortMessage message;
    if (event.type == Event::kNoteOnEvent) {
      // Written so that a NaN velocity becomes 0 rather than an undefined
      // float-to-int conversion.
      const float velocity = event.noteOn.velocity >= 0.0f ? std::min(event.noteOn.velocity, 1.0f) : 0.0f;
      message = IMidiShortMessage::MakeNoteOn(event.noteOn.pitch, static_cast<int>(velocity * 127.0f),
                           event.sampleOffset, event.noteOn.channel);
    } else if (event.type == Event::kNoteOffEvent) {
      message = IMidiShortMessage::MakeNoteOff(event.noteOff.pitch, event.sampleOffset, event.noteOff.channel);
    } else {
      continue;
    }
    HandleMidiMessage(&message);
  }
}

// ---- Transport of the last block that carried a process context -----------

bool IPlugVST3::IsOfflineProcessing() { return processSetup.processMode == kOffline; }

int IPlugVST3::GetTransportSamplePosition() {
  return static_cast<int>(static_cast<uint32>(mProcessContext.projectTimeSamples));
}

double IPlugVST3::GetTransportTempo() { return mProcessContext.tempo; }

void IPlugVST3::GetTransportTimeSignature(int* numerator, int* denominator) {
  if (numerator) *numerator = mProcessContext.timeSigNumerator;
  if (denominator) *denominator = mProcessContext.timeSigDenominator;
}

void IPlugVST3::GetTransportInfo(TransportInfo* info) {
  if (!info) return;
  info->mTempo = mProcessContext.tempo;
  info->mSamplePos = static_cast<double>(mProcessContext.projectTimeSamples);
  info->mPPQPos = mProcessContext.projectTimeMusic;
  info->mLastBar = mProcessContext.barPositionMusic;
  info->mCycleStart = mProcessContext.cycleStartMusic;
  info->mCycleEnd = mProcessContext.cycleEndMusic;
  info->mNumerator = mProcessContext.timeSigNumerator;
  info->mDenominator = mProcessContext.timeSigDenominator;
  info->mTransportIsRunning = (mProcessContext.state & ProcessContext::kPlaying) != 0;
  info->mTransportLoopEnabled = (mProcessContext.state & ProcessContext::kCycleActive) != 0;
}

// ---- Editor and MIDI hooks -----------------------------------------------------

void IPlugVST3::InformHostOfEditorResize(int /*width*/, int /*height*/) {
  // Only an open editor view has a host frame to ask; without one there is
  // nobody to tell.
}

bool IPlugVST3::ForwardMidiMessage(IMidiShortMessage* /*message*/) { return false; }
