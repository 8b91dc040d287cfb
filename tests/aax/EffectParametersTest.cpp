// The effect-parameters base in process: bound to a simulated controller,
// with the test object's bool, int and double parameters. The host-side
// round trips through the slot tables are in tools/aax_test_host.

#include "AAX_CString.h"
#include "AAX_HostChunk.h"
#include "AAX_InterfaceIds.h"
#include "AAX_VController.h"
#include "FakeHost.h"
#include "HostObjects.h"
#include "HostServicesFixture.h"
#include "TestEffectParameters.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <vector>

namespace {

using testing::ElementsAre;
using testing::IsEmpty;

// A host chunk record with room for size data bytes.
struct ChunkRecord {
  explicit ChunkRecord(uint32_t size) : words((kAAX_HostChunkDataOffset + size) / 8 + 2, 0) {}
  AAX_HostChunk* Get() { return reinterpret_cast<AAX_HostChunk*>(words.data()); }
  std::vector<uint64_t> words;
};

// Claims one parameter more than its table holds, as a faulty subclass might.
class OvercountingEffect final : public TestEffectParameters {
public:
  AAX_ResultCode CountParameters(int32_t* count) override {
    const AAX_ResultCode result = TestEffectParameters::CountParameters(count);
    *count += 1;
    return result;
  }
};

class EffectParametersTest : public testing::Test {
protected:
  EffectParametersTest() : controller(fakehost::MakeController(services.Host())) {}

  void SetUp() override {
    effect->AddRef();
    ASSERT_EQ(AAX_SUCCESS, effect->BindController(Unknown()));
    services.Host().ClearTranscript();
  }
  void TearDown() override {
    EXPECT_EQ(0u, effect->Release());
    // Every controller reference given back (the services stay started).
    EXPECT_EQ(0, controller.Outstanding());
    EXPECT_EQ(0, ACFModuleObjectCount.load());
  }

  IACFUnknown* Unknown() { return static_cast<IACFUnknown*>(controller.Interface("unknown")); }
  AAX_IParameter* Parameter(const char* id) { return effect->ParameterTable().Find(id); }
  double Read(const char* id) {
    double value = -1.0;
    EXPECT_EQ(AAX_SUCCESS, effect->ReadParameterNormalized(id, &value));
    return value;
  }
  int32_t ChangeCount() {
    int32_t count = -1;
    effect->GetChangeCount(&count);
    return count;
  }
  // Saves the controls chunk as the host does.
  ChunkRecord Save() {
    uint32_t size = 0;
    EXPECT_EQ(AAX_SUCCESS, effect->GetStateChunkSize(kAAX_ControlsChunkId, &size));
    ChunkRecord chunk(size);
    EXPECT_EQ(AAX_SUCCESS, effect->SaveStateChunk(kAAX_ControlsChunkId, chunk.Get()));
    chunk.Get()->chunkId = kAAX_ControlsChunkId;
    return chunk;
  }
  // "file line condition" of every assertion the host received.
  std::vector<std::string> Assertions() {
    std::vector<std::string> reports;
    for (const fakehost::Call& call : services.Host().Calls())
      if (call.object == "services" && call.slot == 6)
        reports.push_back(call.args[0].text + " " + call.args[1].Text() + " " + call.args[2].text);
    return reports;
  }

