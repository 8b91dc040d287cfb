#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "AssertionHook.h"
#include "FakeGraphics.h"
#include "TestPlug.h"

namespace {

using vo::TestPlug;
using vo::TestPlugOptions;

TestPlugOptions Bare() {
  TestPlugOptions options;
  options.wrapperSetUp = false;
  return options;
}

// Every parameter i spans [-100, 100] and holds 5 * i + 0.5.
void SetUpRanges(TestPlug& plug) {
  for (int i = 0; i < plug.NParams(); ++i) {
    plug.GetParam(i)->SetUpDouble("p", 5.0 * i + 0.5, -100.0, 100.0, 0.1);
  }
}

double StoredDouble(const StateChunk& chunk, int index) {
  double v = 0.0;
  EXPECT_EQ(8 * (index + 1), chunk.GetDouble(&v, 8 * index));
  return v;
}

TEST(IPlugBase, ConstructionFromTheChannelText) {
  TestPlug plug(Bare());
  ASSERT_EQ(2, plug.NChannelIO());
  EXPECT_EQ(1, plug.GetChannelIO(0)->mInputs);
  EXPECT_EQ(1, plug.GetChannelIO(0)->mOutputs);
  EXPECT_EQ(2, plug.GetChannelIO(1)->mInputs);
  EXPECT_EQ(2, plug.GetChannelIO(1)->mOutputs);
  EXPECT_EQ(2, plug.NInChannels());
  EXPECT_EQ(2, plug.NOutChannels());
  EXPECT_FALSE(plug.IsInChannelConnected(1));
  EXPECT_EQ(kHostUninit, plug.GetHostId());
  ASSERT_EQ(1, plug.NPresets());
  EXPECT_STREQ("empty", plug.GetPreset(0)->mName);
}

TEST(IPlugBase, NullOrMalformedChannelText) {
  TestPlugOptions options = Bare();
  options.channelIO = nullptr;
  TestPlug none(options);
  EXPECT_EQ(0, none.NChannelIO());
  EXPECT_EQ(0, none.NInChannels());
  EXPECT_EQ(0, none.NOutChannels());

  PointerList<ChannelIOSpec> configs;
  int maxIn = -1, maxOut = -1;
  EXPECT_FALSE(ParseChannelIOSpecs("2-x 1-4", &configs, &maxIn, &maxOut));
  ASSERT_EQ(2, configs.GetSize());
  EXPECT_EQ(0, configs.Get(0)->mInputs);  // a missing number makes the token 0-0
  EXPECT_EQ(0, configs.Get(0)->mOutputs);
  EXPECT_EQ(4, configs.Get(1)->mOutputs);
  EXPECT_EQ(1, maxIn);
  EXPECT_EQ(4, maxOut);
  configs.DeleteAll(true);
}

std::vector<std::string> gFailedChecks;
void RecordFailedCheck(const char* /*function*/, int /*line*/, const char* condition) {
  gFailedChecks.push_back(condition);
}

TEST(IPlugBase, MalformedChannelTextIsReportedThroughTheAssertionHook) {
  gFailedChecks.clear();
  SetAssertionHandler(RecordFailedCheck);
  TestPlugOptions options = Bare();
  TestPlug good(options);
  EXPECT_TRUE(gFailedChecks.empty());
  options.channelIO = "2-x 1-1";
  TestPlug bad(options);
  SetAssertionHandler(nullptr);
  ASSERT_EQ(1u, gFailedChecks.size());
  EXPECT_EQ("channelIOStrValid", gFailedChecks[0]);
  EXPECT_EQ(1, bad.NInChannels());  // the malformed token counts as 0-0
}

TEST(IPlugBase, SerializedStateIsEightLittleEndianBytesPerParameter) {
  TestPlug plug;
  SetUpRanges(plug);
  plug.GetParam(0)->SetUpDouble("one", 1.0, 0.0, 2.0, 0.1);
  StateChunk chunk;
  ASSERT_TRUE(plug.SerializeParams(&chunk));
  ASSERT_EQ(96, chunk.Size());
  const unsigned char one[8] = {0, 0, 0, 0, 0, 0, 0xF0, 0x3F};
  EXPECT_EQ(0, std::memcmp(one, chunk.GetBytes(), 8));
  EXPECT_DOUBLE_EQ(55.5, StoredDouble(chunk, 11));
}

TEST(IPlugBase, StateRoundTrip) {
  TestPlug plug;
  SetUpRanges(plug);
  StateChunk chunk;
  const unsigned char header[4] = {1, 2, 3, 4};
  chunk.PutBytes(header, 4);  // the state is appended after what the chunk holds
  ASSERT_TRUE(plug.WriteState(&chunk));
  ASSERT_EQ(100, chunk.Size());

  for (int i = 0; i < 12; ++i) plug.GetParam(i)->SetFromNormalized(0.0);
  plug.changes.clear();
  EXPECT_EQ(100, plug.ReadState(&chunk, 4));
  for (int i = 0; i < 12; ++i) EXPECT_DOUBLE_EQ(plug.GetParam(i)->GetDefault(), plug.GetParam(i)->Value());
  ASSERT_EQ(12u, plug.changes.size());
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(i, plug.changes[i].index);
    EXPECT_EQ(kSourceStateRestore, plug.changes[i].source);
  }
}

