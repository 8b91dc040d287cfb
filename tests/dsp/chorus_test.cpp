// The chorus and the oversampling road: exact reference values, the impulse behaviour, the anti-alias attenuation and the
// real-time promises (no allocation after the first block of a size, nothing
// done for blocks of 0 or fewer frames).
#include "AllocationCounter.h"
#include "CpuFeatures.h"
#include "NoiseSignal.h"
#include "Ondelino.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace
{

const double kCentre = (44100 / 1000.0) * 3.2813306; // 144.70667946

// A chorus set up as the plug-in's defaults would, but with saturation and
// hiss as asked (tests that compare samples switch hiss off).
void Configure(Ondelino& c, bool modeI, bool modeII, bool emu, bool hiss, double mix = 0.5, int factor = 1)
{
  c.SetSampleRate(44100);
  c.SetOversampling(factor);
  c.mModeI = modeI;
  c.mModeII = modeII;
  c.UpdateMode();
  c.SetAnalogEmu(emu);
  c.SetAnalogHiss(hiss);
  c.SetMix(mix);
}

// Records what the base hands to the derived class; processing is identity.
class RecordingProcessor : public AudioProcessor
{
public:
  void ProcessFrames(double* frames, int nFrames) override
  {
    calls.push_back(nFrames);
    seen.assign(frames, frames + 2 * nFrames);
  }
  void ConfigureForRate() override { ++configured; }

  std::vector<int> calls;
  std::vector<double> seen;
  int configured = 0;
};

// ----------------------------------------------------------- construction --

TEST(Ondelino, Construction)
{
  Ondelino c;
  EXPECT_EQ(c.GetSampleRate(), 44100);
  EXPECT_EQ(c.GetOversampling(), 1);
  EXPECT_EQ(c.GetMix(), 1.0);
  EXPECT_EQ(c.mDryGain, 0.0);
  EXPECT_EQ(c.mWetGain, 1.0);
  EXPECT_EQ(c.mModeIRate, 0.5);
  EXPECT_EQ(c.mModeIIRate, 0.8);
  EXPECT_EQ(c.mModeBothRate, 8.0);
  EXPECT_EQ(c.mWidth, 1.0);
  EXPECT_EQ(c.mInputGain, 1.0);
  EXPECT_EQ(c.mOutputGain, 1.0);
  EXPECT_EQ(c.mInputPeak, 0.0);
  EXPECT_EQ(c.mOutputPeak, 0.0);
  EXPECT_TRUE(c.mAnalogEmu);
  EXPECT_TRUE(c.mAnalogHiss);
  EXPECT_FALSE(c.mWetMuted);
  EXPECT_FALSE(c.mModeI);
  EXPECT_FALSE(c.mModeII);
  EXPECT_FALSE(c.mBothModes);
  EXPECT_EQ(c.mLfo.mSampleRate, 44100);
  EXPECT_EQ(c.mLfo.mFrequency, 1000.0);
  EXPECT_EQ(c.mLfo.mStoredFrequency, 1.0);
  for (const DelayLine& d : c.mDelayLines)
    EXPECT_EQ(d.mDelay, kCentre);
}

TEST(Ondelino, HissLevelIsMinus96dB)
{
  EXPECT_NEAR(kOndelinoHissGain, 1.5848932e-5, 1e-12);
}

// ---------------------------------------------------------- oversampling --

TEST(AudioProcessor, FactorClampingAndFilterDesign)
{
  Ondelino c;
  c.SetOversampling(0);
  EXPECT_EQ(c.GetOversampling(), 1);
  c.SetOversampling(-3);
  EXPECT_EQ(c.GetOversampling(), 1);
  c.SetOversampling(2);
  EXPECT_EQ(c.GetOversampling(), 2);

  // Cutoff 0.5 / factor of the raised rate, stop band 9 dB, both filters.
  Dsp::ChebyIILowPass<6, 2> ref;
  ref.Setup(0.25, 9.0);
  for (Dsp::ChebyIILowPass<6, 2>* f : {&c.GetUpsamplingFilter(), &c.GetDecimationFilter()})
    for (int i = 0; i < 3; ++i)
    {
      EXPECT_EQ(f->GetStage(i).fb1, ref.GetStage(i).fb1);
      EXPECT_EQ(f->GetStage(i).fb2, ref.GetStage(i).fb2);
      EXPECT_EQ(f->GetStage(i).b0, ref.GetStage(i).b0);
      EXPECT_EQ(f->GetStage(i).b2, ref.GetStage(i).b2);
    }
  // ConfigureForRate ran with the raised rate.
  EXPECT_EQ(c.mLfo.mSampleRate, 88200);
  Dsp::BiquadLowPass<1> a;
  a.Setup(9688.04323504 / 88200, 0.549063373606);
  EXPECT_EQ(c.mDelayLines[1].mSectionA.GetStage(0).fb1, a.GetStage(0).fb1);

  c.SetOversampling(3);
  Dsp::ChebyIILowPass<6, 2> ref3;
  ref3.Setup((44100 * 0.5) / (44100.0 * 3), 9.0);
  EXPECT_EQ(c.GetDecimationFilter().GetStage(1).fb1, ref3.GetStage(1).fb1);
  EXPECT_EQ(c.mLfo.mSampleRate, 132300);
}

TEST(AudioProcessor, SetOversamplingCallsConfigureForRate)
{
  RecordingProcessor p;
  p.SetOversampling(2);
  p.SetOversampling(-1);
  EXPECT_EQ(p.configured, 2);
  p.ResetState();
  p.SetMix(0.3);
  EXPECT_EQ(p.GetMix(), 0.3);
  EXPECT_EQ(p.configured, 2); // ResetState does not configure
}

TEST(AudioProcessor, ResetStateRedesignsButLeavesRateHistoryAndConfiguration)
{
  Ondelino c;
  Configure(c, true, false, false, false, 0.5, 2);
  std::vector<double> x = Noise(2 * 256, 1);
  c.ProcessOversampled(x.data(), 256);
  const Dsp::StageState state = c.GetUpsamplingFilter().GetState(1, 2);
  const double cfb1 = c.GetUpsamplingFilter().GetStage(0).cfb1;
  const int phase = c.mLfo.mPhase;

  c.GetUpsamplingFilter().GetStage(0).fb1 = 123.0; // spoil the design
  c.SetSampleRate(48000);
  c.ResetState();
  Dsp::ChebyIILowPass<6, 2> ref;
  ref.Setup((48000 * 0.5) / (48000.0 * 2), 9.0);
  EXPECT_EQ(c.GetUpsamplingFilter().GetStage(0).fb1, ref.GetStage(0).fb1);
  EXPECT_EQ(c.GetUpsamplingFilter().GetState(1, 2).w1, state.w1);
  EXPECT_EQ(c.GetUpsamplingFilter().GetStage(0).cfb1, cfb1);
  EXPECT_EQ(c.mLfo.mPhase, phase);
  // The oscillator and the delay lines keep the rate of the last
  // SetOversampling.
  EXPECT_EQ(c.mLfo.mSampleRate, 88200);
  EXPECT_EQ(c.GetSampleRate(), 48000);
}

TEST(AudioProcessor, FactorTwoRunsTwiceTheFramesAndGivesExactlyNBack)
{
  for (bool sse3 : {true, false})
  {
    const bool saved = CpuFeatures::SSE3;
    CpuFeatures::SSE3 = sse3;
    RecordingProcessor p;
    p.SetOversampling(2);
    p.SetMix(0.75);
    const int n = 37;
    std::vector<double> buffer = Noise(2 * n + 64, 2);
    for (size_t i = 2 * n; i < buffer.size(); ++i)
      buffer[i] = 99.0; // guard
    std::vector<double> input(buffer.begin(), buffer.begin() + 2 * n);
    p.ProcessOversampled(buffer.data(), n);
    ASSERT_EQ(p.calls, std::vector<int>{2 * n});
    for (size_t i = 2 * n; i < buffer.size(); ++i)
      ASSERT_EQ(buffer[i], 99.0) << "wrote past the block";

    // The same road by hand: hold, up filter, (identity), mix, down filter,
    // keep the first frame of every pair.
    Dsp::ChebyIILowPass<6, 2> up, down;
    up.Setup(0.25, 9.0);
    down.Setup(0.25, 9.0);
    std::vector<double> raised(4 * n);
    for (int i = 0; i < n; ++i)
      for (int j = 0; j < 2; ++j)
      {
        raised[2 * (2 * i + j)] = input[2 * i];
        raised[2 * (2 * i + j) + 1] = input[2 * i + 1];
      }
    up.ProcessInterleaved(2 * n, raised.data());
    EXPECT_EQ(p.seen, raised); // the derived class sees the raised frames
    for (double& v : raised)
    {
      const double dry = v;
      v *= 0.75;
      v += dry * (1 - 0.75);
    }
    down.ProcessInterleaved(2 * n, raised.data());
    for (int i = 0; i < n; ++i)
    {
      EXPECT_EQ(buffer[2 * i], raised[4 * i]) << i;
      EXPECT_EQ(buffer[2 * i + 1], raised[4 * i + 1]) << i;
    }
    CpuFeatures::SSE3 = saved;
  }
}

TEST(AudioProcessor, FactorOneMixesProcessedAndDry)
{
  class Halve : public AudioProcessor
  {
  public:
    void ProcessFrames(double* frames, int n) override
    {
      for (int i = 0; i < 2 * n; ++i)
        frames[i] *= 0.5;
    }
    void ConfigureForRate() override {}
  } p;
  p.SetOversampling(1);
  p.SetMix(0.25);
  std::vector<double> x = {1.0, -2.0, 4.0, 8.0};
  p.ProcessOversampled(x.data(), 2);
  EXPECT_EQ(x[0], 0.5 * 0.25 + 1.0 * 0.75);
  EXPECT_EQ(x[1], -1.0 * 0.25 + -2.0 * 0.75);
  EXPECT_EQ(x[3], 4.0 * 0.25 + 8.0 * 0.75);
}

TEST(Ondelino, FactorOneOutputEqualsTheChorusExactly)
{
  Ondelino a, b;
  Configure(a, true, false, true, false, 0.6);
  Configure(b, true, false, true, false, 0.6);
  EXPECT_EQ(a.GetMix(), 1.0); // Ondelino::SetMix forces the base mix
  EXPECT_EQ(a.mWetGain, 0.6);
  EXPECT_EQ(a.mDryGain, 1.0 - 0.6);
  std::vector<double> x = Noise(2 * 1000, 3);
  std::vector<double> y = x;
  a.ProcessOversampled(x.data(), 1000);
  b.ProcessFrames(y.data(), 1000);
  EXPECT_EQ(x, y);
}

TEST(Ondelino, SetMixThroughTheBase)
{
  Ondelino c;
  AudioProcessor& base = c;
  base.SetMix(0.3);
  EXPECT_EQ(c.mWetGain, 0.3);
  EXPECT_EQ(c.mDryGain, 1.0 - 0.3);
  EXPECT_EQ(c.GetMix(), 1.0);
}

// ------------------------------------------------------------------ modes --

TEST(Ondelino, UpdateModeSelectsRateAndSmoothing)
{
  Ondelino c;
  c.SetOversampling(1);
  c.mModeI = true;
  c.UpdateMode();
  EXPECT_EQ(c.mLfo.mFrequency, 0.5);
  EXPECT_FALSE(c.mLfo.mExtraSmoothing);
  EXPECT_FALSE(c.mBothModes);
  EXPECT_FALSE(c.mWetMuted);
  c.mModeII = true;
  c.UpdateMode();
  EXPECT_EQ(c.mLfo.mFrequency, 8.0);
  EXPECT_TRUE(c.mLfo.mExtraSmoothing);
  EXPECT_TRUE(c.mBothModes);
  c.mModeI = false;
  c.UpdateMode();
  EXPECT_EQ(c.mLfo.mFrequency, 0.8);
  EXPECT_FALSE(c.mLfo.mExtraSmoothing);
  EXPECT_FALSE(c.mBothModes);
  c.mModeII = false;
  c.UpdateMode();
  EXPECT_TRUE(c.mWetMuted);
  EXPECT_EQ(c.mLfo.mFrequency, 0.8); // stays as it was
  // A rate change of an inactive mode only stores it.
  c.mModeI = true;
  c.UpdateMode();
  c.mModeIIRate = 1.7;
  c.UpdateMode();
  EXPECT_EQ(c.mLfo.mFrequency, 0.5);
}

TEST(Ondelino, ModesOffGivesTheDryPathOnly)
{
  for (bool emu : {false, true})
  {
    Ondelino c;
    Configure(c, false, false, emu, false, 0.3);
    c.mInputGain = 1.5;
    c.mOutputGain = 2.0;
    c.mWidth = 0.0; // both channels carry the same dry value: width changes nothing
    const int n = 600;
    std::vector<double> x = Noise(2 * n, 4, 0.8);
    for (int i = 0; i < n; ++i)
      x[2 * i + 1] = x[2 * i];
    std::vector<double> in = x;
    c.ProcessOversampled(x.data(), n);
    for (int i = 0; i < 2 * n; ++i)
    {
      double v = in[i] * 1.5;
      if (emu)
        v = std::tanh(v * 0.251189) * 3.98107;
      const double expected = (0.0 * 1.25 * 0.3 + v * (1.0 - 0.3)) * 2.0;
      if (emu && Ondelino::UsesVectorPath()) // the vector tanh is within a few ulps
        ASSERT_NEAR(x[i], expected, std::fabs(expected) * 1e-15) << i;
      else
        ASSERT_EQ(x[i], expected) << i;
    }
  }
}

TEST(Ondelino, OscillatorStepPassesZeroTwoThreeToPeriodZero)
{
  Ondelino c;
  Configure(c, true, false, false, false);
  c.mLfo.SetSampleRate(10);
  c.mLfo.SetFrequency(1.0); // period 10
  ASSERT_EQ(c.mLfo.mPeriod, 10);
  // The counter after each frame: 1, 2, ..., 10, 0 (phases 0, 2, ..., 10, 0).
  std::vector<int> counters;
  std::vector<double> frame(2, 0.0);
  for (int i = 0; i < 22; ++i)
  {
    c.ProcessFrames(frame.data(), 1);
    counters.push_back(c.mLfo.mPhase);
  }
  const std::vector<int> cycle = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0};
  std::vector<int> expected = cycle;
  expected.insert(expected.end(), cycle.begin(), cycle.end());
  EXPECT_EQ(counters, expected);
}

