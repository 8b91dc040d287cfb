// The render call on the audio thread against the editor's parameter
// changes and the host's state transfers on other threads: all meet at the
// plug-in mutex (run under ThreadSanitizer). The instance is unbound, so no
// host object (which is single-threaded) is reached.

#include "AAX_HostChunk.h"
#include "IPlugAAX.h"
#include "VimbraOndelino.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstring>
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
    for (int block = 0; block < 400; ++block) ProcessRenderContexts(&one, &one + 1);
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

}  // namespace
