#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "IPlugParameter.h"

namespace {

TEST(IPlugParameter, ShapedContinuousParameterIsNotQuantised) {
  IPlugParameter p;
  p.SetUpDouble("Rate", 1.0, 0.1, 10.0, 0.01, "Hz", "", 2.0);
  EXPECT_EQ(IPlugParameter::kTypeDouble, p.GetKind());
  EXPECT_EQ(2, p.GetDisplayPrecision());
  EXPECT_DOUBLE_EQ(1.0, p.Value());
  p.SetFromNormalized(0.5);
  EXPECT_DOUBLE_EQ(0.25 * 9.9 + 0.1, p.Value());
  EXPECT_NEAR(0.5, p.CurrentNormalized(), 1e-12);
}

TEST(IPlugParameter, DisplayPrecisionFollowsTheStep) {
  const struct {
    double step;
    int precision;
  } cases[] = {{0.1, 1}, {0.25, 2}, {1.0, 0}, {1e-7, 6}, {0.01, 2}};
  for (const auto& c : cases) {
    IPlugParameter p;
    p.SetUpDouble("p", 0.0, 0.0, 100.0, c.step);
    EXPECT_EQ(c.precision, p.GetDisplayPrecision()) << "step " << c.step;
  }
}

TEST(IPlugParameter, QuantisationByKind) {
  IPlugParameter whole;
  whole.SetUpDouble("n", 0.0, 0.0, 10.0, 1.0);
  whole.SetFromNormalized(0.25);  // 2.5: halves away from zero
  EXPECT_DOUBLE_EQ(3.0, whole.Value());
  IPlugParameter negative;
  negative.SetUpDouble("n", 0.0, -10.0, 0.0, 1.0);
  negative.SetFromNormalized(0.75);  // -2.5
  EXPECT_DOUBLE_EQ(-3.0, negative.Value());

  IPlugParameter toggle;
  toggle.SetUpBool("b", false, "sw");
  toggle.SetFromNormalized(0.26);  // nearest tenth, not nearest whole
  EXPECT_DOUBLE_EQ(0.3, toggle.Value());
  char out[IPlugParameter::kMaxDisplayLength];
  toggle.FormatDisplay(0.3, false, out, true);
  EXPECT_STREQ("off", out);
  EXPECT_STREQ("", toggle.UnitLabel());
}

TEST(IPlugParameter, SetUpRaisesMaxAndKeepsShapeForZero) {
  IPlugParameter p;
  p.SetUpDouble("p", 5.0, 5.0, 2.0, 1.0, "", "", 0.0);
  EXPECT_DOUBLE_EQ(6.0, p.GetMax());
  EXPECT_DOUBLE_EQ(1.0, p.GetShape());
  p.SetUpDouble("p", 5.0, 5.0, 9.0, 1.0, "", "", 3.0);
  p.SetUpDouble("p", 5.0, 5.0, 9.0, 1.0, "", "", 0.0);
  EXPECT_DOUBLE_EQ(3.0, p.GetShape());

  IPlugParameter longNames;
  const std::string name(40, 'n');
  longNames.SetUpDouble(name.c_str(), 0.0, 0.0, 1.0, 0.1, name.c_str(), name.c_str());
  EXPECT_EQ(std::string(31, 'n'), longNames.Name());
  EXPECT_EQ(std::string(31, 'n'), longNames.Label());
  EXPECT_EQ(std::string(31, 'n'), longNames.GroupName());
}

TEST(IPlugParameter, BoolSetUp) {
  IPlugParameter p;
  p.SetUpBool("Mode I", true);
  EXPECT_EQ(IPlugParameter::kTypeBool, p.GetKind());
  EXPECT_DOUBLE_EQ(1.0, p.Value());
  EXPECT_DOUBLE_EQ(1.0, p.GetDefault());
  EXPECT_DOUBLE_EQ(0.1, p.GetStep());
  EXPECT_EQ(1, p.GetDisplayPrecision());
  ASSERT_EQ(2, p.DisplayTextCount());
  int value = -1;
  EXPECT_STREQ("off", p.DisplayTextAt(0, &value));
  EXPECT_EQ(0, value);
  EXPECT_STREQ("on", p.DisplayTextAt(1, &value));
  EXPECT_EQ(1, value);
  EXPECT_STREQ("", p.DisplayTextAt(2, &value));
  EXPECT_STREQ("on", p.FindDisplayText(1));
  EXPECT_STREQ("", p.FindDisplayText(5));
}

TEST(IPlugParameter, FormatDisplay) {
  IPlugParameter p;
  p.SetUpDouble("p", 0.0, -10.0, 10.0, 1.0);
  char out[IPlugParameter::kMaxDisplayLength];
  p.FormatDisplay(-2.7, false, out, false);
  EXPECT_STREQ("-2", out);
  p.SetNegateDisplay(true);
  p.FormatDisplay(-2.7, false, out, false);
  EXPECT_STREQ("2", out);

  IPlugParameter gain;
  gain.SetUpDouble("Input", 0.0, -30.0, 12.0, 0.1, "dB");
  gain.FormatDisplay(0.5, true, out, false);  // normalised: -9 dB
  EXPECT_STREQ("-9.0", out);
  EXPECT_STREQ("dB", gain.UnitLabel());
  gain.FormatDisplay(1e300, false, out, false);  // absurd values stay inside the buffer
  EXPECT_LT(std::string(out).size(), static_cast<size_t>(IPlugParameter::kMaxDisplayLength));

  // A matching entry with an empty text ends the search: the number is shown.
  IPlugParameter texts;
  texts.SetUpDouble("t", 0.0, 0.0, 5.0, 1.0);
  texts.AddDisplayText(2, "");
  texts.AddDisplayText(2, "two");
  texts.AddDisplayText(3, "three");
  texts.FormatDisplay(2.0, false, out, true);
  EXPECT_STREQ("2", out);
  texts.FormatDisplay(3.9, false, out, true);
  EXPECT_STREQ("three", out);
  texts.FormatDisplay(3.0, false, out, false);
  EXPECT_STREQ("3", out);
}

TEST(IPlugParameter, NormalizeClampsToTheRange) {
  IPlugParameter p;
  p.SetUpDouble("p", 0.0, -30.0, 12.0, 0.1);
  EXPECT_DOUBLE_EQ(1.0, p.NormalizeValue(50.0));
  EXPECT_DOUBLE_EQ(0.0, p.NormalizeValue(-31.0));
  EXPECT_DOUBLE_EQ(0.0, p.NormalizeValue(std::numeric_limits<double>::quiet_NaN()));
}

TEST(IPlugParameter, DisplayTextLookupIsExact) {
  IPlugParameter p;
  p.SetUpBool("b", false);
  int value = -5;
  EXPECT_TRUE(p.ValueForDisplayText("on", &value));
  EXPECT_EQ(1, value);
  value = -5;
  EXPECT_FALSE(p.ValueForDisplayText("On", &value));
  EXPECT_EQ(-5, value);
  p.AddDisplayText(7, "a text far longer than thirty-one characters");
  EXPECT_EQ(std::string("a text far longer than thirty-o"), p.FindDisplayText(7));
}

// Hosts may send values outside [0, 1] or NaN: the parameter stays in range.
TEST(IPlugParameter, OutOfRangeNormalizedValuesAreClamped) {
  IPlugParameter p;
  p.SetUpDouble("p", 1.0, 0.0, 10.0, 0.01, "", "", 2.0);
  p.SetFromNormalized(1.5);
  EXPECT_DOUBLE_EQ(10.0, p.Value());
  p.SetFromNormalized(-0.5);  // unclamped, the shape would square this to +0.25
  EXPECT_DOUBLE_EQ(0.0, p.Value());
  p.SetFromNormalized(0.5);
  const double before = p.Value();
  p.SetFromNormalized(std::numeric_limits<double>::quiet_NaN());
  EXPECT_DOUBLE_EQ(before, p.Value());
}

TEST(IPlugParameter, RestoredValuesAreClampedAndNaNLoadsTheDefault) {
  IPlugParameter p;
  p.SetUpDouble("p", 4.0, 1.0, 5.0, 0.1);
  p.RestoreValue(9.0);
  EXPECT_DOUBLE_EQ(5.0, p.Value());
  p.RestoreValue(-9.0);
  EXPECT_DOUBLE_EQ(1.0, p.Value());
  p.RestoreValue(std::numeric_limits<double>::infinity());
  EXPECT_DOUBLE_EQ(5.0, p.Value());
  p.RestoreValue(-std::numeric_limits<double>::infinity());
  EXPECT_DOUBLE_EQ(1.0, p.Value());
  p.RestoreValue(std::numeric_limits<double>::quiet_NaN());
  EXPECT_DOUBLE_EQ(4.0, p.Value());
}

}  // namespace
