// The effect description over a simulated host: stem formats, name lists,
// the component's fields and properties for each option of its setup, and
// the description's answers when the host fails a step.

#include "AAX_VCollection.h"
#include "AAX_VEffectDescriptor.h"
#include "DescriptionFixture.h"
#include "DescriptionHostIds.h"
#include "HostIds.h"
#include "IPlugAAX_Describe.h"
#include "IPlugAAX_Procedures.h"

#include <climits>
#include <string>
#include <vector>

namespace {

using fakehost::Call;
using testing::ElementsAre;
using testing::IsEmpty;
namespace ids = fakehost::ids;

TEST(DescriptionStemFormats, OneLayoutPerChannelCountAndNoneOtherwise) {
  const uint32_t expected[] = {0xFF9C0000, 0x00000001, 0x00010002, 0x00020003, 0x00040004,
                               0x00050005, 0x00060006, 0x00080007, 0x000C0008, 0xFF9C0000};
  for (int channels = 0; channels <= 9; ++channels)
    EXPECT_EQ(expected[channels], StemFormatForChannels(channels)) << channels;
  EXPECT_EQ(0xFF9C0000u, StemFormatForChannels(-1));
  EXPECT_EQ(0xFF9C0000u, StemFormatForChannels(INT_MIN));
  EXPECT_EQ(0xFF9C0000u, StemFormatForChannels(INT_MAX));
}

class DescribeEffect : public DescriptionTest {
protected:
  AAX_ResultCode Describe(const char* names, const char* configurations) {
    DescriptionSettings settings = PluginDescriptionSettings();
    settings.effectNames = names;
    settings.channelConfigurations = configurations;
    AAX_VCollection collection(Unknown());
    return DescribeEffectWith(&collection, settings);
  }
  // The calls at one object's face and slot.
  std::vector<std::string> At(const std::string& where) const {
    std::vector<std::string> lines;
    for (const Call& call : host.Calls())
      if (call.Where() == where) lines.push_back(call.Text());
    return lines;
  }
};

TEST_F(DescribeEffect, NamesAreTakenUpToTheFirstEmptyPiece) {
  EXPECT_EQ(AAX_SUCCESS, Describe("Alpha\nBeta\n", "1-1"));
  EXPECT_THAT(At("effect1.V1[4]"), ElementsAre("effect1.V1[4](\"Alpha\")", "effect1.V1[4](\"Beta\")"));
  EXPECT_THAT(At("collection.collection[9]"),
              ElementsAre("collection.collection[9](\"Alpha\")", "collection.collection[9](\"Beta\")"));
  host.ClearTranscript();
  Describe("Gamma", "1-1");  // the last piece needs no newline
  EXPECT_THAT(At("effect2.V1[4]"), ElementsAre("effect2.V1[4](\"Gamma\")"));
  for (const char* none : {"", "\nAlpha\n"}) {
    host.ClearTranscript();
    Describe(none, "1-1");
    EXPECT_EQ(nullptr, FindCall("collection.collection[9]")) << none;
  }
}

TEST_F(DescribeEffect, ItemsAreReadAsTwoIntegersAroundAHyphen) {
  // Inputs below 1 become 1; outputs stay; numbers beyond int are clamped
  // (and then have no layout); anything else is skipped.
  EXPECT_EQ(AAX_SUCCESS, Describe("V\n", "  x-1 -3-0\t99999999999-2 1 3-"));
  EXPECT_EQ(1, description.Properties("map1").values.at(51));
  EXPECT_EQ(0xFF9C0000, description.Properties("map1").values.at(52));
  EXPECT_EQ(0xFF9C0000, description.Properties("map2").values.at(51));
  EXPECT_EQ(0x00010002, description.Properties("map2").values.at(52));
  EXPECT_EQ(nullptr, host.Find("component3"));
}

TEST_F(DescribeEffect, AFailingProcedureKeepsTheEffectUnregisteredButNamesTheMaker) {
  description.customiseEffect = [](fakehost::Object& effect) { effect.SetResult(7, -5, "V1"); };
  EXPECT_EQ(-5, Describe("V\n", "1-1 2-2"));
  EXPECT_EQ(nullptr, FindCall("collection.collection[7]"));
  EXPECT_NE(nullptr, FindCall("collection.collection[8]"));
  EXPECT_NE(nullptr, FindCall("collection.collection[10]"));
  EXPECT_THAT(Assertions(), ElementsAre("IPlugAAX_Describe.cpp 161 err == AAX_SUCCESS"));
}

TEST_F(DescribeEffect, ARefusedRegistrationIsReportedAndAnswered) {
  description.Collection().SetResult(7, -20035, "collection");
  EXPECT_EQ(-20035, Describe("V\n", "1-1"));
  EXPECT_THAT(Assertions(), ElementsAre("IPlugAAX_Describe.cpp 161 err == AAX_SUCCESS"));
}

TEST_F(DescribeEffect, FailuresOfSeveralStepsAreCombined) {
  description.customiseEffect = [](fakehost::Object& effect) {
    effect.SetResult(4, 0x100, "V1");  // the name
    effect.SetResult(5, 0x010, "V1");  // the category
  };
  EXPECT_EQ(0x110, Describe("V\n", "1-1"));
}

TEST_F(DescribeEffect, AHostWithoutAFactoryGetsNoComponentMapTouched) {
  description.Unknown().Withhold(ids::HostObjectFactory());
  AAX_VEffectDescriptor effect(Unknown());
  host.ClearTranscript();
  ComponentSetup setup;
  EXPECT_NE(AAX_SUCCESS, DescribeComponent(&effect, setup));
  EXPECT_THAT(Traces(), ElementsAre("DescribeComponent: the host made no property map"));
  EXPECT_EQ(nullptr, host.Find("map1"));
}

class DescribeComponentTest : public DescriptionTest {
protected:
  void SetUp() override {
    DescriptionTest::SetUp();
    effect.reset(new AAX_VEffectDescriptor(Unknown()));
    host.ClearTranscript();
  }
  void TearDown() override {
    effect.reset();
    DescriptionTest::TearDown();
  }
  // The component's field calls and the map's property calls, in order.
  std::vector<std::string> Described() const {
    std::vector<std::string> lines;
    for (const Call& call : host.Calls())
      if ((call.object == "component1" && call.slot > 4) || (call.object == "map1" && call.slot == 4))
        lines.push_back(call.Text());
    return lines;
  }

