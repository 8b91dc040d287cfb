#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestPlug.h"

namespace {

using vo::TestPlug;
using vo::TestPlugOptions;

TestPlugOptions Channels(const char* io, int latency = 0) {
  TestPlugOptions options;
  options.channelIO = io;
  options.latency = latency;
  return options;
}

// Runs one 32-bit bypass block of the given input on both channels.
std::vector<float> BypassOnBothChannels(TestPlug& plug, std::vector<float> input, std::vector<float>* second) {
  const int frames = static_cast<int>(input.size());
  std::vector<float> in1 = input;
  std::vector<float> out0(input.size(), -1.0f), out1(input.size(), -1.0f);
  float* inputs[] = {input.data(), in1.data()};
  float* outputs[] = {out0.data(), out1.data()};
  testing::internal::CaptureStdout();
  plug.AttachInputSamples(0, 2, inputs, frames);
  testing::internal::GetCapturedStdout();
  plug.AttachOutputSamples(0, 2, outputs);
  plug.BypassBlock(frames);
  *second = out1;
  return out0;
}

TEST(ChannelProcessing, BypassDelaysByTheLatency) {
  TestPlug plug(Channels("2-2", 3));
  ASSERT_NE(nullptr, plug.GetLatencyDelay());
  plug.SetBlockFrames(5);
  std::vector<float> second;
  EXPECT_EQ((std::vector<float>{0, 0, 0, 1, 2}), BypassOnBothChannels(plug, {1, 2, 3, 4, 5}, &second));
  EXPECT_EQ((std::vector<float>{0, 0, 0, 1, 2}), second);
  EXPECT_EQ((std::vector<float>{3, 4, 5, 6, 7}), BypassOnBothChannels(plug, {6, 7, 8, 9, 10}, &second));
  EXPECT_EQ(0, plug.processCalls);

  // A new latency restarts the delay from silence; latency 0 bypasses directly
  // but keeps the delay record.
  plug.ChangeLatency(2);
  EXPECT_EQ((std::vector<float>{0, 0, 1, 2, 3}), BypassOnBothChannels(plug, {1, 2, 3, 4, 5}, &second));
  plug.ChangeLatency(0);
  EXPECT_NE(nullptr, plug.GetLatencyDelay());
  EXPECT_EQ((std::vector<float>{1, 2, 3, 4, 5}), BypassOnBothChannels(plug, {1, 2, 3, 4, 5}, &second));
}

TEST(ChannelProcessing, CopyWithoutLatencySilencesExtraOutputs) {
  TestPlug plug(Channels("1-2"));
  ASSERT_NE(nullptr, plug.GetLatencyDelay());  // present, but without latency it is not used
  EXPECT_EQ(nullptr, TestPlug(Channels("0-2")).GetLatencyDelay());  // only plug-ins with inputs have one
  std::vector<double> in = {1, 2, 3}, out0(3, -1), out1(3, -1);
  double* inputs[] = {in.data()};
  double* outputs[] = {out0.data(), out1.data()};
  plug.AttachInputSamplesDouble(0, 1, inputs);
  plug.AttachOutputSamplesDouble(0, 2, outputs);
  plug.CopyInputsToOutputs(3);
  EXPECT_EQ(in, out0);
  EXPECT_EQ((std::vector<double>{0, 0, 0}), out1);

  std::fill(out0.begin(), out0.end(), -1);
  std::fill(out1.begin(), out1.end(), -1);
  plug.RunBlockDoubles(3);  // the default block processing is the same pass-through
  EXPECT_EQ(in, out0);
  EXPECT_EQ((std::vector<double>{0, 0, 0}), out1);
  EXPECT_EQ(1, plug.processCalls);
}

TEST(ChannelProcessing, RunBlockConvertsConnectedOutputsOnly) {
  // A mono stem on a stereo plug-in: channel 1 is unconnected on both sides.
  TestPlug plug(Channels("1-1 2-2"));
  plug.SetBlockFrames(4);
  plug.SetInputConnections(0, 2, false);
  plug.SetInputConnections(0, 1, true);
  plug.SetOutputConnections(0, 1, true);
  plug.SetOutputConnections(1, 1, false);
  std::vector<double> seenSecondInput;
  plug.processHook = [&](double** inputs, double** outputs, int frames) {
    seenSecondInput.assign(inputs[1], inputs[1] + frames);
    for (int i = 0; i < frames; ++i) {
      outputs[0][i] = inputs[0][i] * 2.0;
      outputs[1][i] = 9.0;
    }
  };
  float in0[4] = {0.5f, 1, 2, 3}, in1[4] = {7, 7, 7, 7};
  float out0[4] = {}, out1[4] = {-1, -1, -1, -1};
  float* inputs[] = {in0, in1};
  float* outputs[] = {out0, out1};

  testing::internal::CaptureStdout();
  plug.AttachInputSamples(0, 2, inputs, 4);
  EXPECT_EQ("attaching channel 0 ...done\nattaching channel 1 ...done\n", testing::internal::GetCapturedStdout());
  plug.AttachOutputSamples(0, 2, outputs);
  plug.RunBlock(4);

  EXPECT_EQ((std::vector<double>{0, 0, 0, 0}), seenSecondInput);
  EXPECT_EQ((std::vector<float>{1, 2, 4, 6}), std::vector<float>(out0, out0 + 4));
  EXPECT_EQ((std::vector<float>{-1, -1, -1, -1}), std::vector<float>(out1, out1 + 4));
}

TEST(ChannelProcessing, AttachMessagesNameEveryChannelIndexInDecimal) {
  TestPlug plug(Channels("12-2"));
  plug.SetInputConnections(0, 12, false);
  testing::internal::CaptureStdout();
  plug.AttachInputSamples(8, 4, nullptr, 4);
  EXPECT_EQ(
      "attaching channel 8 ...done\nattaching channel 9 ...done\n"
      "attaching channel 10 ...done\nattaching channel 11 ...done\n",
      testing::internal::GetCapturedStdout());
}

TEST(ChannelProcessing, ScratchBuffersFollowTheBlockSize) {
  TestPlug plug(Channels("2-2"));
  plug.SetInputConnections(0, 2, false);
  plug.SetBlockFrames(8);
  // Unconnected channels read their (zeroed) scratch even after it was resized.
  double** slots = plug.InputSlotsForTest();
  ASSERT_NE(nullptr, slots[1]);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(0.0, slots[1][i]);

  plug.SetInputConnections(0, 2, true);
  float in[4] = {1, 2, 3, 4};
  float* inputs[] = {in, in};
  testing::internal::CaptureStdout();
  plug.AttachInputSamples(0, 2, inputs, 4);
  testing::internal::GetCapturedStdout();
  plug.SetBlockFrames(8);  // unchanged size: contents stay
  EXPECT_EQ(3.0, plug.InputSlotsForTest()[0][2]);
  plug.ClearScratchBuffers();
  EXPECT_EQ(0.0, plug.InputSlotsForTest()[0][2]);

  plug.SetBlockFrames(2);  // a different size zeroes and re-aims the slots
  EXPECT_EQ(0.0, plug.InputSlotsForTest()[0][1]);
}

// The host's frame count may exceed the scratch buffers; the attach stops at
// their end instead of writing past it.
TEST(ChannelProcessing, AttachNeverWritesPastTheScratch) {
  TestPlug plug(Channels("2-2"));
  plug.SetBlockFrames(4);
  std::vector<float> longInput(1000, 0.25f);
  float* inputs[] = {longInput.data(), longInput.data()};
  testing::internal::CaptureStdout();
  plug.AttachInputSamples(0, 2, inputs, 1000);
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(0.25, plug.InputSlotsForTest()[1][3]);

  TestPlug unsized(Channels("2-2"));  // no block size yet: nothing to write into
  testing::internal::CaptureStdout();
  unsized.AttachInputSamples(0, 2, inputs, 1000);
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(nullptr, unsized.InputSlotsForTest()[0]);
}

TEST(ChannelProcessing, RangesAreClippedToTheChannels) {
  TestPlug plug(Channels("2-2"));
  plug.SetOutputConnections(1, 100, false);
  EXPECT_TRUE(plug.IsOutChannelConnected(0));
  EXPECT_FALSE(plug.IsOutChannelConnected(1));
  plug.SetOutputConnections(-1, 2, false);
  EXPECT_FALSE(plug.IsOutChannelConnected(0));
  plug.SetInputConnections(0, -3, false);
  EXPECT_TRUE(plug.IsInChannelConnected(0));

  // Host buffers are taken in order by the connected channels only.
  plug.SetInputConnections(0, 1, false);
  double a[2] = {1, 1}, b[2] = {2, 2};
  double* host[] = {a, b};
  plug.AttachInputSamplesDouble(0, 2, host);
  EXPECT_EQ(a, plug.InputSlotsForTest()[1]);
}

}  // namespace
