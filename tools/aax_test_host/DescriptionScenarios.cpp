// Host scenarios for the effect description: registration of "1-1 2-2"
// call by call, the stem formats, configuration items the description
// skips or refuses, and hosts that fail it (a failing component slot, no
// collection interface, a factory answering success without an object, a
// property map of version 1 only), each with its result, its traces and a
// balanced reference ledger.

#include "DescriptionHostIds.h"
#include "DescriptionHostObjects.h"
#include "EntryPoints.h"
#include "FakeHost.h"
#include "HostIds.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace fakehost {
namespace {

using testing::Contains;
using testing::ElementsAre;
using testing::ElementsAreArray;
using testing::IsEmpty;
using testing::Not;

constexpr int32_t kNullHostObject = static_cast<int32_t>(0x80000005u);
constexpr int32_t kNullObject = -20004;
constexpr int32_t kUnimplemented = -20009;
constexpr int32_t kInvalidFieldIndex = -20025;

// A four-character code as the host receives it: the first character in
// the most significant byte.
int64_t FourCC(const char* code) {
  int64_t value = 0;
  for (int i = 0; i < 4; ++i) value = (value << 8) | static_cast<unsigned char>(code[i]);
  return value;
}

// The description module's test hooks.
struct Hooks {
  void (*procedures)(void** procedures) = nullptr;
  uint32_t (*stemFormat)(int32_t channels) = nullptr;
  int32_t (*describeWith)(void* hostUnknown, const char* names, const char* configurations,
                          int32_t noSecondType) = nullptr;
  int32_t (*pointerProperties)(void* hostUnknown, int64_t* readBack, int32_t* refused,
                               uint32_t* ids, int32_t capacity) = nullptr;
};

std::string Id(const Guid& guid) { return GuidText(guid); }
std::string Created(const Guid& classId, const Guid& iid) {
  return "host.factory[3](" + Id(classId) + ", null, " + Id(iid) + ", ptr)";
}
std::string QueriedOn(const std::string& place, const Guid& iid) {
  return place + "[0](" + Id(iid) + ", ptr)";
}
const std::string kFactoryQuery = QueriedOn("host.unknown", ids::HostObjectFactory());

void Append(std::vector<std::string>& lines, const std::vector<std::string>& more) {
  lines.insert(lines.end(), more.begin(), more.end());
}

// What describing one component asks of the host, in order.
std::vector<std::string> ComponentLines(int n, int64_t stem, const char* native,
                                        const char* second) {
  const std::string component = "component" + std::to_string(n) + ".V1";
  const std::string map = "map" + std::to_string(n) + ".V1";
  auto property = [&](int id, int64_t value) {
    return map + "[4](" + std::to_string(id) + ", " + std::to_string(value) + ")";
  };
  return {"host.unknown[1]()",
          kFactoryQuery,
          Created(ids::ComponentDescriptorClass(), ids::ComponentDescriptorV1()),
          QueriedOn(component, ids::ComponentDescriptorV2()),
          QueriedOn(component, ids::ComponentDescriptorV3()),
          "host.factory[2]()",
          component + "[13](6, 4, 0)",
          component + "[13](5, 4, 0)",
          component + "[15](7, 3, \"Transport\", 65535)",
          component + "[5](0)",
          component + "[6](1)",
          component + "[7](3)",
          component + "[13](9, 4, 0)",
          component + "[13](8, 8, 0)",
          kFactoryQuery,
          Created(ids::PropertyMapClass(), ids::PropertyMapV1()),
          QueriedOn(map, ids::PropertyMapV2()),
          QueriedOn(map, ids::PropertyMapV3()),
          QueriedOn("host.unknown", ids::DescriptionHost()),
          "host.factory[2]()",
          property(56, 0),
          property(51, stem),
          property(52, stem),
          property(60, 1),
          property(11, FourCC("VmBa")),
          property(12, FourCC("Odln")),
          property(13, FourCC(native)),
          property(14, FourCC(second)),
          component + "[16](ptr, ptr, null, null, null)",
          "effect1.V1[3](ptr)"};
}

// Giving back what a described component holds: its map, then itself.
std::vector<std::string> ComponentReleaseLines(int n) {
  const std::string component = "component" + std::to_string(n);
  const std::string map = "map" + std::to_string(n);
  return {"host.description[2]()", map + ".V3[2]()", map + ".V2[2]()", map + ".V1[2]()",
          component + ".V3[2]()", component + ".V2[2]()", component + ".V1[2]()",
          "host.unknown[2]()"};
}

class DescriptionHostTest : public testing::Test {
protected:
  void SetUp() override {
    Module& module = ModuleUnderTest();
    ASSERT_TRUE(module.Loaded()) << module.Error();
    if (!module.Symbol("VoTest_DescriptionModule")) GTEST_SKIP() << "not the description module";
    std::string missing;
    ASSERT_TRUE(entry.Resolve(module, &missing)) << "missing exports: " << missing;
    hooks.procedures = reinterpret_cast<decltype(hooks.procedures)>(module.Symbol("VoTest_Procedures"));
    hooks.stemFormat =
        reinterpret_cast<decltype(hooks.stemFormat)>(module.Symbol("VoTest_StemFormatForChannels"));
    hooks.describeWith =
        reinterpret_cast<decltype(hooks.describeWith)>(module.Symbol("VoTest_DescribeWith"));
    hooks.pointerProperties = reinterpret_cast<decltype(hooks.pointerProperties)>(
        module.Symbol("VoTest_PointerProperties"));
    ASSERT_TRUE(hooks.procedures && hooks.stemFormat && hooks.describeWith &&
                hooks.pointerProperties);
    ASSERT_EQ(0, entry.startup(description.UnknownInterface()));
    host.ClearTranscript();
    started = true;
  }