  std::unique_ptr<AAX_VEffectDescriptor> effect;
  ComponentSetup setup;
};

TEST_F(DescribeComponentTest, EveryOptionOfTheSetupIsDescribed) {
  const uint32_t meters[2] = {0x4D747231, 0x4D747232};
  int extraData = 0;
  setup.globalMidiEnabled = true;
  setup.globalMidiName = "GlobalMIDI";
  setup.localMidiEnabled = true;
  setup.localMidiName = "VimbraOndelino Midi";
  setup.transportEnabled = false;
  setup.meterCount = 2;
  setup.meterIds = meters;
  setup.extraFieldCount = 2;
  setup.extraFieldData[1] = &extraData;
  setup.extraFieldValues[1] = 7;
  setup.inputStemFormat = StemFormatForChannels(1);
  setup.outputStemFormat = StemFormatForChannels(2);
  setup.flag151 = true;
  setup.property60 = false;
  setup.manufacturerId = 11;
  setup.productId = 12;
  setup.nativeTypeId = 13;
  setup.secondTypeId = kNoSecondTypeId;
  setup.property56 = 5;
  description.customiseMap = [](fakehost::Object& map) { map.SetResult(4, -9, "V1"); };

  // Every property is refused: property 151 is not counted, the rest is.
  EXPECT_EQ(-9, DescribeComponent(effect.get(), setup));
  EXPECT_THAT(Described(),
              ElementsAre("component1.V1[15](6, 2, \"GlobalMIDI\", 65535)",
                          "component1.V1[15](5, 0, \"VimbraOndelino Midi\", 1)",
                          "component1.V1[13](7, 4, 0)", "component1.V1[5](0)",
                          "component1.V1[6](1)", "component1.V1[7](3)",
                          "component1.V1[18](9, ptr, 2)", "component1.V1[12](0, 1, null)",
                          "component1.V1[12](0, 7, ptr)", "component1.V1[13](8, 8, 0)",
                          "map1.V1[4](151, 1)", "map1.V1[4](56, 5)", "map1.V1[4](51, 1)",
                          "map1.V1[4](52, 65538)", "map1.V1[4](60, 0)", "map1.V1[4](11, 11)",
                          "map1.V1[4](12, 12)", "map1.V1[4](13, 13)",
                          "component1.V1[16](ptr, ptr, null, null, null)"));
  EXPECT_EQ(meters, FindCall("component1.V1[18]")->args[1].pointer);
  EXPECT_EQ(reinterpret_cast<const void*>(&ProcessContexts),
            FindCall("component1.V1[16]")->args[0].pointer);
}

TEST_F(DescribeComponentTest, OnlyTheNonCountedPropertyFailing) {
  setup.flag151 = true;
  description.customiseMap = [](fakehost::Object& map) {
    map.SetBehaviour(4, [](fakehost::Object&, const Call& call) -> int64_t {
      return call.args[0].integer == 151 ? -1 : 0;
    }, "V1");
  };
  EXPECT_EQ(AAX_SUCCESS, DescribeComponent(effect.get(), setup));
}

TEST_F(DescribeComponentTest, ExtraFieldsAreBoundedByTheirTables) {
  setup.extraFieldCount = 40;
  DescribeComponent(effect.get(), setup);
  size_t extra = 0;
  for (const Call& call : host.Calls()) extra += call.Where() == "component1.V1[12]";
  EXPECT_EQ(static_cast<size_t>(ComponentSetup::kMaxExtraFields), extra);
}

}  // namespace
