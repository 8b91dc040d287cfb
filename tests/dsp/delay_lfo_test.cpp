// Delay line, oscillator and LFO, checked against exact reference values.
#include "DelayLine.h"
#include "Oscillator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

namespace
{

// Delay line with both flags off and pass-through sections.
void Plain(DelayLine& d)
{
  d.mAnalog = false;
  d.mHiss = false;
  d.mSectionA.ResetStages();
  d.mSectionB.ResetStages();
}

// ------------------------------------------------------------- delay line --

TEST(DelayLine, Construction)
{
  DelayLine d;
  EXPECT_TRUE(d.mAnalog);
  EXPECT_TRUE(d.mHiss);
  EXPECT_EQ(d.mLength, 44100);
  EXPECT_EQ(d.mWritePosition, 0);
  EXPECT_DOUBLE_EQ(d.mDelay, 144.70667946);
  EXPECT_EQ(d.mDelay, (44100 / 1000.0) * 3.2813306);
  EXPECT_EQ(d.mLastOutput, 0.0);
  ASSERT_NE(d.mBuffer, nullptr);
  EXPECT_EQ(reinterpret_cast<std::uintptr_t>(d.mBuffer) % 16, 0u);
  for (int i = 0; i < 44100; ++i)
    ASSERT_EQ(d.mBuffer[i], 0.0) << i;
}

TEST(DelayLine, SetupAnalogFiltersAtTheGivenRate)
{
  DelayLine d;
  d.SetupAnalogFilters(88200);
  Dsp::BiquadLowPass<1> a, b;
  a.Setup(9688.04323504 / 88200, 0.549063373606);
  b.Setup(6354.69849804 / 88200, 0.790569415042);
  EXPECT_EQ(d.mSectionA.GetStage(0).fb1, a.GetStage(0).fb1);
  EXPECT_EQ(d.mSectionA.GetStage(0).b0, a.GetStage(0).b0);
  EXPECT_EQ(d.mSectionB.GetStage(0).fb2, b.GetStage(0).fb2);
  EXPECT_EQ(d.mSectionB.GetStage(0).b1, b.GetStage(0).b1);
  d.SetupAnalogFilters(44100);
  EXPECT_NEAR(d.mSectionA.GetStage(0).fb1, 0.19991253020695340231, 1e-12);
  EXPECT_NEAR(d.mSectionB.GetStage(0).fb1, 0.82452738871937093494, 1e-12);
}

// A section at or above half the rate would be unstable: each frequency is
// held at 0.49 of the rate, and wherever it fits below that (every rate from
// 19.8 kHz up) the design is the plain one, bit for bit.
TEST(DelayLine, SectionsStayBelowHalfTheRate)
{
  for (int rate : {19800, 22050, 44100, 48000, 88200, 96000, 192000})
  {
    DelayLine d;
    d.SetupAnalogFilters(rate);
    Dsp::BiquadLowPass<1> a, b;
    a.Setup(9688.04323504 / rate, 0.549063373606);
    b.Setup(6354.69849804 / rate, 0.790569415042);
    for (auto [got, want] : {std::make_pair(&d.mSectionA, &a), std::make_pair(&d.mSectionB, &b)})
    {
      const Dsp::CascadeStage& g = got->GetStage(0);
      const Dsp::CascadeStage& w = want->GetStage(0);
      EXPECT_EQ(std::memcmp(&g, &w, 5 * sizeof(double)), 0) << rate;
    }
  }
  struct
  {
    int rate;
    double fa, fb; // the normalised frequencies expected of sections A and B
  } low[] = {{8000, 0.49, 0.49}, {11025, 0.49, 0.49}, {16000, 0.49, 6354.69849804 / 16000},
             {0, 0.49, 0.49}, {-44100, 0.49, 0.49}};
  for (const auto& l : low)
  {
    DelayLine d;
    d.SetupAnalogFilters(l.rate);
    Dsp::BiquadLowPass<1> a, b;
    a.Setup(l.fa, 0.549063373606);
    b.Setup(l.fb, 0.790569415042);
    EXPECT_EQ(d.mSectionA.GetStage(0).fb1, a.GetStage(0).fb1) << l.rate;
    EXPECT_EQ(d.mSectionA.GetStage(0).b0, a.GetStage(0).b0) << l.rate;
    EXPECT_EQ(d.mSectionB.GetStage(0).fb1, b.GetStage(0).fb1) << l.rate;
    EXPECT_EQ(d.mSectionB.GetStage(0).b1, b.GetStage(0).b1) << l.rate;
    for (const Dsp::BiquadLowPass<1>* s : {&d.mSectionA, &d.mSectionB})
    {
      // Poles inside the unit circle: |fb2| < 1 and |fb1| < 1 - fb2.
      const Dsp::CascadeStage& g = s->GetStage(0);
      EXPECT_LT(std::fabs(g.fb2), 1.0) << l.rate;
      EXPECT_LT(std::fabs(g.fb1), 1.0 - g.fb2) << l.rate;
    }
  }
}

// Fills the buffer with its own indexes, so that a result names the indexes read.
void Indexes(DelayLine& d)
{
  for (int i = 0; i < d.mLength; ++i)
    d.mBuffer[i] = i;
}

TEST(DelayLine, WriteWrapsAt44100)
{
  DelayLine d;
  Plain(d);
  std::vector<double> x(44099, 0.25);
  d.Process(x.data(), static_cast<int>(x.size()));
  EXPECT_EQ(d.mWritePosition, 44099);
  double v = 7.0;
  d.Process(&v, 1); // the 44100th sample
  EXPECT_EQ(d.mWritePosition, 0);
  EXPECT_EQ(d.mBuffer[44099], 7.0);
  v = 8.0;
  d.Process(&v, 1);
  EXPECT_EQ(d.mWritePosition, 1);
  EXPECT_EQ(d.mBuffer[0], 8.0);
}

TEST(DelayLine, DelayOf144GivesAOfOne)
{
  DelayLine d;
  Plain(d);
  Indexes(d);
  d.mWritePosition = 1000;
  d.mDelay = 144.0;
  d.mLastOutput = 0.5;
  double v = -3.0;
  d.Process(&v, 1);
  // Stored at 1000, write position 1001; r = 1001 - 144 = 857, r1 = 856;
  // a = 1: y = buffer[r] + buffer[r1] - last output.
  EXPECT_EQ(d.mBuffer[1000], -3.0);
  EXPECT_EQ(v, 857.0 + 856.0 - 0.5);
  EXPECT_EQ(d.mLastOutput, v);
}

TEST(DelayLine, FractionalDelayInterpolates)
{
  DelayLine d;
  Plain(d);
  Indexes(d);
  d.mWritePosition = 1000;
  d.mDelay = 144.25; // i = 144, a = 0.75
  d.mLastOutput = 2.0;
  double v = 0.0;
  d.Process(&v, 1);
  EXPECT_EQ(v, 0.75 * 857.0 + 856.0 - 0.75 * 2.0);
}

TEST(DelayLine, BothReadsWrapBelowZero)
{
  {
    // The 44100th write wraps the write position to 0: r = 0 - 144 wraps to
    // 43956 and r1 to 43955.
    DelayLine d;
    Plain(d);
    Indexes(d);
    d.mWritePosition = 44099;
    d.mDelay = 144.0;
    double v = 0.0;
    d.Process(&v, 1);
    EXPECT_EQ(d.mWritePosition, 0);
    EXPECT_EQ(v, (44100.0 - 144) + (44100.0 - 145));
  }
  {
    // Only r1 wraps: write position 5 after storing at 4, delay 5:
    // r = 0, r1 = -1 + 44100 = 44099.
    DelayLine d;
    Plain(d);
    Indexes(d);
    d.mWritePosition = 4;
    d.mDelay = 5.0;
    double v = -1.0; // stored at 4
    d.Process(&v, 1);
    EXPECT_EQ(v, 0.0 + 44099.0);
  }
  {
    // Delay 1: r is the sample just stored (i - 1 = 0 steps before it).
    DelayLine d;
    Plain(d);
    Indexes(d);
    d.mWritePosition = 44099;
    d.mDelay = 1.0;
    double v = 0.5;
    d.Process(&v, 1);
    EXPECT_EQ(v, 0.5 + 44098.0);
  }
}

TEST(DelayLine, ConstantSettlesToItself)
{
  DelayLine d;
  d.mAnalog = false;
  d.mHiss = false;
  d.SetupAnalogFilters(44100); // the sections pass DC unchanged
  std::vector<double> x(2000, 0.5);
  for (double& v : x)
    d.Process(&v, 1); // as the chorus calls it
  EXPECT_EQ(x[100], 0.0); // nothing before the buffer delay
  EXPECT_NEAR(x.back(), 0.5, 1e-12);
  EXPECT_NEAR(x[1500], 0.5, 1e-12);
}

TEST(DelayLine, AnalogFlagSaturatesBeforeStoring)
{
  DelayLine d;
  d.mAnalog = true;
  d.mHiss = false;
  d.mSectionA.ResetStages();
  d.mSectionB.ResetStages();
  double v = 2.0;
  d.Process(&v, 1);
  EXPECT_NEAR(d.mBuffer[0], std::tanh(2.0 * 0.251189) * 3.98107, 1e-15);
}

TEST(DelayLine, HissIsAtMinus88dBAndFollowsTheSeed)
{
  EXPECT_NEAR(kDelayLineHissGain, 3.9810717e-5, 1e-12);
  std::vector<double> outs[2];
  for (auto& out : outs)
  {
    DelayLine d;
    d.mAnalog = false;
    d.SetupAnalogFilters(44100);
    std::srand(1234);
    for (int i = 0; i < 300; ++i)
    {
      double v = 0.0;
      d.Process(&v, 1);
      out.push_back(v);
    }
  }
  EXPECT_EQ(outs[0], outs[1]);
  double largest = 0.0;
  for (double v : outs[0])
    largest = std::fmax(largest, std::fabs(v));
  EXPECT_GT(largest, 0.0);
  EXPECT_LE(largest, 2 * kDelayLineHissGain); // the hiss feeds the interpolator too
}

TEST(RandomUniform, WithinMinusOneAndOne)
{
  std::srand(42);
  float lo = 1, hi = -1;
  for (int i = 0; i < 20000; ++i)
  {
    const float u = RandomUniform();
    ASSERT_GE(u, -1.0f);
    ASSERT_LE(u, 1.0f);
    lo = std::fmin(lo, u);
    hi = std::fmax(hi, u);
  }
  EXPECT_LT(lo, -0.99f);
  EXPECT_GT(hi, 0.99f);
}

// ------------------------------------------------------------- oscillator --

TEST(Oscillator, ConstructionAndBaseOperations)
{
  Oscillator o;
  EXPECT_EQ(o.mSampleRate, 44100);
  EXPECT_EQ(o.mFrequency, 1000.0);
  EXPECT_EQ(o.mPeriod, 0);
  EXPECT_EQ(o.mPhase, 0);
  o.SetFrequency(3.0);
  EXPECT_EQ(o.mFrequency, 3.0);
  EXPECT_EQ(o.mPeriod, 14700);
  o.SetSampleRate(5);
  o.SetFrequency(2.0); // 2.5 rounds to 3
  EXPECT_EQ(o.mPeriod, 3);
  EXPECT_EQ(o.NextSample(1), 0.0);
}

TEST(LFO, Construction)
{
  LFO l;
  EXPECT_EQ(l.mSampleRate, 44100);
  EXPECT_EQ(l.mFrequency, 1000.0);
  EXPECT_EQ(l.mPeriod, 0);
  EXPECT_EQ(l.mPhase, 0);
  EXPECT_FALSE(l.mExtraSmoothing);
  EXPECT_EQ(l.mStoredFrequency, 1.0);
}

TEST(LFO, PeriodRoundsHalvesAwayFromZero)
{
  LFO l;
  l.SetSampleRate(44100); // re-applies the stored 1.0 Hz
  EXPECT_EQ(l.mPeriod, 44100);
  l.SetFrequency(0.5);
  EXPECT_EQ(l.mPeriod, 88200);
  l.SetFrequency(8.0); // 5512.5
  EXPECT_EQ(l.mPeriod, 5513);
  l.SetFrequency(0.8);
  EXPECT_EQ(l.mPeriod, 55125);
  l.SetFrequency(0.3); // 147000.00000000003
  EXPECT_EQ(l.mPeriod, 147000);
  l.SetFrequency(20.0); // 2205
  EXPECT_EQ(l.mPeriod, 2205);
  l.SetFrequency(6.8); // 6485.29...
  EXPECT_EQ(l.mPeriod, 6485);
  l.SetSampleRate(3);
  l.SetFrequency(2.0); // 1.5
  EXPECT_EQ(l.mPeriod, 2);
  l.SetSampleRate(88200);
  l.SetFrequency(16.0); // 5512.5
  EXPECT_EQ(l.mPeriod, 5513);
}

TEST(LFO, SmootherCoefficients)
{
  LFO l;
  l.SetSampleRate(44100);
  l.SetFrequency(0.5);
  EXPECT_NEAR(l.mSmoother1.rising, 0.99994778854916515268, 1e-15);
  EXPECT_EQ(l.mSmoother1.rising, l.mSmoother1.falling);
  EXPECT_EQ(l.mSmoother2.rising, l.mSmoother1.rising);
  EXPECT_EQ(l.mSmoother2.falling, l.mSmoother2.rising);
  EXPECT_EQ(l.mSmoother1.rising, std::pow(0.01, 1.0 / (44100 * ((1.0 / 0.5) * 1000.0) * 0.001)));
  l.SetFrequency(8.0);
  EXPECT_NEAR(l.mSmoother1.rising, 0.99916494383122280649, 1e-15);
  l.SetSampleRate(88200); // keeps 8 Hz
  EXPECT_EQ(l.mFrequency, 8.0);
  EXPECT_EQ(l.mPeriod, 11025);
  l.SetFrequency(0.5);
  EXPECT_NEAR(l.mSmoother2.falling, 0.99997389393381923062, 1e-15);
  // Within one period a smoother closes all but 1 % of the distance.
  EXPECT_NEAR(std::pow(l.mSmoother1.rising, 88200 * 2.0), 0.01, 1e-12);
}

TEST(LFO, SetSampleRateClearsStatesAndReappliesTheStoredFrequency)
{
  LFO l;
  l.SetSampleRate(44100);
  l.SetFrequency(2.0);
  l.mExtraSmoothing = true;
  for (int i = 0; i < 100; ++i)
    l.NextSample(0);
  EXPECT_NE(l.mSmoother1.state, 0.0);
  EXPECT_NE(l.mSmoother2.state, 0.0);
  l.SetSampleRate(48000);
  EXPECT_EQ(l.mSmoother1.state, 0.0);
  EXPECT_EQ(l.mSmoother2.state, 0.0);
  EXPECT_EQ(l.mSampleRate, 48000);
  EXPECT_EQ(l.mSmoother1.rate, 48000);
  EXPECT_EQ(l.mSmoother2.rate, 48000);
  EXPECT_EQ(l.mFrequency, 2.0);
  EXPECT_EQ(l.mStoredFrequency, 2.0);
  EXPECT_EQ(l.mPeriod, 24000);
}

TEST(LFO, PhaseSequenceOfOneCycleIsZeroTwoThreeToPeriodZero)
{
  LFO l;
  l.SetSampleRate(10);
  l.SetFrequency(1.0);
  ASSERT_EQ(l.mPeriod, 10);
  std::vector<int> phases;
  for (int i = 0; i < 22; ++i)
    phases.push_back(l.AdvancePhase());
  const std::vector<int> cycle = {0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0};
  std::vector<int> expected = cycle;
  expected.insert(expected.end(), cycle.begin(), cycle.end());
  EXPECT_EQ(phases, expected); // P + 1 = 11 frames per cycle
}

TEST(LFO, HalfPeriodCountsAsTheFirstHalf)
{
  LFO a, b;
  a.SetSampleRate(10);
  a.SetFrequency(1.0); // period 10, half 5.0
  b.SetSampleRate(10);
  b.SetFrequency(1.0);
  EXPECT_GT(a.NextSample(5), 0.0); // +1
  EXPECT_LT(b.NextSample(6), 0.0); // -1
}

TEST(LFO, NextSampleFollowsTheSmoothers)
{
  LFO l;
  l.SetSampleRate(44100);
  l.SetFrequency(8.0);
  const double c = l.mSmoother1.rising;
  double s1 = 0.0;
  for (int i = 0; i < 5; ++i)
  {
    s1 = (1 - c) * 1.0 + s1 * c;
    EXPECT_EQ(l.NextSample(i), s1);
  }
  const double down = (1 - c) * -1.0 + s1 * c;
  EXPECT_EQ(l.NextSample(l.mPeriod), down);
  s1 = down;

  l.mExtraSmoothing = true;
  const double c2 = l.mSmoother2.rising;
  double s2 = l.mSmoother2.state;
  s1 = (1 - c) * -1.0 + s1 * c;
  s2 = (1 - c2) * s1 + s2 * c2;
  EXPECT_EQ(l.NextSample(l.mPeriod), s2 * 0.15);
}

TEST(LFO, SweepAmplitude)
{
  // One mode: a softened square wave up to 1; both modes: twice smoothed,
  // scaled by 0.15.
  LFO l;
  l.SetSampleRate(44100);
  l.SetFrequency(0.5);
  double hi = -2, lo = 2;
  for (int cycle = 0; cycle < 3; ++cycle)
    for (int i = 0; i <= l.mPeriod; ++i)
    {
      const double m = l.NextSample(l.AdvancePhase());
      hi = std::fmax(hi, m);
      lo = std::fmin(lo, m);
    }
  EXPECT_LE(hi, 1.0);
  EXPECT_GE(lo, -1.0);
  EXPECT_GT(hi, 0.8);
  EXPECT_LT(lo, -0.8);

  LFO b;
  b.SetSampleRate(44100);
  b.SetFrequency(8.0);
  b.mExtraSmoothing = true;
  double peak = 0;
  for (int i = 0; i < 44100; ++i)
    peak = std::fmax(peak, std::fabs(b.NextSample(b.AdvancePhase())));
  EXPECT_LE(peak, 0.15);
  EXPECT_GT(peak, 0.01);
}

} // namespace
