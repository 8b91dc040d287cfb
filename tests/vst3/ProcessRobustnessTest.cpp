// Process calls a careful wrapper must survive: parameter flushes without
// audio, missing or null buffers, blocks longer than announced, buffers of
// another sample size than the set-up's.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "HostObjects.h"
#include "Vst3TestSupport.h"

using namespace Steinberg;
using namespace Steinberg::Vst;
using vo::vst3host::HostParameterChanges;
using vst3test::InitializeWithBuses;
using vst3test::PlugRef;
using vst3test::SetUpProcessing;
using vst3test::StereoBlock;
using vst3test::TestPlugConfig;
using vst3test::TestVst3Plug;

namespace {
const std::vector<float> kUntouched(64, -7.0f);
}

TEST(Vst3ProcessRobustness, AFlushWithoutAudioAppliesTheParametersAndTouchesNoBuffer) {
  PlugRef<VimbraOndelino> plug(new VimbraOndelino);
  InitializeWithBuses(plug.get());
  SetUpProcessing(plug, kSample32, 64);
  StereoBlock<float> block(64);
  block.Fill();
  plug->process(block.data);  // a normal block: the host buffers are attached

  HostParameterChanges changes;
  block.data.inputParameterChanges = &changes;

  // No buses at all.
  block.Fill();
  changes.Add(3, 0.3);
  block.data.numInputs = 0;
  block.data.numOutputs = 0;
  block.data.inputs = nullptr;
  block.data.outputs = nullptr;
  EXPECT_EQ(plug->process(block.data), kResultOk);
  EXPECT_DOUBLE_EQ(plug->GetParam(3)->Value(), 30.0);
  EXPECT_EQ(block.out[0], kUntouched);  // not written through last block's pointers

  // Zero frames.
  block.data.numInputs = block.data.numOutputs = 1;
  block.data.inputs = &block.inBus;
  block.data.outputs = &block.outBus;
  block.data.numSamples = 0;
  changes.Clear();
  changes.Add(3, 0.4);
  EXPECT_EQ(plug->process(block.data), kResultOk);
  EXPECT_DOUBLE_EQ(plug->GetParam(3)->Value(), 40.0);
  EXPECT_EQ(block.out[0], kUntouched);
}

TEST(Vst3ProcessRobustness, NullChannelBuffersAreNeverWritten) {
  for (int sampleSize : {kSample32, kSample64}) {
    SCOPED_TRACE(sampleSize);
    PlugRef<VimbraOndelino> plug(new VimbraOndelino);
    InitializeWithBuses(plug.get());
    SetUpProcessing(plug, sampleSize, 64);
    StereoBlock<float> block32(64);
    StereoBlock<double> block64(64);
    ProcessData& data = sampleSize == kSample32 ? block32.data : block64.data;
    AudioBusBuffers& outBus = sampleSize == kSample32 ? block32.outBus : block64.outBus;
    AudioBusBuffers& inBus = sampleSize == kSample32 ? block32.inBus : block64.inBus;
    block32.Fill();
    block64.Fill();

    // The whole output array missing, then one channel of it.
    outBus.channelBuffers64 = nullptr;
    HostParameterChanges changes;
    changes.Add(3, 0.6);
    data.inputParameterChanges = &changes;
    EXPECT_EQ(plug->process(data), kResultOk);
    EXPECT_DOUBLE_EQ(plug->GetParam(3)->Value(), 60.0);

    block32.SetBuffers();
    block64.SetBuffers();
    block32.outPtr[1] = nullptr;
    block64.outPtr[1] = nullptr;
    inBus.channelBuffers64 = nullptr;  // and no input array
    EXPECT_EQ(plug->process(data), kResultOk);
    EXPECT_EQ(block32.out[0], kUntouched);
    EXPECT_EQ(block64.out[0], std::vector<double>(64, -7.0));
  }
}

TEST(Vst3ProcessRobustness, InputsMissingFromABlockReadSilenceNotAnEarlierBlock) {
  PlugRef<TestVst3Plug> plug(new TestVst3Plug(TestPlugConfig()));
  InitializeWithBuses(plug.get());
  SetUpProcessing(plug, kSample64, 32);
  {
    StereoBlock<double> first(32);
    first.Fill();
    plug->process(first.data);
    EXPECT_EQ(first.out[0], first.in[0]);
  }  // the host's buffers of that block are gone
  StereoBlock<double> second(32);
  second.Fill();
  second.data.numInputs = 0;
  second.data.inputs = nullptr;
  plug->process(second.data);
  EXPECT_EQ(second.out[0], std::vector<double>(32, 0.0));
}

