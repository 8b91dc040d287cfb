// The wrapper's construction, its host parameters and the road of values
// between host, plug-in and editor, and the creation procedure.

#include "AAX_CString.h"
#include "AAX_InterfaceIds.h"
#include "TestView.h"
#include "IPlugAAX_Create.h"
#include "WrapperTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

namespace aaxtest {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

// An editor that logs the values pushed into it ("index value n|p").
class LoggingGraphics : public vo::TestView {
public:
  explicit LoggingGraphics(std::vector<std::string>* log) : mLog(log) {}
  void SetParameterValueFromPlug(int index, double value, bool normalized) override {
    char text[64];
    std::snprintf(text, sizeof text, "%d %g %c", index, value, normalized ? 'n' : 'p');
    mLog->push_back(text);
  }
  void PrepareBackBuffers() override {}

private:
  std::vector<std::string>* mLog;
};

TEST(IPlugAAXConstruction, ConnectsEveryChannelAndAssumesTheHost) {
  Held<RecordingOndelino> plug(new RecordingOndelino);
  EXPECT_EQ(1, ACFModuleObjectCount.load());
  EXPECT_EQ(kApiAax, plug->GetApiId());
  EXPECT_EQ(kHostProTools, plug->GetHostId());
  EXPECT_EQ(0x00010200, plug->GetHostVersion());
  EXPECT_EQ(1024, plug->GetBlockFrames());
  for (int c = 0; c < 2; ++c) {
    EXPECT_TRUE(plug->IsInChannelConnected(c));
    EXPECT_TRUE(plug->IsOutChannelConnected(c));
  }
  ASSERT_NE(nullptr, plug->GetLatencyDelay());
  EXPECT_EQ(0, plug->GetLatencyDelay()->Length());
  EXPECT_EQ(nullptr, plug->BypassParameter());
  EXPECT_EQ(nullptr, plug->ParamHostId(0));
  plug.Release();
  EXPECT_EQ(0, ACFModuleObjectCount.load());
}

TEST(IPlugAAXConstruction, APlugInWithoutInputsHasNoBypassDelay) {
  TestPlugConfig config;
  config.channelIO = "0-2";
  Held<TestAaxPlug> plug(new TestAaxPlug(config));
  EXPECT_EQ(0, plug->NInChannels());
  EXPECT_EQ(nullptr, plug->GetLatencyDelay());
}

class WrapperParameters : public testing::Test {
protected:
  void SetUp() override {
    plug->ConnectGraphics(new LoggingGraphics(&editor));
    ASSERT_EQ(AAX_SUCCESS, plug->BindController(host.ControllerUnknown()));
    editor.clear();
    host.Host().ClearTranscript();
  }
  void TearDown() override {
    plug.Release();
    EXPECT_EQ(0, host.controller.Outstanding());
  }
  int32_t ChangeCount() {
    int32_t count = -1;
    plug->GetChangeCount(&count);
    return count;
  }
  AAX_IParameter* Parameter(const char* id) {
    AAX_IParameter* parameter = nullptr;
    plug->FindParameter(id, &parameter);
    return parameter;
  }

