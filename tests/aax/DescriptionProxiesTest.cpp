// The description-side proxies against a simulated host: each operation
// reaches exactly one host slot of the version the proxy holds and passes
// the host's answer on, or answers its fixed result without calling the
// host; property maps (stem check, the local pointer table, duplication),
// the manual registration of process procedures, feature queries, and the
// ownership of everything a collection hands out.

#include "AAX_Exception.h"
#include "AAX_VCollection.h"
#include "AAX_VComponentDescriptor.h"
#include "AAX_VEffectDescriptor.h"
#include "AAX_VFeatureInfo.h"
#include "AAX_VPropertyMap.h"
#include "DescriptionFixture.h"
#include "DescriptionHostIds.h"
#include "DescriptionSlotTables.h"
#include "HostIds.h"

#include <functional>
#include <map>
#include <memory>

namespace {

using fakehost::Call;
using fakehost::DescriptionHost;
using fakehost::Host;
using fakehost::Object;
using testing::ElementsAre;
using testing::IsEmpty;
namespace ids = fakehost::ids;

constexpr int64_t kNullObject = AAX_ERROR_NULL_OBJECT;
constexpr int64_t kUnimplemented = AAX_ERROR_UNIMPLEMENTED;

IACFUnknown* NoObject() { return nullptr; }
void NoProcessing(AAX_RenderContext* const*, AAX_RenderContext* const*) {}

template <class Proxy>
struct Row {
  const char* face;  // the host interface version the operation goes to
  int hostSlot;
  int64_t absent;    // the answer without that version
  std::function<int64_t(Proxy&)> call;
};

// How a proxy is made over a description host: the host object it talks to
// and how one of that object's versions is withheld before it exists.
template <class Proxy>
struct Rig {
  std::string object;
  std::function<std::unique_ptr<Proxy>(IACFUnknown* hostUnknown)> make;
  std::function<void(DescriptionHost&, const std::string& face)> withhold;
};

template <class Proxy>
void ExpectForwarding(const Rig<Proxy>& rig, const std::vector<Row<Proxy>>& rows) {
  for (const Row<Proxy>& row : rows) {
    const std::string place = rig.object + "." + row.face + "[" + std::to_string(row.hostSlot) + "]";
    SCOPED_TRACE(place);
    for (bool present : {true, false}) {
      Host host;
      DescriptionHost description(host);
      if (!present) rig.withhold(description, row.face);
      std::unique_ptr<Proxy> proxy =
          rig.make(static_cast<IACFUnknown*>(description.UnknownInterface()));
      if (present) host.Find(rig.object)->SetResult(row.hostSlot, 1000 + row.hostSlot, row.face);
      host.ClearTranscript();
      if (present) {
        EXPECT_EQ(1000 + row.hostSlot, row.call(*proxy));
        EXPECT_THAT(host.Places(), ElementsAre(place));
      } else {
        EXPECT_EQ(row.absent, row.call(*proxy));
        EXPECT_THAT(host.Places(), IsEmpty());
      }
      proxy.reset();
      EXPECT_THAT(host.LedgerProblems(), IsEmpty());
    }
  }
}

fakehost::Guid VersionId(const std::string& kind, const std::string& face) {
  static const std::map<std::string, fakehost::Guid> versions = {
      {"effectV1", ids::EffectDescriptorV1()},       {"effectV2", ids::EffectDescriptorV2()},
      {"componentV1", ids::ComponentDescriptorV1()}, {"componentV2", ids::ComponentDescriptorV2()},
      {"componentV3", ids::ComponentDescriptorV3()}, {"mapV1", ids::PropertyMapV1()},
      {"mapV2", ids::PropertyMapV2()},               {"mapV3", ids::PropertyMapV3()}};
  return versions.at(kind + face);
}

std::function<void(Object&)> Withholding(const fakehost::Guid& iid) {
  return [iid](Object& object) { object.Withhold(iid); };
}

TEST(DescriptionProxies, CollectionForwards) {
  using P = AAX_VCollection;
  Rig<P> rig{"collection", [](IACFUnknown* unknown) { return std::make_unique<P>(unknown); },
             [](DescriptionHost& d, const std::string&) { d.Collection().Withhold(ids::Collection()); }};
  ExpectForwarding<P>(rig, {
      {"collection", 8, kNullObject, [](P& p) { return p.AddManufacturerName("Vimbra"); }},
      {"collection", 9, kNullObject, [](P& p) { return p.AddBundleName("VimbraOndelino"); }},
      {"collection", 10, kNullObject, [](P& p) { return p.SetBundleVersion(0x00010200); }},
      {"collection", 11, kNullObject, [](P& p) { return p.SetCollectionProperties(nullptr); }},
  });
}

TEST(DescriptionProxies, EffectDescriptorForwardsByVersion) {
  using P = AAX_VEffectDescriptor;
  Rig<P> rig{"effect1", [](IACFUnknown* unknown) { return std::make_unique<P>(unknown); },
             [](DescriptionHost& d, const std::string& face) {
               d.customiseEffect = Withholding(VersionId("effect", face));
             }};
  ExpectForwarding<P>(rig, {
      {"V1", 3, kNullObject, [](P& p) { return p.AttachComponent(nullptr); }},
      {"V1", 4, kNullObject, [](P& p) { return p.AddEffectName("n"); }},
      {"V1", 5, kNullObject, [](P& p) { return p.AddCategoryBits(32); }},
      {"V1", 6, kNullObject, [](P& p) { return p.CallV1Slot6(nullptr); }},
      {"V1", 7, kNullObject, [](P& p) { return p.AddProcedure(NoObject, 1); }},
      {"V1", 8, kNullObject, [](P& p) { return p.SetEffectProperties(nullptr); }},
      {"V1", 9, kNullObject, [](P& p) { return p.CallV1Slot9(nullptr); }},
      {"V1", 10, kNullObject, [](P& p) { return p.CallV1Slot10(3, nullptr, nullptr); }},
      {"V2", 11, kUnimplemented, [](P& p) { return p.CallV2Slot11(nullptr); }},
  });
}

TEST(DescriptionProxies, ComponentDescriptorForwardsByVersion) {
  using P = AAX_VComponentDescriptor;
  Rig<P> rig{"component1", [](IACFUnknown* unknown) { return std::make_unique<P>(unknown); },
             [](DescriptionHost& d, const std::string& face) {
               d.customiseComponent = Withholding(VersionId("component", face));
             }};
  const uint32_t meters[2] = {1, 2};
  ExpectForwarding<P>(rig, {
      {"V1", 3, kNullObject, [](P& p) { return p.CallV1Slot3(nullptr); }},
      {"V1", 5, kNullObject, [](P& p) { return p.AddAudioInputField(0); }},
      {"V1", 6, kNullObject, [](P& p) { return p.AddAudioOutputField(1); }},
      {"V1", 7, kNullObject, [](P& p) { return p.AddBlockLengthField(3); }},
      {"V1", 8, kNullObject, [](P& p) { return p.CallV1Slot8(nullptr); }},
      {"V1", 9, kNullObject, [](P& p) { return p.CallV1Slot9(nullptr); }},
      {"V1", 10, kNullObject, [](P& p) { return p.CallV1Slot10(nullptr); }},
      {"V1", 11, kNullObject, [](P& p) { return p.CallV1Slot11(nullptr); }},
      {"V1", 12, kNullObject, [](P& p) { return p.AddExtraField(0, 1, nullptr); }},
      {"V1", 13, kNullObject, [](P& p) { return p.AddPrivateDataField(8, 8, 0); }},
      {"V2", 19, kUnimplemented, [](P& p) { return p.CallV2Slot19(nullptr); }},
      {"V1", 14, kNullObject, [](P& p) { return p.CallV1Slot14(nullptr); }},
      {"V1", 18, kNullObject, [&](P& p) { return p.AddMeterField(9, meters, 2); }},
      {"V1", 15, kNullObject, [](P& p) { return p.AddMidiNodeField(7, 3, "Transport", 0xFFFF); }},
      {"V1", 4, kNullObject, [](P& p) { return p.CallV1Slot4(nullptr); }},
      {"V1", 16, kNullObject,
       [](P& p) { return p.AddNativeProcessProcedure(NoProcessing, nullptr, nullptr, nullptr, nullptr); }},
      {"V1", 17, kNullObject,
       [](P& p) { return p.AddTIProcessProcedure(1, 2, nullptr, 3, 4, nullptr); }},
      {"V3", 20, kNullObject, [](P& p) { return p.AddProcessProcedures(nullptr, nullptr, 0); }},
  });
}

TEST(DescriptionProxies, PropertyMapForwardsByVersion) {
  using P = AAX_VPropertyMap;
  Rig<P> rig{"map1", [](IACFUnknown* unknown) { return P::Create(unknown); },
             [](DescriptionHost& d, const std::string& face) {
               d.customiseMap = Withholding(VersionId("map", face));
             }};
  int64_t value = 0;
  ExpectForwarding<P>(rig, {
      {"V1", 3, 0, [&](P& p) { return p.ReadPropertyValue(20, &value) ? 1003 : 0; }},
      {"V3", 8, 0, [&](P& p) { return p.ReadPointerValue(36, &value) ? 1008 : 0; }},
      {"V1", 4, kNullObject, [](P& p) { return p.SetPropertyValue(20, 5); }},
      {"V3", 9, kUnimplemented, [](P& p) { return p.StorePointerValue(43, 5); }},
      {"V3", 9, kUnimplemented, [](P& p) { return p.StorePointerText(43, "file"); }},
      {"V1", 5, kNullObject, [](P& p) { return p.DeletePropertyValue(20); }},
      {"V2", 6, kUnimplemented, [](P& p) { return p.CallV2Slot6(nullptr); }},
      {"V2", 7, 0, [](P& p) { return p.CallV2Slot7(nullptr) ? 1007 : 0; }},
  });
}

// --- collection ---------------------------------------------------------------

using DescriptionCollection = DescriptionTest;

TEST_F(DescriptionCollection, RegistersTheEffectsFirstHostVersion) {
  AAX_VCollection collection(Unknown());
  AAX_IEffectDescriptor* effect = collection.CreateEffectDescriptor();
  host.ClearTranscript();
  EXPECT_EQ(AAX_SUCCESS, collection.RegisterEffect("com.vimbra.aax.VimbraOndelino", effect));
  ASSERT_NE(nullptr, FindCall("collection.collection[7]"));
  EXPECT_EQ(Find("effect1").Interface("V1"), FindCall("collection.collection[7]")->args[1].pointer);
  host.ClearTranscript();
  EXPECT_EQ(kNullObject, collection.RegisterEffect("x", nullptr));
  EXPECT_THAT(Lines(), IsEmpty());
}

TEST_F(DescriptionCollection, DeletesEverythingItHandedOutNewestFirst) {
  {
    AAX_VCollection collection(Unknown());
    AAX_IEffectDescriptor* effect = collection.CreateEffectDescriptor();
    AAX_IComponentDescriptor* component = effect->CreateComponentDescriptor();
    AAX_IPropertyMap* own = component->CreatePropertyMap();
    component->DuplicatePropertyMap(own);
    effect->CreateComponentDescriptor();
    effect->CreatePropertyMap();
    collection.CreatePropertyMap();
    // The collection's three, one per descriptor, one per map (its
    // description host); no factory is kept.
    EXPECT_EQ(10, description.Unknown().Outstanding());
    host.ClearTranscript();
  }
  std::vector<std::string> releasedObjects;
  for (const Call& call : host.Calls())
    if (call.slot == 2 && (releasedObjects.empty() || releasedObjects.back() != call.object))
      releasedObjects.push_back(call.object);
  EXPECT_THAT(releasedObjects, ElementsAre("host", "map4", "host", "map3", "component2", "host",
                                           "map2", "host", "map1", "component1", "host", "effect1",
                                           "host", "collection", "host"));
}

TEST_F(DescriptionCollection, FindsTheDescriptionHostAndTheSecondaryInterface) {
  AAX_VCollection collection(Unknown());
  EXPECT_NE(nullptr, collection.GetDescriptionHost());
  EXPECT_EQ(description.Unknown().Interface("secondary"), collection.GetSecondaryHostInterface());

  description.Unknown().Withhold(ids::DescriptionHost());
  AAX_VCollection without(Unknown());
  EXPECT_EQ(nullptr, without.GetDescriptionHost());
  EXPECT_EQ(nullptr, static_cast<const AAX_VCollection&>(without).GetDescriptionHost());
}

TEST_F(DescriptionCollection, AFactoryAnsweringSuccessWithoutAnObjectThrows) {
  description.Unknown().SetResult(3, 0, "factory");
  for (int kind = 0; kind < 3; ++kind) {
    try {
      if (kind == 0) {
        AAX_VEffectDescriptor effect(Unknown());
      } else if (kind == 1) {
        AAX_VComponentDescriptor component(Unknown());
      } else {
        AAX_VPropertyMap::Create(Unknown());
      }
      ADD_FAILURE() << "no throw for kind " << kind;
    } catch (const AAX::Exception::ResultError& error) {
      EXPECT_EQ(ACF_NULL_HOST_OBJECT, error.Result());
    }
  }
}

// --- property maps ------------------------------------------------------------

using DescriptionPropertyMaps = DescriptionTest;

TEST_F(DescriptionPropertyMaps, ADescriptionHostOnAnyCandidateLiftsTheStemCheck) {
  description.Unknown().Withhold(ids::DescriptionHost());
  {
    std::unique_ptr<AAX_VPropertyMap> older = AAX_VPropertyMap::Create(Unknown());
    host.ClearTranscript();
    EXPECT_EQ(AAX_ERROR_PROPERTY_UNDEFINED, older->SetPropertyValue(52, 0x000D0002));
    EXPECT_EQ(AAX_ERROR_PROPERTY_UNDEFINED, older->SetPropertyValue(51, 0x000D0002));
    EXPECT_THAT(Lines(), IsEmpty());
    EXPECT_EQ(AAX_SUCCESS, older->SetPropertyValue(52, 0xFF9C0000));
    EXPECT_EQ(AAX_SUCCESS, older->SetPropertyValue(52, 0xFFFF0000));
    EXPECT_EQ(AAX_SUCCESS, older->SetPropertyValue(52, 0x000C0008));
    EXPECT_EQ(AAX_SUCCESS, older->SetPropertyValue(53, 0x000D0002));  // not a stem format
  }
  // The map's second version answers: the candidates are asked in order.
  description.customiseMap = [](Object& map) {
    map.Answer(ids::DescriptionHost(), "description", fakehost::DescriptionHostTable());
  };
  host.ClearTranscript();
  std::unique_ptr<AAX_VPropertyMap> newer = AAX_VPropertyMap::Create(Unknown());
  const std::string descriptionHost = fakehost::GuidText(ids::DescriptionHost());
  EXPECT_THAT(host.Lines(), testing::IsSupersetOf({"host.unknown[0](" + descriptionHost + ", ptr)",
                                                   "host.factory[0](" + descriptionHost + ", ptr)",
                                                   "map2.V2[0](" + descriptionHost + ", ptr)"}));
  // Nothing is asked after the answer.
  EXPECT_EQ(nullptr, FindCall("map2.V3[0]"));
  EXPECT_EQ(nullptr, FindCall("map2.V1[0]", 2));
  EXPECT_EQ(AAX_SUCCESS, newer->SetPropertyValue(52, 0x000D0002));
}

TEST_F(DescriptionPropertyMaps, WithoutTheThirdVersionPointersStayInTheProxy) {
  description.customiseMap = Withholding(ids::PropertyMapV3());
  std::unique_ptr<AAX_VPropertyMap> map = AAX_VPropertyMap::Create(Unknown());
  host.ClearTranscript();
  int64_t value = 0;
  EXPECT_FALSE(map->ReadPointerValue(36, &value));
  for (int32_t id = 36; id <= 42; ++id) EXPECT_EQ(AAX_SUCCESS, map->StorePointerValue(id, 500 + id));
  EXPECT_EQ(kUnimplemented, map->StorePointerValue(35, 1));
  EXPECT_EQ(kUnimplemented, map->StorePointerValue(43, 1));
  for (int32_t id = 36; id <= 42; ++id) {
    ASSERT_TRUE(map->ReadPointerValue(id, &value));
    EXPECT_EQ(500 + id, value);
  }
  EXPECT_FALSE(map->ReadPointerValue(43, &value));
  EXPECT_FALSE(map->ReadPointerValue(36, nullptr));
  const char* fileName = "plugin.dll";
  EXPECT_EQ(AAX_SUCCESS, map->StorePointerText(39, fileName));
  ASSERT_TRUE(map->ReadPointerValue(39, &value));
  EXPECT_EQ(reinterpret_cast<intptr_t>(fileName), value);
  EXPECT_THAT(Lines(), IsEmpty());
  EXPECT_EQ(Find("map1").Interface("V2"), map->GetHostPropertyMap());
}

TEST_F(DescriptionPropertyMaps, AHostsYesOrNoIsItsLowByteOnly) {
  std::unique_ptr<AAX_VPropertyMap> map = AAX_VPropertyMap::Create(Unknown());
  // A host whose boolean is one byte leaves whatever it had above it.
  int64_t answer = 0;
  for (auto [slot, face] : {std::pair<int, const char*>{3, "V1"}, {7, "V2"}, {8, "V3"}})
    Find("map1").SetBehaviour(slot, [&answer](Object&, const Call&) -> int64_t { return answer; }, face);
  int64_t value = 0;
  for (int64_t no : {int64_t{0x100}, int64_t{0x7FFFFF00}, int64_t{-256}}) {
    answer = no;
    EXPECT_FALSE(map->ReadPropertyValue(20, &value)) << no;
    EXPECT_FALSE(map->ReadPointerValue(36, &value)) << no;
    EXPECT_FALSE(map->CallV2Slot7(nullptr)) << no;
  }
  for (int64_t yes : {int64_t{1}, int64_t{0xABCDEF01}}) {
    answer = yes;
    EXPECT_TRUE(map->ReadPropertyValue(20, &value)) << yes;
    EXPECT_TRUE(map->ReadPointerValue(36, &value)) << yes;
    EXPECT_TRUE(map->CallV2Slot7(nullptr)) << yes;
  }
}

TEST_F(DescriptionPropertyMaps, ADuplicateCopiesValuesAndPointersAndDropsRefusedStems) {
  description.Unknown().Withhold(ids::DescriptionHost());
  AAX_VComponentDescriptor component(Unknown());
  AAX_IPropertyMap* source = component.CreatePropertyMap();
  source->StorePointerValue(36, 0x1234);
  // The source holds ids around the copied range (10 to 401) and a stem
  // format the copy's older host refuses.
  Find("map1").SetBehaviour(3, [](Object&, const Call& call) -> int64_t {
    const std::map<int64_t, int64_t> values = {
        {9, 1}, {10, 7}, {13, 0x45464E31}, {52, 0x000D0002}, {401, -3}, {402, 9}};
    const auto found = values.find(call.args[0].integer);
    if (found == values.end()) return 0;
    *static_cast<int64_t*>(const_cast<void*>(call.args[1].pointer)) = found->second;
    return 1;
  }, "V1");

  AAX_IPropertyMap* copy = component.DuplicatePropertyMap(source);
  ASSERT_NE(nullptr, copy);
  const fakehost::PropertyStore& copied = description.Properties("map2");
  EXPECT_EQ((std::map<int32_t, int64_t>{{10, 7}, {13, 0x45464E31}, {401, -3}}), copied.values);
  EXPECT_EQ((std::map<int32_t, int64_t>{{36, 0x1234}}), copied.pointers);
}

// --- process procedures -----------------------------------------------------

class DescriptionProcessProcedures : public DescriptionTest {
protected:
  // A component without the third version, and a map of it holding the
  // native type and the native procedure.
  void SetUp() override {
    DescriptionTest::SetUp();
    description.customiseComponent = Withholding(ids::ComponentDescriptorV3());
    component.reset(new AAX_VComponentDescriptor(Unknown()));
    properties = component->CreatePropertyMap();
    properties->SetPropertyValue(13, 0x45464E31);
    properties->StorePointerValue(36, Address(&NoProcessing));
    host.ClearTranscript();
  }
  void TearDown() override {
    component.reset();
    DescriptionTest::TearDown();
  }
  template <class F>
  static int64_t Address(F* function) {
    return static_cast<int64_t>(reinterpret_cast<intptr_t>(function));
  }

