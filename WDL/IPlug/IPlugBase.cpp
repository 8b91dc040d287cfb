#include "IPlugBase.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "AssertionHook.h"
#include "IGraphics.h"
#include "Trace.h"

namespace {
constexpr int kHostVersionTextLength = 32;
constexpr double kCompareTolerance = 0.00001;

void CopyName(char* dest, const char* src) { std::snprintf(dest, IPlugBase::kMaxNameLength, "%s", src ? src : ""); }

// Single-precision form of a value; values beyond the float range become
// infinities rather than undefined conversions.
float ToFloat(double v) {
  constexpr double kFloatMax = 3.4028234663852886e38;
  if (v > kFloatMax) return HUGE_VALF;
  if (v < -kFloatMax) return -HUGE_VALF;
  return static_cast<float>(v);
}
}  // namespace

IPlugBase::IPlugBase(int nParams, const char* channelIOText, int nPresets, const char* effectName,
                     const char* productName, const char* makerName, int version, int uniqueId, int makerId,
                     int latency, bool acceptsMidi, bool multiOutput, int apiId)
    : mUniqueId(uniqueId),
      mMakerId(makerId),
      mVersion(version),
      mApi(apiId),
      mIsMultiOutput(multiOutput),
      mDoesMidi(acceptsMidi),
      mLatency(latency) {
  TraceEvent("IPlugBase::IPlugBase", __LINE__, "%s:%s", FormatLogTimestamp(), effectName ? effectName : "");

  for (int i = 0; i < nParams; ++i) mParams.Insert(new IPlugParameter);
  for (int i = 0; i < nPresets; ++i) mPresets.Insert(new PresetSlot);

  CopyName(mEffectName, effectName);
  CopyName(mProductName, productName);
  CopyName(mMakerName, makerName);

  int maxInputs = 0, maxOutputs = 0;
  // A token that does not read as two counts is a fault of the plug-in's
  // definition; it is kept as 0-0 and reported.
  if (channelIOText && !ParseChannelIOSpecs(channelIOText, &mChannelIO, &maxInputs, &maxOutputs)) {
    ReportFailedCheck("IPlugBase::IPlugBase", __LINE__, "channelIOStrValid");
  }
  CreateChannels(maxInputs, maxOutputs);
}

void IPlugBase::CreateChannels(int inputs, int outputs) {
  const int pointerSize = static_cast<int>(sizeof(double*));
  // The slot arrays never change size after this, so the records' bindings stay valid.
  mInputSlots.Resize(inputs * pointerSize, false);
  mOutputSlots.Resize(outputs * pointerSize, false);
  inputs = mInputSlots.GetSize() / pointerSize;
  outputs = mOutputSlots.GetSize() / pointerSize;
  std::fill_n(InputSlots(), inputs, nullptr);
  std::fill_n(OutputSlots(), outputs, nullptr);
  for (int i = 0; i < inputs; ++i) mInChannels.Insert(new InputChannel(InputSlots() + i));
  for (int i = 0; i < outputs; ++i) mOutChannels.Insert(new OutputChannel(OutputSlots() + i));
}

IGRAPHICS_SLOT_CALLER IPlugBase::~IPlugBase() {
  delete mGraphics;
  mGraphics = nullptr;
  mParams.DeleteAll(true);
  mPresets.DeleteAll(true);
  mInChannels.DeleteAll(true);
  mOutChannels.DeleteAll(true);
  mChannelIO.DeleteAll(true);
  mInputBusLabels.DeleteAll(true);
  mOutputBusLabels.DeleteAll(true);
  delete mLatencyDelay;
  mLatencyDelay = nullptr;
}

void IPlugBase::ResetProcessing() { MutexLock lock(mMutex); }

void IPlugBase::ParameterChanged(int /*paramIndex*/, int /*source*/) { MutexLock lock(mMutex); }

void IPlugBase::ActivationChanged(bool /*active*/) { MutexLock lock(mMutex); }

void IPlugBase::HandleMidiMessage(IMidiShortMessage* message) { ForwardMidiMessage(message); }

bool IPlugBase::QueryTextHook(int /*query*/, char* out) {
  if (out) out[0] = 0;
  return false;
}

bool IPlugBase::WriteState(StateChunk* chunk) { return SerializeParams(chunk); }

int IPlugBase::ReadState(const StateChunk* chunk, int start) { return UnserializeParams(chunk, start); }