  StartedHostServices services;
  fakehost::Object& controller;
  TestEffectParameters* effect = new TestEffectParameters;
};

TEST_F(EffectParametersTest, FindsParametersByIdentifierAndPosition) {
  int32_t index = -1;
  EXPECT_EQ(AAX_SUCCESS, effect->IndexOfParameterId("Switch", &index));
  EXPECT_EQ(3, index);
  EXPECT_EQ(AAX_ERROR_INVALID_PARAMETER_ID, effect->IndexOfParameterId(nullptr, &index));
  EXPECT_EQ(-1, index);
  AAX_CString text("stale");
  EXPECT_EQ(AAX_ERROR_INVALID_PARAMETER_ID, effect->ParameterIdAt(4, &text));
  EXPECT_STREQ("", text.Get());
  EXPECT_EQ(AAX_SUCCESS, effect->GetBypassParameterId(&text));
  EXPECT_STREQ("MasterBypassID", text.Get());
  EXPECT_NE(nullptr, effect->Controller());
  EXPECT_EQ(AAX_ERROR_NULL_ARGUMENT, effect->CountParameters(nullptr));
}

TEST_F(EffectParametersTest, TitleOfLengthPicksTheLongestLineThatFits) {
  AAX_CString title;
  const std::vector<std::pair<int32_t, const char*>> cases = {
      {5, "Freq"}, {2, "F"}, {9, "Frequency"}, {0, ""}, {-3, ""}, {300, "Frequency"}};
  for (const auto& c : cases) {
    ASSERT_EQ(AAX_SUCCESS, effect->GetParameterTitleOfLength("Freq", &title, c.first));
    EXPECT_STREQ(c.second, title.Get()) << c.first;
  }
  EXPECT_EQ(AAX_SUCCESS, effect->GetParameterTitleOfLength("Count", &title, 2));
  EXPECT_STREQ("Co", title.Get());
  Parameter("Count")->AbbreviatedName(AAX_CString("Nr\nN"));
  EXPECT_EQ(AAX_SUCCESS, effect->GetParameterTitleOfLength("Count", &title, 2));
  EXPECT_STREQ("Nr", title.Get());
  Parameter("Count")->AssignName(AAX_CString(""));
  title = "kept";
  EXPECT_EQ(AAX_SUCCESS, effect->GetParameterTitleOfLength("Count", &title, 9));
  EXPECT_STREQ("kept", title.Get());
  EXPECT_EQ(AAX_SUCCESS, effect->GetParameterTitleOfLength("Nope", &title, 9));
  EXPECT_STREQ("", title.Get());
}

TEST_F(EffectParametersTest, NegativeStepCountsAreRefused) {
  Parameter("Count")->DefineStepCount(-1);
  int32_t steps = 77;
  EXPECT_EQ(AAX_ERROR_SIGNED_INT_OVERFLOW, effect->GetParameterStepCount("Count", &steps));
  EXPECT_EQ(77, steps);
}

TEST_F(EffectParametersTest, DeltasClampAndAppliedChangesCount) {
  ASSERT_EQ(AAX_SUCCESS, effect->ApplyParameterNormalized("Count", 0.9));
  EXPECT_EQ(1, ChangeCount());
  ASSERT_EQ(AAX_SUCCESS, effect->ApplyParameterNormalized("Count", 0.9));
  EXPECT_EQ(1, ChangeCount());
  services.Host().ClearTranscript();
  EXPECT_EQ(AAX_SUCCESS, effect->RequestParameterNormalizedDelta("Count", 0.3));
  ASSERT_EQ(AAX_SUCCESS, effect->ApplyParameterNormalized("Count", 0.1));
  EXPECT_EQ(AAX_SUCCESS, effect->RequestParameterNormalizedDelta("Count", -0.5));
  std::vector<std::string> requests;
  for (const std::string& line : services.Host().Lines("controller"))
    if (line.find("automation[5]") != std::string::npos) requests.push_back(line);
  EXPECT_THAT(requests, ElementsAre("controller.automation[5](\"Count\", 1)",
                                    "controller.automation[5](\"Count\", 0)"));
  EXPECT_EQ(AAX_ERROR_INVALID_PARAMETER_ID, effect->RequestParameterNormalizedDelta("Nope", 0.1));

  // A host value that is not a number changes nothing but still counts.
  EXPECT_EQ(AAX_SUCCESS,
            effect->ApplyParameterNormalized("Freq", std::numeric_limits<double>::quiet_NaN()));
  EXPECT_DOUBLE_EQ(0.5, Read("Freq"));
  EXPECT_EQ(3, ChangeCount());
}

TEST_F(EffectParametersTest, ChunkOperationsRefuseWrongIndicesIdsAndOrder) {
  uint32_t id = 9;
  EXPECT_EQ(AAX_ERROR_INVALID_CHUNK_INDEX, effect->StateChunkIdAt(1, &id));
  EXPECT_EQ(0u, id);
  ChunkRecord chunk(64);
  EXPECT_EQ(AAX_ERROR_INCORRECT_CHUNK_SIZE, effect->SaveStateChunk(kAAX_ControlsChunkId, chunk.Get()));
  uint32_t size = 0;
  ASSERT_EQ(AAX_SUCCESS, effect->GetStateChunkSize(kAAX_ControlsChunkId, &size));
  EXPECT_EQ(48u, size);
  // The state grew between the size and the save.
  effect->ParameterTable().Add(new AAX_CParameter<double>(
      "Late", "Late", 1.0, AAX_CIPlugTaperDelegate<double>(0.0, 2.0, 1.0),
      AAX_CNumberDisplayDelegate<double>(), true));
  EXPECT_EQ(AAX_ERROR_INCORRECT_CHUNK_SIZE, effect->SaveStateChunk(kAAX_ControlsChunkId, chunk.Get()));
  EXPECT_EQ(AAX_ERROR_INVALID_CHUNK_ID, effect->SaveStateChunk(1, chunk.Get()));
  EXPECT_EQ(AAX_ERROR_INVALID_CHUNK_ID, effect->LoadStateChunk(1, chunk.Get()));
  EXPECT_EQ(AAX_ERROR_INVALID_CHUNK_ID, effect->GetStateChunkSize(1, &size));
  EXPECT_EQ(0u, size);
}

TEST_F(EffectParametersTest, ComparesWithinFloatPrecision) {
  ChunkRecord saved = Save();
  bool equal = false;
  ASSERT_EQ(AAX_SUCCESS, effect->ApplyParameterNormalized("Freq", 0.5 + 1e-12));
  EXPECT_NE(0.5, Read("Freq"));
  EXPECT_EQ(AAX_SUCCESS, effect->CompareStateChunk(saved.Get(), &equal));
  EXPECT_TRUE(equal);
  ASSERT_EQ(AAX_SUCCESS, effect->ApplyParameterNormalized("Freq", 0.51));
  EXPECT_EQ(AAX_SUCCESS, effect->CompareStateChunk(saved.Get(), &equal));
  EXPECT_FALSE(equal);
  // The bypass is not part of the state.
  ASSERT_EQ(AAX_SUCCESS, effect->ApplyParameterNormalized("Freq", 0.5));
  ASSERT_EQ(AAX_SUCCESS, effect->ApplyParameterNormalized("MasterBypassID", 1.0));
  EXPECT_EQ(AAX_SUCCESS, effect->CompareStateChunk(saved.Get(), &equal));
  EXPECT_TRUE(equal);
  // A chunk without entries misses every parameter.
  ChunkRecord empty(8);
  empty.Get()->chunkId = kAAX_ControlsChunkId;
  EXPECT_EQ(AAX_SUCCESS, effect->CompareStateChunk(empty.Get(), &equal));
  EXPECT_FALSE(equal);
}

TEST_F(EffectParametersTest, LoadingWhileUnboundAppliesAtOnceAndSkipsNonFiniteValues) {
  ChunkRecord saved = Save();
  // Freq's stored double (after "d_Freq\0\0" at data offset 4) made NaN.
  unsigned char* data = AAX_HostChunkData(saved.Get());
  const unsigned char nan[8] = {0x7F, 0xF8, 0, 0, 0, 0, 0, 0};
  std::memcpy(data + 12, nan, sizeof nan);

  effect->UnbindController();
  AAX_CEffectParameters& base = *effect;
  EXPECT_EQ(AAX_SUCCESS, base.SetUpParameters());  // parameters without a host delegate
  ASSERT_EQ(AAX_SUCCESS, effect->ApplyParameterNormalized("Freq", 1.0));
  ASSERT_EQ(AAX_SUCCESS, effect->ApplyParameterNormalized("Count", 1.0));
  ASSERT_EQ(AAX_SUCCESS, effect->ApplyParameterNormalized("Switch", 0.0));
  EXPECT_EQ(AAX_SUCCESS, effect->LoadStateChunk(kAAX_ControlsChunkId, saved.Get()));
  EXPECT_DOUBLE_EQ(1.0, Read("Freq"));
  EXPECT_DOUBLE_EQ(0.3, Read("Count"));
  EXPECT_DOUBLE_EQ(1.0, Read("Switch"));
}

TEST_F(EffectParametersTest, SavedChunkRoundTripsThroughASecondObject) {
  ASSERT_EQ(AAX_SUCCESS, effect->ApplyParameterNormalized("Freq", 0.8));
  ChunkRecord saved = Save();
  EXPECT_STREQ("Complete Controls State", saved.Get()->name);

  auto* second = new TestEffectParameters;
  second->AddRef();
  ASSERT_EQ(AAX_SUCCESS, second->BindController(Unknown()));
  bool equal = true;
  EXPECT_EQ(AAX_SUCCESS, second->CompareStateChunk(saved.Get(), &equal));
  EXPECT_FALSE(equal);
  EXPECT_EQ(AAX_SUCCESS, second->LoadStateChunk(kAAX_ControlsChunkId, saved.Get()));
  ASSERT_EQ(AAX_SUCCESS, second->ApplyParameterNormalized("Freq", 0.8));  // the host answers
  EXPECT_EQ(AAX_SUCCESS, second->CompareStateChunk(saved.Get(), &equal));
  EXPECT_TRUE(equal);
  EXPECT_EQ(0u, second->Release());
}

TEST_F(EffectParametersTest, PreviewNotificationNeedsAPreviewSwitch) {
  const uint32_t on = 1;
  EXPECT_EQ(AAX_SUCCESS, effect->OnHostNotification(kAAX_PreviewNotification, &on, 4));
  EXPECT_THAT(services.Host().Lines("controller"), IsEmpty());
}

TEST_F(EffectParametersTest, InitPrivateDataZeroesOnlyTheBlock) {
  unsigned char block[8] = {1, 2, 3, 4, 5, 6, 7, 8};
  EXPECT_EQ(AAX_SUCCESS, effect->InitPrivateData(8, block, 6));
  EXPECT_EQ(0, block[5]);
  EXPECT_EQ(7, block[6]);
  EXPECT_EQ(AAX_SUCCESS, effect->InitPrivateData(8, block, -6));
  EXPECT_EQ(AAX_SUCCESS, effect->InitPrivateData(8, nullptr, 6));
  EXPECT_EQ(7, block[6]);
}

TEST(EffectParametersBinding, NullEntriesAreReportedAndSkipped) {
  StartedHostServices services;
  fakehost::Object& controller = fakehost::MakeController(services.Host());
  auto* effect = new OvercountingEffect;
  effect->AddRef();
  ASSERT_EQ(AAX_SUCCESS,
            effect->BindController(static_cast<IACFUnknown*>(controller.Interface("unknown"))));
  uint32_t size = 0;
  EXPECT_EQ(AAX_SUCCESS, effect->GetStateChunkSize(kAAX_ControlsChunkId, &size));
  ChunkRecord chunk(size);
  EXPECT_EQ(AAX_SUCCESS, effect->SaveStateChunk(kAAX_ControlsChunkId, chunk.Get()));
  chunk.Get()->chunkId = kAAX_ControlsChunkId;
  bool equal = false;
  EXPECT_EQ(AAX_SUCCESS, effect->CompareStateChunk(chunk.Get(), &equal));
  EXPECT_TRUE(equal);
  EXPECT_EQ(AAX_SUCCESS, effect->LoadStateChunk(kAAX_ControlsChunkId, chunk.Get()));
  std::vector<std::string> reports;
  for (const fakehost::Call& call : services.Host().Calls())
    if (call.object == "services" && call.slot == 6)
      reports.push_back(call.args[1].Text() + " " + call.args[2].text);
  EXPECT_THAT(reports, ElementsAre("815 NULL != parameter", "815 NULL != parameter",
                                   "667 NULL != parameter"));
  EXPECT_EQ(0u, effect->Release());
  EXPECT_EQ(0, controller.Outstanding());
}

TEST(EffectParametersBinding, ABindingFailureLeavesNothingBehind) {
  StartedHostServices services;
  fakehost::Object& controller = fakehost::MakeController(services.Host());
  controller.Withhold(fakehost::MakeGuid("{382B6A96-7FD0-11D6-BCFE-00306542A024}"));
  auto* effect = new TestEffectParameters;
  effect->AddRef();
  EXPECT_EQ(ACF_NO_INTERFACE,
            effect->BindController(static_cast<IACFUnknown*>(controller.Interface("unknown"))));
  EXPECT_EQ(nullptr, effect->Controller());
  EXPECT_EQ(0, effect->ParameterTable().Count());
  EXPECT_EQ(0, controller.Outstanding());
  EXPECT_EQ(0u, effect->Release());
  EXPECT_EQ(0, controller.Outstanding());
}

TEST(EffectParametersBinding, BindingWithoutAHostObjectStillSetsUp) {
  auto* effect = new TestEffectParameters;
  effect->AddRef();
  EXPECT_EQ(AAX_SUCCESS, effect->BindController(nullptr));
  int32_t count = 0;
  effect->CountParameters(&count);
  EXPECT_EQ(4, count);
  // The delegate proxy holds no host interface: a request goes nowhere, the
  // host's own values still apply.
  EXPECT_EQ(AAX_SUCCESS, effect->RequestParameterNormalized("Count", 0.7));
  double value = 0.0;
  effect->ReadParameterNormalized("Count", &value);
  EXPECT_DOUBLE_EQ(0.3, value);
  EXPECT_EQ(AAX_SUCCESS, effect->ApplyParameterNormalized("Count", 0.7));
  effect->ReadParameterNormalized("Count", &value);
  EXPECT_DOUBLE_EQ(0.7, value);
  EXPECT_EQ(AAX_ERROR_NULL_OBJECT, effect->Controller()->ReportLatency(3));
  EXPECT_EQ(0u, effect->Release());
}

}  // namespace
