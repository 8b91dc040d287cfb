// Host scenarios for typed host parameters and the effect-parameters base:
// the host creates the test module's effect-parameters object, binds it to
// its controller and drives it slot by slot, with host strings for every
// text and host chunk records for the state. Skipped for modules without
// the creation hook.
//
// The test object's parameters: "MasterBypassID" (bool), "Freq" (double
// 0..100, shape 2, default 25, "Hz"), "Count" (int 0..10, default 3, "st"),
// "Switch" (bool, default on).

#include "EntryPoints.h"
#include "FakeHost.h"
#include "HostIds.h"
#include "HostObjects.h"
#include "HostString.h"
#include "PluginCalls.h"
#include "SlotTables.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace fakehost {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

// Slots of the effect-parameters interface.
enum Slot : int {
  kBind = 3, kUnbind = 4, kNotify = 5, kCount = 6, kBypassId = 7, kAutomatable = 8,
  kStepCount = 9, kTitle = 10, kTitleOfLength = 11, kReadDefault = 12, kWriteDefault = 13,
  kKind = 14, kDirection = 15, kFind = 16, kIndexOf = 17, kIdAt = 18, kValueDetails = 19,
  kParse = 20, kFormat = 21, kFormatCurrent = 22, kRead = 23, kRequest = 24, kRequestDelta = 25,
  kBeginGesture = 26, kEndGesture = 27, kApply = 29, kApplyDelta = 30, kFlush = 31,
  kInitPrivate = 32, kCountChunks = 33, kChunkIdAt = 34, kChunkSize = 35, kSave = 36, kLoad = 37,
  kCompare = 38, kChangeCount = 39, kBuildPageTable = 50
};

constexpr int32_t kInvalidParameterId = -20001;
constexpr int32_t kInvalidStringConversion = -20002;
constexpr int32_t kInvalidChunkIndex = -20006;
constexpr int32_t kInvalidChunkId = -20007;
constexpr int32_t kIncorrectChunkSize = -20008;
constexpr int32_t kUnimplemented = -20009;
constexpr int32_t kNotInitialized = -20011;
constexpr int32_t kUnknownException = -20042;
constexpr uint32_t kControlsChunk = 0x656C636Bu;  // 'elck'
// A null pointer argument as the host passes one.
void* const kNull = nullptr;

// The host's chunk record: size, version, three header words, identifier,
// 32-byte name, then the data from byte 56.
class HostChunk {
public:
  explicit HostChunk(uint32_t dataSize) : mWords((56 + dataSize + 7) / 8 + 1, 0) {}
  void* Record() { return mWords.data(); }
  unsigned char* Bytes() { return reinterpret_cast<unsigned char*>(mWords.data()); }
  int32_t Word(int offset) {
    int32_t value;
    std::memcpy(&value, Bytes() + offset, 4);
    return value;
  }
  void SetWord(int offset, int32_t value) { std::memcpy(Bytes() + offset, &value, 4); }
  int32_t Size() { return Word(0); }
  int32_t Version() { return Word(4); }
  std::string Name() { return std::string(reinterpret_cast<const char*>(Bytes() + 24)); }
  const unsigned char* Data() { return Bytes() + 56; }

private:
  std::vector<uint64_t> mWords;
};

class EffectParametersHost : public testing::Test {
protected:
  void SetUp() override {
    Module& module = ModuleUnderTest();
    ASSERT_TRUE(module.Loaded()) << module.Error();
    create = reinterpret_cast<void* (*)(int32_t)>(module.Symbol("VoTest_CreateEffectParameters"));
    if (!create) GTEST_SKIP() << "the module has no effect-parameters object";
    std::string missing;
    ASSERT_TRUE(entry.Resolve(module, &missing)) << "missing exports: " << missing;
    Object& hostUnknown = MakeHostUnknown(host);
    MakeHostServices(host);
    ASSERT_EQ(0, entry.startup(hostUnknown.Interface("unknown")));
    controller = &MakeController(host);
    RegisterPageTables(host);
  }

