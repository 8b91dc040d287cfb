#include "VimbraOndelino.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <ctime>

#include "PluginIdentity.h"

namespace {

// 10^(dB / 20) written as exp(dB * ln(10) / 20).
constexpr double kDecibelToExponent = 0.1151292546497;

}  // namespace

VimbraOndelino::VimbraOndelino()
    : PluginWrapper(kNumParams, kPluginChannelIO, 1, kPluginName, "", kPluginMaker, kPluginVersion,
                    kPluginUniqueId, kPluginMakerId, 0, false, false) {
  DefineParameters();
  BuildEditor();
  AddPresetsFromCurrentState("-", 1);
  std::srand(static_cast<unsigned>(std::time(nullptr)));
}

VimbraOndelino::~VimbraOndelino() = default;

void VimbraOndelino::DefineParameters() {
  // Created in this order (not index order): the parameter objects already
  // exist, only their set-up order differs.
  GetParam(kOversample)->SetUpBool("Oversample", false);
  GetParam(kInput)->SetUpDouble("Input", 0.0, -30.0, 12.0, 0.1, "dB");
  GetParam(kOutput)->SetUpDouble("Output", 0.0, -30.0, 12.0, 0.1, "dB");
  GetParam(kModeI)->SetUpBool("Mode I", true);
  GetParam(kModeII)->SetUpBool("Mode II", false);
  GetParam(kModeIRate)->SetUpDouble("Mode I Rate", 0.5, 0.1, 2.0, 0.1, "Hz");
  GetParam(kModeIIRate)->SetUpDouble("Mode II Rate", 0.8, 0.1, 2.0, 0.1, "Hz");
  GetParam(kModeBothRate)->SetUpDouble("Mode I+II Rate", 8.0, 1.0, 20.0, 0.1, "Hz");
  GetParam(kDryWet)->SetUpDouble("Dry/Wet", 50.0, 0.0, 100.0, 1.0, "%");
  GetParam(kWide)->SetUpDouble("Wide", 100.0, 0.0, 100.0, 1.0, "%");
  GetParam(kAnalogEmu)->SetUpBool("Analog Emu.", true);
  GetParam(kAnalogHiss)->SetUpBool("Analog Hiss", true);
}

void VimbraOndelino::ParameterChanged(int paramIndex, int changeSource) {
  MutexLock lock(GetMutex());
  const IPlugParameter* param = GetParam(paramIndex);
  if (!param) return;
  const double v = param->Value();
  AudioProcessor& processor = mChorus;  // the base's operations go through the virtual table
  switch (paramIndex) {
    case kOversample:
      processor.SetOversampling(v >= 0.5 ? 2 : 1);
      break;
    case kInput:
      mChorus.mInputGain = std::exp(v * kDecibelToExponent);
      break;
    case kOutput:
      mChorus.mOutputGain = std::exp(v * kDecibelToExponent);
      break;
    case kDryWet:
      processor.SetMix(param->CurrentNormalized());
      break;
    case kModeI:
      mChorus.mModeI = v >= 0.5;
      mChorus.UpdateMode();
      break;
    case kModeII:
      mChorus.mModeII = v >= 0.5;
      mChorus.UpdateMode();
      break;
    case kModeIRate:
      mChorus.mModeIRate = v;
      mChorus.UpdateMode();
      break;
    case kModeIIRate:
      mChorus.mModeIIRate = v;
      mChorus.UpdateMode();
      break;
    case kModeBothRate:
      mChorus.mModeBothRate = v;
      mChorus.UpdateMode();
      break;
    case kWide:
      mChorus.mWidth = param->CurrentNormalized();
      break;
    case kAnalogEmu:
      mChorus.SetAnalogEmu(v >= 0.5);
      break;
    case kAnalogHiss:
      mChorus.SetAnalogHiss(v >= 0.5);
      break;
    default:
      break;
  }
}

void VimbraOndelino::ResetProcessing() {
  MutexLock lock(GetMutex());
  AudioProcessor& processor = mChorus;
  const int rate = static_cast<int>(GetSampleRate());
  processor.SetSampleRate(rate);
  // The oscillator and the delay lines' filters take a rate only when the
  // oversampling factor is set. A host that restores its state before it
  // announces the rate would otherwise leave them at the old one, so a new
  // rate configures them as a change of "Oversample" does; that designs the
  // anti-alias filters afresh too, as the reset does (every stage is set
  // whole by a design). A reset at the rate they already have (the AAX
  // wrapper resets at every new block size) leaves the oscillator's smoothing
  // untouched.
  if (processor.GetConfiguredRate() != rate) {
    processor.SetOversampling(processor.GetOversampling());
  } else {
    processor.ResetState();
  }
}

void VimbraOndelino::UpdateMeterCoefficients(int nFrames) {
  mLastBlockSize = nFrames;
  mInMeterLevel = 0.0;
  mOutMeterLevel = 0.0;
  mMeterBlocksPerSecond = static_cast<int>(GetSampleRate() / nFrames);
  // Within 1 % of a new peak after 300 ms.
  mMeterReach300ms = std::pow(0.01, 1.0 / (mMeterBlocksPerSecond * 300 * 0.001));
  mInMeterFalling = std::exp(-1.0 / (mMeterBlocksPerSecond * 0.3));  // 300 ms time constant
}

void VimbraOndelino::SmoothMeter(double peak, double rising, double falling, double* level) {
  const double p = std::fabs(peak);
  const double c = p > *level ? rising : falling;
  *level = *level * c + (1.0 - c) * p;
}

void VimbraOndelino::ProcessDoubleBlock(double** inputs, double** outputs, int nFrames) {
  if (nFrames < 1) return;
  if (nFrames != mLastBlockSize) UpdateMeterCoefficients(nFrames);

  // Without room to interleave the block there is nothing to play: silence,
  // rather than whatever the output buffers held (with 32-bit hosts, the
  // previous block).
  if (!mInterleaved.Reserve(2 * static_cast<size_t>(nFrames))) {
    for (int c = 0; c < 2; ++c) std::fill(outputs[c], outputs[c] + nFrames, 0.0);
    return;
  }
  double* frames = mInterleaved.Data();
  for (int i = 0; i < nFrames; ++i) {
    frames[2 * i] = inputs[0][i];
    frames[2 * i + 1] = inputs[1][i];
  }

  mChorus.ProcessOversampled(frames, nFrames);

  // The input meter falls back more slowly than it rises; the output meter
  // moves at one rate both ways.
  SmoothMeter(mChorus.mInputPeak, mMeterReach300ms, mInMeterFalling, &mInMeterLevel);
  SmoothMeter(mChorus.mOutputPeak, mMeterReach300ms, mMeterReach300ms, &mOutMeterLevel);

  for (int i = 0; i < nFrames; ++i) {
    outputs[0][i] = frames[2 * i];
    outputs[1][i] = frames[2 * i + 1];
  }
  ShowMeters();
}

VimbraOndelino* CreatePluginInstance() {
  // Built on first use (thread-safe static initialisation) and destroyed when
  // the module unloads. Should the constructor throw, new frees the memory and
  // the lock is released before the exception travels on.
  static Mutex creationLock;
  MutexLock lock(creationLock);
  return new VimbraOndelino();
}