TEST(Ondelino, BothModesKeepChannelOnesDelayAtTheCentre)
{
  Ondelino c;
  Configure(c, true, true, false, false);
  EXPECT_DOUBLE_EQ(kCentre, 144.70667946);
  std::vector<double> frame(2, 0.1);
  double lo = 1e9, hi = -1e9;
  for (int i = 0; i < 20000; ++i)
  {
    c.ProcessFrames(frame.data(), 1);
    ASSERT_EQ(c.mDelayLines[1].mDelay, kCentre) << i;
    lo = std::min(lo, c.mDelayLines[0].mDelay);
    hi = std::max(hi, c.mDelayLines[0].mDelay);
  }
  // Channel 0 moves: up to 0.15 * 66.15 = 9.92 samples either way.
  EXPECT_GT(hi - lo, 5.0);
  EXPECT_LE(hi, kCentre + 9.9225 + 1e-9);
  EXPECT_GE(lo, kCentre - 9.9225 - 1e-9);
}

TEST(Ondelino, OneModeSweepsTheChannelsOppositely)
{
  Ondelino c;
  Configure(c, false, true, false, false);
  std::vector<double> frame(2, 0.1);
  for (int i = 0; i < 30000; ++i)
  {
    c.ProcessFrames(frame.data(), 1);
    const double d0 = c.mDelayLines[0].mDelay - kCentre;
    const double d1 = c.mDelayLines[1].mDelay - kCentre;
    ASSERT_NEAR(d0, -d1, 1e-9) << i;
    ASSERT_LE(std::fabs(d0), 66.15 + 1e-9);
  }
}

