// Host scenarios for the library's foundations: the exported entry points,
// the host services behind traces and assertion reports, registration with
// its failures, and reference counting, all through the module's exports.

#include "EntryPoints.h"
#include "FakeHost.h"
#include "HostIds.h"
#include "HostObjects.h"
#include "PluginCalls.h"
#include "SlotTables.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace fakehost {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

constexpr int32_t kNullHostObject = static_cast<int32_t>(0x80000005u);
constexpr int32_t kNullObject = -20004;
constexpr int32_t kUnimplemented = -20009;
constexpr int32_t kNotInitialized = -20011;
constexpr int32_t kUnknownException = -20042;

// The foundation module's test hooks.
struct Hooks {
  void (*setDescribeOutcome)(int32_t outcome, int32_t result) = nullptr;
  int32_t (*trace)(uint32_t priority, const char* text) = nullptr;
  int32_t (*reportAssert)(const char* file, int32_t line, const char* condition) = nullptr;
  void* (*createObject)() = nullptr;
};

Guid TestGadgetId() { return MakeGuid("{5A1F0C3E-9B2D-4E6A-8C7B-1D2E3F405162}"); }

class FoundationHost : public testing::Test {
protected:
  void SetUp() override {
    Module& module = ModuleUnderTest();
    ASSERT_TRUE(module.Loaded()) << module.Error();
    std::string missing;
    ASSERT_TRUE(entry.Resolve(module, &missing)) << "missing exports: " << missing;
    hooks.setDescribeOutcome =
        reinterpret_cast<decltype(hooks.setDescribeOutcome)>(module.Symbol("VoTest_SetDescribeOutcome"));
    hooks.trace = reinterpret_cast<decltype(hooks.trace)>(module.Symbol("VoTest_Trace"));
    hooks.reportAssert =
        reinterpret_cast<decltype(hooks.reportAssert)>(module.Symbol("VoTest_ReportAssert"));
    hooks.createObject =
        reinterpret_cast<decltype(hooks.createObject)>(module.Symbol("VoTest_CreateObject"));
    ASSERT_TRUE(hooks.setDescribeOutcome && hooks.trace && hooks.reportAssert && hooks.createObject);
    hooks.setDescribeOutcome(0, 0);
  }

  void TearDown() override {
    if (entry.shutdown) entry.shutdown(nullptr);
    EXPECT_THAT(host.LedgerProblems(), IsEmpty());
    EXPECT_EQ(0, entry.canUnloadNow ? entry.canUnloadNow(nullptr) : 0);
  }

  // A host unknown with the host services behind its object factory, started.
  void Start() {
    hostUnknown = &MakeHostUnknown(host);
    services = &MakeHostServices(host);
    ASSERT_EQ(0, entry.startup(hostUnknown->Interface("unknown")));
  }

  // The texts of the traces the host services received.
  std::vector<std::string> Traces() {
    std::vector<std::string> traces;
    for (const Call& call : host.Calls())
      if (call.object == "services" && call.slot == 4)
        traces.push_back(call.face + " " + call.args[0].Text() + " " + call.args[1].text);
    return traces;
  }

  Host host;
  EntryPoints entry;
  Hooks hooks;
  Object* hostUnknown = nullptr;
  Object* services = nullptr;
};

TEST_F(FoundationHost, ExportsTheSevenEntryPointsUndecorated) {
  // SetUp found all seven by their plain names; where the loader shows the
  // export table, each appears there under that name.
  const std::vector<std::string> exported = ModuleUnderTest().ExportedNames();
#if defined(_WIN32)
  for (const char* name : EntryPoints::kNames)
    EXPECT_THAT(exported, testing::Contains(std::string(name)));
#endif
  for (const std::string& name : exported)
    EXPECT_EQ(std::string::npos, name.find('@')) << name;
}

