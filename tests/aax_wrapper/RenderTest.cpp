// The render call: stems, block-length changes, bypass, MIDI, transport,
// the process procedure over several contexts, blocks that cannot be
// processed, and the audio path's allocations.

#include "AllocationCounter.h"
#include "WrapperTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace aaxtest {
namespace {

using testing::ElementsAre;

std::vector<float> Doubled(const std::vector<float>& samples) {
  std::vector<float> doubled;
  for (float sample : samples) doubled.push_back(2.0f * sample);
  return doubled;
}

class WrapperRender : public testing::Test {
protected:
  void TearDown() override { plug.Release(); }
  void Bind() { ASSERT_EQ(AAX_SUCCESS, plug->BindController(host.ControllerUnknown())); }
  // A context over channels host buffers of frames samples, ramps as input.
  std::unique_ptr<Context> MakeContext(int channels, int frames, const std::string& suffix = "A") {
    std::unique_ptr<Context> context(new Context(host.Host(), suffix, channels, frames, 0.0f));
    for (int c = 0; c < channels; ++c)
      for (int i = 0; i < frames; ++i) context->inputs[c][i] = 0.001f * (i + 1) * (c + 1);
    context->Attach(*plug);
    return context;
  }

  WrapperHost host;
  Held<TestAaxPlug> plug{new TestAaxPlug};
};

TEST_F(WrapperRender, StereoStemsProcessBothChannels) {
  Bind();
  auto context = MakeContext(2, 1024);
  context->Render();
  EXPECT_EQ(1, plug->record.blocks);
  EXPECT_EQ(1024, plug->record.lastFrames);
  EXPECT_EQ(Doubled(context->inputs[0]), context->outputs[0]);
  EXPECT_EQ(Doubled(context->inputs[1]), context->outputs[1]);
  EXPECT_EQ(1, plug->record.resets);  // the binding's; the length was already 1024
}

TEST_F(WrapperRender, ANewBlockLengthResizesAndResetsOnceBeforeAttaching) {
  Bind();
  plug->record.resets = 0;
  auto context = MakeContext(2, 512);
  context->Render();
  EXPECT_EQ(512, plug->GetBlockFrames());
  EXPECT_EQ(1, plug->record.resets);
  EXPECT_FLOAT_EQ(0.001f, static_cast<float>(plug->record.firstInputs[0]));  // the input is intact
  EXPECT_EQ(Doubled(context->inputs[1]), context->outputs[1]);
  context->Render();
  EXPECT_EQ(1, plug->record.resets);
  context->blockLength = 256;
  context->Render();
  EXPECT_EQ(2, plug->record.resets);
  EXPECT_EQ(256, plug->GetBlockFrames());
}

TEST_F(WrapperRender, AMonoStemConnectsChannelZeroOnly) {
  host.inputStem = host.outputStem = 0x00000001;
  Bind();
  auto context = MakeContext(1, 256);  // one host pointer each, nothing beyond
  context->Render();
  EXPECT_EQ(0.0, plug->record.firstInputs[1]);
  EXPECT_FALSE(plug->IsInChannelConnected(1));
  EXPECT_FALSE(plug->IsOutChannelConnected(1));
  EXPECT_EQ(Doubled(context->inputs[0]), context->outputs[0]);
}

TEST_F(WrapperRender, AWiderStemConnectsThePlugInsChannels) {
  host.inputStem = host.outputStem = 0x000C0008;
  Bind();
  auto context = MakeContext(8, 64);
  context->Render();
  EXPECT_EQ(Doubled(context->inputs[1]), context->outputs[1]);
  EXPECT_EQ(std::vector<float>(64, 9.0f), context->outputs[2]);
}

TEST_F(WrapperRender, BypassCopiesTheInputBitForBit) {
  Bind();
  ASSERT_EQ(AAX_SUCCESS, plug->ApplyParameterNormalized("", 1.0));
  auto context = MakeContext(2, 300);
  context->inputs[0][5] = 1e-30f;
  context->inputs[1][7] = -3.4e38f;
  context->Render();
  EXPECT_EQ(0, plug->record.blocks);
  EXPECT_EQ(context->inputs, context->outputs);
}

TEST_F(WrapperRender, BypassIsDelayedByTheLatency) {
  TestPlugConfig config;
  config.latency = 3;
  Held<TestAaxPlug> delayed(new TestAaxPlug(config));
  ASSERT_EQ(AAX_SUCCESS, delayed->BindController(host.ControllerUnknown()));
  ASSERT_EQ(AAX_SUCCESS, delayed->ApplyParameterNormalized("", 1.0));
  Context context(host.Host(), "D", 2, 5, 0.0f);
  context.Attach(*delayed);
  for (int c = 0; c < 2; ++c) context.inputs[c] = {1, 2, 3, 4, 5};
  context.Render();
  EXPECT_THAT(context.outputs[0], ElementsAre(0, 0, 0, 1, 2));
  EXPECT_THAT(context.outputs[1], ElementsAre(0, 0, 0, 1, 2));
}

TEST_F(WrapperRender, UnboundTheBlockIsProcessedAndTheHostHearsSilence) {
  // Before binding there is neither a bypass parameter nor stems; every
  // channel configuration has at least one output, so that one is silenced.
  auto context = MakeContext(2, 64);
  context->Render();
  EXPECT_EQ(1, plug->record.blocks);
  EXPECT_EQ(std::vector<float>(64, 0.0f), context->outputs[0]);
  // Unbinding deletes a bypass that was on; the next block is not bypassed,
  // and both of the outputs the binding's stem named are silent.
  Bind();
  ASSERT_EQ(AAX_SUCCESS, plug->ApplyParameterNormalized("", 1.0));
  ASSERT_EQ(AAX_SUCCESS, plug->UnbindController());
  for (auto& channel : context->outputs) std::fill(channel.begin(), channel.end(), 9.0f);
  context->Render();
  EXPECT_EQ(2, plug->record.blocks);
  EXPECT_EQ(std::vector<float>(64, 0.0f), context->outputs[0]);
  EXPECT_EQ(std::vector<float>(64, 0.0f), context->outputs[1]);
}

TEST_F(WrapperRender, UnboundAMonoHostsOneOutputIsAllThatIsWritten) {
  host.inputStem = host.outputStem = 0x00000001;
  Bind();
  ASSERT_EQ(AAX_SUCCESS, plug->UnbindController());
  auto context = MakeContext(1, 32);  // one host pointer each, nothing beyond
  context->Render();
  EXPECT_EQ(std::vector<float>(32, 0.0f), context->outputs[0]);
}

TEST_F(WrapperRender, AControllerThatCannotNameItsStemsConnectsNothingAndLeavesSilence) {
  host.controller.Withhold(fakehost::ids::ControllerV1());
  Bind();
  auto context = MakeContext(2, 64);
  context->Render();
  EXPECT_EQ(1, plug->record.blocks);
  EXPECT_FALSE(plug->IsInChannelConnected(0));
  EXPECT_FALSE(plug->IsOutChannelConnected(0));
  // No stem was ever named: only the output every configuration has is
  // known to be there.
  EXPECT_EQ(std::vector<float>(64, 0.0f), context->outputs[0]);
  EXPECT_EQ(std::vector<float>(64, 9.0f), context->outputs[1]);
}

TEST_F(WrapperRender, AStemOfNoChannelsAfterBindingSilencesTheBindingsOutputs) {
  Bind();
  host.inputStem = host.outputStem = 0x00010000;  // a layout of no channels
  auto context = MakeContext(2, 64);
  context->Render();
  EXPECT_EQ(1, plug->record.blocks);
  EXPECT_EQ(std::vector<float>(64, 0.0f), context->outputs[0]);
  EXPECT_EQ(std::vector<float>(64, 0.0f), context->outputs[1]);
  // Bypassed, the block cannot reach the host either.
  ASSERT_EQ(AAX_SUCCESS, plug->ApplyParameterNormalized("", 1.0));
  for (auto& channel : context->outputs) std::fill(channel.begin(), channel.end(), 9.0f);
  context->Render();
  EXPECT_EQ(std::vector<float>(64, 0.0f), context->outputs[1]);
}

TEST_F(WrapperRender, BlocksThatCannotBeProcessedLeaveSilence) {
  Bind();
  plug->record.resets = 0;
  auto context = MakeContext(2, 64);
  for (int32_t frames : {0, -3}) {
    context->blockLength = frames;
    context->Render();
  }
  EXPECT_EQ(0, plug->record.blocks);
  EXPECT_EQ(0, plug->record.resets);
  EXPECT_EQ(1024, plug->GetBlockFrames());
  EXPECT_EQ(std::vector<float>(64, 9.0f), context->outputs[0]);

  const int frames = IPlugAAX::kMaxBlockFrames + 1;
  Context huge(host.Host(), "H", 2, frames, 0.5f);
  huge.Attach(*plug);
  huge.Render();
  EXPECT_EQ(0, plug->record.blocks);
  EXPECT_EQ(1024, plug->GetBlockFrames());
  EXPECT_EQ(std::vector<float>(frames, 0.0f), huge.outputs[1]);
}

TEST_F(WrapperRender, ABlockLargerThanTheScratchBuffersLeavesSilence) {
  TestPlugConfig config;
  config.scratchCap = 256;
  Held<TestAaxPlug> capped(new TestAaxPlug(config));
  ASSERT_EQ(AAX_SUCCESS, capped->BindController(host.ControllerUnknown()));
  Context context(host.Host(), "C", 2, 512, 0.5f);
  context.Attach(*capped);
  context.Render();
  EXPECT_EQ(0, capped->record.blocks);
  EXPECT_EQ(std::vector<float>(512, 0.0f), context.outputs[0]);
  context.blockLength = 256;
  context.Render();
  EXPECT_EQ(1, capped->record.blocks);
  EXPECT_FLOAT_EQ(1.0f, context.outputs[0][0]);
}

TEST_F(WrapperRender, MidiIsReadOnlyByPlugInsThatAcceptIt) {
  Bind();
  auto plain = MakeContext(2, 64);
  plain->SetMidi({AAX_MIDIPacket{3, 0, {0x90, 60, 100}, {}}});
  plain->Render();
  EXPECT_TRUE(plug->record.midi.empty());
  for (const std::string& place : host.Host().Places("nodeA")) EXPECT_NE("nodeA.node[3]", place);

  TestPlugConfig config;
  config.midi = true;
  Held<TestAaxPlug> midi(new TestAaxPlug(config));
  ASSERT_EQ(AAX_SUCCESS, midi->BindController(host.ControllerUnknown()));
  Context context(host.Host(), "M", 2, 64, 0.0f);
  context.Attach(*midi);
  context.SetMidi({AAX_MIDIPacket{3, 0, {0x90, 60, 100}, {}}, AAX_MIDIPacket{40, 0, {0x80, 60, 0}, {}}});
  context.Render();
  ASSERT_EQ(2u, midi->record.midi.size());
  EXPECT_EQ(3, midi->record.midi[0].mOffset);
  EXPECT_EQ(0x90, midi->record.midi[0].mStatus);
  EXPECT_EQ(60, midi->record.midi[0].mData1);
  EXPECT_EQ(100, midi->record.midi[0].mData2);
  EXPECT_EQ(40, midi->record.midi[1].mOffset);
  EXPECT_EQ(0x80, midi->record.midi[1].mStatus);
}

TEST_F(WrapperRender, TransportQueriesAnswerFromTheLastRenderCall) {
  EXPECT_EQ(0.0, plug->GetTransportTempo());
  Bind();
  auto context = MakeContext(2, 64);
  fakehost::Object& transport = context->Transport();
  auto write = [](const fakehost::Call& call, int arg, auto value) {
    using T = decltype(value);
    if (auto* out = static_cast<T*>(const_cast<void*>(call.args[arg].pointer))) *out = value;
  };
  transport.SetBehaviour(3, [&](fakehost::Object&, const fakehost::Call& c) { write(c, 0, 98.5); return int64_t{0}; });
  transport.SetBehaviour(4, [&](fakehost::Object&, const fakehost::Call& c) {
    write(c, 0, int32_t{7});
    write(c, 1, int32_t{8});
    return int64_t{0};
  });
  transport.SetBehaviour(5, [&](fakehost::Object&, const fakehost::Call& c) { write(c, 0, true); return int64_t{0}; });
  transport.SetBehaviour(6, [&](fakehost::Object&, const fakehost::Call& c) {
    write(c, 0, int64_t{3 * 960000});
    return int64_t{0};
  });
  transport.SetBehaviour(7, [&](fakehost::Object&, const fakehost::Call& c) {
    write(c, 0, true);
    write(c, 1, int64_t{960000});
    write(c, 2, int64_t{5 * 960000});
    return int64_t{0};
  });
  transport.SetBehaviour(8, [&](fakehost::Object&, const fakehost::Call& c) {
    write(c, 0, (int64_t{1} << 32) + 5);
    return int64_t{0};
  });
  context->Render();

  EXPECT_EQ(98.5, plug->GetTransportTempo());
  EXPECT_EQ(5, plug->GetTransportSamplePosition());  // the low 32 bits
  int numerator = 0, denominator = 0;
  plug->GetTransportTimeSignature(&numerator, &denominator);
  EXPECT_EQ(7, numerator);
  EXPECT_EQ(8, denominator);
  TransportInfo info;
  info.mLastBar = 42.0;
  plug->GetTransportInfo(&info);
  EXPECT_EQ(98.5, info.mTempo);
  EXPECT_TRUE(info.mTransportIsRunning);
  EXPECT_EQ(7, info.mNumerator);
  EXPECT_EQ(8, info.mDenominator);
  EXPECT_EQ(3.0, info.mPPQPos);
  EXPECT_EQ(4294967301.0, info.mSamplePos);
  EXPECT_TRUE(info.mTransportLoopEnabled);
  EXPECT_EQ(1.0, info.mCycleStart);
  EXPECT_EQ(5.0, info.mCycleEnd);
  EXPECT_EQ(42.0, info.mLastBar);
}

TEST_F(WrapperRender, TheProcessProcedureRendersContextsInArrayOrder) {
  Bind();
  Held<TestAaxPlug> second(new TestAaxPlug);
  ASSERT_EQ(AAX_SUCCESS, second->BindController(host.ControllerUnknown()));
  auto first = MakeContext(2, 64, "A");
  Context other(host.Host(), "B", 2, 64, 0.25f);
  other.Attach(*second);

  Context noInstance(host.Host(), "N", 2, 64, 0.25f);  // private data never filled
  Context noPrivateData(host.Host(), "P", 2, 64, 0.25f);
  noPrivateData.record.privateData = nullptr;
  host.Host().ClearTranscript();
  AAX_RenderContext* contexts[] = {&other.record, nullptr, &noInstance.record,
                                   &noPrivateData.record, &first->record};
  ProcessRenderContexts(contexts, contexts + 5, 2);
  ProcessRenderContexts(nullptr, nullptr, 2);

  std::vector<std::string> nodes;
  for (const fakehost::Call& call : host.Host().Calls())
    if (call.slot == 4 && call.face == "node") nodes.push_back(call.object);
  EXPECT_THAT(nodes, ElementsAre("nodeB", "nodeA"));
  EXPECT_EQ(1, plug->record.blocks);
  EXPECT_EQ(1, second->record.blocks);
  EXPECT_EQ(std::vector<float>(64, 0.5f), other.outputs[0]);
  // Contexts without an instance are not rendered; the outputs the
  // procedure was told of are silenced.
  EXPECT_EQ(std::vector<float>(64, 0.0f), noInstance.outputs[0]);
  EXPECT_EQ(std::vector<float>(64, 0.0f), noInstance.outputs[1]);
  EXPECT_EQ(std::vector<float>(64, 0.0f), noPrivateData.outputs[1]);

  // One output named: the second buffer, which the host need not have
  // handed over, is not touched; no block length, nothing is written.
  Context mono(host.Host(), "M", 2, 64, 0.25f);
  AAX_RenderContext* monoContext[] = {&mono.record};
  ProcessRenderContexts(monoContext, monoContext + 1, 1);
  EXPECT_EQ(std::vector<float>(64, 0.0f), mono.outputs[0]);
  EXPECT_EQ(std::vector<float>(64, 9.0f), mono.outputs[1]);
  Context empty(host.Host(), "E", 2, 64, 0.25f);
  empty.record.blockLength = nullptr;
  AAX_RenderContext* emptyContext[] = {&empty.record};
  ProcessRenderContexts(emptyContext, emptyContext + 1, 2);
  EXPECT_EQ(std::vector<float>(64, 9.0f), empty.outputs[0]);
}

TEST(WrapperRenderAllocations, TheAudioPathAllocatesNothingAfterTheFirstBlock) {
  Held<RecordingOndelino> plug(new RecordingOndelino);
  for (int i = 0; i < plug->NParams(); ++i) plug->ParameterChanged(i, kSourceHost);
  plug->record.changes.clear();
  // Without a host controller every call below stays inside the plug-in, so
  // the counter sees the wrapper's and the plug-in's allocations only.
  AAX_RenderContext context = {};
  int32_t frames = 512;
  AAX_SIPlugPrivateData privateData = {nullptr};
  context.blockLength = &frames;
  context.privateData = &privateData;
  plug->InitPrivateData(kAAX_PrivateDataField, &privateData, sizeof privateData);
  AAX_RenderContext* one = &context;
  ProcessRenderContexts(&one, &one + 1, 2);
  ASSERT_EQ(1, plug->record.blocks);

  AllocationCounter counter;
  for (int block = 0; block < 20; ++block) ProcessRenderContexts(&one, &one + 1, 2);
  EXPECT_EQ(0, counter.Allocations());
  EXPECT_EQ(21, plug->record.blocks);
}

}  // namespace
}  // namespace aaxtest
