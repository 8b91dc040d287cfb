// Once the block size is set, the block path neither allocates nor frees.

#include <gtest/gtest.h>

#include <vector>

#include "AllocationCounter.h"
#include "TestPlug.h"

namespace {

TEST(RealTime, BlocksOfTheSetSizeDoNotAllocate) {
  vo::TestPlugOptions options;
  options.channelIO = "2-2";
  options.latency = 16;
  vo::TestPlug plug(options);
  plug.SetBlockFrames(256);
  std::vector<float> in(256, 0.5f), out0(256), out1(256);
  float* inputs[] = {in.data(), in.data()};
  float* outputs[] = {out0.data(), out1.data()};

  testing::internal::CaptureStdout();
  AllocationCounter counter;
  for (int block = 0; block < 4; ++block) {
    MutexLock lock(plug.GetMutex());
    plug.SetBlockFrames(256);
    plug.ClearScratchBuffers();
    plug.SetInputConnections(0, 2, true);
    plug.SetOutputConnections(0, 2, true);
    plug.AttachInputSamples(0, 2, inputs, 256);
    plug.AttachOutputSamples(0, 2, outputs);
    if (block % 2) {
      plug.BypassBlock(256);
    } else {
      plug.RunBlock(256);
    }
  }
  const long long allocations = counter.Allocations();
  const long long frees = counter.Deallocations();
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(0, allocations);
  EXPECT_EQ(0, frees);
}

}  // namespace
