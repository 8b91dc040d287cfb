// Initialisation: buses, the parameters a host sees, their texts and
// conversions, units, the program list, MIDI mapping and host identification.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "HostObjects.h"
#include "Vst3TestSupport.h"
#include "pluginterfaces/vst/ivstunits.h"

using namespace Steinberg;
using namespace Steinberg::Vst;
using vo::vst3host::HostApplication;
using vo::vst3host::HostComponentHandler;
using vo::vst3host::ToUtf8;
using vst3test::PlugRef;
using vst3test::TestPlugConfig;
using vst3test::TestVst3Plug;

namespace {

ParameterInfo InfoAt(IPlugVST3* plug, int32 index) {
  ParameterInfo info{};
  EXPECT_EQ(plug->getParameterInfo(index, info), kResultTrue);
  return info;
}

std::string TextOf(IPlugVST3* plug, ParamID id, double normalized) {
  String128 text = {};
  if (plug->getParamStringByValue(id, normalized, text) != kResultOk) return "<none>";
  return ToUtf8(text);
}

BusInfo BusAt(IPlugVST3* plug, MediaType type, BusDirection dir, int32 index) {
  BusInfo info{};
  EXPECT_EQ(plug->getBusInfo(type, dir, index, info), kResultTrue);
  return info;
}

}  // namespace

TEST(Vst3Initialize, OffersTheStereoMainBusesOfThePlugin) {
  PlugRef<VimbraOndelino> plug(new VimbraOndelino);
  ASSERT_EQ(plug->initialize(nullptr), kResultOk);
  ASSERT_EQ(plug->getBusCount(kAudio, kInput), 1);
  ASSERT_EQ(plug->getBusCount(kAudio, kOutput), 1);
  EXPECT_EQ(plug->getBusCount(kEvent, kInput), 0);
  const BusInfo in = BusAt(plug.get(), kAudio, kInput, 0);
  const BusInfo out = BusAt(plug.get(), kAudio, kOutput, 0);
  EXPECT_EQ(ToUtf8(in.name), "Main Input");
  EXPECT_EQ(in.channelCount, 2);
  EXPECT_EQ(in.busType, kMain);
  EXPECT_EQ(in.flags, static_cast<uint32>(BusInfo::kDefaultActive));
  EXPECT_EQ(ToUtf8(out.name), "Output");
  EXPECT_EQ(out.channelCount, 2);

  // Terminating removes the buses and parameters again.
  plug->terminate();
  EXPECT_EQ(plug->getBusCount(kAudio, kInput), 0);
  EXPECT_EQ(plug->getBusCount(kAudio, kOutput), 0);
  EXPECT_EQ(plug->getParameterCount(), 0);
}

TEST(Vst3Initialize, RegistersPresetBypassAndThePluginParametersInHostOrder) {
  PlugRef<VimbraOndelino> plug(new VimbraOndelino);
  plug->initialize(nullptr);
  ASSERT_EQ(plug->getParameterCount(), 14);

  const ParameterInfo preset = InfoAt(plug.get(), 0);
  EXPECT_EQ(preset.id, 0x70727374u);
  EXPECT_EQ(ToUtf8(preset.title), "Preset");
  EXPECT_EQ(preset.flags, 0x8000);
  EXPECT_EQ(preset.stepCount, 1);  // the number of presets
  EXPECT_EQ(preset.unitId, 0);

  const ParameterInfo bypass = InfoAt(plug.get(), 1);
  EXPECT_EQ(bypass.id, 0x62706173u);
  EXPECT_EQ(ToUtf8(bypass.title), "Bypass");
  EXPECT_EQ(bypass.flags, 0x10009);
  EXPECT_EQ(bypass.stepCount, 1);

  const char* names[12] = {"Oversample",  "Input",        "Output",         "Dry/Wet",
                           "Mode I",      "Mode II",      "Mode I Rate",    "Mode II Rate",
                           "Mode I+II Rate", "Wide",      "Analog Emu.",    "Analog Hiss"};
  const char* units[12] = {"", "dB", "dB", "%", "", "", "Hz", "Hz", "Hz", "%", "", ""};
  const bool isSwitch[12] = {true, false, false, false, true, true, false, false, false, false, true, true};
  for (int i = 0; i < 12; ++i) {
    SCOPED_TRACE(names[i]);
    const ParameterInfo info = InfoAt(plug.get(), 2 + i);
    EXPECT_EQ(info.id, static_cast<ParamID>(i));
    EXPECT_EQ(ToUtf8(info.title), names[i]);
    EXPECT_EQ(ToUtf8(info.units), units[i]);
    EXPECT_EQ(info.flags, isSwitch[i] ? 9 : 1);  // list + automatable, or automatable
    EXPECT_EQ(info.stepCount, isSwitch[i] ? 1 : 0);
    EXPECT_EQ(info.unitId, 0);
  }
  EXPECT_DOUBLE_EQ(InfoAt(plug.get(), 3).defaultNormalizedValue, 30.0 / 42.0);  // "Input" 0 dB
  EXPECT_DOUBLE_EQ(InfoAt(plug.get(), 5).defaultNormalizedValue, 0.5);          // "Dry/Wet" 50
  EXPECT_DOUBLE_EQ(InfoAt(plug.get(), 11).defaultNormalizedValue, 1.0);         // "Wide" 100
}