  std::unique_ptr<AAX_VComponentDescriptor> component;
  AAX_IPropertyMap* properties = nullptr;
};

TEST_F(DescriptionProcessProcedures, TheThirdVersionRegistersThemItself) {
  description.customiseComponent = nullptr;
  AAX_VComponentDescriptor withThird(Unknown());
  uint32_t ids[2] = {};
  EXPECT_EQ(AAX_SUCCESS, withThird.AddProcessProcedures(properties, ids, 2));
  EXPECT_EQ(Find("map1").Interface("V3"), FindCall("component2.V3[20]")->args[0].pointer);
  EXPECT_EQ(nullptr, FindCall("component2.V1[16]"));
}

TEST_F(DescriptionProcessProcedures, NeedRoomForTheTerminatingZero) {
  uint32_t ids[3] = {9, 9, 9};
  EXPECT_EQ(AAX_ERROR_ARGUMENT_BUFFER_OVERFLOW, component->AddProcessProcedures(properties, ids, 1));
  EXPECT_EQ(AAX_SUCCESS, component->AddProcessProcedures(properties, ids, 2));
  EXPECT_THAT(ids, ElementsAre(102, 0, 9));
  EXPECT_EQ(AAX_SUCCESS, component->AddProcessProcedures(properties, nullptr, 0));
  const Call* native = FindCall("component1.V1[16]");
  ASSERT_NE(nullptr, native);
  EXPECT_EQ(reinterpret_cast<const void*>(&NoProcessing), native->args[0].pointer);
  EXPECT_EQ(Find("map1").Interface("V3"), native->args[1].pointer);
  EXPECT_THAT(Traces(), IsEmpty());
}

TEST_F(DescriptionProcessProcedures, MissingProceduresAreTracedAndTheHostsRefusalReturned) {
  AAX_IPropertyMap* bare = component->CreatePropertyMap();
  bare->SetPropertyValue(14, 1);
  bare->SetPropertyValue(15, 1);
  bare->StorePointerValue(41, 41);
  bare->StorePointerValue(42, 42);
  host.ClearTranscript();
  uint32_t ids[3] = {};
  EXPECT_EQ(AAX_SUCCESS, component->AddProcessProcedures(bare, ids, 3));
  EXPECT_THAT(ids, ElementsAre(101, 102, 0));
  EXPECT_EQ("component1.V1[17](0, 0, ptr, 41, 42, ptr)", FindCall("component1.V1[17]")->Text());
  const std::string prefix =
      "AAX_VComponentDescriptor.cpp: ManuallyAddProcessProcs() - no value found for ";
  EXPECT_THAT(Traces(), ElementsAre(prefix + "AAX_eProperty_NativeProcessProc",
                                    prefix + "AAX_eProperty_TIDLLFileName",
                                    prefix + "AAX_eProperty_TIProcessProc"));

  Find("component1").SetResult(16, -7, "V1");
  EXPECT_EQ(-7, component->AddProcessProcedures(bare, ids, 3));
  EXPECT_EQ(nullptr, FindCall("component1.V1[17]", 1));  // stopped at once

  AAX_IPropertyMap* none = component->CreatePropertyMap();
  uint32_t only[1] = {5};
  EXPECT_EQ(AAX_SUCCESS, component->AddProcessProcedures(none, only, 1));
  EXPECT_THAT(only, ElementsAre(0));
  EXPECT_EQ(kNullObject, component->AddProcessProcedures(nullptr, only, 1));
}

TEST_F(DescriptionProcessProcedures, TheNativeBufferLengthIsLeftOutOfACopy) {
  properties->SetPropertyValue(54, 1024);
  uint32_t ids[2] = {};
  EXPECT_EQ(AAX_SUCCESS, component->AddProcessProcedures(properties, ids, 2));
  EXPECT_EQ(Find("map2").Interface("V3"), FindCall("component1.V1[16]")->args[1].pointer);
  EXPECT_EQ(0u, description.Properties("map2").values.count(54));
  EXPECT_EQ(1u, description.Properties("map2").values.count(13));
  EXPECT_THAT(Assertions(), IsEmpty());
}

TEST_F(DescriptionProcessProcedures, ACopyThatCannotBeReadOrClearedIsReported) {
  properties->SetPropertyValue(54, 1024);
  uint32_t ids[2] = {};
  description.customiseMap = [](Object& map) { map.SetResult(3, 0, "V1"); };  // reads nothing
  EXPECT_EQ(AAX_SUCCESS, component->AddProcessProcedures(properties, ids, 2));
  EXPECT_EQ(Find("map1").Interface("V3"), FindCall("component1.V1[16]")->args[1].pointer);

  description.customiseMap = [](Object& map) { map.SetResult(5, -1, "V1"); };  // refuses removal
  EXPECT_EQ(AAX_SUCCESS, component->AddProcessProcedures(properties, ids, 2));
  EXPECT_EQ(Find("map3").Interface("V3"), FindCall("component1.V1[16]", 1)->args[1].pointer);
  EXPECT_THAT(Assertions(),
              ElementsAre("AAX_VComponentDescriptor.cpp 89 0 != gotPropertySuccess",
                          "AAX_VComponentDescriptor.cpp 93 AAX_SUCCESS == "
                          "removeNativeAudioBufferLengthResult"));
}

// --- features -----------------------------------------------------------------

using DescriptionFeatures = DescriptionTest;

TEST_F(DescriptionFeatures, AFeatureAndItsPropertiesBelongToTheCaller) {
  Object& feature = fakehost::MakeFeatureObjects(host);
  description.Unknown().SetBehaviour(3, [&feature](Object&, const Call& call) -> int64_t {
    return feature.HandOut(ids::Unknown(), static_cast<void**>(const_cast<void*>(call.args[1].pointer)));
  }, "description");
  const AAX_GUID featureId = {0x11223344, 0x5566, 0x7788, {1, 2, 3, 4, 5, 6, 7, 8}};
  {
    AAX_VCollection collection(Unknown());
    std::unique_ptr<AAX_IFeatureInfo> info(collection.GetDescriptionHost()->QueryFeature(featureId));
    ASSERT_NE(nullptr, info);
    EXPECT_TRUE(*info->FeatureIdentifier() == featureId);
    EXPECT_EQ("host.description[3]({11223344-5566-7788-0102-030405060708}, ptr)",
              FindCall("host.description[3]")->Text());
    host.ClearTranscript();
    EXPECT_EQ(AAX_SUCCESS, info->CallV1Slot3(nullptr));
    int first = 0, second = 0;
    std::unique_ptr<AAX_IPropertyMap> properties(info->GetFeatureProperties(&first, &second));
    ASSERT_NE(nullptr, properties);
    EXPECT_EQ(&first, FindCall("feature.info[4]")->args[1].pointer);
    EXPECT_EQ(&second, FindCall("feature.info[4]")->args[2].pointer);
    int64_t value = 0;
    properties->ReadPropertyValue(51, &value);
    EXPECT_NE(nullptr, FindCall("featureMap.V1[3]"));
    EXPECT_EQ(host.Find("featureMap")->Interface("V3"), properties->GetHostPropertyMap());
  }
  EXPECT_EQ(0, feature.Outstanding());

  // A host that knows nothing of the feature gives back what it handed out.
  description.Unknown().SetBehaviour(3, [&feature](Object&, const Call& call) -> int64_t {
    feature.HandOut(ids::Unknown(), static_cast<void**>(const_cast<void*>(call.args[1].pointer)));
    return -1;
  }, "description");
  AAX_VCollection collection(Unknown());
  EXPECT_EQ(nullptr, collection.GetDescriptionHost()->QueryFeature(featureId));
  EXPECT_EQ(0, feature.Outstanding());
}

}  // namespace