TEST(Ondelino, NegativeSamplesLeaveBothPeaksZero)
{
  Ondelino c;
  Configure(c, true, false, true, false);
  c.mInputPeak = 5.0; // the next block starts both peaks from 0
  c.mOutputPeak = 5.0;
  std::vector<double> x(2 * 300, -0.5);
  c.ProcessOversampled(x.data(), 300);
  EXPECT_EQ(c.mInputPeak, 0.0);
  EXPECT_EQ(c.mOutputPeak, 0.0);
  // Positive samples raise them: input after input gain, output before width
  // (once the delayed negative samples have passed).
  c.mInputGain = 2.0;
  std::vector<double> y(2 * 400, 0.25);
  c.ProcessFrames(y.data(), 400);
  EXPECT_EQ(c.mInputPeak, 0.5);
  EXPECT_GT(c.mOutputPeak, 0.0);
}

TEST(Ondelino, WidthZeroGivesMono)
{
  Ondelino a, b;
  Configure(a, true, false, true, false);
  Configure(b, true, false, true, false);
  a.mWidth = 0.0;
  const int n = 2000;
  std::vector<double> x = Noise(2 * n, 5);
  std::vector<double> y = x;
  a.ProcessOversampled(x.data(), n);
  b.ProcessOversampled(y.data(), n); // width 1 leaves the channels unchanged
  for (int i = 0; i < n; ++i)
  {
    ASSERT_EQ(x[2 * i], x[2 * i + 1]) << i;
    ASSERT_NEAR(x[2 * i], (y[2 * i] + y[2 * i + 1]) / 2, 1e-15) << i;
  }
}