TEST(Vst3Initialize, SwitchesThatStartOnShowOnAsTheirDefault) {
  PlugRef<VimbraOndelino> plug(new VimbraOndelino);
  plug->initialize(nullptr);
  // Index in the host list is parameter index + 2.
  EXPECT_EQ(InfoAt(plug.get(), 2 + 4).defaultNormalizedValue, 1.0);   // Mode I
  EXPECT_EQ(InfoAt(plug.get(), 2 + 10).defaultNormalizedValue, 1.0);  // Analog Emu.
  EXPECT_EQ(InfoAt(plug.get(), 2 + 11).defaultNormalizedValue, 1.0);  // Analog Hiss
  EXPECT_EQ(InfoAt(plug.get(), 2 + 0).defaultNormalizedValue, 0.0);   // Oversample
  EXPECT_EQ(InfoAt(plug.get(), 2 + 5).defaultNormalizedValue, 0.0);   // Mode II
}

TEST(Vst3Parameters, TextsOfValues) {
  PlugRef<VimbraOndelino> plug(new VimbraOndelino);
  plug->initialize(nullptr);
  EXPECT_EQ(TextOf(plug.get(), 1, 0.5), "-9.0");
  EXPECT_EQ(TextOf(plug.get(), 3, 0.5), "50");
  EXPECT_EQ(TextOf(plug.get(), 4, 1.0), "on");
  EXPECT_EQ(TextOf(plug.get(), 4, 0.0), "off");
  EXPECT_EQ(TextOf(plug.get(), 6, 0.0), "0.1");
  // The wrapper's own parameters and unknown ids have no text here.
  EXPECT_EQ(TextOf(plug.get(), kParamIdBypass, 1.0), "<none>");
  EXPECT_EQ(TextOf(plug.get(), kParamIdPreset, 0.0), "<none>");
  EXPECT_EQ(TextOf(plug.get(), 12, 0.0), "<none>");
  EXPECT_EQ(TextOf(plug.get(), 1, std::nan("")), "<none>");
}

TEST(Vst3Parameters, PlainAndNormalisedConversions) {
  PlugRef<VimbraOndelino> plug(new VimbraOndelino);
  plug->initialize(nullptr);
  EXPECT_DOUBLE_EQ(plug->plainParamToNormalized(1, -9.0), 0.5);
  EXPECT_DOUBLE_EQ(plug->plainParamToNormalized(3, 70.0), 0.7);
  EXPECT_DOUBLE_EQ(plug->plainParamToNormalized(1, 100.0), 1.0);  // clamped
  EXPECT_DOUBLE_EQ(plug->plainParamToNormalized(kParamIdBypass, 0.3), 0.3);
  EXPECT_DOUBLE_EQ(plug->normalizedParamToPlain(1, 0.5), -9.0);
  EXPECT_DOUBLE_EQ(plug->normalizedParamToPlain(3, 0.7), 70.0);
  EXPECT_DOUBLE_EQ(plug->normalizedParamToPlain(kParamIdBypass, 1.0), 1.0);
}