  void TearDown() override {
    if (!create) return;
    if (effect) {
      EXPECT_EQ(0u, PluginRelease(effect));
      effect = nullptr;
    }
    EXPECT_EQ(0, entry.canUnloadNow(nullptr));
    entry.shutdown(nullptr);
    EXPECT_THAT(host.LedgerProblems(), IsEmpty());
  }

  // Creates the object and holds it through its effect-parameters interface.
  void Create(int32_t variant = 0) {
    void* created = create(variant);
    ASSERT_EQ(0, PluginQuery(created, ids::EffectParameters(), &effect));
    ASSERT_EQ(created, effect);
  }

  void CreateAndBind() {
    Create();
    ASSERT_EQ(0, Bind());
    host.ClearTranscript();
  }

  int32_t Bind() { return Invoke(kBind, controller->Interface("unknown")); }

  template <typename... A>
  int32_t Invoke(int slot, A... args) {
    return CallPluginSlot<int32_t>(effect, slot, args...);
  }

  double Read(const char* id) {
    double value = -1.0;
    EXPECT_EQ(0, Invoke(kRead, id, &value));
    return value;
  }

  std::string CurrentText(const char* id) {
    HostString text(host, "text");
    EXPECT_EQ(0, Invoke(kFormatCurrent, id, text.Interface(), int32_t{32}));
    return text.Text();
  }

  int32_t ChangeCount() {
    int32_t count = -1;
    EXPECT_EQ(0, Invoke(kChangeCount, &count));
    return count;
  }

  // Saves the state as the host does: size first, then the chunk.
  HostChunk Save() {
    uint32_t size = 0;
    EXPECT_EQ(0, Invoke(kChunkSize, kControlsChunk, &size));
    HostChunk chunk(size);
    EXPECT_EQ(0, Invoke(kSave, kControlsChunk, chunk.Record()));
    return chunk;
  }

  // The texts of the traces the host services received.
  std::vector<std::string> Traces() const {
    std::vector<std::string> traces;
    for (const Call& call : host.Calls())
      if (call.object == "services" && call.slot == 4) traces.push_back(call.args[1].text);
    return traces;
  }

  Host host;
  EntryPoints entry;
  void* (*create)(int32_t) = nullptr;
  Object* controller = nullptr;
  void* effect = nullptr;
};

TEST_F(EffectParametersHost, AnswersItsFourInterfacesWithOneObject) {
  Create();
  for (const char* id : {"{F1F47D06-308F-4CC5-9C7C-50A83F8AB813}",
                         "{D2540E9D-9163-42BB-A6FD-81E10EA32498}",
                         "{2E485536-31A3-4697-9C16-E59BF6B28A41}"}) {
    void* answer = nullptr;
    EXPECT_EQ(0, PluginQuery(effect, MakeGuid(id), &answer)) << id;
    EXPECT_EQ(effect, answer);
  }
  EXPECT_EQ(3u, PluginRelease(effect));
  EXPECT_EQ(2u, PluginRelease(effect));
  EXPECT_EQ(1u, PluginRelease(effect));
  void* refused = &refused;
  EXPECT_EQ(kNoInterface, PluginQuery(effect, ids::EffectGUI(), &refused));
  EXPECT_EQ(nullptr, refused);
}

TEST_F(EffectParametersHost, BindingQueriesTheControllerAndAttachesEveryParameter) {
  Create();
  ASSERT_EQ(0, Bind());
  EXPECT_THAT(host.Lines("controller"),
              ElementsAre("controller.unknown[0]({9D5E3E3D-52DC-5EFB-2018-DE1DE2E63F4E}, ptr)",
                          "controller.unknown[0]({4C59AA0E-D7C0-4205-8B6C-32468D42D202}, ptr)",
                          "controller.unknown[0]({DD6F168C-DA86-44F8-B864-D6CD221926E7}, ptr)",
                          "controller.unknown[0]({2E9D35FB-BACC-4B2C-B5D7-C6E851F569BD}, ptr)",
                          "controller.unknown[0]({06C6B83E-9D87-4938-8A38-F8E45B10A24A}, ptr)",
                          "controller.unknown[0]({382B6A96-7FD0-11D6-BCFE-00306542A024}, ptr)",
                          "controller.unknown[0]({9D5E3D3D-42DC-5EFA-2217-EEE2E8E53E2E}, ptr)",
                          "controller.unknown[0]({5CEE4EF4-6337-4359-B63B-FE58DC36543A}, ptr)",
                          "controller.unknown[0]({203CBD9F-982C-4FE6-A827-07480257AEC3}, ptr)",
                          "controller.automation[3](\"MasterBypassID\")",
                          "controller.automation[3](\"Freq\")",
                          "controller.automation[3](\"Count\")",
                          "controller.automation[3](\"Switch\")"));
  EXPECT_EQ(9, controller->Outstanding());
  int32_t count = 0;
  EXPECT_EQ(0, Invoke(kCount, &count));
  EXPECT_EQ(4, count);
}

