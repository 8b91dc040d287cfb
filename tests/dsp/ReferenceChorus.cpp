#include "ReferenceChorus.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace
{

float Uniform()
{
  return static_cast<float>(std::rand()) / (static_cast<float>(RAND_MAX) / 2.0f) - 1.0f;
}

const double kLineHiss = std::exp(-10.1313744091736);
const double kOutputHiss = std::exp(-11.0524084463712);

// The oscillator's step: 0, 2, 3, ..., period, 0, ...
int AdvancePhase(LFO& lfo)
{
  if (lfo.mPhase == 0)
  {
    lfo.mPhase = 1;
    return 0;
  }
  if (lfo.mPhase >= lfo.mPeriod)
    lfo.mPhase = 0;
  else
    ++lfo.mPhase;
  return lfo.mPhase;
}

double NextSample(LFO& lfo, int phase)
{
  const double s = static_cast<double>(phase) > lfo.mPeriod * 0.5 ? -1.0 : 1.0;
  LFO::Smoother& s1 = lfo.mSmoother1;
  LFO::Smoother& s2 = lfo.mSmoother2;
  const double c1 = s > s1.state ? s1.rising : s1.falling;
  s1.state = (1.0 - c1) * s + s1.state * c1;
  if (!lfo.mExtraSmoothing)
    return s1.state;
  const double c2 = s1.state > s2.state ? s2.rising : s2.falling;
  s2.state = (1.0 - c2) * s1.state + s2.state * c2;
  return s2.state * 0.15;
}

double Section(Dsp::BiquadLowPass<1>& section, double x)
{
  const Dsp::CascadeStage& s = section.GetStage(0);
  Dsp::StageState& h = section.GetState(0, 0);
  const double w = x + s.fb1 * h.w1 + s.fb2 * h.w2 + 1e-25;
  const double y = s.b0 * w + s.b1 * h.w1 + s.b2 * h.w2;
  h.w3 = h.w2;
  h.w2 = h.w1;
  h.w1 = w;
  return y;
}

double DelayLineSample(DelayLine& line, double v)
{
  v = Section(line.mSectionA, v);
  v = Section(line.mSectionB, v);
  if (line.mAnalog)
    v = std::tanh(v * 0.251189) * 3.98107;
  line.mBuffer[line.mWritePosition] = v;
  if (++line.mWritePosition > line.mLength - 1)
    line.mWritePosition = 0;
  double delay = line.mDelay;
  if (!(delay >= 0.0 && delay <= line.mLength - 1))
    delay = delay > 0.0 ? line.mLength - 1 : 0.0;
  const int i = static_cast<int>(std::floor(delay));
  const double a = 1.0 - (delay - i);
  int r = line.mWritePosition - i;
  if (r < 0)
    r += line.mLength;
  int r1 = r - 1;
  if (r1 < 0)
    r1 += line.mLength;
  double y = a * line.mBuffer[r] + line.mBuffer[r1] - a * line.mLastOutput;
  if (line.mHiss)
    y = y + Uniform() * kLineHiss;
  line.mLastOutput = y;
  return y;
}

void Sanitise(double* samples, size_t count)
{
  for (size_t i = 0; i < count; ++i)
    if (!std::isfinite(samples[i]))
      samples[i] = 0.0;
    else if (std::fabs(samples[i]) > 1e100)
      samples[i] = std::copysign(1e100, samples[i]);
}

} // namespace

void ReferenceProcessFrames(Ondelino& c, double* frames, int n)
{
  c.mInputPeak = 0.0;
  c.mOutputPeak = 0.0;
  for (int f = 0; f < n; ++f)
  {
    const int phase = AdvancePhase(c.mLfo);
    const double m = NextSample(c.mLfo, phase);
    c.mDelayLines[0].mDelay = (c.mDelayLines[0].mLength / 1000.0) * (3.2813306 + 1.5 * m);
    c.mDelayLines[1].mDelay = (c.mDelayLines[1].mLength / 1000.0) * (c.mBothModes ? 3.2813306 : 3.2813306 - 1.5 * m);
    for (int ch = 0; ch < 2; ++ch)
    {
      double& sample = frames[2 * f + ch];
      double x = sample * c.mInputGain;
      if (x > c.mInputPeak)
        c.mInputPeak = x;
      if (c.mAnalogEmu)
        x = std::tanh(x * 0.251189) * 3.98107;
      double d = DelayLineSample(c.mDelayLines[ch], x);
      if (c.mWetMuted)
        d = 0.0;
      double y = d * 1.25 * c.mWetGain + x * c.mDryGain;
      if (c.mAnalogHiss)
        y += Uniform() * kOutputHiss;
      y = y * c.mOutputGain;
      sample = y;
      if (y > c.mOutputPeak)
        c.mOutputPeak = y;
    }
  }
  for (int f = 0; f < n; ++f)
  {
    double* frame = frames + 2 * f;
    const double side = (frame[0] - frame[1]) * 0.5 * c.mWidth;
    const double mid = (frame[0] + frame[1]) * 0.5;
    frame[0] = mid + side;
    frame[1] = mid - side;
  }
}

void ReferenceProcessOversampled(Ondelino& c, double* frames, int n)
{
  if (n <= 0)
    return;
  const size_t count = 2 * static_cast<size_t>(n);
  Sanitise(frames, count);
  const int factor = c.GetOversampling();
  const double mix = c.GetMix();
  if (factor < 2)
  {
    const std::vector<double> dry(frames, frames + count);
    ReferenceProcessFrames(c, frames, n);
    for (size_t i = 0; i < count; ++i)
    {
      frames[i] *= mix;
      frames[i] += dry[i] * (1.0 - mix);
    }
    return;
  }
  const size_t raisedFrames = static_cast<size_t>(n) * factor;
  std::vector<double> raised(2 * raisedFrames);
  for (size_t i = 0; i < raisedFrames; ++i)
  {
    raised[2 * i] = frames[2 * (i / factor)];
    raised[2 * i + 1] = frames[2 * (i / factor) + 1];
  }
  c.GetUpsamplingFilter().ProcessInterleaved(raisedFrames, raised.data());
  const std::vector<double> dry = raised;
  ReferenceProcessFrames(c, raised.data(), static_cast<int>(raisedFrames));
  for (size_t i = 0; i < 2 * raisedFrames; ++i)
  {
    raised[i] *= mix;
    raised[i] += dry[i] * (1.0 - mix);
  }
  c.GetDecimationFilter().ProcessInterleaved(raisedFrames, raised.data());
  for (int i = 0; i < n; ++i)
  {
    frames[2 * i] = raised[2 * i * factor];
    frames[2 * i + 1] = raised[2 * i * factor + 1];
  }
}
