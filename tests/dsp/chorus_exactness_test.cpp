// The block-wise, two-lane chorus against the plain per-sample chain
// (ReferenceChorus): every mode, both factors, saturation and hiss on and
// off, the dry/wet and width extremes and middle, the rates at both ends of
// their ranges, several block sizes and sampling rates. Without saturation
// (no tanh anywhere) and on the generic path the outputs are identical; with
// the vector path's tanh they stay within 1e-12 of the signal's peak.
#include "CpuFeatures.h"
#include "NoiseSignal.h"
#include "LeafOndelino.h"
#include "ReferenceChorus.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <utility>
#include <vector>

namespace
{

struct Settings
{
  int sampleRate = 44100;
  int factor = 1;
  bool modeI = true, modeII = false;
  bool saturation = true, hiss = false;
  double dryWet = 0.5, width = 1.0;
  bool fastRates = false; // the rates at the top of their ranges, else at the bottom
};

void Configure(Ondelino& c, const Settings& s)
{
  c.SetSampleRate(s.sampleRate);
  c.SetOversampling(s.factor);
  c.mModeIRate = s.fastRates ? 2.0 : 0.1;
  c.mModeIIRate = s.fastRates ? 2.0 : 0.1;
  c.mModeBothRate = s.fastRates ? 20.0 : 1.0;
  c.mModeI = s.modeI;
  c.mModeII = s.modeII;
  c.UpdateMode();
  c.SetMix(s.dryWet);
  c.mWidth = s.width;
  c.SetAnalogEmu(s.saturation);
  c.SetAnalogHiss(s.hiss);
  c.mInputGain = 1.4;
  c.mOutputGain = 0.8;
}

// Chords of a few partials with a sharp attack every 1500 frames, plus
// noise: about 0.9 at its peak.
std::vector<double> Signal(int frames)
{
  std::vector<double> x = Noise(2 * static_cast<size_t>(frames), 21, 0.1);
  for (int i = 0; i < frames; ++i)
  {
    const double envelope = std::exp(-(i % 1500) / 400.0);
    for (int c = 0; c < 2; ++c)
      x[2 * i + c] += envelope * (0.4 * std::sin(0.031 * (c + 1) * i) + 0.3 * std::sin(0.0477 * i + c));
  }
  return x;
}

struct Outcome
{
  double largestRatio = 0.0; // largest difference over the reference's peak
  double largestRatioWithoutTanh = 0.0;
  int runs = 0;
};

// Renders the signal through both in blocks of `block` frames from the same
// seed; compares outputs, peaks, the random generator's position and the
// state left behind.
void Compare(const Settings& s, int block, const std::vector<double>& signal, Outcome& outcome)
{
  const int frames = static_cast<int>(signal.size() / 2);
  auto fast = std::make_unique<LeafOndelino>();
  auto reference = std::make_unique<LeafOndelino>();
  Configure(*fast, s);
  Configure(*reference, s);
  std::vector<double> a = signal, b = signal;
  std::srand(1234);
  int nextFast = 0, nextReference = 0;
  double peak = 0.0, difference = 0.0;
  for (int pos = 0; pos < frames; pos += block)
  {
    const int n = std::min(block, frames - pos);
    std::srand(1234 + pos);
    fast->ProcessOversampled(a.data() + 2 * pos, n);
    nextFast = std::rand();
    std::srand(1234 + pos);
    ReferenceProcessOversampled(*reference, b.data() + 2 * pos, n);
    nextReference = std::rand();
    ASSERT_EQ(nextFast, nextReference) << "the same number of random values, pos " << pos;
    ASSERT_EQ(fast->mInputPeak, reference->mInputPeak) << pos;
    ASSERT_NEAR(fast->mOutputPeak, reference->mOutputPeak, 1e-12) << pos;
  }
  for (size_t i = 0; i < a.size(); ++i)
  {
    ASSERT_TRUE(std::isfinite(a[i])) << i;
    peak = std::max(peak, std::fabs(b[i]));
    difference = std::max(difference, std::fabs(a[i] - b[i]));
  }
  // Silence comes out only with both modes off and dry/wet at 100 %.
  const bool silent = !s.modeI && !s.modeII && s.dryWet == 1.0;
  if (!silent)
  {
    ASSERT_GT(peak, 0.1);
  }
  const double ratio = peak > 0.0 ? difference / peak : difference;
  const bool tanhInvolved = s.saturation && Ondelino::UsesVectorPath();
  if (tanhInvolved)
    EXPECT_LE(ratio, 1e-12);
  else
    EXPECT_EQ(difference, 0.0);
  outcome.largestRatio = std::max(outcome.largestRatio, ratio);
  if (!tanhInvolved)
    outcome.largestRatioWithoutTanh = std::max(outcome.largestRatioWithoutTanh, ratio);
  ++outcome.runs;

  EXPECT_EQ(fast->mLfo.mPhase, reference->mLfo.mPhase);
  EXPECT_EQ(fast->mLfo.mSmoother1.state, reference->mLfo.mSmoother1.state);
  for (int c = 0; c < 2; ++c)
  {
    const DelayLine& x = fast->mDelayLines[c];
    const DelayLine& y = reference->mDelayLines[c];
    EXPECT_EQ(x.mWritePosition, y.mWritePosition);
    EXPECT_EQ(x.mDelay, y.mDelay);
    EXPECT_NEAR(x.mLastOutput, y.mLastOutput, 1e-12);
    EXPECT_NEAR(x.mSectionB.GetState(0, 0).w1, y.mSectionB.GetState(0, 0).w1, 1e-12);
  }
}

std::string Describe(const Settings& s, int block)
{
  char text[200];
  std::snprintf(text, sizeof text, "rate %d factor %d modes %d%d sat %d hiss %d dry/wet %.1f wide %.0f %s rates block %d",
                s.sampleRate, s.factor, s.modeI, s.modeII, s.saturation, s.hiss, s.dryWet, s.width,
                s.fastRates ? "fast" : "slow", block);
  return text;
}

// Every combination of the matrix, on the path the processor selects.
// The values each setting takes; every combination is rendered.
struct Matrix
{
  std::vector<int> rates = {44100, 48000, 96000, 22050};
  std::vector<std::pair<bool, bool>> modes = {{true, false}, {false, true}, {true, true}, {false, false}};
  std::vector<double> dryWets = {0.0, 0.5, 1.0};
  std::vector<double> widths = {0.0, 1.0};
  std::vector<int> blocks = {1, 7, 512, 4096};
};

// Every combination of the matrix, on the path the processor selects. The
// small blocks cost the most calls, so they run a shorter signal (still past
// the longest delay and through several attacks).
Outcome RunMatrix(const Matrix& m)
{
  const std::vector<double> longSignal = Signal(4500);
  const std::vector<double> shortSignal = Signal(2000);
  Outcome outcome;
  for (int rate : m.rates)
    for (int factor : {1, 2})
      for (const auto& mode : m.modes)
        for (bool saturation : {false, true})
          for (bool hiss : {false, true})
            for (double dryWet : m.dryWets)
              for (double width : m.widths)
                for (bool fastRates : {false, true})
                  for (int block : m.blocks)
                  {
                    Settings s;
                    s.sampleRate = rate;
                    s.factor = factor;
                    s.modeI = mode.first;
                    s.modeII = mode.second;
                    s.saturation = saturation;
                    s.hiss = hiss;
                    s.dryWet = dryWet;
                    s.width = width;
                    s.fastRates = fastRates;
                    SCOPED_TRACE(Describe(s, block));
                    Compare(s, block, block >= 512 ? longSignal : shortSignal, outcome);
                    if (testing::Test::HasFailure())
                      return outcome;
                  }
  return outcome;
}

// Switches the vector paths off (or back on) for one scope.
struct Sse3Flag
{
  const bool saved = CpuFeatures::SSE3;
  explicit Sse3Flag(bool on) { CpuFeatures::SSE3 = on && saved; }
  ~Sse3Flag() { CpuFeatures::SSE3 = saved; }
};

} // namespace

