// The host's threads meet at the plug-in mutex: editor changes and state
// restores on one thread, blocks on another. Run under ThreadSanitizer in CI.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "TestPlug.h"

namespace {

using vo::TestPlug;

constexpr int kFrames = 64;

TEST(PluginMutex, EditorChangesAndStateRestoresNeverInterleaveWithBlocks) {
  TestPlug plug;
  for (int i = 0; i < plug.NParams(); ++i) plug.GetParam(i)->SetUpDouble("p", 0.0, 0.0, 1.0, 0.001);
  plug.SetBlockFrames(kFrames);
  StateChunk saved;
  ASSERT_TRUE(plug.SerializeParams(&saved));

  int blocksSeeingAChange = 0;
  plug.processHook = [&](double** inputs, double** outputs, int frames) {
    // Parameters must not move while a block runs.
    double before[12];
    for (int i = 0; i < 12; ++i) before[i] = plug.GetParam(i)->Value();
    for (int c = 0; c < 2; ++c) {
      for (int f = 0; f < frames; ++f) outputs[c][f] = inputs[c][f] * before[c];
    }
    for (int i = 0; i < 12; ++i) {
      if (plug.GetParam(i)->Value() != before[i]) ++blocksSeeingAChange;
    }
  };

  constexpr int kRounds = 2000;
  std::atomic<bool> editorDone{false};
  std::thread editor([&] {
    for (int round = 0; round < kRounds; ++round) {
      plug.SetParameterFromGUI(round % 12, (round % 100) / 100.0);
      if (round % 10 == 0) plug.UnserializeParams(&saved, 0);
    }
    editorDone = true;
  });

  std::vector<double> in0(kFrames, 1.0), in1(kFrames, 1.0), out0(kFrames), out1(kFrames);
  double* inputs[] = {in0.data(), in1.data()};
  double* outputs[] = {out0.data(), out1.data()};
  int blocks = 0;
  while (!editorDone || blocks < 100) {
    MutexLock lock(plug.GetMutex());
    plug.SetInputConnections(0, 2, true);
    plug.SetOutputConnections(0, 2, true);
    plug.AttachInputSamplesDouble(0, 2, inputs);
    plug.AttachOutputSamplesDouble(0, 2, outputs);
    plug.RunBlockDoubles(kFrames);
    ++blocks;
  }
  editor.join();

  EXPECT_EQ(0, blocksSeeingAChange);
  EXPECT_EQ(blocks, plug.processCalls);
  // Every editor change informed the host and was announced with source 3.
  int fromEditor = 0;
  for (const TestPlug::Change& change : plug.changes) fromEditor += change.source == kSourceEditor;
  EXPECT_EQ(kRounds, fromEditor);
  EXPECT_EQ(static_cast<size_t>(kRounds) + 12 * (kRounds / 10), plug.changes.size());
}

TEST(PluginMutex, AnotherThreadWaitsWhileTheMutexIsHeld) {
  TestPlug plug;
  plug.GetParam(0)->SetUpDouble("p", 0.0, 0.0, 1.0, 0.001);
  std::atomic<bool> changed{false};
  std::thread editor;
  {
    MutexLock lock(plug.GetMutex());
    editor = std::thread([&] {
      plug.SetParameterFromGUI(0, 1.0);
      changed = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(changed);
    EXPECT_EQ(0.0, plug.GetParam(0)->Value());
  }
  editor.join();
  EXPECT_TRUE(changed);
  EXPECT_EQ(1.0, plug.GetParam(0)->Value());
}

}  // namespace