TEST_F(EffectParametersHost, AnswersParameterQuestionsIntoHostStrings) {
  CreateAndBind();
  HostString text(host, "text");
  EXPECT_EQ(0, Invoke(kBypassId, text.Interface()));
  EXPECT_EQ("MasterBypassID", text.Text());
  EXPECT_EQ(0, Invoke(kTitle, "Count", text.Interface()));
  EXPECT_EQ("Count", text.Text());
  EXPECT_EQ(0, Invoke(kTitle, "Nope", text.Interface()));
  EXPECT_EQ("", text.Text());

  const std::vector<std::pair<int32_t, std::string>> titles = {
      {5, "Freq"}, {2, "F"}, {9, "Frequency"}, {0, ""}};
  for (const auto& title : titles) {
    EXPECT_EQ(0, Invoke(kTitleOfLength, "Freq", text.Interface(), title.first));
    EXPECT_EQ(title.second, text.Text()) << title.first;
  }
  EXPECT_EQ(0, Invoke(kTitleOfLength, "Count", text.Interface(), int32_t{2}));
  EXPECT_EQ("Co", text.Text());
  EXPECT_EQ(kInvalidStringConversion, Invoke(kTitleOfLength, "Freq", kNull, int32_t{5}));

  EXPECT_EQ(0, Invoke(kFormat, "Freq", 0.5, text.Interface(), int32_t{8}));
  EXPECT_EQ("25.00Hz", text.Text());
  EXPECT_EQ(0, Invoke(kFormat, "Freq", 0.5, text.Interface(), int32_t{6}));
  EXPECT_EQ("25.00", text.Text());
  EXPECT_EQ(0, Invoke(kFormat, "MasterBypassID", 1.0, text.Interface(), int32_t{8}));
  EXPECT_EQ("on", text.Text());
  EXPECT_EQ("3.00st", CurrentText("Count"));
  EXPECT_EQ("bypass", CurrentText("MasterBypassID"));

  HostString typed(host, "typed", "64Hz");
  double normalized = -1.0;
  EXPECT_EQ(0, Invoke(kParse, "Freq", &normalized, static_cast<const void*>(typed.Interface())));
  EXPECT_DOUBLE_EQ(0.8, normalized);
  HostString junk(host, "junk", "loud");
  EXPECT_EQ(kInvalidStringConversion,
            Invoke(kParse, "Freq", &normalized, static_cast<const void*>(junk.Interface())));
  EXPECT_DOUBLE_EQ(0.8, normalized);

  EXPECT_EQ(0, Invoke(kIdAt, int32_t{2}, text.Interface()));
  EXPECT_EQ("Count", text.Text());
  for (int32_t outside : {-1, 4}) {
    EXPECT_EQ(kInvalidParameterId, Invoke(kIdAt, outside, text.Interface()));
    EXPECT_EQ("", text.Text());
  }
}