TEST(Ondelino, HissFollowsTheSeed)
{
  std::vector<double> out[2];
  for (auto& x : out)
  {
    Ondelino c;
    Configure(c, true, false, true, true);
    std::srand(99);
    x.assign(2 * 200, 0.0);
    c.ProcessOversampled(x.data(), 200);
  }
  EXPECT_EQ(out[0], out[1]);
  // Silence in, hiss out: -96 dB at the output plus the -88 dB hiss of the
  // delay lines, which their interpolator's recursion (y -= a * last output)
  // raises by up to 1 / (1 - a) while the fractional delay passes near 0.
  double largest = 0;
  for (double v : out[0])
    largest = std::max(largest, std::fabs(v));
  EXPECT_GT(largest, 0.0);
  EXPECT_LT(largest, 1e-3);
}

// --------------------------------------------------------------- bad input --

TEST(AudioProcessor, BlockOfZeroOrFewerFramesDoesNothing)
{
  for (int factor : {1, 2})
  {
    Ondelino c;
    Configure(c, true, false, true, true, 0.5, factor);
    std::vector<double> warm = Noise(2 * 64, 6);
    c.ProcessOversampled(warm.data(), 64);
    c.mInputPeak = 0.75;
    c.mOutputPeak = -0.25;
    const int phase = c.mLfo.mPhase;
    const int write = c.mDelayLines[0].mWritePosition;
    const Dsp::StageState up = c.GetUpsamplingFilter().GetState(0, 0);
    const double cfb1 = c.GetDecimationFilter().GetStage(2).cfb1;
    double frames[4] = {0.1, 0.2, 0.3, 0.4};
    AllocationCounter counter;
    for (int n : {0, -1, -512})
    {
      c.ProcessOversampled(frames, n);
      c.ProcessOversampled(nullptr, n);
    }
    EXPECT_EQ(counter.Allocations(), 0);
    EXPECT_EQ(frames[0], 0.1);
    EXPECT_EQ(frames[3], 0.4);
    EXPECT_EQ(c.mInputPeak, 0.75);
    EXPECT_EQ(c.mOutputPeak, -0.25);
    EXPECT_EQ(c.mLfo.mPhase, phase);
    EXPECT_EQ(c.mDelayLines[0].mWritePosition, write);
    EXPECT_EQ(c.GetUpsamplingFilter().GetState(0, 0).w1, up.w1);
    EXPECT_EQ(c.GetDecimationFilter().GetStage(2).cfb1, cfb1);
    std::srand(7);
    const int expectedNext = std::rand();
    std::srand(7);
    c.ProcessOversampled(frames, 0);
    EXPECT_EQ(std::rand(), expectedNext); // no hiss drawn either
  }
}

