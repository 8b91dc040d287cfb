// Benchmark of the chorus engine: AudioProcessor::ProcessOversampled on an
// Ondelino with the plug-in's default parameters (Mode I at 0.5 Hz, dry/wet
// 50 %, width 100 %, analog saturation on), with hiss off and on, at
// oversampling factors 1 and 2 and blocks of 32, 512 and 4096 stereo frames.
// Hiss costs a call of the process-wide rand per channel and stage, so the
// two variants show the engine's own work and what a default instance costs.
//
// Counters:
//   ns_per_frame  nanoseconds of processing per stereo frame (host rate)
//   cpu_ns_per_frame  the same in the thread's processor time, which leaves
//                 out the time the thread waited for a processor (on a busy
//                 machine the wall-clock figure counts that as well)
//   rt_factor     real-time factor at 44.1 kHz: seconds of audio processed
//                 per second of processing time
#include "CpuFeatures.h"
#include "Ondelino.h"
#include "OndelinoSaturation.h"
#include "OversamplingRoad.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace
{

// The calling thread's processor time in seconds.
double ThreadSeconds()
{
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + t.tv_nsec * 1e-9;
}

void BM_ProcessOversampled(benchmark::State& state)
{
  const int factor = static_cast<int>(state.range(0));
  const int block = static_cast<int>(state.range(1));
  const bool hiss = state.range(2) != 0;

  Ondelino chorus;
  chorus.SetSampleRate(44100);
  chorus.SetOversampling(factor);
  chorus.mModeI = true;
  chorus.UpdateMode();
  chorus.SetMix(0.5);
  chorus.SetAnalogEmu(true);
  chorus.SetAnalogHiss(hiss);
  std::srand(1);

  // A source to refill the block from: two detuned sines at -6 dBFS.
  const int sourceFrames = 44100;
  std::vector<double> source(2 * sourceFrames);
  for (int i = 0; i < sourceFrames; ++i)
  {
    source[2 * i] = 0.5 * std::sin(2 * 3.141592653589793 * 220.0 * i / 44100.0);
    source[2 * i + 1] = 0.5 * std::sin(2 * 3.141592653589793 * 331.0 * i / 44100.0);
  }
  std::vector<double> frames(2 * static_cast<size_t>(block));
  chorus.ProcessOversampled(frames.data(), block); // the buffers grow here, not in the loop

  // Manual timing of the ProcessOversampled call alone (refilling the block
  // from the source stays outside the measurement).
  int position = 0;
  double seconds = 0.0;
  double cpuSeconds = 0.0;
  for (auto _ : state)
  {
    for (int i = 0; i < block; ++i)
    {
      frames[2 * i] = source[2 * position];
      frames[2 * i + 1] = source[2 * position + 1];
      if (++position == sourceFrames)
        position = 0;
    }
    const double cpuStart = ThreadSeconds();
    const auto start = std::chrono::steady_clock::now();
    chorus.ProcessOversampled(frames.data(), block);
    benchmark::DoNotOptimize(frames.data());
    benchmark::ClobberMemory();
    const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    cpuSeconds += ThreadSeconds() - cpuStart;
    state.SetIterationTime(elapsed);
    seconds += elapsed;
  }

  const double frameCount = static_cast<double>(state.iterations()) * block;
  state.SetItemsProcessed(static_cast<int64_t>(frameCount));
  if (seconds > 0.0)
  {
    state.counters["ns_per_frame"] = seconds * 1e9 / frameCount;
    state.counters["cpu_ns_per_frame"] = cpuSeconds * 1e9 / frameCount;
    state.counters["rt_factor"] = (frameCount / 44100.0) / seconds;
  }
  // The paths the processor detection chose, so that runs on different
  // machines (or builds) can be told apart.
  std::string path = CpuFeatures::SSE3 ? "vector path" : "generic path";
  if (Dsp::gRoadUsesAvx)
    path += ", AVX road";
  if (Dsp::gSaturationUsesAvx2)
    path += ", AVX2 saturation";
  state.SetLabel(std::string(hiss ? "hiss on, " : "hiss off, ") + path);
}

BENCHMARK(BM_ProcessOversampled)
  ->ArgNames({"factor", "block", "hiss"})
  ->ArgsProduct({{1, 2}, {32, 512, 4096}, {0, 1}})
  ->UseManualTime()
  ->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