TEST_F(EffectParametersHost, AnswersNumbersByIdentifier) {
  CreateAndBind();
  int32_t number = -1;
  EXPECT_EQ(0, Invoke(kStepCount, "Freq", &number));
  EXPECT_EQ(128, number);
  EXPECT_EQ(0, Invoke(kStepCount, "Switch", &number));
  EXPECT_EQ(2, number);
  EXPECT_EQ(0, Invoke(kKind, "Switch", &number));
  EXPECT_EQ(0, number);
  EXPECT_EQ(0, Invoke(kKind, "Count", &number));
  EXPECT_EQ(1, number);
  EXPECT_EQ(0, Invoke(kDirection, "Count", &number));
  EXPECT_EQ(0, number);
  EXPECT_EQ(0, Invoke(kIndexOf, "Count", &number));
  EXPECT_EQ(2, number);
  EXPECT_EQ(kInvalidParameterId, Invoke(kIndexOf, "count", &number));
  EXPECT_EQ(-1, number);
  EXPECT_EQ(kUnimplemented, Invoke(kValueDetails, "Count", kNull, &number));
  EXPECT_EQ(0, number);

  bool automatable = false;
  EXPECT_EQ(0, Invoke(kAutomatable, "Count", &automatable));
  EXPECT_TRUE(automatable);
  EXPECT_EQ(kInvalidParameterId, Invoke(kAutomatable, "Nope", &automatable));
  EXPECT_FALSE(automatable);

  double value = -1.0;
  EXPECT_EQ(0, Invoke(kReadDefault, "Count", &value));
  EXPECT_DOUBLE_EQ(0.3, value);
  EXPECT_EQ(0, Invoke(kWriteDefault, "Count", 0.75));
  EXPECT_EQ(0, Invoke(kReadDefault, "Count", &value));
  EXPECT_DOUBLE_EQ(0.7, value);
  EXPECT_DOUBLE_EQ(0.3, Read("Count"));  // the value itself stays

  void* found = nullptr;
  EXPECT_EQ(0, Invoke(kFind, "Freq", &found));
  EXPECT_NE(nullptr, found);
  EXPECT_EQ(kInvalidParameterId, Invoke(kFind, "Nope", &found));
  EXPECT_EQ(nullptr, found);
  for (int slot : {kStepCount, kKind, kDirection, kReadDefault, kRead})
    EXPECT_EQ(kInvalidParameterId, Invoke(slot, "Nope", &value)) << slot;
}

TEST_F(EffectParametersHost, ChangesReachTheHostAndApplyOnlyWhenTheHostAnswers) {
  CreateAndBind();
  EXPECT_EQ(0, Invoke(kRequest, "Freq", 0.8));
  EXPECT_THAT(host.Lines("controller"), ElementsAre("controller.automation[7](\"Freq\")",
                                                    "controller.automation[5](\"Freq\", 0.8)",
                                                    "controller.automation[8](\"Freq\")"));
  EXPECT_DOUBLE_EQ(0.5, Read("Freq"));
  EXPECT_EQ(0, ChangeCount());
  host.ClearTranscript();

  EXPECT_EQ(0, Invoke(kApply, "Freq", 0.8));
  EXPECT_THAT(host.Lines("controller"), ElementsAre("controller.automation[6](\"Freq\", 0.8)"));
  EXPECT_DOUBLE_EQ(0.8, Read("Freq"));
  EXPECT_EQ("64.00Hz", CurrentText("Freq"));
  EXPECT_EQ(1, ChangeCount());
  host.ClearTranscript();

  // The same value again changes nothing and reports nothing.
  EXPECT_EQ(0, Invoke(kApply, "Freq", 0.8));
  EXPECT_THAT(host.Lines("controller"), IsEmpty());
  EXPECT_EQ(1, ChangeCount());

  // Answers out of order: each applied value holds until the next.
  EXPECT_EQ(0, Invoke(kRequest, "Count", 0.2));
  EXPECT_EQ(0, Invoke(kRequest, "Count", 0.9));
  EXPECT_EQ(0, Invoke(kApply, "Count", 0.9));
  EXPECT_EQ(0, Invoke(kApply, "Count", 0.2));
  EXPECT_DOUBLE_EQ(0.2, Read("Count"));
  EXPECT_EQ("2.00st", CurrentText("Count"));
  EXPECT_EQ(3, ChangeCount());

  EXPECT_EQ(kInvalidParameterId, Invoke(kApply, "Nope", 0.5));
  EXPECT_EQ(kInvalidParameterId, Invoke(kApply, static_cast<const char*>(nullptr), 0.5));
  EXPECT_EQ(kInvalidParameterId, Invoke(kRequest, "Nope", 0.5));
  EXPECT_EQ(3, ChangeCount());

  host.ClearTranscript();
  EXPECT_EQ(0, Invoke(kBeginGesture, "Switch"));
  EXPECT_EQ(0, Invoke(kEndGesture, "Switch"));
  EXPECT_EQ(kInvalidParameterId, Invoke(kBeginGesture, "Nope"));
  EXPECT_THAT(host.Lines("controller"), ElementsAre("controller.automation[7](\"Switch\")",
                                                    "controller.automation[8](\"Switch\")"));
}