bool IPlugBase::CompareParamValues(const double* values, int start) {
  // The values may come straight from a host's byte block, so they are read
  // without assuming alignment.
  const unsigned char* bytes = reinterpret_cast<const unsigned char*>(values);
  for (int i = 0; i < NParams(); ++i) {
    double stored = 0.0;
    std::memcpy(&stored, bytes + (static_cast<long long>(start) + i) * 8, sizeof stored);
    const float difference = ToFloat(GetParam(i)->Value()) - ToFloat(stored);
    // The difference is taken in single precision, the tolerance is not.
    if (!(std::fabs(static_cast<double>(difference)) < kCompareTolerance)) return false;
  }
  return true;
}

void IPlugBase::SetParameterFromGUI(int paramIndex, double normalized) {
  TraceEvent("IPlugBase::SetParameterFromGUI", __LINE__, "%d:%f", paramIndex, normalized);
  MutexLock lock(mMutex);
  IPlugParameter* param = GetParam(paramIndex);
  if (!param) return;
  param->SetFromNormalized(normalized);
  InformHostOfParamChange(paramIndex, normalized);
  ParameterChanged(paramIndex, kSourceEditor);
}

IGRAPHICS_SLOT_CALLER void IPlugBase::ConnectGraphics(IGraphics* graphics) {
  if (!graphics) return;
  MutexLock lock(mMutex);
  for (int i = 0; i < NParams(); ++i) {
    graphics->SetParameterValueFromPlug(i, GetParam(i)->CurrentNormalized(), true);
  }
  graphics->PrepareBackBuffers();
  // A second editor replaces the first, which would otherwise be lost.
  if (mGraphics != graphics) delete mGraphics;
  mGraphics = graphics;
}

bool IPlugBase::SerializeParams(StateChunk* chunk) {
  MutexLock lock(mMutex);
  for (int i = 0; i < NParams(); ++i) {
    if (!chunk->PutDouble(GetParam(i)->Value())) return false;
  }
  return true;
}

int IPlugBase::UnserializeParams(const StateChunk* chunk, int start) {
  MutexLock lock(mMutex);
  int pos = start;
  for (int i = 0; i < NParams() && pos >= 0; ++i) {
    IPlugParameter* param = GetParam(i);
    TraceEvent("IPlugBase::UnserializeParams", __LINE__, "%d %s %f", i, param->Name(), param->Value());
    double value = 0.0;
    pos = chunk->GetDouble(&value, pos);
    // Short data still sets this parameter (to 0 clamped into its range).
    param->RestoreValue(pos < 0 ? 0.0 : value);
  }
  for (int i = 0; i < NParams(); ++i) ParameterChanged(i, kSourceStateRestore);
  return pos;
}

IGRAPHICS_SLOT_CALLER void IPlugBase::PushParamValuesToEditor() {
  if (!mGraphics) return;
  for (int i = 0; i < NParams(); ++i) mGraphics->SetParameterValueFromPlug(i, GetParam(i)->Value(), false);
}

void IPlugBase::StoreSampleRate(double sampleRate) {
  if (std::isfinite(sampleRate) && sampleRate >= 1.0 && sampleRate <= 2147483647.0) mSampleRate = sampleRate;
}

void IPlugBase::AddPresetsFromCurrentState(const char* name, int count) {
  for (int round = 0; round < count; ++round) {
    PresetSlot* slot = nullptr;
    for (int i = 0; i < NPresets() && !slot; ++i) {
      if (!mPresets.Get(i)->mInitialized) slot = mPresets.Get(i);
    }
    if (!slot) continue;
    slot->mInitialized = true;
    slot->SetName(name ? name : "Empty");
    WriteState(&slot->mChunk);
  }
}

void IPlugBase::SetHost(const char* hostName, unsigned int version) {
  mHost = LookUpHostId(hostName);
  mHostVersion = static_cast<int>(version);
  char versionText[kHostVersionTextLength];
  FormatVersionText(version, versionText, kHostVersionTextLength);
  TraceEvent("IPlugBase::SetHost", __LINE__, "host_%sknown:%s:%s", mHost == kHostUnknown ? "un" : "",
             hostName ? hostName : "", versionText);
}

void IPlugBase::CreateLatencyDelay() {
  if (NInChannels() < 1 || mLatencyDelay) return;
  mLatencyDelay = new LatencyDelay(NInChannels(), NOutChannels(), mLatency);
}

void IPlugBase::ChangeLatency(int samples) {
  mLatency = samples;
  if (mLatencyDelay) mLatencyDelay->SetLength(samples);
}
