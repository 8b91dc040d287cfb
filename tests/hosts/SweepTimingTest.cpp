// The inputs and the sweep reader of the tests that run the plug-in at
// several host rates: the reader must place a sweep's turns exactly where a
// known sweep turns, at any rate; the spoilt chords must hold every kind of
// non-finite sample, and their silenced twin zeros in exactly those places.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "SweepTiming.h"
#include "TestInputs.h"
#include "TestSignal.h"

namespace {

using vo::SweepTurn;

// Echo delay in frames of a click at t seconds: a peak at 0.7 s, a trough at 1.2 s.
double KnownDelay(double t) {
  if (t < 0.7) return 150.0 + 40.0 * t;
  if (t < 1.2) return 178.0 - 200.0 * (t - 0.7);
  return 78.0 + 100.0 * (t - 1.2);
}

TEST(SweepTiming, TurnsAreFoundWhereAKnownSweepTurnsAtEveryRate) {
  for (const int rate : {22050, 44100, 96000}) {
    vo::AudioData render = vo::MakeClickTrain(rate, 1.6);
    for (auto& channel : render.samples) std::fill(channel.begin(), channel.end(), 0.0);
    // Each echo split between two frames, so that its centre lies at the
    // fractional delay.
    for (int k = 0; vo::ClickFrame(k, rate) < render.Frames() - 200; ++k) {
      const double delay = KnownDelay(vo::ClickFrame(k, rate) / static_cast<double>(rate));
      const auto at = static_cast<size_t>(vo::ClickFrame(k, rate) + std::floor(delay));
      render.samples[0][at] = 1.0 - (delay - std::floor(delay));
      render.samples[0][at + 1] = delay - std::floor(delay);
    }
    const std::vector<SweepTurn> turns = vo::FindSweepTurns(render);
    ASSERT_EQ(turns.size(), 2u) << rate;
    EXPECT_TRUE(turns[0].peak);
    EXPECT_NEAR(turns[0].seconds, 0.7 + 178.0 / rate, 1e-9) << rate;
    EXPECT_FALSE(turns[1].peak);
    EXPECT_NEAR(turns[1].seconds, 1.2 + 78.0 / rate, 1e-9) << rate;
  }
}

TEST(SweepTiming, TurnsAreTheSameOnlyInKindCountAndTime) {
  const std::vector<SweepTurn> turns = {{1.0, true}, {2.0, false}};
  EXPECT_TRUE(vo::SameTurns(turns, {{1.0009, true}, {1.9991, false}}, 0.001));
  EXPECT_FALSE(vo::SameTurns(turns, {{1.0, true}, {2.0011, false}}, 0.001));
  EXPECT_FALSE(vo::SameTurns(turns, {{1.0, false}, {2.0, true}}, 0.001));
  EXPECT_FALSE(vo::SameTurns(turns, {{1.0, true}}, 0.001));
}

TEST(TestInputs, NonFiniteSamplesOfEveryKindAndSilenceInTheSamePlaces) {
  const vo::AudioData chords = vo::MakeTestSignal(8000, 1.0);
  vo::AudioData spoilt = chords, silenced = chords;
  vo::PutNonFiniteSamples(&spoilt, false);
  vo::PutNonFiniteSamples(&silenced, true);
  for (size_t c = 0; c < 2; ++c) {
    int nan = 0, positive = 0, negative = 0;
    for (size_t i = 0; i < chords.samples[c].size(); ++i) {
      const double v = spoilt.samples[c][i];
      nan += std::isnan(v);
      positive += v == INFINITY;
      negative += v == -INFINITY;
      const double unspoilt = std::isfinite(v) ? v : chords.samples[c][i];
      EXPECT_EQ(unspoilt, chords.samples[c][i]) << i;
      EXPECT_EQ(silenced.samples[c][i], std::isfinite(v) ? unspoilt : 0.0) << i;
    }
    EXPECT_EQ(nan, 9);
    EXPECT_EQ(positive, 9);
    EXPECT_EQ(negative, 9);
  }
}

}  // namespace