TEST_F(EffectParametersHost, DeltasAreClampedIntoTheRange) {
  CreateAndBind();
  ASSERT_EQ(0, Invoke(kApply, "Count", 0.9));
  host.ClearTranscript();
  EXPECT_EQ(0, Invoke(kRequestDelta, "Count", 0.3));
  EXPECT_EQ(0, Invoke(kApply, "Count", 0.1));
  EXPECT_EQ(0, Invoke(kRequestDelta, "Count", -0.5));
  const std::vector<std::string> lines = host.Lines("controller");
  EXPECT_THAT(std::vector<std::string>({lines.at(1), lines.at(5)}),
              ElementsAre("controller.automation[5](\"Count\", 1)",
                          "controller.automation[5](\"Count\", 0)"));
  EXPECT_EQ(0, Invoke(kApplyDelta, "Count", 0.25));
  EXPECT_DOUBLE_EQ(0.3, Read("Count"));
  EXPECT_EQ(kInvalidParameterId, Invoke(kApplyDelta, "Nope", 0.25));
}

TEST_F(EffectParametersHost, SavesLoadsAndComparesTheControlsChunk) {
  CreateAndBind();
  int32_t chunks = 0;
  EXPECT_EQ(0, Invoke(kCountChunks, &chunks));
  EXPECT_EQ(1, chunks);
  uint32_t id = 1;
  EXPECT_EQ(0, Invoke(kChunkIdAt, int32_t{0}, &id));
  EXPECT_EQ(kControlsChunk, id);
  EXPECT_EQ(kInvalidChunkIndex, Invoke(kChunkIdAt, int32_t{1}, &id));
  EXPECT_EQ(0u, id);

  HostChunk early(64);
  EXPECT_EQ(kIncorrectChunkSize, Invoke(kSave, kControlsChunk, early.Record()));
  uint32_t size = 7;
  EXPECT_EQ(kInvalidChunkId, Invoke(kChunkSize, 0x4F646C6Eu, &size));
  EXPECT_EQ(0u, size);

  // The bypass is left out: "d_Freq" (8 + 8), "l_Count" (8 + 4) and
  // "l_Switch" (12 + 4) after the magic.
  HostChunk saved = Save();
  EXPECT_EQ(48, saved.Size());
  EXPECT_EQ(-1, saved.Version());
  EXPECT_EQ("Complete Controls State", saved.Name());
  const unsigned char start[] = {1, 1, 1, 1, 'd', '_', 'F', 'r', 'e', 'q', 0, 0,
                                 0x40, 0x39, 0, 0, 0, 0, 0, 0, 'l', '_', 'C', 'o',
                                 'u', 'n', 't', 0, 0, 0, 0, 3};
  EXPECT_EQ(0, std::memcmp(start, saved.Data(), sizeof start));
  EXPECT_EQ(kInvalidChunkId, Invoke(kSave, 0x4F646C6Eu, saved.Record()));

  bool equal = false;
  saved.SetWord(20, static_cast<int32_t>(kControlsChunk));
  EXPECT_EQ(0, Invoke(kCompare, saved.Record(), &equal));
  EXPECT_TRUE(equal);

  ASSERT_EQ(0, Invoke(kApply, "Freq", 0.8));
  ASSERT_EQ(0, Invoke(kApply, "Switch", 0.0));
  EXPECT_EQ(0, Invoke(kCompare, saved.Record(), &equal));
  EXPECT_FALSE(equal);
  saved.SetWord(20, 0x4F646C6E);  // another chunk: nothing to compare
  EXPECT_EQ(0, Invoke(kCompare, saved.Record(), &equal));
  EXPECT_TRUE(equal);

  // Loading asks the host for the stored values; they hold once applied.
  host.ClearTranscript();
  EXPECT_EQ(kInvalidChunkId, Invoke(kLoad, 0x4F646C6Eu, saved.Record()));
  EXPECT_EQ(0, Invoke(kLoad, kControlsChunk, saved.Record()));
  std::vector<std::string> requests;
  for (const std::string& line : host.Lines("controller"))
    if (line.find("[5]") != std::string::npos) requests.push_back(line);
  EXPECT_THAT(requests, ElementsAre("controller.automation[5](\"Freq\", 0.5)",
                                    "controller.automation[5](\"Count\", 0.3)",
                                    "controller.automation[5](\"Switch\", 1)"));
  EXPECT_DOUBLE_EQ(0.8, Read("Freq"));
  ASSERT_EQ(0, Invoke(kApply, "Freq", 0.5));
  ASSERT_EQ(0, Invoke(kApply, "Switch", 1.0));
  saved.SetWord(20, static_cast<int32_t>(kControlsChunk));
  EXPECT_EQ(0, Invoke(kCompare, saved.Record(), &equal));
  EXPECT_TRUE(equal);
}