TEST(IPlugBase, ShortStateReadsWhatIsThereAndAnswersMinusOne) {
  TestPlug plug;
  SetUpRanges(plug);
  plug.GetParam(2)->SetUpDouble("two", 3.0, 1.0, 5.0, 0.1);
  StateChunk chunk;
  chunk.PutDouble(-42.0);
  chunk.PutDouble(42.0);
  chunk.PutBytes("abcd", 4);  // 20 bytes
  EXPECT_EQ(-1, plug.UnserializeParams(&chunk, 0));
  EXPECT_DOUBLE_EQ(-42.0, plug.GetParam(0)->Value());
  EXPECT_DOUBLE_EQ(42.0, plug.GetParam(1)->Value());
  EXPECT_DOUBLE_EQ(1.0, plug.GetParam(2)->Value());  // 0.0 clamped into [1, 5]
  for (int i = 3; i < 12; ++i) EXPECT_DOUBLE_EQ(5.0 * i + 0.5, plug.GetParam(i)->Value());
  ASSERT_EQ(12u, plug.changes.size());
  for (int i = 0; i < 12; ++i) EXPECT_EQ(kSourceStateRestore, plug.changes[i].source);

  plug.changes.clear();
  EXPECT_EQ(-3, plug.UnserializeParams(&chunk, -3));  // nothing read, all announced
  EXPECT_DOUBLE_EQ(-42.0, plug.GetParam(0)->Value());
  EXPECT_EQ(12u, plug.changes.size());
}

TEST(IPlugBase, StoredValuesAreClampedAndNaNLoadsTheDefault) {
  TestPlugOptions options;
  options.nParams = 5;
  TestPlug plug(options);
  for (int i = 0; i < 5; ++i) plug.GetParam(i)->SetUpDouble("p", 0.25, -1.0, 1.0, 0.01);
  StateChunk chunk;
  chunk.PutDouble(7.0);
  chunk.PutDouble(-7.0);
  chunk.PutDouble(std::numeric_limits<double>::quiet_NaN());
  chunk.PutDouble(std::numeric_limits<double>::infinity());
  chunk.PutDouble(-std::numeric_limits<double>::infinity());
  EXPECT_EQ(40, plug.UnserializeParams(&chunk, 0));
  const double expected[] = {1.0, -1.0, 0.25, 1.0, -1.0};
  for (int i = 0; i < 5; ++i) EXPECT_DOUBLE_EQ(expected[i], plug.GetParam(i)->Value()) << i;
}

TEST(IPlugBase, CompareParamValuesUsesSinglePrecisionTolerance) {
  TestPlugOptions options;
  options.nParams = 2;
  TestPlug plug(options);
  plug.GetParam(0)->SetUpDouble("a", 0.5, 0.0, 1.0, 0.000001);
  plug.GetParam(1)->SetUpDouble("b", 0.5, 0.0, 1.0, 0.000001);
  const double equal[] = {99.0, 0.5, 0.500004};
  const double differ[] = {0.5, 0.50002};
  const double nan[] = {0.5, std::numeric_limits<double>::quiet_NaN()};
  EXPECT_TRUE(plug.CompareParamValues(equal, 1));
  EXPECT_FALSE(plug.CompareParamValues(differ, 0));
  EXPECT_FALSE(plug.CompareParamValues(nan, 0));

  // A single-precision difference just below 0.00001 (the float nearest to
  // it) still counts as equal: only the values are narrowed, not the tolerance.
  plug.GetParam(0)->SetUpDouble("a", 0.0, 0.0, 1.0, 0.000001);
  const double justBelow[] = {static_cast<double>(0.00001f), 0.5};
  EXPECT_TRUE(plug.CompareParamValues(justBelow, 0));
}