TEST(Vst3Parameters, ControllerValuesReachTheParameterAndNothingElse) {
  PlugRef<vst3test::RecordingOndelino> plug(new vst3test::RecordingOndelino);
  plug->initialize(nullptr);
  plug->changes.clear();

  EXPECT_DOUBLE_EQ(plug->getParamNormalized(1), 30.0 / 42.0);
  EXPECT_EQ(plug->setParamNormalized(3, 0.7), kResultOk);
  EXPECT_DOUBLE_EQ(plug->GetParam(3)->Value(), 70.0);
  EXPECT_DOUBLE_EQ(plug->getParamNormalized(3), 0.7);
  EXPECT_TRUE(plug->changes.empty());

  // Not a number: the parameter keeps its value; beyond the range: clamped.
  EXPECT_EQ(plug->setParamNormalized(3, std::nan("")), kResultOk);
  EXPECT_DOUBLE_EQ(plug->GetParam(3)->Value(), 70.0);
  EXPECT_EQ(plug->setParamNormalized(3, 1.5), kResultOk);
  EXPECT_DOUBLE_EQ(plug->GetParam(3)->Value(), 100.0);
  EXPECT_EQ(plug->setParamNormalized(1, -3.0), kResultOk);
  EXPECT_DOUBLE_EQ(plug->GetParam(1)->Value(), -30.0);

  EXPECT_EQ(plug->setParamNormalized(12, 0.5), kResultFalse);
  EXPECT_EQ(plug->getParamNormalized(kParamIdPreset), 0.0);
  EXPECT_EQ(plug->getParamNormalized(99), 0.0);
}

TEST(Vst3Units, GroupNamesBecomeUnitsInOrderOfFirstUse) {
  TestPlugConfig config;
  config.nParams = 4;
  PlugRef<TestVst3Plug> plug(new TestVst3Plug(config));
  plug->GetParam(0)->SetUpDouble("a", 0, 0, 1, 0.01, "", "Mod");
  plug->GetParam(1)->SetUpDouble("b", 0, 0, 1, 0.01, "", "Out");
  plug->GetParam(2)->SetUpDouble("c", 0, 0, 1, 0.01, "", "Mod");
  plug->GetParam(3)->SetUpDouble("d", 0, 0, 1, 0.01, "", "");
  plug->initialize(nullptr);

  EXPECT_EQ(plug->getUnitCount(), 3);
  const int expectedUnits[4] = {1, 2, 1, 0};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(InfoAt(plug.get(), 2 + i).unitId, expectedUnits[i]);

  UnitInfo unit{};
  ASSERT_EQ(plug->getUnitInfo(0, unit), kResultTrue);
  EXPECT_EQ(unit.id, 0);
  EXPECT_EQ(unit.parentUnitId, -1);
  EXPECT_EQ(unit.programListId, -1);
  EXPECT_EQ(ToUtf8(unit.name), "Root Unit");
  ASSERT_EQ(plug->getUnitInfo(1, unit), kResultTrue);
  EXPECT_EQ(unit.id, 1);
  EXPECT_EQ(unit.parentUnitId, 0);
  EXPECT_EQ(ToUtf8(unit.name), "Mod");
  ASSERT_EQ(plug->getUnitInfo(2, unit), kResultTrue);
  EXPECT_EQ(ToUtf8(unit.name), "Out");
  EXPECT_EQ(plug->getUnitInfo(3, unit), kResultFalse);
  EXPECT_EQ(plug->getUnitInfo(-1, unit), kResultFalse);
}

TEST(Vst3Units, FactoryPresetsAreOneProgramList) {
  PlugRef<VimbraOndelino> plug(new VimbraOndelino);
  plug->initialize(nullptr);
  EXPECT_EQ(plug->getProgramListCount(), 1);
  ProgramListInfo list{};
  ASSERT_EQ(plug->getProgramListInfo(0, list), kResultTrue);
  EXPECT_EQ(list.id, static_cast<ProgramListID>(kParamIdPreset));
  EXPECT_EQ(ToUtf8(list.name), "Factory Presets");
  EXPECT_EQ(list.programCount, 1);
  EXPECT_EQ(plug->getProgramListInfo(1, list), kResultFalse);

  String128 name = {};
  ASSERT_EQ(plug->getProgramName(static_cast<ProgramListID>(kParamIdPreset), 0, name), kResultTrue);
  EXPECT_EQ(ToUtf8(name), "-");
  ASSERT_EQ(plug->getProgramName(static_cast<ProgramListID>(kParamIdPreset), 5, name), kResultTrue);
  EXPECT_EQ(ToUtf8(name), "");
  EXPECT_EQ(plug->getProgramName(7, 0, name), kResultFalse);
}