// A NaN or infinite host sample is silence: the render equals the one with a
// 0 in its place, at both factors, with saturation on and off, and every
// output sample is finite (an absurd finite one is held, not passed on).
TEST(AudioProcessor, NonFiniteInputIsSilence)
{
  const double inf = std::numeric_limits<double>::infinity();
  for (int factor : {1, 2})
    for (bool emu : {false, true})
    {
      SCOPED_TRACE(testing::Message() << "factor " << factor << " emu " << emu);
      Ondelino bad, zeroed;
      Configure(bad, true, false, emu, false, 0.5, factor);
      Configure(zeroed, true, false, emu, false, 0.5, factor);
      for (int block = 0; block < 60; ++block) // past the longest delay
      {
        std::vector<double> a = Noise(2 * 64, 30 + block, 0.5), b = a;
        if (block == 1)
        {
          const size_t at[] = {10, 21, 30};
          const double values[] = {std::numeric_limits<double>::quiet_NaN(), inf, -inf};
          for (int i = 0; i < 3; ++i)
          {
            a[at[i]] = values[i];
            b[at[i]] = 0.0;
          }
          a[41] = b[41] = 1e308;
        }
        bad.ProcessOversampled(a.data(), 64);
        zeroed.ProcessOversampled(b.data(), 64);
        for (size_t i = 0; i < a.size(); ++i)
        {
          ASSERT_TRUE(std::isfinite(a[i])) << "block " << block << " sample " << i;
          ASSERT_EQ(a[i], b[i]) << "block " << block << " sample " << i;
        }
      }
    }
}

