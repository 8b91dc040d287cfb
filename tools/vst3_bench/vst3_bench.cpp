// Benchmark of the VST3 deliverable's process call: the plug-in created
// through its class's create function, initialised and set up as a host
// does (32-bit samples, 512-frame blocks, 44.1 kHz, default parameters),
// with oversampling off and on. The plug-in reports each attached input
// channel on standard output; run with standard output redirected.
//
// Counters:
//   ns_per_frame  nanoseconds of the process call per stereo frame
//   rt_factor     real-time factor at 44.1 kHz

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <vector>

#include "HostObjects.h"
#include "IPlugVST3.h"
#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/vst/vstspeaker.h"

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

constexpr int kBlock = 512;
constexpr double kRate = 44100.0;

void BM_Vst3Process32(benchmark::State& state) {
  const bool oversample = state.range(0) != 0;
  FUnknown* object = IPlugVST3::CreateInstanceForHost(nullptr);
  IEditController* controller = nullptr;
  object->queryInterface(IEditController::iid, reinterpret_cast<void**>(&controller));
  auto* plug = static_cast<IPlugVST3*>(controller);
  plug->initialize(nullptr);
  plug->activateBus(kAudio, kInput, 0, true);
  plug->activateBus(kAudio, kOutput, 0, true);
  ProcessSetup setup{kRealtime, kSample32, kBlock, kRate};
  plug->setupProcessing(setup);
  plug->setActive(true);
  plug->setProcessing(true);

  std::vector<float> in[2], out[2];
  float* inPtr[2];
  float* outPtr[2];
  for (int c = 0; c < 2; ++c) {
    in[c].resize(kBlock);
    out[c].resize(kBlock);
    for (int i = 0; i < kBlock; ++i) {
      in[c][static_cast<size_t>(i)] = 0.5f * static_cast<float>(std::sin(0.03 * (c + 1) * i));
    }
    inPtr[c] = in[c].data();
    outPtr[c] = out[c].data();
  }
  AudioBusBuffers inBus, outBus;
  inBus.numChannels = outBus.numChannels = 2;
  inBus.channelBuffers32 = inPtr;
  outBus.channelBuffers32 = outPtr;
  vo::vst3host::HostParameterChanges changes;
  changes.Add(0, oversample ? 1.0 : 0.0);
  ProcessData data;
  data.numSamples = kBlock;
  data.numInputs = data.numOutputs = 1;
  data.inputs = &inBus;
  data.outputs = &outBus;
  data.inputParameterChanges = &changes;
  plug->process(data);  // applies the setting; the buffers grow here
  data.inputParameterChanges = nullptr;

  double seconds = 0.0;
  for (auto _ : state) {
    const auto begin = std::chrono::steady_clock::now();
    plug->process(data);
    const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    state.SetIterationTime(elapsed);
    seconds += elapsed;
    benchmark::DoNotOptimize(out[0][0]);
  }
  const double frames = static_cast<double>(state.iterations()) * kBlock;
  state.counters["ns_per_frame"] = seconds * 1e9 / frames;
  state.counters["rt_factor"] = frames / kRate / seconds;

  plug->setProcessing(false);
  plug->setActive(false);
  plug->terminate();
  controller->release();
  object->release();
}

}  // namespace

BENCHMARK(BM_Vst3Process32)->ArgName("oversample")->Arg(0)->Arg(1)->UseManualTime();
BENCHMARK_MAIN();