TEST(Vst3Initialize, APluginWithoutPresetsHasNoPresetParameter) {
  TestPlugConfig config;
  config.nPresets = 0;
  PlugRef<TestVst3Plug> plug(new TestVst3Plug(config));
  plug->initialize(nullptr);
  EXPECT_EQ(plug->getParameterCount(), 1 + config.nParams);
  EXPECT_EQ(InfoAt(plug.get(), 0).id, kParamIdBypass);
  EXPECT_EQ(plug->getProgramListCount(), 0);
}

TEST(Vst3Initialize, MultiOutputGivesStereoOutputBusesAndNoBypass) {
  TestPlugConfig config;
  config.channelIO = "2-4";
  config.multiOutput = true;
  PlugRef<TestVst3Plug> plug(new TestVst3Plug(config));
  plug->initialize(nullptr);
  ASSERT_EQ(plug->getBusCount(kAudio, kOutput), 2);
  EXPECT_EQ(ToUtf8(BusAt(plug.get(), kAudio, kOutput, 0).name), "Output 1");
  EXPECT_EQ(ToUtf8(BusAt(plug.get(), kAudio, kOutput, 1).name), "Output 2");
  EXPECT_EQ(BusAt(plug.get(), kAudio, kOutput, 1).channelCount, 2);
  for (int32 i = 0; i < plug->getParameterCount(); ++i) EXPECT_NE(InfoAt(plug.get(), i).id, kParamIdBypass);
}

TEST(Vst3Initialize, SideChainBusIsAnAuxBusOfAtMostTwoChannels) {
  TestPlugConfig config;
  config.channelIO = "5-2";
  config.auxInputs = 3;
  PlugRef<TestVst3Plug> plug(new TestVst3Plug(config));
  plug->initialize(nullptr);
  EXPECT_EQ(plug->AuxInputChannels(), 2);
  ASSERT_EQ(plug->getBusCount(kAudio, kInput), 2);
  const BusInfo main = BusAt(plug.get(), kAudio, kInput, 0);
  EXPECT_EQ(main.channelCount, 2);  // five inputs less the three asked for
  EXPECT_EQ(ToUtf8(main.name), "Main Input");
  const BusInfo aux = BusAt(plug.get(), kAudio, kInput, 1);
  EXPECT_EQ(ToUtf8(aux.name), "Aux Input");
  EXPECT_EQ(aux.busType, kAux);
  EXPECT_EQ(aux.channelCount, 2);
  EXPECT_EQ(aux.flags, 0u);
}

TEST(Vst3Midi, APluginThatTakesMidiGetsAnEventBusAndControllerParameters) {
  TestPlugConfig config;
  config.midi = true;
  PlugRef<TestVst3Plug> plug(new TestVst3Plug(config));
  plug->initialize(nullptr);
  ASSERT_EQ(plug->getBusCount(kEvent, kInput), 1);
  const BusInfo events = BusAt(plug.get(), kEvent, kInput, 0);
  EXPECT_EQ(ToUtf8(events.name), "MIDI Input");
  EXPECT_EQ(events.channelCount, 1);

  ASSERT_EQ(plug->getParameterCount(), 2 + config.nParams + 128);
  const ParameterInfo cc = InfoAt(plug.get(), 2 + config.nParams + 7);
  EXPECT_EQ(cc.id, static_cast<ParamID>(config.nParams + 7));
  EXPECT_EQ(ToUtf8(cc.title), "MIDI CC");
  EXPECT_EQ(cc.flags, 1);
  EXPECT_EQ(cc.stepCount, 0);
  EXPECT_DOUBLE_EQ(plug->normalizedParamToPlain(cc.id, 1.0), 127.0);

  ParamID id = 0;
  EXPECT_EQ(plug->getMidiControllerAssignment(0, 0, 7, id), kResultOk);
  EXPECT_EQ(id, static_cast<ParamID>(config.nParams + 7));
  id = 4242;
  EXPECT_EQ(plug->getMidiControllerAssignment(0, 0, 128, id), kResultFalse);
  EXPECT_EQ(plug->getMidiControllerAssignment(0, 0, -1, id), kResultFalse);
  EXPECT_EQ(id, 4242u);
}

