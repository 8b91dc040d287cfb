// The short MIDI messages the wrapper builds, from host events and from the
// "MIDI CC" parameters.

#include <gtest/gtest.h>

#include <cmath>

#include "HostObjects.h"
#include "IMidiShortMessage.h"
#include "Vst3TestSupport.h"

using namespace Steinberg;
using namespace Steinberg::Vst;
using vo::vst3host::HostEventList;
using vo::vst3host::HostParameterChanges;
using vst3test::InitializeWithBuses;
using vst3test::PlugRef;
using vst3test::SetUpProcessing;
using vst3test::StereoBlock;
using vst3test::TestPlugConfig;
using vst3test::TestVst3Plug;

namespace {
void ExpectMessage(const IMidiShortMessage& m, int offset, int status, int data1, int data2) {
  EXPECT_EQ(m.mOffset, offset);
  EXPECT_EQ(m.mStatus, status);
  EXPECT_EQ(m.mData1, data1);
  EXPECT_EQ(m.mData2, data2);
}
}  // namespace

TEST(Vst3MidiMessages, BuildersWriteTheExactBytes) {
  ExpectMessage(IMidiShortMessage::MakeNoteOn(60, 100, 17, 2), 17, 0x92, 60, 100);
  ExpectMessage(IMidiShortMessage::MakeNoteOff(61, 5, 15), 5, 0x8F, 61, 0);
  ExpectMessage(IMidiShortMessage::MakeControlChange(7, 1.0, 0), 0, 0xB0, 7, 127);
  ExpectMessage(IMidiShortMessage::MakeControlChange(1, 0.5, 3), 0, 0xB3, 1, 63);  // 63.5 truncated
  ExpectMessage(IMidiShortMessage::MakeControlChange(74, 0.0, 0), 0, 0xB0, 74, 0);
  // Out-of-range numbers stay inside their bytes.
  ExpectMessage(IMidiShortMessage::MakeNoteOn(200, 300, 0, 17), 0, 0x91, 200 & 0x7F, 300 & 0x7F);
  ExpectMessage(IMidiShortMessage::MakeControlChange(7, 3.0, 0), 0, 0xB0, 7, 127);
  ExpectMessage(IMidiShortMessage::MakeControlChange(7, -1.0, 0), 0, 0xB0, 7, 0);
}

TEST(Vst3MidiEvents, NotesAndControllersReachThePlugin) {
  TestPlugConfig config;
  config.midi = true;
  PlugRef<TestVst3Plug> plug(new TestVst3Plug(config));
  InitializeWithBuses(plug.get());
  SetUpProcessing(plug, kSample32, 64);

  HostEventList events;
  events.AddNoteOn(2, 60, 0.5f, 17);
  events.AddNoteOff(2, 60, 40);
  events.AddNoteOn(0, 64, std::nanf(""), 41);  // a broken velocity: silent, no UB
  Event other{};
  other.type = Event::kPolyPressureEvent;
  events.Add(other);
  HostParameterChanges changes;
  changes.Add(static_cast<ParamID>(config.nParams + 7), 1.0);
  changes.Add(static_cast<ParamID>(config.nParams + 200), 1.0);  // no such controller

  StereoBlock<float> block(64);
  block.data.inputEvents = &events;
  block.data.inputParameterChanges = &changes;
  plug->process(block.data);

  ASSERT_EQ(plug->midi.size(), 4u);
  ExpectMessage(plug->midi[0], 0, 0xB0, 7, 127);  // parameter changes come first
  ExpectMessage(plug->midi[1], 17, 0x92, 60, 63);  // velocity 0.5 x 127 truncated
  ExpectMessage(plug->midi[2], 40, 0x82, 60, 0);
  ExpectMessage(plug->midi[3], 41, 0x90, 64, 0);
}

TEST(Vst3MidiEvents, APluginWithoutMidiGetsNone) {
  PlugRef<TestVst3Plug> plug(new TestVst3Plug(TestPlugConfig()));
  InitializeWithBuses(plug.get());
  SetUpProcessing(plug, kSample32, 16);
  HostEventList events;
  events.AddNoteOn(0, 60, 1.0f, 0);
  HostParameterChanges changes;
  changes.Add(3 + 7, 1.0);
  StereoBlock<float> block(16);
  block.data.inputEvents = &events;
  block.data.inputParameterChanges = &changes;
  plug->process(block.data);
  EXPECT_TRUE(plug->midi.empty());
}