TEST_F(FoundationHost, StartsTracesReportsAndShutsDownWithTheLedgerBalanced) {
  Start();
  EXPECT_THAT(host.Places(), ElementsAre("host.unknown[0]", "host.factory[3]", "host.factory[3]",
                                         "host.factory[3]", "host.factory[2]"));
  EXPECT_EQ("host.factory[3]({88882C2D-EBBC-42EF-C0AB-8981B0BD0CCA}, null, "
            "{12BEA399-9A4F-4353-8098-3916FA71898D}, ptr)",
            host.Lines()[3]);
  EXPECT_EQ(3, services->Outstanding());
  host.ClearTranscript();

  EXPECT_EQ(0, hooks.trace(0x8000000, "hello host"));
  EXPECT_EQ(0, hooks.reportAssert("Gadget.cpp", 42, "x > 0"));
  EXPECT_THAT(host.Lines(), ElementsAre("services.V1[4](134217728, \"hello host\")",
                                        "services.V3[6](\"Gadget.cpp\", 42, \"x > 0\", 1)"));
  host.ClearTranscript();

  EXPECT_EQ(0, entry.shutdown(nullptr));
  // Released newest first.
  EXPECT_THAT(host.Places(), ElementsAre("services.V3[2]", "services.V2[2]", "services.V1[2]"));
  EXPECT_EQ(0, services->Outstanding());
}

TEST_F(FoundationHost, HostAnswersReachThePluginsCallers) {
  Start();
  services->SetResult(4, 5);
  services->SetResult(6, -7);
  EXPECT_EQ(5, hooks.trace(1, "x"));
  EXPECT_EQ(-7, hooks.reportAssert("f", 1, "c"));
}

TEST_F(FoundationHost, SecondStartupKeepsTheFirstProxy) {
  Start();
  Host other;
  Object& otherUnknown = MakeHostUnknown(other, "otherHost");
  MakeHostServices(other, "otherServices");
  EXPECT_EQ(0, entry.startup(otherUnknown.Interface("unknown")));
  EXPECT_THAT(other.Lines(), IsEmpty());

  hooks.trace(0, "still the first");
  EXPECT_THAT(Traces(), ElementsAre("V1 0 still the first"));
  EXPECT_THAT(other.Lines(), IsEmpty());
  EXPECT_THAT(other.LedgerProblems(), IsEmpty());
}

TEST_F(FoundationHost, StartupWithNullAfterAStartShutsDown) {
  Start();
  EXPECT_EQ(0, entry.startup(nullptr));
  EXPECT_EQ(0, services->Outstanding());
  host.ClearTranscript();
  EXPECT_EQ(0, hooks.trace(0, "dropped"));
  EXPECT_THAT(host.Lines(), IsEmpty());
}

TEST_F(FoundationHost, WithoutStartupShutdownDoesNothingAndDiagnosticsAreDropped) {
  EXPECT_EQ(0, entry.shutdown(nullptr));
  EXPECT_EQ(0, hooks.trace(0x8000000, "nobody listens"));
  EXPECT_EQ(0, hooks.reportAssert("f.cpp", 1, "false"));
}

TEST_F(FoundationHost, MissingServiceVersionsAnswerNullObject) {
  hostUnknown = &MakeHostUnknown(host);
  services = &MakeHostServices(host);
  services->Withhold(ids::HostServicesV1());
  services->Withhold(ids::HostServicesV3());
  ASSERT_EQ(0, entry.startup(hostUnknown->Interface("unknown")));
  EXPECT_EQ(kNullObject, hooks.trace(0, "no trace interface"));
  EXPECT_EQ(kNullObject, hooks.reportAssert("f.cpp", 1, "no assertion interface"));
  EXPECT_EQ(1, services->Outstanding());  // only the second version was handed out
}

TEST_F(FoundationHost, HostWithoutObjectFactoryStartsWithoutServices) {
  hostUnknown = &host.Make("bareHost");
  hostUnknown->Answer(ids::Unknown(), "unknown", UnknownTable());
  EXPECT_EQ(0, entry.startup(hostUnknown->Interface("unknown")));
  EXPECT_EQ(kNullObject, hooks.trace(0, "x"));
}

TEST_F(FoundationHost, TracesAreCutAtTheBufferSize) {
  Start();
  const std::string longText(700, 'x');
  hooks.trace(0, longText.c_str());
  const std::vector<std::string> traces = Traces();
  ASSERT_EQ(1u, traces.size());
  EXPECT_EQ("V1 0 " + std::string(511, 'x'), traces[0]);
}

