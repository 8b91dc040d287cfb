#include "Ondelino.h"

#include <cmath>

const double kOndelinoHissGain = std::exp(-11.0524084463712);

namespace
{
// The delay lines' centre delay and the LFO's sweep around it, in ms.
constexpr double kCentreDelayMs = 3.2813306;
constexpr double kSweepMs = 1.5;

// A delay of ms milliseconds in samples of the line (its length is one
// second's worth).
double DelaySamples(const DelayLine& line, double ms)
{
  return (line.mLength / 1000.0) * ms;
}
}

Ondelino::Ondelino()
{
  for (DelayLine& line : mDelayLines)
    line.mDelay = DelaySamples(line, kCentreDelayMs);
}

void Ondelino::SetMix(double x)
{
  mWetGain = x;
  mDryGain = 1.0 - x;
  mMix = 1.0;
}

void Ondelino::ConfigureForRate()
{
  const int r = static_cast<int>(static_cast<unsigned>(static_cast<long long>(mSampleRate) * mOversampling));
  mLfo.SetSampleRate(r);
  mDelayLines[0].SetupAnalogFilters(r);
  mDelayLines[1].SetupAnalogFilters(r);
}

void Ondelino::UpdateMode()
{
  mWetMuted = false;
  mBothModes = false;
  if (mModeI && mModeII)
  {
    mLfo.SetFrequency(mModeBothRate);
    mLfo.mExtraSmoothing = true;
    mBothModes = true;
  }
  else if (mModeI)
  {
    mLfo.SetFrequency(mModeIRate);
    mLfo.mExtraSmoothing = false;
  }
  else if (mModeII)
  {
    mLfo.SetFrequency(mModeIIRate);
    mLfo.mExtraSmoothing = false;
  }
  else
  {
    mWetMuted = true;
  }
}

void Ondelino::SetAnalogEmu(bool on)
{
  mAnalogEmu = on;
  mDelayLines[0].mAnalog = on;
  mDelayLines[1].mAnalog = on;
}

void Ondelino::SetAnalogHiss(bool on)
{
  mAnalogHiss = on;
  mDelayLines[0].mHiss = on;
  mDelayLines[1].mHiss = on;
}

void Ondelino::ProcessFrames(double* frames, int nFrames)
{
  mInputPeak = 0.0;
  mOutputPeak = 0.0;
  if (nFrames <= 0)
    return;

  for (int f = 0; f < nFrames; ++f)
  {
    // Oscillator step: one cycle of P + 1 frames passes 0, 2, 3, ..., P, 0.
    const int phase = mLfo.AdvancePhase();
    const double m = mLfo.NextSample(phase);

    mDelayLines[0].mDelay = DelaySamples(mDelayLines[0], kCentreDelayMs + kSweepMs * m);
    mDelayLines[1].mDelay = DelaySamples(mDelayLines[1], mBothModes ? kCentreDelayMs : kCentreDelayMs - kSweepMs * m);

    double* frame = frames + 2 * static_cast<size_t>(f);
    for (int c = 0; c < 2; ++c)
    {
      double x = frame[c] * mInputGain;
      if (x > mInputPeak)
        mInputPeak = x;
      if (mAnalogEmu)
        x = std::tanh(x * 0.251189) * 3.98107;
      double d = x;
      mDelayLines[c].Process(&d, 1);
      if (mWetMuted)
        d = 0.0;
      double y = d * 1.25 * mWetGain + x * mDryGain;
      if (mAnalogHiss)
        y += RandomUniform() * kOndelinoHissGain;
      y = y * mOutputGain;
      frame[c] = y;
      if (y > mOutputPeak)
        mOutputPeak = y;
    }
  }

  for (int f = 0; f < nFrames; ++f)
  {
    double* frame = frames + 2 * static_cast<size_t>(f);
    const double side = (frame[0] - frame[1]) * 0.5 * mWidth;
    const double mid = (frame[0] + frame[1]) * 0.5;
    frame[0] = mid + side;
    frame[1] = mid - side;
  }
}
