// The modulation oscillator: Oscillator and its softened
// square-wave form LFO.
#pragma once

// Sample rate, frequency, period and a phase counter that the chorus advances
// (Ondelino::ProcessFrames). Virtual operations in table order; no
// virtual destructor (never deleted through a base pointer).
class Oscillator
{
public:
  Oscillator() = default;

  virtual void SetSampleRate(int rate);
  // Stores hz; period = rate / hz to the nearest integer.
  virtual void SetFrequency(double hz);
  // The plain oscillator yields 0.0.
  virtual double NextSample(int phase);

  // The chorus's oscillator step on the phase
  // counter. If the counter is 0 it becomes 1 and the phase is 0; otherwise it
  // grows by 1 and becomes 0 when it exceeds the period; the phase is the new
  // counter. One cycle lasts period + 1 frames: 0, 2, 3, ..., period, 0.
  int AdvancePhase()
  {
    if (mPhase == 0)
    {
      mPhase = 1;
      return 0;
    }
    if (mPhase >= mPeriod) // the counter would exceed the period (no overflow)
      mPhase = 0;
    else
      ++mPhase;
    return mPhase;
  }

  int mSampleRate = 44100;
  double mFrequency = 1000.0;
  int mPeriod = 0;
  int mPhase = 0; // phase counter, advanced by the chorus
};

class LFO : public Oscillator
{
public:
  // A one-pole smoother; its rising and falling coefficients are always set
  // to the same value.
  struct Smoother
  {
    double state;
    int rate;
    double rising;
    double falling;
  };

  // Creating thread. Seeds the random generator with the current time once
  // more (the chorus builds its LFO after the delay lines, which seed it too).
  LFO();

  // Both smoother states to 0; the oscillator's and both smoothers' rates to
  // rate; then SetFrequency (virtually) with the stored frequency.
  void SetSampleRate(int rate) override;
  // Stores hz, sets the period (rate / hz rounded half away from zero) and
  // both smoothers' coefficients for the current rates.
  void SetFrequency(double hz) override;
  // The next smoothed square-wave value for the phase.
  double NextSample(int phase) override;

  // Before the first SetSampleRate (a defined start, never NaN): states 0, rates
  // 44100, coefficients 0.
  Smoother mSmoother1 = {0.0, 44100, 0.0, 0.0};
  Smoother mSmoother2 = {0.0, 44100, 0.0, 0.0};
  bool mExtraSmoothing = false; // smoother 2 and the 0.15 scaling
  double mStoredFrequency = 1.0;
};

// Defined here so that the chorus's oscillator pass, which calls it once per
// frame, can inline it.
inline double LFO::NextSample(int phase)
{
  const double s = static_cast<double>(phase) > mPeriod * 0.5 ? -1.0 : 1.0;
  const double c1 = s > mSmoother1.state ? mSmoother1.rising : mSmoother1.falling;
  mSmoother1.state = (1.0 - c1) * s + mSmoother1.state * c1;
  if (!mExtraSmoothing)
    return mSmoother1.state;
  const double c2 = mSmoother1.state > mSmoother2.state ? mSmoother2.rising : mSmoother2.falling;
  mSmoother2.state = (1.0 - c2) * mSmoother1.state + mSmoother2.state * c2;
  return mSmoother2.state * 0.15;
}