  WrapperHost host;
  Held<RecordingOndelino> plug{new RecordingOndelino};
  std::vector<std::string> editor;
};

TEST_F(WrapperParameters, BindingMakesTheBypassAndTwelveHostParameters) {
  int32_t count = 0;
  plug->CountParameters(&count);
  EXPECT_EQ(13, count);
  AAX_CString bypassId("unset");
  plug->GetBypassParameterId(&bypassId);
  EXPECT_EQ("", bypassId.StdString());

  const AAX_CParameter<bool>* bypass = plug->BypassParameter();
  ASSERT_NE(nullptr, bypass);
  EXPECT_STREQ("", bypass->IdString());
  EXPECT_EQ("Master Bypass", bypass->DisplayName().StdString());
  EXPECT_EQ(2, bypass->StepCount());
  EXPECT_EQ(0, bypass->Kind());
  EXPECT_TRUE(bypass->CanAutomate());

  EXPECT_STREQ("1", plug->ParamHostId(0));
  EXPECT_STREQ("12", plug->ParamHostId(11));
  EXPECT_EQ(nullptr, plug->ParamHostId(12));

  // A switch is a number with two steps and no unit.
  AAX_IParameter* oversample = Parameter("1");
  ASSERT_NE(nullptr, oversample);
  EXPECT_EQ(2, oversample->StepCount());
  EXPECT_EQ(1, oversample->Kind());
  AAX_CString text;
  EXPECT_TRUE(oversample->NormalizedToText(1.0, &text));
  EXPECT_EQ("1.00", text.StdString());
  double value = 0.0;
  EXPECT_TRUE(oversample->NormalizedToDouble(1.0, &value));

  AAX_IParameter* input = Parameter("2");
  ASSERT_NE(nullptr, input);
  EXPECT_EQ(128, input->StepCount());
  EXPECT_DOUBLE_EQ(30.0 / 42.0, input->ReadDefaultNormalized());
  EXPECT_TRUE(input->NormalizedToTextOfLength(0.5, 8, &text));
  EXPECT_EQ("-9.00dB", text.StdString());
  EXPECT_EQ("Input", input->DisplayName().StdString());

  // Binding takes the host's rate and resets once; no parameter changes.
  EXPECT_DOUBLE_EQ(48000.0, plug->GetSampleRate());
  EXPECT_EQ(1, plug->record.resets);
  EXPECT_THAT(plug->record.changes, IsEmpty());
}

TEST_F(WrapperParameters, ARateTheHostCannotStateKeepsTheOldOne) {
  for (float rate : {0.0f, -44100.0f, std::numeric_limits<float>::quiet_NaN()}) {
    host.sampleRate = rate;
    ASSERT_EQ(AAX_SUCCESS, plug->BindController(host.ControllerUnknown()));
    EXPECT_DOUBLE_EQ(48000.0, plug->GetSampleRate()) << rate;
  }
}

TEST_F(WrapperParameters, AnAppliedValueSetsTheParameterAndItsControls) {
  EXPECT_EQ(AAX_SUCCESS, plug->ApplyParameterNormalized("7", 0.5));
  EXPECT_DOUBLE_EQ(1.05, plug->GetParam(6)->Value());
  EXPECT_THAT(plug->record.changes, ElementsAre(std::make_pair(6, 1)));
  EXPECT_THAT(editor, ElementsAre("6 0.5 n"));
  EXPECT_DOUBLE_EQ(0.5, Parameter("7")->ReadNormalized());
  EXPECT_EQ(1, ChangeCount());
  // The same value again still counts as a change for the host.
  EXPECT_EQ(AAX_SUCCESS, plug->ApplyParameterNormalized("7", 0.5));
  EXPECT_EQ(2, ChangeCount());
  EXPECT_EQ(2u, plug->record.changes.size());
}

TEST_F(WrapperParameters, TheBypassChangesOnlyTheHostSide) {
  EXPECT_EQ(AAX_SUCCESS, plug->ApplyParameterNormalized("", 1.0));
  bool bypassed = false;
  EXPECT_TRUE(plug->BypassParameter()->ReadBool(&bypassed));
  EXPECT_TRUE(bypassed);
  EXPECT_THAT(plug->record.changes, IsEmpty());
  EXPECT_THAT(editor, IsEmpty());
  EXPECT_EQ(1, ChangeCount());
}

TEST_F(WrapperParameters, UnknownIdentifiersAreRefused) {
  for (const char* id : {"13", "0", "Input", "x"})
    EXPECT_EQ(AAX_ERROR_INVALID_PARAMETER_ID, plug->ApplyParameterNormalized(id, 0.5)) << id;
  EXPECT_EQ(AAX_ERROR_INVALID_PARAMETER_ID, plug->ApplyParameterNormalized(nullptr, 0.5));
  EXPECT_THAT(plug->record.changes, IsEmpty());
  EXPECT_EQ(0, ChangeCount());
}

TEST_F(WrapperParameters, HostValuesAreClampedAndNaNIsIgnored) {
  EXPECT_EQ(AAX_SUCCESS, plug->ApplyParameterNormalized("2", 7.0));
  EXPECT_DOUBLE_EQ(12.0, plug->GetParam(1)->Value());
  EXPECT_DOUBLE_EQ(1.0, Parameter("2")->ReadNormalized());
  EXPECT_EQ(AAX_SUCCESS, plug->ApplyParameterNormalized("2", -std::numeric_limits<double>::infinity()));
  EXPECT_DOUBLE_EQ(-30.0, plug->GetParam(1)->Value());
  EXPECT_THAT(editor, ElementsAre("1 1 n", "1 0 n"));

  plug->record.changes.clear();
  EXPECT_EQ(AAX_SUCCESS, plug->ApplyParameterNormalized("2", std::numeric_limits<double>::quiet_NaN()));
  EXPECT_DOUBLE_EQ(-30.0, plug->GetParam(1)->Value());
  EXPECT_DOUBLE_EQ(0.0, Parameter("2")->ReadNormalized());
  EXPECT_THAT(plug->record.changes, IsEmpty());
  EXPECT_EQ(2, ChangeCount());
}

TEST_F(WrapperParameters, EditorGesturesAskTheHost) {
  plug->BeginInformHostOfParamChange(3);
  plug->SetParameterFromGUI(3, 0.7);
  plug->EndInformHostOfParamChange(3);
  EXPECT_THAT(host.Calls("automation"),
              ElementsAre("controller.automation[7](\"4\")", "controller.automation[7](\"4\")",
                          "controller.automation[5](\"4\", 0.7)", "controller.automation[8](\"4\")",
                          "controller.automation[8](\"4\")"));
  // The plug-in took the value at once; the host parameter waits for the host.
  EXPECT_DOUBLE_EQ(70.0, plug->GetParam(3)->Value());
  EXPECT_THAT(plug->record.changes, ElementsAre(std::make_pair(3, 3)));
  EXPECT_DOUBLE_EQ(0.5, Parameter("4")->ReadNormalized());
}

TEST_F(WrapperParameters, AStateChangeCounts) {
  plug->MarkStateChanged();
  EXPECT_EQ(1, ChangeCount());
}

TEST_F(WrapperParameters, BindingAgainRebuildsTheHostParameters) {
  ASSERT_EQ(AAX_SUCCESS, plug->BindController(host.ControllerUnknown()));
  int32_t count = 0;
  plug->CountParameters(&count);
  EXPECT_EQ(13, count);
  EXPECT_NE(nullptr, plug->BypassParameter());
  EXPECT_STREQ("1", plug->ParamHostId(0));
  // The identifiers are made anew, not appended to the first binding's.
  EXPECT_STREQ("12", plug->ParamHostId(11));
  EXPECT_EQ(nullptr, plug->ParamHostId(12));
}

TEST_F(WrapperParameters, UnbindingAndAFailedBindingLeaveNoBypass) {
  EXPECT_EQ(AAX_SUCCESS, plug->UnbindController());
  EXPECT_EQ(nullptr, plug->BypassParameter());
  host.controller.Withhold(fakehost::ids::HostObjectFactory());
  EXPECT_EQ(fakehost::kNoInterface, plug->BindController(host.ControllerUnknown()));
  EXPECT_EQ(nullptr, plug->BypassParameter());
  int32_t count = -1;
  plug->CountParameters(&count);
  EXPECT_EQ(0, count);
}

// --- the creation procedure ---------------------------------------------------

IPlugAAX* MakeTestPlug() { return new TestAaxPlug; }
IPlugAAX* MakeNothing() { return nullptr; }
IPlugAAX* ThrowStandard() { throw std::runtime_error("no memory for the editor"); }
IPlugAAX* ThrowOther() { throw 7; }

// A plug-in whose construction fails half-way, after the wrapper is built.
class FailingPlug : public TestAaxPlug {
public:
  FailingPlug() { throw std::runtime_error("images missing"); }
};
IPlugAAX* MakeFailingPlug() { return new FailingPlug; }

TEST(CreateEffectParameters, HandsTheHostAnUncountedInterface) {
  IACFUnknown* created = CreateEffectParametersWith(&MakeTestPlug);
  ASSERT_NE(nullptr, created);
  void* effect = nullptr;
  EXPECT_EQ(ACF_OK, created->QueryInterface(AAX_IID_EffectParameters, &effect));
  EXPECT_EQ(created, effect);
  EXPECT_EQ(1, ACFModuleObjectCount.load());
  EXPECT_EQ(0u, created->Release());
  EXPECT_EQ(0, ACFModuleObjectCount.load());
  EXPECT_EQ(nullptr, CreateEffectParametersWith(&MakeNothing));
  EXPECT_EQ(nullptr, CreateEffectParametersWith(nullptr));
}

TEST(CreateEffectParameters, AConstructionThatThrowsAnswersNull) {
  StartedHostServices services;
  EXPECT_EQ(nullptr, CreateEffectParametersWith(&ThrowStandard));
  EXPECT_EQ(nullptr, CreateEffectParametersWith(&ThrowOther));
  EXPECT_EQ(nullptr, CreateEffectParametersWith(&MakeFailingPlug));
  EXPECT_EQ(0, ACFModuleObjectCount.load());
  EXPECT_THAT(services.Traces(),
              ElementsAre("134217728 CreateEffectParameters exception caught: no memory for the editor",
                          "134217728 CreateEffectParameters exception caught: unknown",
                          "134217728 CreateEffectParameters exception caught: images missing"));
}

}  // namespace
}  // namespace aaxtest
