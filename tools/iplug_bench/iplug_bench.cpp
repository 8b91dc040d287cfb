// Cost of the framework around the plug-in's own processing: one stereo block
// through the 32-bit attach, the block call and the conversion back, and the
// state chunk written and read again.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <vector>

#include "TestPlug.h"

namespace {

void SilenceConsole() {
  // The attach writes a line per channel; a terminal would dominate the timing.
  // Benchmarks are built natively only.
  static const bool silenced = std::freopen("/dev/null", "w", stdout) != nullptr;
  (void)silenced;
}

void BM_StereoBlock32(benchmark::State& state) {
  SilenceConsole();
  const int frames = static_cast<int>(state.range(0));
  vo::TestPlugOptions options;
  options.channelIO = "2-2";
  vo::TestPlug plug(options);
  plug.SetBlockFrames(frames);
  std::vector<float> in0(frames, 0.25f), in1(frames, -0.25f), out0(frames), out1(frames);
  float* inputs[] = {in0.data(), in1.data()};
  float* outputs[] = {out0.data(), out1.data()};
  for (auto _ : state) {
    MutexLock lock(plug.GetMutex());
    plug.ClearScratchBuffers();
    plug.AttachInputSamples(0, 2, inputs, frames);
    plug.AttachOutputSamples(0, 2, outputs);
    plug.RunBlock(frames);
    benchmark::DoNotOptimize(out1.data());
  }
  state.SetItemsProcessed(state.iterations() * frames);
}
BENCHMARK(BM_StereoBlock32)->Arg(32)->Arg(512)->Arg(4096);

void BM_StateRoundTrip(benchmark::State& state) {
  vo::TestPlug plug;
  for (int i = 0; i < plug.NParams(); ++i) plug.GetParam(i)->SetUpDouble("p", 0.5, 0.0, 1.0, 0.01);
  StateChunk chunk;
  for (auto _ : state) {
    chunk.Clear();
    plug.SerializeParams(&chunk);
    benchmark::DoNotOptimize(plug.UnserializeParams(&chunk, 0));
    plug.changes.clear();
  }
}
BENCHMARK(BM_StateRoundTrip);

}  // namespace

BENCHMARK_MAIN();
