// The faster forms of the chorus against the block-wise engine as it was:
// the oversampled block in pieces with both anti-alias filters interleaved
// (in one 256-bit register where AVX is there) and the saturation passes two
// frames at a time (AVX2) must give the same bits as the whole-block road
// with the 128-bit passes, in every output sample, peak and piece of state.
#include "NoiseSignal.h"
#include "LeafOndelino.h"
#include "OndelinoSaturation.h"
#include "OversamplingRoad.h"
#include "VectorTanh.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <vector>

namespace
{

// Ondelino with the oversampled block handed over whole (the road as it was
// before the pieces).
class WholeBlockOndelino final : public Ondelino
{
public:
  WholeBlockOndelino() { mProcessesInPieces = false; }
};

// Sets the wide-form switches for the life of the object.
class WideForms
{
public:
  WideForms(bool road, bool saturation) : mRoad(Dsp::gRoadUsesAvx), mSaturation(Dsp::gSaturationUsesAvx2)
  {
    Dsp::gRoadUsesAvx = road && mRoad;
    Dsp::gSaturationUsesAvx2 = saturation && mSaturation;
  }
  ~WideForms()
  {
    Dsp::gRoadUsesAvx = mRoad;
    Dsp::gSaturationUsesAvx2 = mSaturation;
  }

private:
  bool mRoad, mSaturation;
};

void Configure(Ondelino& c, int factor, bool saturation, bool leftLineOnly)
{
  c.SetSampleRate(48000);
  c.SetOversampling(factor);
  c.mModeI = true;
  c.mModeII = true;
  c.UpdateMode();
  c.SetMix(0.7);
  c.mWidth = 0.6;
  c.mInputGain = 1.3;
  c.SetAnalogEmu(saturation);
  c.SetAnalogHiss(true);
  if (leftLineOnly)
    c.mDelayLines[1].mAnalog = false; // each line's saturation picks its own lane
}

bool SameBits(double a, double b)
{
  return std::memcmp(&a, &b, sizeof a) == 0;
}

void ExpectSameFilter(Dsp::Cascade& a, Dsp::Cascade& b, const char* name)
{
  for (int stage = 0; stage < a.GetNumStages(); ++stage)
    for (int c = 0; c < 2; ++c)
    {
      const Dsp::StageState& x = a.GetState(c, stage);
      const Dsp::StageState& y = b.GetState(c, stage);
      EXPECT_TRUE(SameBits(x.w1, y.w1) && SameBits(x.w2, y.w2) && SameBits(x.w3, y.w3))
        << name << " stage " << stage << " channel " << c;
    }
}

// Renders a signal (with a NaN, an infinity and an absurd sample in it)
// through the current forms and through the whole-block road with the
// 128-bit passes, in blocks of `block` frames from the same seed.
void CompareWithTheOldRoad(int factor, bool saturation, bool leftLineOnly, int block)
{
  const int frames = 5000;
  std::vector<double> signal = Noise(2 * frames, 77, 0.8);
  signal[2 * 1234] = std::numeric_limits<double>::quiet_NaN();
  signal[2 * 2345 + 1] = -std::numeric_limits<double>::infinity();
  signal[2 * 3456] = 1e200;
  auto fast = std::make_unique<LeafOndelino>();
  auto old = std::make_unique<WholeBlockOndelino>();
  Configure(*fast, factor, saturation, leftLineOnly);
  Configure(*old, factor, saturation, leftLineOnly);
  std::vector<double> a = signal, b = signal;
  for (int pos = 0; pos < frames; pos += block)
  {
    const int n = std::min(block, frames - pos);
    std::srand(99 + pos);
    fast->ProcessOversampled(a.data() + 2 * pos, n);
    const int nextFast = std::rand();
    std::srand(99 + pos);
    {
      WideForms narrow(false, false);
      old->ProcessOversampled(b.data() + 2 * pos, n);
    }
    ASSERT_EQ(nextFast, std::rand()) << pos;
    ASSERT_TRUE(SameBits(fast->mInputPeak, old->mInputPeak)) << pos;
    ASSERT_TRUE(SameBits(fast->mOutputPeak, old->mOutputPeak)) << pos;
  }
  for (size_t i = 0; i < a.size(); ++i)
    ASSERT_TRUE(SameBits(a[i], b[i])) << "sample " << i << ": " << a[i] << " vs " << b[i];
  ExpectSameFilter(fast->GetUpsamplingFilter(), old->GetUpsamplingFilter(), "upsampling");
  ExpectSameFilter(fast->GetDecimationFilter(), old->GetDecimationFilter(), "decimation");
  for (int c = 0; c < 2; ++c)
  {
    EXPECT_TRUE(SameBits(fast->mDelayLines[c].mLastOutput, old->mDelayLines[c].mLastOutput));
    EXPECT_EQ(fast->mDelayLines[c].mWritePosition, old->mDelayLines[c].mWritePosition);
  }
}

} // namespace