  void TearDown() override {
    if (!started) return;
    entry.shutdown(nullptr);
    EXPECT_THAT(host.LedgerProblems(), IsEmpty());
    EXPECT_EQ(0, entry.canUnloadNow(nullptr));
  }

  int32_t Register() {
    void* definition = nullptr;
    const int32_t result = entry.registerPlugin(description.UnknownInterface(), &definition);
    if (definition) description.Collection().HostRelease();  // the host's own reference
    return result;
  }

  // The transcript without the host services' calls.
  std::vector<std::string> DescriptionLines() const {
    std::vector<std::string> lines;
    for (const Call& call : host.Calls())
      if (call.object != "services") lines.push_back(call.Text());
    return lines;
  }
  // "file line condition" of each assertion report.
  std::vector<std::string> Assertions() const {
    std::vector<std::string> reports;
    for (const Call& call : host.Calls())
      if (call.object == "services" && call.slot == 6)
        reports.push_back(call.args[0].text + " " + call.args[1].Text() + " " + call.args[2].text);
    return reports;
  }
  std::vector<std::string> Traces() const {
    std::vector<std::string> traces;
    for (const Call& call : host.Calls())
      if (call.object == "services" && call.slot == 4) traces.push_back(call.args[1].text);
    return traces;
  }
  const Call* FindCall(const std::string& where, size_t nth = 0) const {
    for (const Call& call : host.Calls())
      if (call.Where() == where && nth-- == 0) return &call;
    return nullptr;
  }

