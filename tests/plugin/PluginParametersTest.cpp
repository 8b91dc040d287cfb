// Identity, parameter set, state and presets of a fresh instance; creation
// from several threads.
#include <gtest/gtest.h>

#include <cstring>
#include <thread>

#include "PluginIdentity.h"
#include "PluginTestUtil.h"

using vo_test::MakePlugin;

namespace {

std::vector<double> StateValues(const StateChunk& chunk) {
  std::vector<double> values(chunk.Size() / 8);
  std::memcpy(values.data(), chunk.GetBytes(), values.size() * 8);
  return values;
}

const std::vector<double> kDefaults = {0, 0, 0, 50, 1, 0, 0.5, 0.8, 8, 100, 1, 1};

}  // namespace

TEST(PluginIdentity, NamesCodesAndChannels) {
  auto plug = MakePlugin();
  EXPECT_STREQ(plug->GetEffectName(), "VimbraOndelino");
  EXPECT_STREQ(plug->GetProductName(), "");
  EXPECT_STREQ(plug->GetMakerName(), "Vimbra");
  EXPECT_EQ(plug->GetEffectVersion(), 0x00010200);
  EXPECT_EQ(plug->GetUniqueId(), 0x4F646C6E);  // 'Odln'
  EXPECT_EQ(plug->GetMakerId(), 0x566D4261);   // 'VmBa'
  EXPECT_EQ(plug->GetLatency(), 0);
  EXPECT_FALSE(plug->DoesMidi());
  ASSERT_EQ(plug->NChannelIO(), 2);
  EXPECT_EQ(plug->NInChannels(), 2);
  EXPECT_EQ(plug->NOutChannels(), 2);
  EXPECT_STREQ(kPluginVersionText, "v1.2.0");
}

TEST(PluginParameters, NamesRangesStepsAndLabels) {
  struct Expected {
    const char* name;
    double def, min, max, step;
    const char* label;
  };
  const Expected expected[] = {
      {"Oversample", 0, 0, 1, 0.1, ""},   {"Input", 0, -30, 12, 0.1, "dB"},
      {"Output", 0, -30, 12, 0.1, "dB"},  {"Dry/Wet", 50, 0, 100, 1, "%"},
      {"Mode I", 1, 0, 1, 0.1, ""},       {"Mode II", 0, 0, 1, 0.1, ""},
      {"Mode I Rate", 0.5, 0.1, 2, 0.1, "Hz"}, {"Mode II Rate", 0.8, 0.1, 2, 0.1, "Hz"},
      {"Mode I+II Rate", 8, 1, 20, 0.1, "Hz"}, {"Wide", 100, 0, 100, 1, "%"},
      {"Analog Emu.", 1, 0, 1, 0.1, ""},  {"Analog Hiss", 1, 0, 1, 0.1, ""},
  };
  auto plug = MakePlugin();
  ASSERT_EQ(plug->NParams(), 12);
  for (int i = 0; i < 12; ++i) {
    SCOPED_TRACE(expected[i].name);
    const IPlugParameter* p = plug->GetParam(i);
    EXPECT_STREQ(p->Name(), expected[i].name);
    EXPECT_DOUBLE_EQ(p->GetDefault(), expected[i].def);
    EXPECT_DOUBLE_EQ(p->Value(), expected[i].def);
    EXPECT_DOUBLE_EQ(p->GetMin(), expected[i].min);
    EXPECT_DOUBLE_EQ(p->GetMax(), expected[i].max);
    EXPECT_DOUBLE_EQ(p->GetStep(), expected[i].step);
    EXPECT_STREQ(p->Label(), expected[i].label);
    EXPECT_STREQ(p->GroupName(), "");
    EXPECT_DOUBLE_EQ(p->GetShape(), 1.0);
  }
  // The switches show "off" and "on".
  EXPECT_STREQ(plug->GetParam(VimbraOndelino::kModeI)->FindDisplayText(1), "on");
  EXPECT_STREQ(plug->GetParam(VimbraOndelino::kOversample)->FindDisplayText(0), "off");
}

TEST(PluginState, FreshInstanceAndPresetHoldTheDefaults) {
  auto plug = MakePlugin();
  StateChunk state;
  ASSERT_TRUE(plug->SerializeParams(&state));
  ASSERT_EQ(state.Size(), 96);
  EXPECT_EQ(StateValues(state), kDefaults);

  ASSERT_EQ(plug->NPresets(), 1);
  const PresetSlot* preset = plug->GetPreset(0);
  EXPECT_TRUE(preset->mInitialized);
  EXPECT_STREQ(preset->mName, "-");
  EXPECT_EQ(StateValues(preset->mChunk), kDefaults);
}

TEST(PluginFactory, TwoThreadsCreateTwoCompleteInstances) {
  std::unique_ptr<VimbraOndelino> a, b;
  std::thread ta([&] { a = MakePlugin(); });
  std::thread tb([&] { b = MakePlugin(); });
  ta.join();
  tb.join();
  ASSERT_TRUE(a && b);
  EXPECT_NE(a.get(), b.get());
  for (VimbraOndelino* plug : {a.get(), b.get()}) {
    StateChunk state;
    ASSERT_TRUE(plug->SerializeParams(&state));
    EXPECT_EQ(StateValues(state), kDefaults);
    EXPECT_STREQ(plug->GetPreset(0)->mName, "-");
  }
  // Destroying both leaks nothing (the sanitizer build checks for leaks).
}
