// State transfers and parameter changes from host threads while the audio
// thread processes: they meet at the plug-in mutex (run under
// ThreadSanitizer in the tsan build).

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "HostObjects.h"
#include "Vst3TestSupport.h"

using namespace Steinberg;
using namespace Steinberg::Vst;
using vo::vst3host::HostParameterChanges;
using vo::vst3host::HostStream;
using vst3test::InitializeWithBuses;
using vst3test::SetUpProcessing;
using vst3test::PlugRef;
using vst3test::StereoBlock;

TEST(Vst3Concurrency, StateTransfersAndBlocksNeverOverlap) {
  PlugRef<VimbraOndelino> plug(new VimbraOndelino);
  InitializeWithBuses(plug.get());
  SetUpProcessing(plug, kSample32, 128);

  std::atomic<bool> done{false};
  // The blocks start only once the state thread runs, so the two overlap
  // however the threads are scheduled.
  std::atomic<bool> stateThreadRunning{false};
  std::thread audio([&] {
    while (!stateThreadRunning) std::this_thread::yield();
    StereoBlock<float> block(128);
    block.Fill();
    HostParameterChanges changes;
    block.data.inputParameterChanges = &changes;
    for (int i = 0; i < 200; ++i) {
      changes.Clear();
      changes.Add(3, (i % 10) / 10.0);
      changes.Add(0, i % 2);
      plug->process(block.data);
    }
    done = true;
  });
  int transfers = 0;
  stateThreadRunning = true;
  while (!done) {
    HostStream out;
    ASSERT_EQ(plug->getState(&out), kResultOk);
    HostStream in(out.Bytes());
    ASSERT_EQ(plug->setState(&in), kResultOk);
    ++transfers;
  }
  audio.join();
  EXPECT_GT(transfers, 0);
}

TEST(Vst3Concurrency, InstancesCreatedFromTwoThreadsAreBothComplete) {
  std::atomic<FUnknown*> made[2] = {{nullptr}, {nullptr}};
  std::thread a([&] { made[0] = IPlugVST3::CreateInstanceForHost(nullptr); });
  std::thread b([&] { made[1] = IPlugVST3::CreateInstanceForHost(nullptr); });
  a.join();
  b.join();
  for (auto& m : made) {
    FUnknown* object = m.load();
    ASSERT_NE(object, nullptr);
    IEditController* controller = nullptr;
    ASSERT_EQ(object->queryInterface(IEditController::iid, reinterpret_cast<void**>(&controller)), kResultOk);
    auto* plug = static_cast<IPlugVST3*>(controller);
    EXPECT_EQ(plug->NParams(), 12);
    EXPECT_STREQ(plug->GetParam(11)->Name(), "Analog Hiss");
    controller->release();
    object->release();
  }
}