TEST_F(EffectParametersHost, AnswersTheRemainingSlotsAsFixed) {
  CreateAndBind();
  unsigned char block[16];
  std::memset(block, 0xAB, sizeof block);
  EXPECT_EQ(0, Invoke(kInitPrivate, int32_t{8}, static_cast<void*>(block), int32_t{12}));
  EXPECT_EQ(0, block[0]);
  EXPECT_EQ(0, block[11]);
  EXPECT_EQ(0xAB, block[12]);
  EXPECT_EQ(0, Invoke(kFlush));
  EXPECT_EQ(0, Invoke(kNotify, 0x41535076u, static_cast<const void*>(block), 4u));

  int32_t out = 5;
  EXPECT_EQ(0, Invoke(28, kNull));
  EXPECT_EQ(0, Invoke(40, kNull));
  EXPECT_EQ(kUnimplemented, Invoke(41, kNull));
  EXPECT_EQ(0, Invoke(42, kNull, kNull, kNull, &out));
  EXPECT_EQ(0, out);
  for (int slot : {43, 44, 46, 47}) EXPECT_EQ(0, Invoke(slot, kNull)) << slot;
  for (int slot : {45, 48, 49}) EXPECT_EQ(kUnimplemented, Invoke(slot, kNull)) << slot;

  // A page table: the base fills nothing.
  Object* pageTable = host.CreateForClass(ids::PageTableClass());
  EXPECT_EQ(kUnimplemented,
            Invoke(kBuildPageTable, 1u, 2u, kNull, pageTable->Interface("unknown")));
  EXPECT_EQ(0, Invoke(kBuildPageTable, 1u, 2u, kNull, kNull));
  EXPECT_EQ(0, pageTable->Outstanding());
}

TEST_F(EffectParametersHost, PreviewNotificationSetsThePreviewSwitch) {
  Create(3);
  ASSERT_EQ(0, Bind());
  host.ClearTranscript();
  const uint32_t on = 1;
  EXPECT_EQ(0, Invoke(kNotify, 0x41535076u, static_cast<const void*>(&on), 4u));
  EXPECT_EQ(0, Invoke(kNotify, 0x41535076u, static_cast<const void*>(nullptr), 0u));
  EXPECT_EQ(0, Invoke(kNotify, 0x41535075u, static_cast<const void*>(&on), 4u));
  // Assigned as every plug-in-side change: through the host.
  EXPECT_THAT(host.Lines("controller"), ElementsAre("controller.automation[7](\"PreviewID\")",
                                                    "controller.automation[5](\"PreviewID\", 1)",
                                                    "controller.automation[8](\"PreviewID\")"));
}

