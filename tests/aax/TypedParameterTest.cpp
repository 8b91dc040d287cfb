// Typed host parameters: the set road through the automation delegate, the
// host-confirmed value, steps, shortened names, typed conversions and the
// assertions reported to the host.

#include "AAX_CBinaryDisplayDelegate.h"
#include "AAX_CBinaryTaperDelegate.h"
#include "AAX_CIPlugTaperDelegate.h"
#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"
#include "AAX_CParameter.h"
#include "AAX_CUnitDisplayDelegateDecorator.h"
#include "HostServicesFixture.h"
#include "RecordingAutomation.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>

namespace {

using testing::ElementsAre;
using testing::IsEmpty;

using DoubleParameter = std::unique_ptr<AAX_CParameter<double>, AAX_ParameterDeleter>;
using IntParameter = std::unique_ptr<AAX_CParameter<int32_t>, AAX_ParameterDeleter>;

// "file line condition" of every assertion the host received.
std::vector<std::string> Assertions(fakehost::Host& host) {
  std::vector<std::string> reports;
  for (const fakehost::Call& call : host.Calls())
    if (call.object == "services" && call.slot == 6)
      reports.push_back(call.args[0].text + " " + call.args[1].Text() + " " + call.args[2].text);
  return reports;
}

DoubleParameter Frequency(const char* id = "Freq") {
  return DoubleParameter(new AAX_CParameter<double>(
      id, "Frequency", 25.0, AAX_CIPlugTaperDelegate<double>(0.0, 100.0, 2.0),
      AAX_CUnitDisplayDelegateDecorator<double>(AAX_CNumberDisplayDelegate<double>(), "Hz"), true));
}

IntParameter Count(int32_t minValue = 0, int32_t maxValue = 10) {
  return IntParameter(new AAX_CParameter<int32_t>(
      "Count", "Count", 3, AAX_CLinearTaperDelegate<int32_t>(minValue, maxValue),
      AAX_CNumberDisplayDelegate<int32_t>(), true));
}

TEST(TypedParameter, StartsAtItsDefaultWith128Steps) {
  DoubleParameter freq = Frequency();
  EXPECT_DOUBLE_EQ(25.0, freq->Value());
  EXPECT_DOUBLE_EQ(0.5, freq->ReadNormalized());
  EXPECT_DOUBLE_EQ(0.5, freq->ReadDefaultNormalized());
  EXPECT_EQ(128, freq->StepCount());
  EXPECT_EQ(1, freq->Kind());
  EXPECT_EQ(0, freq->Direction());
  EXPECT_TRUE(freq->CanAutomate());
  EXPECT_STREQ("Freq", freq->IdString());
  EXPECT_STREQ("Frequency", freq->DisplayName().Get());

  std::unique_ptr<AAX_IParameterValue, AAX_ParameterValueDeleter> value(freq->NewValueObject());
  double read = 0.0;
  float asFloat = 0.0f;
  EXPECT_TRUE(value->GetValueAsDouble(&read));
  EXPECT_DOUBLE_EQ(25.0, read);
  EXPECT_FALSE(value->GetValueAsFloat(&asFloat));
  EXPECT_STREQ("Freq", value->Identifier());
}

TEST(TypedParameter, WithoutDelegateTheSetRoadAppliesAtOnce) {
  DoubleParameter freq = Frequency();
  freq->WriteNormalized(0.5);
  EXPECT_DOUBLE_EQ(25.0, freq->Value());
  EXPECT_TRUE(freq->AssignDouble(64.0));
  EXPECT_DOUBLE_EQ(0.8, freq->ReadNormalized());
  freq->ResetToDefault();
  EXPECT_DOUBLE_EQ(25.0, freq->Value());
  EXPECT_TRUE(freq->AssignFromText(AAX_CString("81Hz")));
  EXPECT_DOUBLE_EQ(81.0, freq->Value());
  EXPECT_FALSE(freq->AssignFromText(AAX_CString("Hz")));
  EXPECT_DOUBLE_EQ(81.0, freq->Value());
  // Conversions for another type answer false and leave the value alone.
  EXPECT_FALSE(freq->AssignInt(3));
  EXPECT_FALSE(freq->AssignBool(true));
  EXPECT_FALSE(freq->AssignFloat(1.0f));
  int32_t asInt = 5;
  EXPECT_FALSE(freq->ReadInt(&asInt));
  EXPECT_FALSE(freq->NormalizedToInt(0.5, &asInt));
  EXPECT_EQ(5, asInt);
  EXPECT_DOUBLE_EQ(81.0, freq->Value());
}

TEST(TypedParameter, WithDelegateTheSetRoadAsksTheHostAndWaits) {
  RecordingAutomation automation;
  DoubleParameter freq = Frequency();
  freq->AttachAutomation(&automation);
  freq->WriteNormalized(0.8);
  EXPECT_THAT(automation.calls,
              ElementsAre("attach Freq", "touch Freq", "request Freq 0.8", "release Freq"));
  EXPECT_DOUBLE_EQ(25.0, freq->Value());
  automation.calls.clear();

  freq->ApplyHostNormalized(0.8);
  EXPECT_DOUBLE_EQ(64.0, freq->Value());
  EXPECT_THAT(automation.calls, ElementsAre("report Freq 0.8"));
  automation.calls.clear();

  // The value already current: nothing happens, nothing is reported.
  freq->ApplyHostNormalized(0.8);
  EXPECT_THAT(automation.calls, IsEmpty());
  // After a new taper the same position applies again (the force flag).
  freq->AttachTaper(AAX_CIPlugTaperDelegate<double>(0.0, 100.0, 1.0), false);
  EXPECT_DOUBLE_EQ(80.0, freq->Value());
  EXPECT_THAT(automation.calls, ElementsAre("report Freq 0.8"));
  automation.calls.clear();
  freq->ApplyHostNormalized(0.8);
  EXPECT_THAT(automation.calls, IsEmpty());

  // Keeping the value instead asks the host for the position the new taper gives it.
  freq->AttachTaper(AAX_CIPlugTaperDelegate<double>(0.0, 100.0, 2.0), true);
  EXPECT_THAT(automation.calls, ElementsAre("touch Freq", "request Freq 0.894427", "release Freq"));
  automation.calls.clear();

  freq->AttachDisplay(AAX_CNumberDisplayDelegate<double>());
  EXPECT_THAT(automation.calls, ElementsAre("report Freq 0.894427"));
  freq->AttachTaper(AAX_CLinearTaperDelegate<int32_t>(0, 3), false);  // another type: ignored
  EXPECT_DOUBLE_EQ(80.0, freq->Value());
  automation.calls.clear();

  freq.reset();
  EXPECT_THAT(automation.calls, ElementsAre("detach Freq"));
}

TEST(TypedParameter, NonFiniteValuesNeverEnter) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  RecordingAutomation automation;
  DoubleParameter freq = Frequency();
  freq->AttachAutomation(&automation);
  automation.calls.clear();
  freq->ApplyHostNormalized(nan);
  freq->ApplyHostNormalized(inf);
  freq->WriteNormalized(nan);
  freq->WriteDefaultNormalized(nan);
  EXPECT_FALSE(freq->AssignDouble(nan));
  EXPECT_THAT(automation.calls, IsEmpty());
  EXPECT_DOUBLE_EQ(25.0, freq->Value());
  EXPECT_DOUBLE_EQ(25.0, freq->DefaultValue());
}

