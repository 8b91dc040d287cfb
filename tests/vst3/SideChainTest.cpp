// A plug-in with a side-chain bus: its channels follow the bus's activation,
// and buses narrower than the plug-in expects leave the missing channels silent.

#include <gtest/gtest.h>

#include <vector>

#include "Vst3TestSupport.h"

using namespace Steinberg;
using namespace Steinberg::Vst;
using vst3test::SetUpProcessing;
using vst3test::PlugRef;
using vst3test::TestPlugConfig;
using vst3test::TestVst3Plug;

namespace {

// Main stereo input, side-chain input and stereo output of one block.
template <class Sample>
struct SideChainBlock {
  SideChainBlock(int frames, int sideChainChannels)
      : main(2, std::vector<Sample>(static_cast<size_t>(frames), Sample(0.25))),
        side(2, std::vector<Sample>(static_cast<size_t>(frames), Sample(0.5))),
        out(2, std::vector<Sample>(static_cast<size_t>(frames))) {
    for (int c = 0; c < 2; ++c) {
      mainPtr[c] = main[static_cast<size_t>(c)].data();
      sidePtr[c] = side[static_cast<size_t>(c)].data();
      outPtr[c] = out[static_cast<size_t>(c)].data();
    }
    buses[0].numChannels = 2;
    buses[1].numChannels = sideChainChannels;
    outBus.numChannels = 2;
    Wire();
    data.symbolicSampleSize = sizeof(Sample) == 8 ? kSample64 : kSample32;
    data.numSamples = frames;
    data.numInputs = 2;
    data.numOutputs = 1;
    data.inputs = buses;
    data.outputs = &outBus;
  }
  void Wire();
  std::vector<std::vector<Sample>> main, side, out;
  Sample* mainPtr[2];
  Sample* sidePtr[2];
  Sample* outPtr[2];
  AudioBusBuffers buses[2];
  AudioBusBuffers outBus;
  ProcessData data;
};

template <>
void SideChainBlock<float>::Wire() {
  buses[0].channelBuffers32 = mainPtr;
  buses[1].channelBuffers32 = sidePtr;
  outBus.channelBuffers32 = outPtr;
}

template <>
void SideChainBlock<double>::Wire() {
  buses[0].channelBuffers64 = mainPtr;
  buses[1].channelBuffers64 = sidePtr;
  outBus.channelBuffers64 = outPtr;
}

TestPlugConfig SideChainConfig() {
  TestPlugConfig config;
  config.channelIO = "4-2";
  config.auxInputs = 2;
  return config;
}

template <class Sample>
void ExpectSideChainFollowsItsBus() {
  PlugRef<TestVst3Plug> plug(new TestVst3Plug(SideChainConfig()));
  plug->initialize(nullptr);
  plug->activateBus(kAudio, kInput, 0, true);
  plug->activateBus(kAudio, kOutput, 0, true);
  SetUpProcessing(plug, sizeof(Sample) == 8 ? kSample64 : kSample32, 32);
  SideChainBlock<Sample> block(32, 2);

  // Inactive side chain: its channels read silence.
  plug->process(block.data);
  EXPECT_EQ(plug->firstInputs[0], 0.25);
  EXPECT_EQ(plug->firstInputs[2], 0.0);

  plug->activateBus(kAudio, kInput, 1, true);
  plug->process(block.data);
  EXPECT_EQ(plug->firstInputs[1], 0.25);
  EXPECT_EQ(plug->firstInputs[2], 0.5);
  EXPECT_EQ(plug->firstInputs[3], 0.5);

  // Switched off again: silence, not the last block's side chain.
  plug->activateBus(kAudio, kInput, 1, false);
  plug->process(block.data);
  EXPECT_EQ(plug->firstInputs[2], 0.0);
  EXPECT_EQ(plug->firstInputs[3], 0.0);
}

}  // namespace

TEST(Vst3SideChain, ChannelsFollowTheBusActivationIn32And64Bits) {
  ExpectSideChainFollowsItsBus<float>();
  ExpectSideChainFollowsItsBus<double>();
}

TEST(Vst3SideChain, ANarrowerSideChainLeavesTheMissingChannelSilent) {
  PlugRef<TestVst3Plug> plug(new TestVst3Plug(SideChainConfig()));
  plug->initialize(nullptr);
  for (int32 i = 0; i < 2; ++i) plug->activateBus(kAudio, kInput, i, true);
  plug->activateBus(kAudio, kOutput, 0, true);
  SetUpProcessing(plug, kSample64, 32);
  {
    SideChainBlock<double> wide(32, 2);
    plug->process(wide.data);
    EXPECT_EQ(plug->firstInputs[3], 0.5);
  }
  SideChainBlock<double> narrow(32, 1);
  plug->process(narrow.data);
  EXPECT_EQ(plug->firstInputs[2], 0.5);
  EXPECT_EQ(plug->firstInputs[3], 0.0);  // not the earlier block's buffer
}
