#include "Oscillator.h"

#include <cmath>
#include <cstdlib>
#include <ctime>

namespace
{
// Rounds half away from zero into an int32; a value that does not fit (or is
// not a number) gives INT32_MIN, as the processor's own conversion does.
int RoundToInt32(double v)
{
  const double r = std::round(v);
  if (!(r >= -2147483648.0 && r <= 2147483647.0))
    return -2147483647 - 1;
  return static_cast<int>(r);
}

// Coefficients that bring the smoother within 1 % of a step after ms
// milliseconds, the same both ways.
void SetSmootherTime(LFO::Smoother& smoother, double ms)
{
  const double c = std::pow(0.01, 1.0 / (smoother.rate * ms * 0.001));
  smoother.rising = c;
  smoother.falling = c;
}
}

void Oscillator::SetSampleRate(int rate)
{
  mSampleRate = rate;
}

void Oscillator::SetFrequency(double hz)
{
  mFrequency = hz;
  mPeriod = RoundToInt32(mSampleRate / hz);
}

double Oscillator::NextSample(int)
{
  return 0.0;
}

LFO::LFO()
{
  std::srand(static_cast<unsigned>(std::time(nullptr)));
}

void LFO::SetSampleRate(int rate)
{
  mSmoother1.state = 0.0;
  mSmoother2.state = 0.0;
  mSampleRate = rate;
  mSmoother1.rate = rate;
  mSmoother2.rate = rate;
  SetFrequency(mStoredFrequency);
}

void LFO::SetFrequency(double hz)
{
  mStoredFrequency = hz;
  mFrequency = hz;
  mPeriod = RoundToInt32(mSampleRate * (1.0 / hz));
  const double t = (1.0 / hz) * 1000.0;
  SetSmootherTime(mSmoother1, t);
  SetSmootherTime(mSmoother2, t);
}