TEST(TypedParameter, StepsAndPositions) {
  DoubleParameter freq = Frequency();
  EXPECT_EQ(64, freq->NormalizedToStep(0.5));
  EXPECT_DOUBLE_EQ(1.0, freq->StepToNormalized(127));
  EXPECT_DOUBLE_EQ(1.0, freq->StepToNormalized(500));
  EXPECT_EQ(127, freq->NormalizedToStep(3.0));
  EXPECT_EQ(0, freq->NormalizedToStep(std::numeric_limits<double>::quiet_NaN()));
  EXPECT_EQ(64, freq->CurrentStep());
  freq->AssignStep(127);
  EXPECT_DOUBLE_EQ(100.0, freq->Value());

  freq->DefineStepCount(1);
  EXPECT_EQ(0, freq->NormalizedToStep(0.7));
  EXPECT_DOUBLE_EQ(0.0, freq->StepToNormalized(1));
  freq->AssignStep(0);
  EXPECT_DOUBLE_EQ(100.0, freq->Value());

  IntParameter flat = Count(3, 3);
  EXPECT_DOUBLE_EQ(0.5, flat->ReadNormalized());
  EXPECT_EQ(3, flat->Value());
  int32_t whole = 0;
  EXPECT_TRUE(flat->NormalizedToInt(0.9, &whole));
  EXPECT_EQ(3, whole);
  IntParameter count = Count();
  count->WriteNormalized(0.99);
  EXPECT_EQ(9, count->Value());
}

