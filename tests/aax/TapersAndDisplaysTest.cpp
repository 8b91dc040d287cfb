// Tapers (plain value <-> position) and display delegates (value <-> text)
// of typed host parameters.

#include "AAX_CBinaryDisplayDelegate.h"
#include "AAX_CBinaryTaperDelegate.h"
#include "AAX_CIPlugTaperDelegate.h"
#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"
#include "AAX_CUnitDisplayDelegateDecorator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

template <typename T>
std::string Text(const AAX_IDisplayDelegate<T>& display, T value, int maxLength) {
  AAX_CString out("stale");
  EXPECT_TRUE(display.ValueToTextOfLength(value, maxLength, &out));
  return out.Get();
}

TEST(Tapers, FrameworkTaperWithShapeTwo) {
  const AAX_CIPlugTaperDelegate<double> taper(0.0, 100.0, 2.0);
  EXPECT_DOUBLE_EQ(25.0, taper.NormalizedToReal(0.5));
  EXPECT_DOUBLE_EQ(0.5, taper.RealToNormalized(25.0));
  EXPECT_DOUBLE_EQ(1.0, taper.RealToNormalized(150.0));
  EXPECT_DOUBLE_EQ(0.0, taper.RealToNormalized(-3.0));
  EXPECT_DOUBLE_EQ(100.0, taper.NormalizedToReal(1.5));
  EXPECT_DOUBLE_EQ(100.0, taper.GetMaximumValue());
  EXPECT_DOUBLE_EQ(0.0, taper.GetMinimumValue());
  // Nothing undefined comes out of a NaN or an empty range.
  EXPECT_DOUBLE_EQ(0.0, taper.ConstrainRealValue(kNaN));
  EXPECT_DOUBLE_EQ(0.0, taper.NormalizedToReal(kNaN));
  EXPECT_DOUBLE_EQ(0.0, AAX_CIPlugTaperDelegate<double>(5.0, 5.0, 1.0).RealToNormalized(5.0));
  std::unique_ptr<AAX_ITaperDelegate<double>> clone(taper.Clone());
  EXPECT_DOUBLE_EQ(25.0, clone->NormalizedToReal(0.5));
}

TEST(Tapers, LinearIntegerTaperTruncatesAndHandlesEqualBounds) {
  const AAX_CLinearTaperDelegate<int32_t> range(0, 10);
  EXPECT_EQ(9, range.NormalizedToReal(0.99));
  EXPECT_EQ(10, range.NormalizedToReal(1.0));
  EXPECT_EQ(10, range.NormalizedToReal(7.0));
  EXPECT_EQ(0, range.NormalizedToReal(-1.0));
  EXPECT_EQ(0, range.NormalizedToReal(kNaN));
  EXPECT_EQ(10, range.NormalizedToReal(1e300));
  EXPECT_DOUBLE_EQ(0.3, range.RealToNormalized(3));
  EXPECT_DOUBLE_EQ(1.0, range.RealToNormalized(12));

  const AAX_CLinearTaperDelegate<int32_t> flat(3, 3);
  EXPECT_DOUBLE_EQ(0.5, flat.RealToNormalized(3));
  EXPECT_DOUBLE_EQ(0.5, flat.RealToNormalized(-40));
  EXPECT_EQ(3, flat.NormalizedToReal(0.0));
  EXPECT_EQ(3, flat.NormalizedToReal(1.0));

  const AAX_CLinearTaperDelegate<int32_t> reversed(10, 0);
  EXPECT_EQ(7, reversed.ConstrainRealValue(7));
  EXPECT_EQ(10, reversed.ConstrainRealValue(20));
}

TEST(Tapers, BinaryTaper) {
  const AAX_CBinaryTaperDelegate<bool> taper;
  EXPECT_TRUE(taper.NormalizedToReal(0.01));
  EXPECT_FALSE(taper.NormalizedToReal(0.0));
  EXPECT_FALSE(taper.NormalizedToReal(kNaN));
  EXPECT_DOUBLE_EQ(1.0, taper.RealToNormalized(true));
  EXPECT_DOUBLE_EQ(0.0, taper.RealToNormalized(false));
  EXPECT_TRUE(taper.GetMaximumValue());
  EXPECT_FALSE(taper.GetMinimumValue());
}