// -------------------------------------------------------------- real time --

TEST(AudioProcessor, NoAllocationAfterTheFirstBlockOfASize)
{
  for (int factor : {1, 2})
  {
    Ondelino c;
    Configure(c, true, true, true, true, 0.5, factor);
    std::vector<double> x = Noise(2 * 4096, 8, 0.5);

    AllocationCounter first;
    c.ProcessOversampled(x.data(), 512);
    EXPECT_GE(first.Allocations(), 1) << factor; // the buffers grow once

    AllocationCounter steady;
    for (int block = 0; block < 50; ++block)
      c.ProcessOversampled(x.data(), 512);
    for (int n : {1, 32, 256, 511, 512}) // smaller blocks fit as well
      c.ProcessOversampled(x.data(), n);
    EXPECT_EQ(steady.Allocations(), 0) << factor;

    AllocationCounter larger;
    c.ProcessOversampled(x.data(), 4096);
    EXPECT_GE(larger.Allocations(), 1);
    larger.Restart();
    for (int block = 0; block < 5; ++block)
      c.ProcessOversampled(x.data(), 4096);
    c.ProcessOversampled(x.data(), 100);
    EXPECT_EQ(larger.Allocations(), 0) << factor;
  }
}

TEST(AudioProcessor, FactorChangeGrowsOnceAndReserveFramesAllocatesAhead)
{
  Ondelino c;
  Configure(c, true, false, true, true, 0.5, 1);
  std::vector<double> x = Noise(2 * 1024, 9, 0.5);
  c.ProcessOversampled(x.data(), 1024);
  c.SetOversampling(2);
  AllocationCounter counter;
  c.ProcessOversampled(x.data(), 1024);
  EXPECT_GE(counter.Allocations(), 1);
  counter.Restart();
  c.ProcessOversampled(x.data(), 1024);
  c.SetOversampling(1);
  c.ProcessOversampled(x.data(), 1024);
  c.SetOversampling(2);
  c.ProcessOversampled(x.data(), 1024);
  EXPECT_EQ(counter.Allocations(), 0);

  Ondelino d;
  Configure(d, true, false, true, true, 0.5, 2);
  ASSERT_TRUE(d.ReserveFrames(1024));
  counter.Restart();
  d.ProcessOversampled(x.data(), 1024);
  d.ProcessOversampled(x.data(), 333);
  EXPECT_EQ(counter.Allocations(), 0);
}

// Keeps the compiler from eliding a new/delete pair.
void* volatile gSink;

TEST(AllocationCounter, CountsEveryFormOfNew)
{
  AllocationCounter counter;
  int* a = new int(1);
  gSink = a;
  int* b = new int[10];
  gSink = b;
  double* c = static_cast<double*>(::operator new[](64, std::align_val_t(64)));
  gSink = c;
  std::vector<double> v(100);
  gSink = v.data();
  const long long allocations = counter.Allocations();
  const long long bytes = counter.Bytes();
  const bool aligned = reinterpret_cast<std::uintptr_t>(c) % 64 == 0;
  delete a;
  delete[] b;
  ::operator delete[](c, std::align_val_t(64));
  const long long deallocations = counter.Deallocations();
  EXPECT_EQ(allocations, 4);
  EXPECT_GE(bytes, static_cast<long long>(sizeof(int) * 11 + 64 + 800));
  EXPECT_EQ(deallocations, 3);
  EXPECT_TRUE(aligned);
  EXPECT_GE(AllocationCounter::TotalAllocations(), 4);
}

// -------------------------------------------------------------- behaviour --

// Energy centroid of the wet response after an impulse at frame origin (the
// dry impulse itself excluded): where the delayed copy lies, in frames after
// the impulse.
double Centroid(const std::vector<double>& y, size_t channel, size_t origin, size_t to)
{
  double e = 0, m = 0;
  for (size_t i = origin + 1; i < to; ++i)
  {
    const double v = y[2 * i + channel];
    e += v * v;
    m += v * v * static_cast<double>(i - origin);
  }
  return e > 0 ? m / e : -1;
}