TEST(IPlugBase, EditorChangeSetsInformsAndAnnounces) {
  TestPlug plug;
  SetUpRanges(plug);
  plug.SetParameterFromGUI(3, 0.75);
  EXPECT_DOUBLE_EQ(50.0, plug.GetParam(3)->Value());
  ASSERT_EQ(1u, plug.hostCalls.size());
  EXPECT_EQ(TestPlug::HostCall::kInform, plug.hostCalls[0].kind);
  EXPECT_EQ(3, plug.hostCalls[0].index);
  EXPECT_DOUBLE_EQ(0.75, plug.hostCalls[0].value);
  ASSERT_EQ(1u, plug.changes.size());
  EXPECT_EQ(3, plug.changes[0].index);
  EXPECT_EQ(kSourceEditor, plug.changes[0].source);

  plug.SetParameterFromGUI(12, 0.5);
  plug.SetParameterFromGUI(-1, 0.5);
  EXPECT_EQ(1u, plug.hostCalls.size());
  EXPECT_EQ(1u, plug.changes.size());

  // The mutex is re-entrant: a thread that holds it may change parameters.
  MutexLock lock(plug.GetMutex());
  plug.SetParameterFromGUI(3, 0.5);
  plug.ResetProcessing();
  plug.ActivationChanged(true);
  EXPECT_DOUBLE_EQ(0.0, plug.GetParam(3)->Value());
}

TEST(IPlugBase, ConnectGraphicsPushesNormalisedValuesThenOwnsTheEditor) {
  bool destroyed = false;
  {
    TestPlugOptions options;
    options.nParams = 3;
    TestPlug plug(options);
    for (int i = 0; i < 3; ++i) plug.GetParam(i)->SetUpDouble("p", 25.0 * i, 0.0, 100.0, 1.0);
    plug.ConnectGraphics(nullptr);
    EXPECT_EQ(nullptr, plug.GetGUI());

    auto* editor = new vo::FakeGraphics(&destroyed);
    plug.ConnectGraphics(editor);
    EXPECT_EQ(editor, plug.GetGUI());
    ASSERT_EQ(3u, editor->pushes.size());
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(i, editor->pushes[i].index);
      EXPECT_DOUBLE_EQ(0.25 * i, editor->pushes[i].value);
      EXPECT_TRUE(editor->pushes[i].normalized);
    }
    EXPECT_EQ(3, editor->backBuffersPreparedAfter);

    editor->pushes.clear();
    plug.PushParamValuesToEditor();
    ASSERT_EQ(3u, editor->pushes.size());
    EXPECT_DOUBLE_EQ(50.0, editor->pushes[2].value);
    EXPECT_FALSE(editor->pushes[2].normalized);
    EXPECT_FALSE(destroyed);
  }
  EXPECT_TRUE(destroyed);
}

TEST(IPlugBase, PresetsFromCurrentStateFillFreeSlotsOnly) {
  TestPlugOptions options;
  options.nPresets = 2;
  TestPlug plug(options);
  SetUpRanges(plug);
  plug.AddPresetsFromCurrentState("-", 1);
  plug.AddPresetsFromCurrentState(nullptr, 5);
  EXPECT_TRUE(plug.GetPreset(0)->mInitialized);
  EXPECT_STREQ("-", plug.GetPreset(0)->mName);
  EXPECT_STREQ("Empty", plug.GetPreset(1)->mName);
  ASSERT_EQ(96, plug.GetPreset(0)->mChunk.Size());
  EXPECT_DOUBLE_EQ(15.5, StoredDouble(plug.GetPreset(1)->mChunk, 3));
  EXPECT_EQ(96, plug.GetPreset(1)->mChunk.Size());
}

TEST(IPlugBase, MidiAndHostIdentification) {
  TestPlug plug;
  IMidiShortMessage message;
  message.mData1 = 60;
  plug.HandleMidiMessage(&message);  // reaches the wrapper's forwarding
  ASSERT_EQ(1u, plug.midiMessages.size());
  EXPECT_EQ(60, plug.midiMessages[0].mData1);

  plug.SetHost("ProTools", 0x00010200);
  EXPECT_EQ(kHostProTools, plug.GetHostId());
  EXPECT_EQ(0x00010200, plug.GetHostVersion());
  plug.SetHost("Pro Tools", 0);
  EXPECT_EQ(kHostUnknown, plug.GetHostId());
}

TEST(IPlugBase, SampleRatesAHostCannotMeanAreIgnored) {
  TestPlug plug;
  plug.StoreSampleRate(48000.0);
  for (const double bad : {0.0, -44100.0, 0.5, std::nan(""), HUGE_VAL, 3e9}) plug.StoreSampleRate(bad);
  EXPECT_EQ(48000.0, plug.GetSampleRate());
  plug.StoreSampleRate(96000.0);
  EXPECT_EQ(96000.0, plug.GetSampleRate());
}

}  // namespace