TEST(ChorusExactness, EveryModeFactorSettingBlockAndRateMatchesThePerSampleChain)
{
  const Outcome outcome = RunMatrix(Matrix());
  std::printf("%s path, %d renders: largest difference %.3g of the peak (%.3g without tanh)\n",
              Ondelino::UsesVectorPath() ? "vector" : "generic", outcome.runs, outcome.largestRatio,
              outcome.largestRatioWithoutTanh);
  RecordProperty("largest_ratio", std::to_string(outcome.largestRatio));
}

TEST(ChorusExactness, GenericPathIsIdentical)
{
  Sse3Flag generic(false);
  ASSERT_FALSE(Ondelino::UsesVectorPath());
  Matrix m;
  m.rates = {44100};
  const Outcome outcome = RunMatrix(m);
  std::printf("generic path, %d renders: largest difference %.3g of the peak\n", outcome.runs, outcome.largestRatio);
}

// Host rates below 19.8 kHz, where the delay lines' sections are held below
// half the rate: both computations agree there too, and stay finite.
TEST(ChorusExactness, LowRatesMatchThePerSampleChain)
{
  Matrix m;
  m.rates = {8000, 11025, 16000};
  m.modes = {{true, false}, {true, true}};
  m.dryWets = {0.5};
  m.widths = {1.0};
  m.blocks = {512};
  const Outcome outcome = RunMatrix(m);
  std::printf("low rates, %d renders: largest difference %.3g of the peak\n", outcome.runs, outcome.largestRatio);
}

// Delays the chorus never asks for (beyond the buffer, below 0, not a
// number), forced through the oscillator's state: both computations hold
// them at the buffer's edges alike, on both paths.
TEST(ChorusExactness, DelaysOutsideTheBufferAreHeldAtItsEdges)
{
  const std::vector<double> signal = Signal(600);
  for (bool vector : {true, false})
    for (double state : {1e6, -1e6, std::nan("")})
    {
      Sse3Flag path(vector);
      SCOPED_TRACE(testing::Message() << (Ondelino::UsesVectorPath() ? "vector" : "generic") << " path, state "
                                      << state);
      auto fast = std::make_unique<LeafOndelino>();
      auto reference = std::make_unique<LeafOndelino>();
      for (Ondelino* c : {fast.get(), reference.get()})
      {
        Settings s;
        s.saturation = false;
        Configure(*c, s);
        c->mLfo.mSmoother1.state = state;
      }
      std::vector<double> a = signal, b = signal;
      fast->ProcessOversampled(a.data(), 600);
      ReferenceProcessOversampled(*reference, b.data(), 600);
      const double delay = reference->mDelayLines[0].mDelay;
      EXPECT_TRUE(!(delay >= 0.0 && delay <= 44099.0)) << "the delay stays outside the buffer";
      for (size_t i = 0; i < a.size(); ++i)
        ASSERT_TRUE(a[i] == b[i] || (std::isnan(a[i]) && std::isnan(b[i]))) << i;
    }
}