  Host host;
  DescriptionHost description{host};
  EntryPoints entry;
  Hooks hooks;
  bool started = false;
};

// --- registration -----------------------------------------------------------

using DescriptionRegistration = DescriptionHostTest;

TEST_F(DescriptionRegistration, DescribesOneToOneAndTwoToTwoInOrder) {
  EXPECT_EQ(0, Register());

  std::vector<std::string> expected = {
      // the collection proxy
      "host.unknown[1]()", QueriedOn("host.unknown", ids::DescriptionHost()),
      QueriedOn("host.unknown", ids::SecondaryHostInterface()), kFactoryQuery,
      Created(ids::CollectionClass(), ids::Collection()), "host.factory[2]()",
      // the effect descriptor, its name and category
      "host.unknown[1]()", kFactoryQuery,
      Created(ids::EffectDescriptorClass(), ids::EffectDescriptorV1()),
      QueriedOn("effect1.V1", ids::EffectDescriptorV2()), "host.factory[2]()",
      "effect1.V1[4](\"VimbraOndelino\")", "collection.collection[9](\"VimbraOndelino\")",
      "effect1.V1[5](32)"};
  Append(expected, ComponentLines(1, 0x00000001, "EFN1", "EFA1"));
  Append(expected, ComponentLines(2, 0x00010002, "EFN2", "EFA2"));
  Append(expected, {"effect1.V1[7](ptr, 0)", "effect1.V1[7](ptr, 1)",
                    "collection.collection[7](\"com.vimbra.aax.VimbraOndelino\", ptr)",
                    "collection.collection[8](\"Vimbra\")", "collection.collection[10](66048)",
                    // the registration interface, then everything given back
                    QueriedOn("collection.collection", ids::PluginDefinition())});
  Append(expected, ComponentReleaseLines(2));
  Append(expected, ComponentReleaseLines(1));
  Append(expected, {"effect1.V2[2]()", "effect1.V1[2]()", "host.unknown[2]()",
                    "collection.collection[2]()", "host.secondary[2]()", "host.description[2]()",
                    "host.unknown[2]()"});
  EXPECT_THAT(DescriptionLines(), ElementsAreArray(expected));
  EXPECT_THAT(Assertions(), IsEmpty());
  EXPECT_THAT(Traces(), IsEmpty());
}

TEST_F(DescriptionRegistration, HandsTheHostItsObjectsAndProcedures) {
  ASSERT_EQ(0, Register());
  void* procedures[3] = {};
  hooks.procedures(procedures);
  Object& effect = *host.Find("effect1");

  const Call* registered = FindCall("collection.collection[7]");
  ASSERT_NE(nullptr, registered);
  EXPECT_EQ(effect.Interface("V1"), registered->args[1].pointer);
  const Call* parameters = FindCall("effect1.V1[7]", 0);
  const Call* gui = FindCall("effect1.V1[7]", 1);
  ASSERT_TRUE(parameters && gui);
  EXPECT_EQ(procedures[0], parameters->args[0].pointer);
  EXPECT_EQ(procedures[1], gui->args[0].pointer);

  for (int n = 1; n <= 2; ++n) {
    SCOPED_TRACE(n);
    Object& component = *host.Find("component" + std::to_string(n));
    Object& map = *host.Find("map" + std::to_string(n));
    const Call* process = FindCall(component.Name() + ".V1[16]");
    const Call* attached = FindCall("effect1.V1[3]", n - 1);
    ASSERT_TRUE(process && attached);
    EXPECT_EQ(procedures[2], process->args[0].pointer);
    EXPECT_EQ(map.Interface("V3"), process->args[1].pointer);  // the newest map version
    EXPECT_EQ(component.Interface("V1"), attached->args[0].pointer);
  }
  const PropertyStore& second = description.Properties("map2");
  EXPECT_EQ(FourCC("EFN2"), second.values.at(13));
  EXPECT_EQ(FourCC("EFA2"), second.values.at(14));
  EXPECT_EQ(8u, second.values.size());
}

// --- stem formats and configuration items -----------------------------------

using DescriptionConfigurations = DescriptionHostTest;

TEST_F(DescriptionConfigurations, StemFormatsByChannelCount) {
  EXPECT_EQ(0xFF9C0000u, hooks.stemFormat(0));
  EXPECT_EQ(0x00000001u, hooks.stemFormat(1));
  EXPECT_EQ(0x00010002u, hooks.stemFormat(2));
  EXPECT_EQ(0xFF9C0000u, hooks.stemFormat(9));
  EXPECT_EQ(0xFF9C0000u, hooks.stemFormat(-1));
}

TEST_F(DescriptionConfigurations, AJunkItemIsSkippedAndGivesUpNoTypeIdentifiers) {
  EXPECT_EQ(0, hooks.describeWith(description.UnknownInterface(), "VimbraOndelino\n",
                                  "1-1 junk 0-2 3 4-", 0));
  // Two components: "0-2" is described with one input and takes the second
  // pair of type identifiers.
  EXPECT_EQ(nullptr, host.Find("component3"));
  const PropertyStore& first = description.Properties("map1");
  const PropertyStore& second = description.Properties("map2");
  EXPECT_EQ(1, first.values.at(51));
  EXPECT_EQ(1, first.values.at(52));
  EXPECT_EQ(FourCC("EFN1"), first.values.at(13));
  EXPECT_EQ(1, second.values.at(51));
  EXPECT_EQ(0x00010002, second.values.at(52));
  EXPECT_EQ(FourCC("EFN2"), second.values.at(13));
  EXPECT_EQ(FourCC("EFA2"), second.values.at(14));
  EXPECT_NE(nullptr, FindCall("collection.collection[7]"));
}

TEST_F(DescriptionConfigurations, OutputsBeyondTheTableGiveTheEmptyStem) {
  EXPECT_EQ(0, hooks.describeWith(description.UnknownInterface(), "VimbraOndelino\n", "1-9 2-0", 0));
  EXPECT_EQ(0xFF9C0000, description.Properties("map1").values.at(52));
  EXPECT_EQ(0xFF9C0000, description.Properties("map2").values.at(52));
}

TEST_F(DescriptionConfigurations, NoSecondTypeLeavesPropertyFourteenOut) {
  EXPECT_EQ(0, hooks.describeWith(description.UnknownInterface(), "VimbraOndelino\n", "1-1", 1));
  EXPECT_EQ(0u, description.Properties("map1").values.count(14));
  EXPECT_EQ(7u, description.Properties("map1").values.size());
}

// Mended: a configuration beyond the two type-identifier pairs would read
// past their tables. It is reported and not described; the rest registers.
TEST_F(DescriptionConfigurations, ConfigurationsBeyondTheTypeIdentifiersAreReportedNotDescribed) {
  EXPECT_EQ(0, hooks.describeWith(description.UnknownInterface(), "VimbraOndelino\n",
                                  "1-1 2-2 4-4 6-6", 0));
  EXPECT_EQ(nullptr, host.Find("component3"));
  EXPECT_THAT(Assertions(), ElementsAre("IPlugAAX_Describe.cpp 133 configuration < typeIdCount",
                                        "IPlugAAX_Describe.cpp 133 configuration < typeIdCount"));
  EXPECT_NE(nullptr, FindCall("collection.collection[7]"));
}

// --- hosts that fail the description ----------------------------------------

using DescriptionFailures = DescriptionHostTest;

TEST_F(DescriptionFailures, AFailingComponentSlotStopsTheRegistrationAfterEveryConfiguration) {
  description.customiseComponent = [](Object& component) {
    component.SetResult(13, kInvalidFieldIndex, "V1");  // private-data fields
  };
  EXPECT_EQ(kInvalidFieldIndex, Register());
  // Both components were still described and attached; the effect was not
  // registered, its maker and version were.
  EXPECT_NE(nullptr, FindCall("component2.V1[16]"));
  EXPECT_NE(nullptr, FindCall("effect1.V1[3]", 1));
  EXPECT_EQ(nullptr, FindCall("collection.collection[7]"));
  EXPECT_NE(nullptr, FindCall("collection.collection[8]"));
  EXPECT_NE(nullptr, FindCall("collection.collection[10]"));
  EXPECT_THAT(Assertions(), ElementsAre("IPlugAAX_Describe.cpp 141 err == AAX_SUCCESS",
                                        "IPlugAAX_Describe.cpp 141 err == AAX_SUCCESS",
                                        "IPlugAAX_Describe.cpp 161 err == AAX_SUCCESS"));
  EXPECT_THAT(Traces(),
              ElementsAre("AAX_CheckedResult - throwing AAX_ERROR_INVALID_FIELD_INDEX (-20025)",
                          "AAXRegisterPlugin exception caught: AAX_ERROR_INVALID_FIELD_INDEX "
                          "(-20025)"));
}

TEST_F(DescriptionFailures, WithoutTheCollectionInterfaceNothingIsRegistered) {
  description.Collection().Withhold(ids::Collection());
  EXPECT_EQ(kNullObject, Register());
  std::vector<std::string> collectionCalls;
  for (const Call& call : host.Calls())
    if (call.object == "collection") collectionCalls.push_back(call.Text());
  EXPECT_THAT(collectionCalls, IsEmpty());
  EXPECT_NE(nullptr, FindCall("component2.V1[16]"));  // the description itself went on
  EXPECT_THAT(Assertions(), ElementsAre("IPlugAAX_Describe.cpp 161 err == AAX_SUCCESS"));
  EXPECT_THAT(Traces(),
              ElementsAre("AAX_CheckedResult - throwing AAX_ERROR_NULL_OBJECT (-20004)",
                          "AAXRegisterPlugin exception caught: AAX_ERROR_NULL_OBJECT (-20004)"));
}

TEST_F(DescriptionFailures, AFactoryAnsweringSuccessWithoutAnObjectIsAHostError) {
  for (const Guid& refusedClass :
       {ids::EffectDescriptorClass(), ids::ComponentDescriptorClass(), ids::PropertyMapClass()}) {
    SCOPED_TRACE(GuidText(refusedClass));
    Host other;
    DescriptionHost failing(other);
    failing.Unknown().SetBehaviour(
        3,
        [&other, refusedClass](Object&, const Call& call) -> int64_t {
          const Guid& classId = *static_cast<const Guid*>(call.args[0].pointer);
          void** out = static_cast<void**>(const_cast<void*>(call.args[3].pointer));
          if (classId == refusedClass) return 0;  // success, and out stays null
          Object* created = other.CreateForClass(classId);
          return created->HandOut(*static_cast<const Guid*>(call.args[2].pointer), out);
        },
        "factory");
    host.ClearTranscript();
    void* definition = nullptr;
    EXPECT_EQ(kNullHostObject, entry.registerPlugin(failing.UnknownInterface(), &definition));
    EXPECT_EQ(nullptr, definition);
    EXPECT_THAT(Traces(), ElementsAre("AAXRegisterPlugin exception caught: <unknown error code> "
                                      "(-2147483643)"));
    EXPECT_THAT(other.LedgerProblems(), IsEmpty());
  }
}

TEST_F(DescriptionFailures, APropertyMapOfVersionOneOnlyTakesValuesAndKeepsPointersLocally) {
  description.customiseMap = [](Object& map) {
    map.Withhold(ids::PropertyMapV2());
    map.Withhold(ids::PropertyMapV3());
  };
  EXPECT_EQ(0, Register());
  const Call* process = FindCall("component1.V1[16]");
  ASSERT_NE(nullptr, process);
  EXPECT_EQ(host.Find("map1")->Interface("V1"), process->args[1].pointer);
  EXPECT_EQ(8u, description.Properties("map1").values.size());

  // Pointer properties stay in the proxy (the host sees none of them); 43 is
  // refused; the process procedure is registered from the local table.
  description.customiseComponent = [](Object& component) {
    component.Withhold(ids::ComponentDescriptorV3());
  };
  host.ClearTranscript();
  int64_t readBack[7] = {};
  int32_t refused = 0;
  uint32_t procedureIds[3] = {7, 7, 7};
  EXPECT_EQ(0, hooks.pointerProperties(description.UnknownInterface(), readBack, &refused,
                                       procedureIds, 3));
  void* procedures[3] = {};
  hooks.procedures(procedures);
  EXPECT_EQ(reinterpret_cast<intptr_t>(procedures[2]), readBack[0]);
  EXPECT_THAT(std::vector<int64_t>(readBack + 1, readBack + 7),
              ElementsAre(1037, 1038, 1039, 1040, 1041, 1042));
  EXPECT_EQ(kUnimplemented, refused);
  EXPECT_TRUE(description.Properties("map3").pointers.empty());
  EXPECT_THAT(host.Places(), Not(Contains("map3.V1[8]")));
  const Call* manual = FindCall("component3.V1[16]");
  ASSERT_NE(nullptr, manual);
  EXPECT_EQ(procedures[2], manual->args[0].pointer);
  EXPECT_EQ(host.Find("map3")->Interface("V1"), manual->args[1].pointer);
  EXPECT_THAT(std::vector<uint32_t>(procedureIds, procedureIds + 3), ElementsAre(101, 0, 7));
  EXPECT_THAT(Traces(), IsEmpty());
}

}  // namespace
}  // namespace fakehost