TEST_F(FoundationHost, VersionClassFactoryAndComponentAnswerAsFixed) {
  uint64_t version = 0;
  EXPECT_EQ(0, entry.getSDKVersion(&version));
  EXPECT_EQ(0x0000020300D5E5B4ull, version);

  int junk = 0;
  void* factory = &junk;
  const Guid anyClass = TestGadgetId();
  EXPECT_EQ(kUnimplemented, entry.getClassFactory(nullptr, &anyClass, &anyClass, &factory));
  EXPECT_EQ(nullptr, factory);

  void* component = &junk;
  EXPECT_EQ(0, entry.registerComponent(nullptr, 0, &component));
  EXPECT_EQ(nullptr, component);
}

TEST_F(FoundationHost, NullOutPointersAreNeverWrittenThrough) {
  EXPECT_NE(0, entry.getSDKVersion(nullptr));
  EXPECT_EQ(kUnimplemented, entry.getClassFactory(nullptr, nullptr, nullptr, nullptr));
  EXPECT_EQ(0, entry.registerComponent(nullptr, 0, nullptr));
}

TEST_F(FoundationHost, LiveObjectsAreCountedAcrossTheBoundary) {
  EXPECT_EQ(0, entry.canUnloadNow(nullptr));
  void* first = hooks.createObject();
  void* second = hooks.createObject();
  EXPECT_EQ(2, entry.canUnloadNow(nullptr));

  // The object's own interface: same pointer, count 0 -> 1.
  void* gadget = nullptr;
  ASSERT_EQ(0, PluginQuery(first, TestGadgetId(), &gadget));
  EXPECT_EQ(first, gadget);
  EXPECT_EQ(7, CallPluginSlot<int32_t>(gadget, 3));
  EXPECT_EQ(2u, PluginAddRef(first));

  // The unknown identifier gives the inner unknown, not the interface.
  void* inner = nullptr;
  ASSERT_EQ(0, PluginQuery(first, ids::Unknown(), &inner));
  EXPECT_NE(first, inner);
  EXPECT_EQ(4u, PluginAddRef(inner));

  void* refused = &gadget;
  EXPECT_EQ(kNoInterface, PluginQuery(first, ids::EffectGUI(), &refused));
  EXPECT_EQ(nullptr, refused);

  // Releases through the inner and the outer unknown share one count.
  EXPECT_EQ(3u, PluginRelease(inner));
  EXPECT_EQ(2u, PluginRelease(inner));
  EXPECT_EQ(1u, PluginRelease(first));
  EXPECT_EQ(2, entry.canUnloadNow(nullptr));
  EXPECT_EQ(0u, PluginRelease(first));
  EXPECT_EQ(1, entry.canUnloadNow(nullptr));

  EXPECT_EQ(1u, PluginAddRef(second));
  EXPECT_EQ(0u, PluginRelease(second));
  EXPECT_EQ(0, entry.canUnloadNow(nullptr));
}

// --- registration -----------------------------------------------------------

class Registration : public FoundationHost {
protected:
  void SetUp() override {
    FoundationHost::SetUp();
    Start();
    collection = &MakeCollection(host);
    host.ClearTranscript();
  }

  Object* collection = nullptr;
};

TEST_F(Registration, SucceedsAndHandsTheHostItsInterface) {
  void* definition = nullptr;
  EXPECT_EQ(0, entry.registerPlugin(hostUnknown->Interface("unknown"), &definition));
  EXPECT_EQ(collection->Interface("definition"), definition);
  EXPECT_THAT(host.Lines(),
              ElementsAre("host.unknown[1]()",
                          "host.unknown[0]({E5BC71DF-4C1F-4CC4-814A-5A7DD0E70EF5}, ptr)",
                          "host.unknown[0]({E51741F1-7FCF-11D6-AAC3-00306542A024}, ptr)",
                          "host.unknown[0]({382B6A96-7FD0-11D6-BCFE-00306542A024}, ptr)",
                          "host.factory[3]({89882C2D-77BC-42EF-707B-7981B7BD0CCA}, null, "
                          "{96D42C2D-EBBC-41DF-B1AB-9991A2EE0CCA}, ptr)",
                          "host.factory[2]()",
                          "collection.collection[0]({00EEF015-7FD0-11D6-8485-00306542A024}, ptr)",
                          "collection.collection[2]()", "host.unknown[2]()"));
  EXPECT_EQ(1, collection->Outstanding());  // the reference handed to the host
  collection->HostRelease();
  EXPECT_THAT(Traces(), IsEmpty());
}

