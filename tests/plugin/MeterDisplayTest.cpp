// The meters' scale: levels from -32 dB to -9 dB fill the meter.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "MeterScale.h"

namespace {
double Level(double dB) { return std::pow(10.0, dB / 20.0); }
}  // namespace

TEST(MeterScale, SpansMinus32ToMinus9Decibels) {
  EXPECT_EQ(0.0, MeterValueOfLevel(0.0));
  EXPECT_NEAR(0.0, MeterValueOfLevel(Level(-32.0)), 1e-6);
  EXPECT_EQ(0.0, MeterValueOfLevel(Level(-60.0)));
  EXPECT_NEAR(0.5, MeterValueOfLevel(Level(-20.5)), 1e-6);
  EXPECT_NEAR(1.0, MeterValueOfLevel(Level(-9.0)), 1e-6);
  EXPECT_EQ(1.0, MeterValueOfLevel(Level(-3.0)));
  EXPECT_EQ(1.0, MeterValueOfLevel(4.0));
  // A negative level reads as its magnitude.
  EXPECT_NEAR(0.5, MeterValueOfLevel(-Level(-20.5)), 1e-6);
}

TEST(MeterScale, LevelsThatAreNotNumbersShowNothing) {
  EXPECT_EQ(0.0, MeterValueOfLevel(std::numeric_limits<double>::quiet_NaN()));
  EXPECT_EQ(1.0, MeterValueOfLevel(std::numeric_limits<double>::infinity()));
}
