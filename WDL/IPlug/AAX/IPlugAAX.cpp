// Construction, the plug-in's reports to the host (gestures, values,
// latency, editor size) and the transport queries.

#include "IPlugAAX.h"

#include "AAX_HostTransportInterfaces.h"
#include "AAX_IController.h"
#include "AAX_IViewContainer.h"
#include "IGraphics.h"

namespace {
// Ticks per quarter note of the host transport.
constexpr double kTicksPerQuarterNote = 960000.0;
}  // namespace

IPlugAAX::IPlugAAX(int nParams, const char* channelIOText, int nPresets, const char* effectName,
                   const char* productName, const char* makerName, int version, int uniqueId,
                   int makerId, int latency, bool acceptsMidi, bool multiOutput)
    : IPlugBase(nParams, channelIOText, nPresets, effectName, productName, makerName, version,
                uniqueId, makerId, latency, acceptsMidi, multiOutput, kApiAax) {
  SetInputConnections(0, NInChannels(), true);
  SetOutputConnections(0, NOutChannels(), true);
  if (NInChannels() > 0) CreateLatencyDelay();
  SetBlockFrames(1024);
  SetHost("ProTools", static_cast<unsigned int>(version));
  mGestureOpen.assign(static_cast<size_t>(NParams()), 0);
  mKnownHostOutputs = FewestOutputs(mChannelIO);
}

IPlugAAX::~IPlugAAX() { mParamIds.DeleteAll(true); }

const char* IPlugAAX::ParamHostId(int paramIndex) const {
  const StringBuffer* id = mParamIds.Get(paramIndex);
  return id ? id->Get() : nullptr;
}

void IPlugAAX::BeginInformHostOfParamChange(int paramIndex) {
  if (paramIndex >= 0 && paramIndex < static_cast<int>(mGestureOpen.size()))
    mGestureOpen[static_cast<size_t>(paramIndex)] = 1;
  BeginParameterGesture(ParamHostId(paramIndex));
}

void IPlugAAX::InformHostOfParamChange(int paramIndex, double normalized) {
  RequestParameterNormalized(ParamHostId(paramIndex), normalized);
}

void IPlugAAX::EndInformHostOfParamChange(int paramIndex) {
  // The editor ends a gesture at every release on a parameter's control,
  // also when the press began none (the host took the click, or the press
  // was elsewhere); the host gets a release only after its touch.
  if (paramIndex < 0 || paramIndex >= static_cast<int>(mGestureOpen.size()) ||
      !mGestureOpen[static_cast<size_t>(paramIndex)])
    return;
  mGestureOpen[static_cast<size_t>(paramIndex)] = 0;
  EndParameterGesture(ParamHostId(paramIndex));
}

int IPlugAAX::GetTransportSamplePosition() {
  int64_t samples = 0;
  if (mTransport) mTransport->QuerySamplePosition(&samples);
  return static_cast<int>(static_cast<uint32_t>(samples));  // the low 32 bits
}

double IPlugAAX::GetTransportTempo() {
  double bpm = 0.0;
  if (mTransport) mTransport->QueryTempo(&bpm);
  return bpm;
}

void IPlugAAX::GetTransportTimeSignature(int* numerator, int* denominator) {
  int32_t num = 0, den = 0;
  if (mTransport) mTransport->QueryTimeSignature(&num, &den);
  if (numerator) *numerator = num;
  if (denominator) *denominator = den;
}

void IPlugAAX::GetTransportInfo(TransportInfo* info) {
  if (!info) return;
  double tempo = 0.0;
  bool playing = false, looping = false;
  int32_t numerator = 0, denominator = 0;
  int64_t ticks = 0, samples = 0, loopStart = 0, loopEnd = 0;
  if (mTransport) {
    mTransport->QueryTempo(&tempo);
    mTransport->QueryPlaying(&playing);
    mTransport->QueryTimeSignature(&numerator, &denominator);
    mTransport->QueryTickPosition(&ticks);
    mTransport->QuerySamplePosition(&samples);
    mTransport->QueryLoopRange(&looping, &loopStart, &loopEnd);
  }
  // The last bar position is not known to this host: it keeps its value.
  info->mTempo = tempo;
  info->mTransportIsRunning = playing;
  info->mNumerator = numerator;
  info->mDenominator = denominator;
  info->mPPQPos = static_cast<double>(ticks) / kTicksPerQuarterNote;
  info->mSamplePos = static_cast<double>(samples);
  info->mTransportLoopEnabled = looping;
  info->mCycleStart = static_cast<double>(loopStart) / kTicksPerQuarterNote;
  info->mCycleEnd = static_cast<double>(loopEnd) / kTicksPerQuarterNote;
}

void IPlugAAX::InformHostOfEditorResize(int width, int height) {
  IGraphics* editor = GetGUI();
  if (!editor) return;
  // Only while the editor is open in a host view is there one to ask.
  if (AAX_IViewContainer* container = editor->GetViewContainer()) {
    const float size[2] = {static_cast<float>(height), static_cast<float>(width)};
    container->RequestViewSize(size);
  }
  OnEditorResized();
}

void IPlugAAX::ChangeLatency(int samples) {
  if (AAX_IController* controller = Controller()) controller->ReportLatency(samples);
  IPlugBase::ChangeLatency(samples);
}