TEST(ChorusBehaviour, ImpulseComesBackDelayedAndTheDelaysMoveOppositely)
{
  Ondelino c;
  Configure(c, true, false, false, false, 0.5); // Mode I, saturation and hiss off
  const int period = c.mLfo.mPeriod + 1;       // frames per LFO cycle (0.5 Hz)
  ASSERT_EQ(period, 88201);
  const int spacing = 2205; // an impulse every 50 ms, 40 per cycle
  const int impulses = 2 * period / spacing;
  std::vector<double> x(2 * static_cast<size_t>(impulses) * spacing, 0.0);
  for (int k = 0; k < impulses; ++k)
  {
    x[2 * static_cast<size_t>(k) * spacing] = 1.0;
    x[2 * static_cast<size_t>(k) * spacing + 1] = 1.0;
  }
  c.ProcessOversampled(x.data(), impulses * spacing);

  std::vector<double> d0, d1;
  for (int k = 0; k < impulses; ++k)
  {
    const size_t start = static_cast<size_t>(k) * spacing;
    // The dry impulse itself comes out at once, at the dry weight.
    EXPECT_NEAR(x[2 * start], 0.5, 1e-12);
    EXPECT_NEAR(x[2 * start + 1], 0.5, 1e-12);
    // Nothing of the copy before 144.7 - 66.15 samples.
    for (size_t i = start + 1; i < start + 78; ++i)
    {
      ASSERT_LT(std::fabs(x[2 * i]), 1e-9) << k << " " << i - start;
      ASSERT_LT(std::fabs(x[2 * i + 1]), 1e-9) << k << " " << i - start;
    }
    const double c0 = Centroid(x, 0, start, start + spacing);
    const double c1 = Centroid(x, 1, start, start + spacing);
    // The delayed copy within 144.7 +- 66.15 samples on both channels.
    EXPECT_GE(c0, kCentre - 66.15) << k;
    EXPECT_LE(c0, kCentre + 66.15) << k;
    EXPECT_GE(c1, kCentre - 66.15) << k;
    EXPECT_LE(c1, kCentre + 66.15) << k;
    // Its largest sample sits there as well.
    size_t peak = start + 1;
    for (size_t i = start + 1; i < start + spacing; ++i)
      if (std::fabs(x[2 * i]) > std::fabs(x[2 * peak]))
        peak = i;
    EXPECT_GE(static_cast<double>(peak - start), kCentre - 66.15) << k;
    EXPECT_LE(static_cast<double>(peak - start), kCentre + 66.15) << k;
    d0.push_back(c0);
    d1.push_back(c1);
  }

  // Over an LFO period the delays move in opposite directions: channel 0's
  // and channel 1's copies move by equal and opposite amounts (their sum stays
  // within a sample while each sweeps over 100 samples), and every clear move
  // of one is matched by an opposite move of the other.
  double sum = 0;
  for (size_t k = 0; k < d0.size(); ++k)
    sum += d0[k] + d1[k];
  sum /= static_cast<double>(d0.size());
  EXPECT_NEAR(sum, 2 * kCentre, 6.0); // plus the analog filters' small delay
  double lo0 = 1e9, hi0 = -1e9, lo1 = 1e9, hi1 = -1e9;
  int moves = 0;
  for (size_t k = 0; k < d0.size(); ++k)
  {
    EXPECT_NEAR(d0[k] + d1[k], sum, 1.0) << k;
    lo0 = std::min(lo0, d0[k]);
    hi0 = std::max(hi0, d0[k]);
    lo1 = std::min(lo1, d1[k]);
    hi1 = std::max(hi1, d1[k]);
    if (k == 0)
      continue;
    const double m0 = d0[k] - d0[k - 1];
    const double m1 = d1[k] - d1[k - 1];
    if (std::fabs(m0) > 2.0)
    {
      ++moves;
      EXPECT_LT(m0 * m1, 0.0) << k;
    }
  }
  EXPECT_GT(moves, impulses / 2);
  EXPECT_GT(hi0 - lo0, 100.0); // a swing of about +-0.8 of 66.15 samples
  EXPECT_GT(hi1 - lo1, 100.0);
  // Mode I starts with the square wave's positive half: for the first half
  // period channel 0's delay grows and channel 1's shrinks; in the second
  // half the other way round.
  for (int k = 1; k < 20; ++k)
  {
    EXPECT_GT(d0[k], d0[k - 1]) << k;
    EXPECT_LT(d1[k], d1[k - 1]) << k;
  }
  for (int k = 21; k < 40; ++k)
  {
    EXPECT_LT(d0[k], d0[k - 1]) << k;
    EXPECT_GT(d1[k], d1[k - 1]) << k;
  }
}

