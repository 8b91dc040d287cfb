// Benchmark of the plug-in editor's full repaint: every control dirty,
// painted into the back buffer (natively on the headless view). The
// editor's timer asks for one every 40 ms; a repaint must take a small part
// of that so painting never competes with audio.
#include <benchmark/benchmark.h>

#include "FullRepaint.h"

static void BM_FullRepaint(benchmark::State& state) {
  FullRepaint repaint;
  if (!repaint.Ok()) {
    state.SkipWithError("no editor");
    return;
  }
  for (auto _ : state) repaint.Run();
}
BENCHMARK(BM_FullRepaint)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
