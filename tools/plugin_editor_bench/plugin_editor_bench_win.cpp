// The plug-in editor's full repaint timed in the Windows build (the Windows
// view's back buffer, GDI text), where Google Benchmark is not available:
// a warm-up, then the mean and the fastest of repeated batches.
//   plugin_editor_bench.exe [repaints per batch, default 200]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "FullRepaint.h"

int main(int argc, char** argv) {
  const int perBatch = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
  FullRepaint repaint;
  if (!repaint.Ok()) {
    std::printf("no editor\n");
    return 1;
  }
  for (int i = 0; i < 20; ++i) repaint.Run();
  double best = 1e30, total = 0.0;
  const int batches = 10;
  for (int b = 0; b < batches; ++b) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < perBatch; ++i) repaint.Run();
    const double us =
        std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count() / perBatch;
    best = std::min(best, us);
    total += us;
  }
  std::printf("full repaint: mean %.1f us, fastest batch %.1f us per repaint (%d x %d)\n", total / batches, best,
              batches, perBatch);
  return 0;
}