TEST(Vst3Midi, APluginWithoutMidiMapsNoController) {
  PlugRef<VimbraOndelino> plug(new VimbraOndelino);
  plug->initialize(nullptr);
  ParamID id = 4242;
  EXPECT_EQ(plug->getMidiControllerAssignment(0, 0, 7, id), kResultFalse);
  EXPECT_EQ(id, 4242u);
}

TEST(Vst3Initialize, ASecondInitializeFailsAndLeavesTheStateAlone) {
  HostApplication host("Some DAW");
  PlugRef<TestVst3Plug> plug(new TestVst3Plug(TestPlugConfig()));
  ASSERT_EQ(plug->initialize(&host), kResultOk);
  EXPECT_EQ(plug->presetActivations, 1);
  EXPECT_STREQ(plug->PresetNameAt(0), "user preset 1");
  plug->setParamNormalized(0, 0.75);

  EXPECT_EQ(plug->initialize(&host), kResultFalse);
  EXPECT_EQ(plug->presetActivations, 1);
  EXPECT_DOUBLE_EQ(plug->GetParam(0)->Value(), 0.75);
  EXPECT_EQ(plug->wrapperInitializedCalls, 2);
  EXPECT_EQ(plug->getBusCount(kAudio, kInput), 1);
  EXPECT_EQ(plug->getParameterCount(), 2 + 3);
  plug->terminate();
}

TEST(Vst3Initialize, TheHostApplicationNamesTheHost) {
  struct Case {
    const char* name;
    int hostId;
  };
  for (const Case& c : {Case{"WaveLab 9", 31}, Case{"Cubase 7", 3}, Case{"REAPER", 1}, Case{"Some DAW", 0}}) {
    SCOPED_TRACE(c.name);
    HostApplication host(c.name);
    {
      PlugRef<VimbraOndelino> plug(new VimbraOndelino);
      EXPECT_EQ(plug->GetHostId(), -1);
      plug->initialize(&host);
      EXPECT_EQ(plug->GetHostId(), c.hostId);
      plug->terminate();
    }
    EXPECT_EQ(host.References(), 1u);
  }

  // A host application that answers no name is still identified: as unknown.
  HostApplication silent("Cubase 7");
  silent.mRefuseName = true;
  PlugRef<VimbraOndelino> plug(new VimbraOndelino);
  plug->initialize(&silent);
  EXPECT_EQ(plug->GetHostId(), 0);
  plug->terminate();
}

TEST(Vst3Initialize, AContextThatIsNoHostApplicationLeavesTheHostUnknown) {
  vo::vst3host::HostStream notAHost;
  PlugRef<VimbraOndelino> plug(new VimbraOndelino);
  EXPECT_EQ(plug->initialize(&notAHost), kResultOk);
  EXPECT_EQ(plug->GetHostId(), -1);
  plug->terminate();
  EXPECT_EQ(notAHost.References(), 1u);
}

TEST(Vst3Gestures, EditorChangesReachTheComponentHandler) {
  HostComponentHandler handler;
  {
    PlugRef<VimbraOndelino> plug(new VimbraOndelino);
    plug->initialize(nullptr);
    plug->setComponentHandler(&handler);
    plug->BeginInformHostOfParamChange(3);
    plug->SetParameterFromGUI(3, 0.25);
    plug->EndInformHostOfParamChange(3);
    ASSERT_EQ(handler.mCalls.size(), 3u);
    EXPECT_EQ(handler.mCalls[0].kind, 'b');
    EXPECT_EQ(handler.mCalls[0].id, 3);
    EXPECT_EQ(handler.mCalls[1].kind, 'p');
    EXPECT_EQ(handler.mCalls[1].id, 3);
    EXPECT_DOUBLE_EQ(handler.mCalls[1].value, 0.25);
    EXPECT_EQ(handler.mCalls[2].kind, 'e');
    EXPECT_DOUBLE_EQ(plug->GetParam(3)->Value(), 25.0);
    plug->terminate();
  }
  EXPECT_EQ(handler.References(), 1u);
}