TEST(TypedParameter, ShortenedNamesPickTheLongestThatFits) {
  DoubleParameter freq = Frequency();
  EXPECT_STREQ("Frequency", freq->AbbreviatedNameAt(3).Get());  // none defined
  freq->AbbreviatedName(AAX_CString("Frq"));
  freq->AbbreviatedName(AAX_CString("Fr"));
  freq->AbbreviatedName(AAX_CString("Freq"));
  freq->AbbreviatedName(AAX_CString("Fq"));  // replaces "Fr"
  EXPECT_STREQ("Freq", freq->AbbreviatedNameAt(5).Get());
  EXPECT_STREQ("Frq", freq->AbbreviatedNameAt(3).Get());
  EXPECT_STREQ("Fq", freq->AbbreviatedNameAt(1).Get());
  EXPECT_STREQ("Frequency", freq->AbbreviatedNameAt(9).Get());
  EXPECT_STREQ("Frequency", freq->AbbreviatedNameAt(-1).Get());
  freq->ClearAbbreviations();
  EXPECT_STREQ("Frequency", freq->AbbreviatedNameAt(2).Get());
}

TEST(TypedParameter, TextsAndTypedConversions) {
  DoubleParameter freq = Frequency();
  AAX_CString text;
  EXPECT_TRUE(freq->NormalizedToTextOfLength(0.5, 8, &text));
  EXPECT_STREQ("25.00Hz", text.Get());
  EXPECT_TRUE(freq->NormalizedToTextOfLength(0.5, 6, &text));
  EXPECT_STREQ("25.00", text.Get());
  // The current value is shown in full whatever the length.
  EXPECT_TRUE(freq->FormatCurrentOfLength(2, &text));
  EXPECT_STREQ("25.00Hz", text.Get());
  double normalized = -1.0;
  EXPECT_TRUE(freq->TextToNormalized(AAX_CString("64 Hz"), &normalized));
  EXPECT_DOUBLE_EQ(0.8, normalized);
  EXPECT_FALSE(freq->TextToNormalized(AAX_CString("loud"), &normalized));
  EXPECT_DOUBLE_EQ(0.8, normalized);
  EXPECT_TRUE(freq->DoubleToNormalized(25.0, &normalized));
  EXPECT_DOUBLE_EQ(0.5, normalized);
  EXPECT_FALSE(freq->IntToNormalized(25, &normalized));
  EXPECT_FALSE(freq->CurrentValueText(nullptr));

  std::unique_ptr<AAX_CParameter<bool>, AAX_ParameterDeleter> bypass(new AAX_CParameter<bool>(
      "bypass", "Master Bypass", false, AAX_CBinaryTaperDelegate<bool>(),
      AAX_CBinaryDisplayDelegate<bool>("bypass", "on"), true));
  EXPECT_TRUE(bypass->AssignFromAAXString(AAX_CString("on")));
  EXPECT_TRUE(bypass->Value());
  bool flag = false;
  EXPECT_TRUE(bypass->ReadBool(&flag));
  EXPECT_TRUE(flag);
  EXPECT_TRUE(bypass->NormalizedToBool(0.0, &flag));
  EXPECT_FALSE(flag);
  AAX_CString shown;
  EXPECT_TRUE(bypass->CurrentValueText(&shown));
  EXPECT_STREQ("on", shown.Get());
}

TEST(TypedParameter, ReportsTooLongIdentifiersAndZeroSteps) {
  StartedHostServices services;
  const std::string longId(40, 'p');
  DoubleParameter freq = Frequency(longId.c_str());
  EXPECT_EQ(std::string(31, 'p'), freq->IdString());
  freq->DefineStepCount(0);
  EXPECT_EQ(128, freq->StepCount());
  freq->DefineStepCount(-1);
  EXPECT_EQ(-1, freq->StepCount());
  EXPECT_THAT(Assertions(services.Host()),
              ElementsAre("AAX_CParameter 193 len < eParemeterDefaultMaxIdentifierSize",
                          "AAX_CParameter 833 0 < numSteps"));
}

}  // namespace