TEST(Displays, NumberCutsToTheLengthAndDropsATrailingPoint) {
  const AAX_CNumberDisplayDelegate<double> number;
  EXPECT_EQ("12", Text<double>(number, 12.345, 3));
  EXPECT_EQ("", Text<double>(number, 12.345, 0));
  EXPECT_EQ("", Text<double>(number, 12.345, -4));
  EXPECT_EQ("12.3", Text<double>(number, 12.345, 4));
  EXPECT_EQ("-9.00", Text<double>(number, -9.0, 8));
  const AAX_CNumberDisplayDelegate<int32_t> integer;
  EXPECT_EQ("5.00", Text<int32_t>(integer, 5, 10));
}

TEST(Displays, NumberReadsTexts) {
  const AAX_CNumberDisplayDelegate<double> number;
  double value = 7.0;
  EXPECT_TRUE(number.TextToValue(AAX_CString("12.5 dB"), &value));
  EXPECT_DOUBLE_EQ(12.5, value);
  EXPECT_FALSE(number.TextToValue(AAX_CString("dB"), &value));
  EXPECT_DOUBLE_EQ(0.0, value);

  const AAX_CNumberDisplayDelegate<int32_t> integer;
  int32_t whole = 0;
  EXPECT_TRUE(integer.TextToValue(AAX_CString("-7.9"), &whole));
  EXPECT_EQ(-7, whole);
  EXPECT_TRUE(integer.TextToValue(AAX_CString("1e30"), &whole));
  EXPECT_EQ(std::numeric_limits<int32_t>::max(), whole);
}

TEST(Displays, BinaryTextsAndShortenedPairs) {
  AAX_CBinaryDisplayDelegate<bool> bypass("bypass", "on");
  EXPECT_EQ("on", Text<bool>(bypass, true, 1));  // no pairs: always the full text
  bool value = true;
  EXPECT_TRUE(bypass.TextToValue(AAX_CString("bypass"), &value));
  EXPECT_FALSE(value);
  value = true;
  EXPECT_FALSE(bypass.TextToValue(AAX_CString("off"), &value));
  EXPECT_FALSE(value);
  EXPECT_TRUE(bypass.TextToValue(AAX_CString("on"), &value));
  EXPECT_TRUE(value);

  bypass.AddShortenedStrings("b", "1", 1);
  bypass.AddShortenedStrings("byp", "on", 3);
  EXPECT_EQ("bypass", Text<bool>(bypass, false, 6));
  EXPECT_EQ("byp", Text<bool>(bypass, false, 5));
  EXPECT_EQ("byp", Text<bool>(bypass, false, 3));
  EXPECT_EQ("b", Text<bool>(bypass, false, 2));
  EXPECT_EQ("1", Text<bool>(bypass, true, 0));
  EXPECT_EQ("b", Text<bool>(bypass, false, -3));
  std::unique_ptr<AAX_IDisplayDelegate<bool>> clone(bypass.Clone());
  EXPECT_EQ("byp", Text<bool>(*clone, false, 4));
}

TEST(Displays, UnitIsAddedOnlyWhenItFitsAndReadWithOrWithout) {
  const AAX_CUnitDisplayDelegateDecorator<double> decibels(AAX_CNumberDisplayDelegate<double>(),
                                                           "dB");
  EXPECT_EQ("12.00", Text<double>(decibels, 12.0, 6));
  EXPECT_EQ("12.00dB", Text<double>(decibels, 12.0, 7));
  EXPECT_EQ("-9.00dB", Text<double>(decibels, -9.0, 8));
  AAX_CString full;
  EXPECT_TRUE(decibels.ValueToText(-9.0, &full));
  EXPECT_STREQ("-9.00dB", full.Get());

  double value = 0.0;
  EXPECT_TRUE(decibels.TextToValue(AAX_CString("-4.5dB"), &value));
  EXPECT_DOUBLE_EQ(-4.5, value);
  EXPECT_TRUE(decibels.TextToValue(AAX_CString("3.25"), &value));
  EXPECT_DOUBLE_EQ(3.25, value);
  EXPECT_FALSE(decibels.TextToValue(AAX_CString("dB"), &value));
  EXPECT_FALSE(decibels.TextToValue(AAX_CString("B"), &value));

  // Clones own their wrapped delegate.
  std::unique_ptr<AAX_IDisplayDelegate<double>> clone(decibels.Clone());
  EXPECT_EQ("1.50dB", Text<double>(*clone, 1.5, 10));
}

}  // namespace