TEST(WideForms, SameBitsAsTheWholeBlockRoadWithTheNarrowPasses)
{
  // Blocks shorter than a piece, an odd count (the saturation passes' last
  // frame alone), whole and partial pieces, and a long block.
  for (int factor : {1, 2, 3})
    for (bool saturation : {true, false})
      for (int block : {1, 7, 33, 512, 4096})
      {
        SCOPED_TRACE(testing::Message() << "factor " << factor << " saturation " << saturation << " block " << block);
        CompareWithTheOldRoad(factor, saturation, false, block);
      }
  SCOPED_TRACE("only the left delay line saturates");
  CompareWithTheOldRoad(2, true, true, 301);
}

TEST(WideForms, TheNarrowPiecewiseRoadAlsoKeepsTheBits)
{
  WideForms narrow(false, false);
  for (int block : {7, 512})
  {
    SCOPED_TRACE(block);
    CompareWithTheOldRoad(2, true, false, block);
  }
}

#if defined(__x86_64__) || defined(__i386__) // the passes exist in x86 builds only
TEST(WideForms, SaturationPassesGiveTheTwoLaneTanhsBits)
{
  if (!Dsp::gSaturationUsesAvx2)
    GTEST_SKIP() << "no AVX2 on this processor or system";
  // Arguments over the whole double range, the saturation's working range
  // densely, and the special values.
  std::vector<double> xs = {0.0, -0.0, 1e-300, -4.9e-324, 22.0 / 0.251189, 88.0, -1e300,
                            std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                            std::numeric_limits<double>::quiet_NaN()};
  for (int i = -4000; i <= 4000; ++i)
    xs.push_back(i * 0.01237);
  for (int e = -1074; e <= 1023; e += 3)
    xs.push_back(-std::ldexp(1.3, e));
  if (xs.size() % 2 == 0)
    xs.push_back(0.3); // an odd frame count: the last frame on its own
  const int n = static_cast<int>(xs.size() / 2);
  std::vector<double> dry(xs.size()), line = xs;
  double peak[2];
  Dsp::InputPassAvx2(xs.data(), dry.data(), n, 1.0, true, peak);
  Dsp::LinePassAvx2(line.data(), n, false, true);
  double largest[2] = {0.0, 0.0};
  for (int f = 0; f < n; ++f)
  {
    const double in[2] = {xs[2 * f] * 0.251189, xs[2 * f + 1] * 0.251189};
    double t[2];
    ASSERT_TRUE(Dsp::VectorTanh(in, t));
    for (int c = 0; c < 2; ++c)
    {
      const double want = t[c] * 3.98107;
      const double x = xs[2 * f + c];
      EXPECT_TRUE(SameBits(dry[2 * f + c], want) || (std::isnan(want) && std::isnan(dry[2 * f + c]))) << x;
      const double lineWant = c == 1 ? want : x;
      EXPECT_TRUE(SameBits(line[2 * f + c], lineWant) || (std::isnan(x) && std::isnan(line[2 * f + c]))) << x;
      if (x > largest[c])
        largest[c] = x;
    }
  }
  EXPECT_TRUE(SameBits(peak[0], largest[0]));
  EXPECT_TRUE(SameBits(peak[1], largest[1]));
}
#endif