TEST(Vst3ProcessRobustness, ABlockLongerThanAnnouncedIsProcessedWhole) {
  for (int sampleSize : {kSample32, kSample64}) {
    SCOPED_TRACE(sampleSize);
    PlugRef<TestVst3Plug> plug(new TestVst3Plug(TestPlugConfig()));
    InitializeWithBuses(plug.get());
    SetUpProcessing(plug, sampleSize, 64);
    StereoBlock<float> block32(1000);
    StereoBlock<double> block64(1000);
    block32.Fill();
    block64.Fill();
    plug->process(sampleSize == kSample32 ? block32.data : block64.data);
    if (sampleSize == kSample32) {
      EXPECT_EQ(block32.out[0], block32.in[0]);
    } else {
      EXPECT_EQ(block64.out[1], block64.in[1]);
    }
    EXPECT_GE(plug->GetBlockFrames(), 1000);
  }
}

TEST(Vst3ProcessRobustness, ABlockBeforeProcessingSetUpIsSafe) {
  PlugRef<VimbraOndelino> plug(new VimbraOndelino);
  InitializeWithBuses(plug.get());
  StereoBlock<float> block(300);
  block.Fill();
  EXPECT_EQ(plug->process(block.data), kResultOk);
  for (float v : block.out[0]) ASSERT_TRUE(std::isfinite(v));
}

TEST(Vst3ProcessRobustness, BuffersThatCannotGrowProcessTheBlockInPieces) {
  PlugRef<TestVst3Plug> plug(new TestVst3Plug(TestPlugConfig()));
  InitializeWithBuses(plug.get());
  plug->scratchCap = 64;
  SetUpProcessing(plug, kSample32, 64);
  StereoBlock<float> block(1000);
  block.Fill();
  plug->process(block.data);
  EXPECT_EQ(plug->blocks, 16);  // 15 pieces of 64 and one of 40
  EXPECT_EQ(block.out[0], block.in[0]);
  EXPECT_EQ(block.out[1], block.in[1]);
}

TEST(Vst3ProcessRobustness, HostValuesOutsideTheRangeAreClampedAndNotANumberIgnored) {
  PlugRef<VimbraOndelino> plug(new VimbraOndelino);
  InitializeWithBuses(plug.get());
  SetUpProcessing(plug, kSample32, 16);
  StereoBlock<float> block(16);
  HostParameterChanges changes;
  block.data.inputParameterChanges = &changes;
  changes.Add(3, 1.7);
  changes.Add(1, -0.5);
  plug->process(block.data);
  EXPECT_DOUBLE_EQ(plug->GetParam(3)->Value(), 100.0);
  EXPECT_DOUBLE_EQ(plug->GetParam(1)->Value(), -30.0);
  changes.Clear();
  changes.Add(3, std::nan(""));
  changes.Add(kParamIdBypass, std::nan(""));
  changes.Add(kParamIdPreset, std::nan(""));
  plug->process(block.data);
  EXPECT_DOUBLE_EQ(plug->GetParam(3)->Value(), 100.0);
  EXPECT_FALSE(plug->IsBypassed());
}

TEST(Vst3ProcessRobustness, BuffersOfAnotherSampleSizeThanTheSetUpGetNoAudio) {
  PlugRef<VimbraOndelino> plug(new VimbraOndelino);
  InitializeWithBuses(plug.get());
  // Set up for doubles, handed floats: half the bytes the doubles would need.
  SetUpProcessing(plug, kSample64, 64);
  StereoBlock<float> floats(64);
  floats.Fill();
  EXPECT_EQ(plug->process(floats.data), kResultFalse);
  EXPECT_EQ(floats.out[0], kUntouched);
  EXPECT_EQ(floats.out[1], kUntouched);

  SetUpProcessing(plug, kSample32, 64);
  StereoBlock<double> doubles(64);
  doubles.Fill();
  EXPECT_EQ(plug->process(doubles.data), kResultFalse);
  EXPECT_EQ(doubles.out[0], std::vector<double>(64, -7.0));
  // The block of the set-up's size is processed as before.
  floats.Fill();
  EXPECT_EQ(plug->process(floats.data), kResultOk);
  EXPECT_NE(floats.out[0], kUntouched);
}
