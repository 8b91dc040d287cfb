// The render call on the audio thread against the editor's parameter
// changes, the host's state transfers, the host's binding and its switching
// of the master bypass on other threads: all meet at the plug-in mutex, but
// for the host parameter values, which are atomic (run under
// ThreadSanitizer). The
// render calls reach no host object (the simulated host is single-threaded):
// the instance is unbound, or its controller has no stems to tell.

#include "AAX_HostChunk.h"
#include "IPlugAAX.h"
#include "VimbraOndelino.h"
#include "WrapperTestSupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstring>
#include <future>
#include <string>
#include <thread>
#include <vector>

namespace {

TEST(WrapperConcurrency, RenderingStateAndEditorChangesInterleaveSafely) {
  VimbraOndelino* plug = CreatePluginInstance();
  AAX_IEffectParameters* effect = plug;
  effect->AddRef();

  AAX_SIPlugPrivateData privateData = {nullptr};
  plug->InitPrivateData(kAAX_PrivateDataField, &privateData, sizeof privateData);
  int32_t frames = 256;
  AAX_RenderContext context = {};
  context.blockLength = &frames;
  context.privateData = &privateData;

  std::atomic<bool> done{false};
  // The blocks start only once the state thread runs, so the two overlap
  // however the threads are scheduled.
  std::atomic<bool> stateThreadRunning{false};
  std::thread audio([&] {
    while (!stateThreadRunning) std::this_thread::yield();
    AAX_RenderContext* one = &context;
    for (int block = 0; block < 400; ++block) ProcessRenderContexts(&one, &one + 1, 2);
    done = true;
  });
  std::thread editor([&] {
    for (int step = 0; !done; ++step) plug->SetParameterFromGUI(step % 12, (step % 10) / 9.0);
  });

  // The host's state thread: save, load back, compare.
  const auto id = static_cast<uint32_t>(plug->GetUniqueId());
  std::vector<unsigned char> record(kAAX_HostChunkDataOffset + 96);
  auto* chunk = reinterpret_cast<AAX_HostChunk*>(record.data());
  int transfers = 0;
  stateThreadRunning = true;
  while (!done) {
    uint32_t size = 0;
    ASSERT_EQ(AAX_SUCCESS, plug->GetStateChunkSize(id, &size));
    ASSERT_EQ(96u, size);
    ASSERT_EQ(AAX_SUCCESS, plug->SaveStateChunk(id, chunk));
    chunk->chunkId = id;
    ASSERT_EQ(AAX_SUCCESS, plug->LoadStateChunk(id, chunk));
    bool matches = false;
    ASSERT_EQ(AAX_SUCCESS, plug->CompareStateChunk(chunk, &matches));
    ++transfers;
  }
  audio.join();
  editor.join();
  EXPECT_GT(transfers, 0);
  for (int i = 0; i < plug->NParams(); ++i) EXPECT_TRUE(std::isfinite(plug->GetParam(i)->Value()));
  EXPECT_EQ(0u, effect->Release());
}

// A render context of 256 frames for plug, without host buffers or nodes.
struct BareContext {
  explicit BareContext(AAX_CIPlugParameters& plug) {
    plug.InitPrivateData(kAAX_PrivateDataField, &privateData, sizeof privateData);
    record.blockLength = &frames;
    record.privateData = &privateData;
  }
  void Render() {
    AAX_RenderContext* one = &record;
    ProcessRenderContexts(&one, &one + 1, 2);
  }
  AAX_SIPlugPrivateData privateData = {nullptr};
  int32_t frames = 256;
  AAX_RenderContext record = {};
};

TEST(WrapperConcurrency, AHostWaitingOnItsAudioThreadWhileBindingDoesNotDeadlock) {
  aaxtest::WrapperHost host;
  aaxtest::Held<VimbraOndelino> plug(CreatePluginInstance());
  BareContext context(*plug);
  // The host asks its audio thread for a block while it answers the
  // sample-rate question of the binding, and waits for it.
  std::future<void> block;
  bool blockRendered = false;
  host.controller.SetBehaviour(4, [&](fakehost::Object&, const fakehost::Call& call) -> int64_t {
    block = std::async(std::launch::async, [&] { context.Render(); });
    blockRendered = block.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
    if (auto* rate = static_cast<float*>(const_cast<void*>(call.args[0].pointer))) *rate = 48000.0f;
    return 0;
  }, "V1");
  EXPECT_EQ(AAX_SUCCESS, plug->BindController(host.ControllerUnknown()));
  ASSERT_TRUE(block.valid());
  block.wait();
  EXPECT_TRUE(blockRendered);
  EXPECT_EQ(48000.0, plug->GetSampleRate());
}

TEST(WrapperConcurrency, BindingAndUnbindingBesideRenderingIsSafe) {
  aaxtest::WrapperHost host;
  host.controller.Withhold(fakehost::ids::ControllerV1());
  aaxtest::Held<VimbraOndelino> plug(CreatePluginInstance());
  BareContext context(*plug);
  std::atomic<bool> done{false};
  std::atomic<bool> binderRunning{false};
  std::thread audio([&] {
    while (!binderRunning) std::this_thread::yield();
    for (int block = 0; block < 300; ++block) context.Render();
    done = true;
  });
  binderRunning = true;
  int bindings = 0;
  while (!done) {
    ASSERT_EQ(AAX_SUCCESS, plug->BindController(host.ControllerUnknown()));
    ASSERT_NE(nullptr, plug->BypassParameter());
    ASSERT_EQ(AAX_SUCCESS, plug->UnbindController());
    host.Host().ClearTranscript();
    ++bindings;
  }
  audio.join();
  EXPECT_GT(bindings, 0);
  EXPECT_EQ(nullptr, plug->BypassParameter());
}

TEST(WrapperConcurrency, SwitchingTheMasterBypassBesideRenderingIsSafe) {
  // The host switches the bypass on its parameter thread, without the
  // plug-in mutex, while its audio thread renders and reads the bypass.
  aaxtest::WrapperHost host;
  host.controller.Withhold(fakehost::ids::ControllerV1());
  aaxtest::Held<VimbraOndelino> plug(CreatePluginInstance());
  ASSERT_EQ(AAX_SUCCESS, plug->BindController(host.ControllerUnknown()));
  const AAX_CParameter<bool>* bypass = plug->BypassParameter();
  ASSERT_NE(nullptr, bypass);
  const std::string bypassId = bypass->IdString();
  BareContext context(*plug);
  std::atomic<bool> done{false};
  std::atomic<bool> switcherRunning{false};
  std::thread audio([&] {
    while (!switcherRunning) std::this_thread::yield();
    for (int block = 0; block < 300; ++block) context.Render();
    done = true;
  });
  switcherRunning = true;
  int switches = 0;
  while (!done) {
    const double on = (switches % 2) ? 1.0 : 0.0;
    ASSERT_EQ(AAX_SUCCESS, plug->ApplyParameterNormalized(bypassId.c_str(), on));
    ASSERT_EQ(on != 0.0, bypass->Value());
    if (++switches % 64 == 0) host.Host().ClearTranscript();
  }
  audio.join();
  EXPECT_GT(switches, 1);
}

}  // namespace
