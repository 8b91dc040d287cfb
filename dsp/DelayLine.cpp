#include "DelayLine.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <ctime>

float RandomUniform()
{
  return UniformFromDraw(std::rand());
}

const double kDelayLineHissGain = std::exp(-10.1313744091736);

DelayLine::DelayLine()
{
  if (mStorage.Reserve(static_cast<size_t>(mLength)))
  {
    mBuffer = mStorage.Data();
    std::memset(mBuffer, 0, sizeof(double) * static_cast<size_t>(mLength));
  }
  std::srand(static_cast<unsigned>(std::time(nullptr)));
}

namespace
{
// A section designed at or above half the rate is unstable (its alpha turns
// negative) and its output runs away for good, since the histories are never
// cleared. Host rates below about 19.8 kHz (8, 11.025 and 16 kHz are common
// for speech and games) would get there, so a section's frequency is held at
// 0.49 of the rate; at every rate above that the design is unchanged.
double SectionFrequency(double hz, int rate)
{
  const double f = hz / rate;
  return f > 0.0 && f <= 0.49 ? f : 0.49;
}
}

void DelayLine::SetupAnalogFilters(int rate)
{
  mSectionA.Setup(SectionFrequency(9688.04323504, rate), 0.549063373606);
  mSectionB.Setup(SectionFrequency(6354.69849804, rate), 0.790569415042);
}

void DelayLine::Process(double* samples, int count)
{
  if (count <= 0)
    return;
  mSectionA.ProcessInterleaved(static_cast<size_t>(count), samples);
  mSectionB.ProcessInterleaved(static_cast<size_t>(count), samples);
  if (!mBuffer) // the buffer could not be allocated: filtered input passes
    return;
  for (int n = 0; n < count; ++n)
  {
    double v = samples[n];
    if (mAnalog)
      v = std::tanh(v * 0.251189) * 3.98107;
    mBuffer[mWritePosition] = v;
    if (++mWritePosition > mLength - 1)
      mWritePosition = 0;
    // The chorus keeps the delay within about 210.86 samples; a delay outside
    // the buffer (or not a number) is held at its edge instead of reading
    // outside it.
    double delay = mDelay;
    if (!(delay >= 0.0 && delay <= mLength - 1))
      delay = delay > 0.0 ? mLength - 1 : 0.0;
    const int i = static_cast<int>(std::floor(delay));
    const double a = 1.0 - (delay - i);
    int r = mWritePosition - i;
    if (r < 0)
      r += mLength;
    int r1 = r - 1;
    if (r1 < 0)
      r1 += mLength;
    double y = a * mBuffer[r] + mBuffer[r1] - a * mLastOutput;
    if (mHiss)
      y = y + RandomUniform() * kDelayLineHissGain;
    mLastOutput = y;
    samples[n] = y;
  }
}
