// Benchmark of the VST3 deliverable's process call as a host sees it: the
// Windows module loaded with the test host's loader, the plug-in created
// through its factory and set up as a host does (32-bit samples, 512-frame
// blocks, 44.1 kHz, default parameters, so hiss and saturation on), with
// "Oversample" off (factor 1) and on (factor 2). Runs under Wine.
//
//   vst3_win_bench [--module path/to/VimbraOndelino.vst3] [benchmark options]
//
// Without --module it loads the bundle this build made. The plug-in reports
// each attached input channel on standard output; redirect it to a file or a
// pipe for figures: under Wine a write to /dev/null costs a fraction of a
// millisecond, which swamps the process call.
//
// Counters:
//   ns_per_frame  nanoseconds of the process call per stereo frame
//   rt_factor     real-time factor at 44.1 kHz

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "HostObjects.h"
#include "HostedPlugin.h"
#include "PluginModule.h"
#include "pluginterfaces/vst/vstspeaker.h"

using namespace Steinberg;

namespace {

constexpr int kBlock = 512;
constexpr double kRate = 44100.0;

std::string gModulePath = VO_VST3_MODULE_FILE;

void BM_Vst3ModuleProcess(benchmark::State& state) {
  const int factor = static_cast<int>(state.range(0));
  vo::vst3host::PluginModule module(gModulePath);
  if (!module.Ok()) {
    state.SkipWithError(module.Error().c_str());
    return;
  }
  module.InitDll()();
  IPluginFactory* factory = module.GetFactory()();
  {
    vo::vst3host::HostApplication host("VST3 Module Benchmark");
    vo::vst3host::HostedPlugin plug(factory);
    if (!plug.Ok() || !plug.Initialize(&host)) {
      state.SkipWithError("the plug-in could not be created and initialised");
    } else {
      plug.ActivateDefaultBuses();
      Vst::SpeakerArrangement stereoIn = Vst::SpeakerArr::kStereo, stereoOut = Vst::SpeakerArr::kStereo;
      Vst::ProcessSetup setup{Vst::kRealtime, Vst::kSample32, kBlock, kRate};
      plug.Processor()->setBusArrangements(&stereoIn, 1, &stereoOut, 1);
      plug.Processor()->setupProcessing(setup);
      plug.Component()->setActive(true);
      plug.Processor()->setProcessing(true);

      std::vector<float> in[2], out[2];
      float* inPtr[2];
      float* outPtr[2];
      for (int c = 0; c < 2; ++c) {
        in[c].resize(kBlock);
        out[c].resize(kBlock);
        for (int i = 0; i < kBlock; ++i)
          in[c][static_cast<size_t>(i)] = 0.5f * static_cast<float>(std::sin(0.03 * (c + 1) * i));
        inPtr[c] = in[c].data();
        outPtr[c] = out[c].data();
      }
      Vst::AudioBusBuffers inBus, outBus;
      inBus.numChannels = outBus.numChannels = 2;
      inBus.channelBuffers32 = inPtr;
      outBus.channelBuffers32 = outPtr;
      vo::vst3host::HostParameterChanges changes;
      const long long oversample = plug.FindParameter("Oversample");
      if (oversample >= 0) changes.Add(static_cast<Vst::ParamID>(oversample), factor == 2 ? 1.0 : 0.0);
      Vst::ProcessData data;
      data.processMode = Vst::kRealtime;
      data.symbolicSampleSize = Vst::kSample32;
      data.numSamples = kBlock;
      data.numInputs = data.numOutputs = 1;
      data.inputs = &inBus;
      data.outputs = &outBus;
      data.inputParameterChanges = &changes;
      plug.Processor()->process(data);  // applies the setting; the buffers grow here
      data.inputParameterChanges = nullptr;

      double seconds = 0.0;
      for (auto _ : state) {
        const auto begin = std::chrono::steady_clock::now();
        plug.Processor()->process(data);
        const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
        state.SetIterationTime(elapsed);
        seconds += elapsed;
        benchmark::DoNotOptimize(out[0][0]);
      }
      const double frames = static_cast<double>(state.iterations()) * kBlock;
      if (seconds > 0.0) {
        state.counters["ns_per_frame"] = seconds * 1e9 / frames;
        state.counters["rt_factor"] = frames / kRate / seconds;
      }
      state.SetLabel(oversample >= 0 ? "defaults, hiss on" : "no \"Oversample\" parameter found");
      plug.Processor()->setProcessing(false);
      plug.Component()->setActive(false);
    }
  }
  if (factory) factory->release();
  module.ExitDll()();
}

BENCHMARK(BM_Vst3ModuleProcess)->ArgName("factor")->Arg(1)->Arg(2)->UseManualTime();

}  // namespace

int main(int argc, char** argv) {
  // --module PATH (or --module=PATH) picks the module; the rest goes to the
  // benchmark library.
  std::vector<char*> rest;
  for (int i = 0; i < argc; ++i) {
    if (std::strcmp(argv[i], "--module") == 0 && i + 1 < argc) {
      gModulePath = argv[++i];
    } else if (std::strncmp(argv[i], "--module=", 9) == 0) {
      gModulePath = argv[i] + 9;
    } else {
      rest.push_back(argv[i]);
    }
  }
  int restCount = static_cast<int>(rest.size());
  benchmark::Initialize(&restCount, rest.data());
  std::fprintf(stderr, "module: %s\n", gModulePath.c_str());
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