// Least-squares amplitude of a sinusoid of w radians per sample (with DC).
double Amplitude(const std::vector<double>& x, size_t channel, size_t from, size_t to, double w)
{
  // Normal equations for [cos, sin, 1].
  double a[3][4] = {};
  for (size_t i = from; i < to; ++i)
  {
    const double t = static_cast<double>(i);
    const double basis[3] = {std::cos(w * t), std::sin(w * t), 1.0};
    const double v = x[2 * i + channel];
    for (int r = 0; r < 3; ++r)
    {
      for (int k = 0; k < 3; ++k)
        a[r][k] += basis[r] * basis[k];
      a[r][3] += basis[r] * v;
    }
  }
  for (int p = 0; p < 3; ++p) // Gauss-Jordan
    for (int r = 0; r < 3; ++r)
      if (r != p)
      {
        const double f = a[r][p] / a[p][p];
        for (int k = 0; k < 4; ++k)
          a[r][k] -= f * a[p][k];
      }
  const double cc = a[0][3] / a[0][0], ss = a[1][3] / a[1][1];
  return std::hypot(cc, ss);
}

TEST(ChorusBehaviour, AntiAliasAttenuationFollowsTheDesignsResponse)
{
  // Factor 2, mix 0, saturation and hiss off: the chorus passes its input
  // (x * dry gain 1), so the road is: hold each frame twice, up filter,
  // down filter, keep every other frame. At the host rate that is the linear
  // time-invariant filter q_even[j] = q[2j] with q = [1, 1] * h_up * h_down, so
  // a sine at w host radians comes out with gain
  //   |(Q(w / 2) + Q(w / 2 + pi)) / 2|,  Q(v) = (1 + e^-iv) R(v)^2,
  // R = Dsp::Cascade::Response of the design. The second term is the
  // zero-order hold's image at pi - w / 2 folding back onto w.
  //
  // Tolerance: apart from rounding and the 1e-18 / 1e-25 offsets (far below
  // 1e-12 of a unit sine) the road is exactly that filter once the start-up
  // transient (poles within radius 0.93, so below 1e-12 after a few hundred
  // raised frames) and the first block's coefficient ramp are over. The
  // amplitude is fitted by least squares over 8192 steady frames, which is
  // exact for a pure sinusoid; 1e-9 relative leaves room for rounding only
  // (seen: about 1e-13 on the vector path, whose coefficients may stay an
  // ulp off the design after the ramp, and 2e-15 on the generic path).
  for (bool sse3 : {true, false})
  {
    const bool saved = CpuFeatures::SSE3;
    CpuFeatures::SSE3 = sse3;
    Ondelino c;
    Configure(c, true, false, false, false, 0.0, 2);
    ASSERT_EQ(c.mWetGain, 0.0);
    ASSERT_EQ(c.mDryGain, 1.0);
    const double w = 2 * Dsp::kPi * 0.45; // 0.45 of the host rate
    const size_t n = 16384;
    std::vector<double> x(2 * n);
    for (size_t i = 0; i < n; ++i)
      x[2 * i] = x[2 * i + 1] = 0.5 * std::sin(w * static_cast<double>(i));
    for (size_t start = 0; start < n; start += 512)
      c.ProcessOversampled(x.data() + 2 * start, 512);

    const Dsp::Cascade& f = c.GetDecimationFilter();
    auto q = [&](double v) {
      const std::complex<double> r = f.Response(v);
      return (1.0 + std::polar(1.0, -v)) * r * r;
    };
    const double predicted = std::abs((q(w / 2) + q(w / 2 + Dsp::kPi)) / 2.0);
    EXPECT_NEAR(predicted, 0.77832729039725693246, 1e-12); // -2.18 dB
    for (size_t ch = 0; ch < 2; ++ch)
    {
      const double measured = Amplitude(x, ch, n - 8192, n, w) / 0.5;
      EXPECT_NEAR(measured / predicted, 1.0, 1e-9) << "channel " << ch << " sse3 " << sse3;
    }
    CpuFeatures::SSE3 = saved;
  }
}

} // namespace
