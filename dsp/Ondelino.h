// The chorus: two modulated delay lines driven by one
// square-wave LFO, with input and output gain, saturation, hiss, dry/wet
// balance and a mid/side width.
#pragma once

#include "AudioProcessor.h"
#include "DelayLine.h"
#include "OndelinoBlock.h"
#include "Oscillator.h"

// -96 dB: the output hiss level, exp(-11.0524084463712).
extern const double kOndelinoHissGain;

class Ondelino : public AudioProcessor
{
public:
  // Creating thread; allocates the delay buffers. Two delay lines (each
  // seeds the random generator), the LFO (seeds it
  // again), the members below; each delay line's delay set again to
  // (length / 1000) * 3.2813306.
  Ondelino();
  ~Ondelino() = default; // the delay lines are destroyed in reverse order

  // Wet gain x, dry gain 1 - x, and the base mix forced to 1.0.
  void SetMix(double x) override;
  // r = sample rate * factor; the LFO's rate, then both delay lines' filters.
  void ConfigureForRate() override;
  // Audio thread; no allocation. In place: peaks, then per frame the
  // oscillator step, the delays, the chain of both channels and the width.
  // Works in chunks: the oscillator and the hiss values first, then both
  // channels side by side through the rest of the chain.
  void ProcessFrames(double* frames, int nFrames) override;

  // Any thread. Whether ProcessFrames runs both channels in one vector
  // register (an x86 build on a processor with CpuFeatures::SSE3, the same
  // switch as the anti-alias filters') or takes the generic path.
  static bool UsesVectorPath();

  // Parameter thread, under the plug-in mutex; no allocation. Selects the
  // LFO's frequency and smoothing from the two mode switches.
  void UpdateMode();

  // Parameter thread, under the plug-in mutex; no allocation.
  // The chorus's saturation (or hiss) flag together with the matching flag of
  // both delay lines, so that the two stages always switch as one.
  void SetAnalogEmu(bool on);
  void SetAnalogHiss(bool on);

  // The fields, in layout order. The plug-in writes the mode flags, the
  // three rates, the width, the two gains and the two analog flags directly
  // and reads the two peaks.
  DelayLine mDelayLines[2]; // 0 left, 1 right
  LFO mLfo;
  double mDryGain = 0.0;
  double mWetGain = 1.0;
  double mModeIRate = 0.5;
  double mModeIIRate = 0.8;
  double mModeBothRate = 8.0;
  double mWidth = 1.0;
  double mInputGain = 1.0;
  double mOutputGain = 1.0;
  double mInputPeak = 0.0;  // largest input sample (after input gain) of the last block
  double mOutputPeak = 0.0; // largest output sample (before the width stage)
  bool mAnalogEmu = true;
  bool mAnalogHiss = true;
  bool mWetMuted = false;
  bool mModeI = false;
  bool mModeII = false;
  bool mBothModes = false;

private:
  void PrepareChunk(int nFrames);
  void ProcessFramesOneByOne(double* frames, int nFrames);

  Dsp::OndelinoBlock mBlock;  // the block's settings and the channels' state
  Dsp::OndelinoChunk mChunk;  // delays and hiss of the chunk being processed
};