TEST_F(EffectParametersHost, UnbindingGivesEveryReferenceBack) {
  CreateAndBind();
  EXPECT_EQ(0, Invoke(kUnbind));
  EXPECT_THAT(host.Places("controller"),
              ElementsAre("controller.automation[4]", "controller.automation[4]",
                          "controller.automation[4]", "controller.automation[4]",
                          "controller.factory[2]", "controller.V5[2]", "controller.V4[2]",
                          "controller.V3[2]", "controller.V2[2]", "controller.V1[2]",
                          "controller.automation[2]", "controller.transportV2[2]",
                          "controller.transportV1[2]"));
  EXPECT_EQ(0, controller->Outstanding());
  int32_t count = -1;
  EXPECT_EQ(0, Invoke(kCount, &count));
  EXPECT_EQ(0, count);
  EXPECT_EQ(1, entry.canUnloadNow(nullptr));
}

TEST_F(EffectParametersHost, ReleasingWithoutUnbindingGivesEveryReferenceBack) {
  CreateAndBind();
  EXPECT_EQ(0u, PluginRelease(effect));
  effect = nullptr;
  // Without unbinding the proxies go newest first.
  EXPECT_THAT(host.Places("controller"),
              ElementsAre("controller.automation[4]", "controller.automation[4]",
                          "controller.automation[4]", "controller.automation[4]",
                          "controller.transportV2[2]", "controller.transportV1[2]",
                          "controller.automation[2]", "controller.factory[2]",
                          "controller.V5[2]", "controller.V4[2]", "controller.V3[2]",
                          "controller.V2[2]", "controller.V1[2]"));
  EXPECT_EQ(0, controller->Outstanding());
  EXPECT_EQ(0, entry.canUnloadNow(nullptr));
}

TEST_F(EffectParametersHost, BindingAgainReleasesTheFirstBinding) {
  CreateAndBind();
  Object& second = MakeController(host, "second");
  EXPECT_EQ(0, Invoke(kBind, second.Interface("unknown")));
  EXPECT_EQ(0, controller->Outstanding());
  EXPECT_EQ(9, second.Outstanding());
  int32_t count = 0;
  EXPECT_EQ(0, Invoke(kCount, &count));
  EXPECT_EQ(4, count);
}

TEST_F(EffectParametersHost, AControllerWithoutObjectFactoryFailsTheBindingCleanly) {
  Create();
  controller->Withhold(ids::HostObjectFactory());
  EXPECT_EQ(kNoInterface, Bind());
  EXPECT_EQ(0, controller->Outstanding());
  EXPECT_THAT(Traces(), ElementsAre("AAX_CEffectParameters::BindController exception caught: "
                                    "<unknown error code> (-2147483644)"));
  int32_t count = -1;
  EXPECT_EQ(0, Invoke(kCount, &count));
  EXPECT_EQ(0, count);
  // Nothing half-built stands in the way of a later binding.
  controller->Withhold(ids::HostObjectFactory(), false);
  EXPECT_EQ(0, Bind());
  EXPECT_EQ(0, Invoke(kCount, &count));
  EXPECT_EQ(4, count);
}

TEST_F(EffectParametersHost, ASetUpThatThrowsLeavesNothingBound) {
  Create(1);
  EXPECT_EQ(kUnknownException, Bind());
  EXPECT_EQ(0, controller->Outstanding());
  EXPECT_THAT(Traces(), ElementsAre("AAX_CEffectParameters::BindController exception caught: "
                                    "no room for parameters"));
  int32_t count = -1;
  EXPECT_EQ(0, Invoke(kCount, &count));
  EXPECT_EQ(0, count);
}

TEST_F(EffectParametersHost, ASetUpThatFailsAnswersItsResult) {
  Create(2);
  EXPECT_EQ(kNotInitialized, Bind());
  int32_t count = -1;
  EXPECT_EQ(0, Invoke(kCount, &count));
  EXPECT_EQ(1, count);
}

}  // namespace
}  // namespace fakehost