TEST_F(Registration, AFailingDescriptionLeavesTwoTracesAndItsResult) {
  hooks.setDescribeOutcome(0, kNullObject);
  void* definition = &host;
  EXPECT_EQ(kNullObject, entry.registerPlugin(hostUnknown->Interface("unknown"), &definition));
  EXPECT_EQ(nullptr, definition);
  EXPECT_THAT(Traces(),
              ElementsAre("V1 67108864 AAX_CheckedResult - throwing AAX_ERROR_NULL_OBJECT (-20004)",
                          "V1 134217728 AAXRegisterPlugin exception caught: "
                          "AAX_ERROR_NULL_OBJECT (-20004)"));
  // The collection proxy is gone before the catch site traces.
  const std::vector<std::string> places = host.Places();
  const auto collectionGone = std::find(places.begin(), places.end(), "collection.collection[2]");
  const auto secondTrace = std::find(collectionGone, places.end(), "services.V1[4]");
  EXPECT_NE(places.end(), secondTrace);
}

TEST_F(Registration, EveryKindOfExceptionBecomesAResultAndATrace) {
  void* definition = nullptr;
  hooks.setDescribeOutcome(1, kNotInitialized);
  EXPECT_EQ(kNotInitialized, entry.registerPlugin(hostUnknown->Interface("unknown"), &definition));
  hooks.setDescribeOutcome(2, 0);
  EXPECT_EQ(kUnknownException, entry.registerPlugin(hostUnknown->Interface("unknown"), &definition));
  hooks.setDescribeOutcome(3, 0);
  EXPECT_EQ(kUnknownException, entry.registerPlugin(hostUnknown->Interface("unknown"), &definition));
  hooks.setDescribeOutcome(4, 0);
  EXPECT_EQ(kUnknownException, entry.registerPlugin(hostUnknown->Interface("unknown"), &definition));
  EXPECT_THAT(Traces(),
              ElementsAre("V1 134217728 AAXRegisterPlugin exception caught: "
                          "AAX_ERROR_NOT_INITIALIZED (-20011)",
                          "V1 134217728 AAXRegisterPlugin exception caught: "
                          "describe failed func:DescribeEffect line:12",
                          "V1 134217728 AAXRegisterPlugin exception caught: describe broke",
                          "V1 134217728 AAXRegisterPlugin exception caught: unknown"));
}

TEST_F(Registration, ACollectionWithoutTheRegistrationInterfaceGivesNullObject) {
  collection->Withhold(ids::PluginDefinition());
  void* definition = &host;
  EXPECT_EQ(kNullObject, entry.registerPlugin(hostUnknown->Interface("unknown"), &definition));
  EXPECT_EQ(nullptr, definition);
}

TEST_F(Registration, AHostWithoutCollectionGivesNullObject) {
  hostUnknown->Withhold(ids::HostObjectFactory());
  void* definition = nullptr;
  EXPECT_EQ(kNullObject, entry.registerPlugin(hostUnknown->Interface("unknown"), &definition));
}

TEST_F(Registration, AFactoryAnsweringSuccessWithoutAnObjectIsAHostError) {
  hostUnknown->SetResult(3, 0, "factory");  // the factory reports success and makes nothing
  void* definition = nullptr;
  EXPECT_EQ(kNullHostObject, entry.registerPlugin(hostUnknown->Interface("unknown"), &definition));
  EXPECT_THAT(Traces(), ElementsAre("V1 134217728 AAXRegisterPlugin exception caught: "
                                    "<unknown error code> (-2147483643)"));
}

TEST_F(Registration, WorksWithoutHostServices) {
  entry.shutdown(nullptr);
  hooks.setDescribeOutcome(0, kNullObject);
  void* definition = nullptr;
  EXPECT_EQ(kNullObject, entry.registerPlugin(hostUnknown->Interface("unknown"), &definition));
  EXPECT_THAT(Traces(), IsEmpty());
}

}  // namespace
}  // namespace fakehost
