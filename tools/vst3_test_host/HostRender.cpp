#include "HostRender.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <type_traits>
#include <utility>
#include <vector>

#include "AudioCompare.h"
#include "FloatSample.h"
#include "HostObjects.h"
#include "HostedPlugin.h"
#include "TestSignal.h"
#include "WavFile.h"
#include "WavWriter.h"
#include "pluginterfaces/vst/ivstprocesscontext.h"
#include "pluginterfaces/vst/vstspeaker.h"

using namespace Steinberg;

namespace vo {
namespace vst3host {
namespace {

// Two channels of host buffers in one sample format.
template <class Sample>
struct StereoBuffers {
  explicit StereoBuffers(int frames)
      : left(static_cast<size_t>(frames)), right(static_cast<size_t>(frames)) {
    channels[0] = left.data();
    channels[1] = right.data();
  }
  std::vector<Sample> left, right;
  Sample* channels[2];
};

template <class Sample>
void SetBusBuffers(Vst::AudioBusBuffers& bus, StereoBuffers<Sample>& buffers);

template <>
void SetBusBuffers(Vst::AudioBusBuffers& bus, StereoBuffers<float>& buffers) {
  bus.numChannels = 2;
  bus.channelBuffers32 = buffers.channels;
}

template <>
void SetBusBuffers(Vst::AudioBusBuffers& bus, StereoBuffers<double>& buffers) {
  bus.numChannels = 2;
  bus.channelBuffers64 = buffers.channels;
}

// A sample as the host hands it over: 64-bit as read, 32-bit as the render
// tool converts it (a finite value beyond the float range clamped).
template <class Sample>
Sample HostSample(double value) {
  if constexpr (std::is_same_v<Sample, float>)
    return FloatSample(value);
  else
    return value;
}

// The signal as exactly two channels.
AudioData Stereo(AudioData audio) {
  if (audio.channels == 1) audio.samples.push_back(audio.samples[0]);
  audio.samples.resize(2);
  audio.channels = 2;
  return audio;
}

template <class Sample>
double Process(HostedPlugin& plug, HostParameterChanges& changes, const AudioData& in,
               AudioData& out, int blockFrames) {
  StereoBuffers<Sample> input(blockFrames), output(blockFrames);
  Vst::AudioBusBuffers inBus, outBus;
  SetBusBuffers(inBus, input);
  SetBusBuffers(outBus, output);
  Vst::ProcessContext context{};
  context.state = Vst::ProcessContext::kPlaying | Vst::ProcessContext::kTempoValid |
                  Vst::ProcessContext::kTimeSigValid;
  context.sampleRate = in.sampleRate;
  context.tempo = 120.0;
  context.timeSigNumerator = 4;
  context.timeSigDenominator = 4;

  double seconds = 0.0;
  const int total = in.Frames();
  for (int start = 0; start < total; start += blockFrames) {
    const int n = std::min(blockFrames, total - start);
    for (int i = 0; i < n; ++i) {
      input.left[static_cast<size_t>(i)] = HostSample<Sample>(in.samples[0][static_cast<size_t>(start + i)]);
      input.right[static_cast<size_t>(i)] = HostSample<Sample>(in.samples[1][static_cast<size_t>(start + i)]);
    }
    Vst::ProcessData data = MainBusesProcessData(
        inBus, outBus, n, sizeof(Sample) == 8 ? Vst::kSample64 : Vst::kSample32, &changes);
    data.processContext = &context;
    context.projectTimeSamples = start;

    const auto begin = std::chrono::steady_clock::now();
    plug.Processor()->process(data);
    seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    changes.Clear();  // the settings go with the first block only

    for (int i = 0; i < n; ++i) {
      out.samples[0][static_cast<size_t>(start + i)] = output.left[static_cast<size_t>(i)];
      out.samples[1][static_cast<size_t>(start + i)] = output.right[static_cast<size_t>(i)];
    }
  }
  return seconds;
}

using Setting = std::pair<Vst::ParamID, Vst::ParamValue>;

// The settings as parameter ids and normalised values; a name the plug-in
// does not know, or a value that is no number, is said and sets *result.
std::vector<Setting> NormalizedSettings(HostedPlugin& plug, const RenderOptions& options, int* result) {
  std::vector<Setting> settings;
  for (const auto& setting : options.settings) {
    const long long id = plug.FindParameter(setting.first);
    double plain = 0.0;
    if (id < 0 || !vo::ParseNumber(setting.second, &plain)) {
      std::printf("no parameter \"%s\" takes \"%s\"\n", setting.first.c_str(), setting.second.c_str());
      *result = 1;
      continue;
    }
    const auto paramId = static_cast<Vst::ParamID>(id);
    settings.emplace_back(paramId, plug.Controller()->plainParamToNormalized(paramId, plain));
  }
  return settings;
}

// The state a project saved with these settings holds: another instance's,
// set through its edit controller (as the user's edits were) and read back.
std::vector<uint8_t> SavedState(IPluginFactory* factory, FUnknown* host, const std::vector<Setting>& settings) {
  HostedPlugin saver(factory);
  if (!saver.Ok() || !saver.Initialize(host)) return {};
  for (const Setting& setting : settings) saver.Controller()->setParamNormalized(setting.first, setting.second);
  return saver.State();
}

}  // namespace

int RunRender(const PluginModule& module, const RenderOptions& options) {
  if (!module.Ok()) {
    std::printf("module unusable: %s\n", module.Error().c_str());
    return 1;
  }
  AudioData in;
  std::string error;
  if (options.input.empty()) {
    in = MakeTestSignal(options.sampleRate);
  } else if (!ReadWavFile(options.input, &in, &error)) {
    std::printf("%s\n", error.c_str());
    return 1;
  }
  in = Stereo(in);
  // Opened before rendering, so that an output that cannot be written is
  // reported at once rather than after the whole render.
  vo::WavWriter writer;
  if (!options.output.empty() && !writer.Open(options.output, in.sampleRate, in.channels, &error)) {
    std::printf("%s\n", error.c_str());
    return 1;
  }

  module.InitDll()();
  IPluginFactory* factory = module.GetFactory()();
  HostApplication host("VST3 Test Host");
  AudioData out = in;
  double seconds = 0.0;
  int result = 0;
  {
    HostedPlugin plug(factory);
    if (!plug.Ok() || !plug.Initialize(&host)) {
      std::printf("the plug-in could not be created and initialised\n");
      result = 1;
    } else {
      HostParameterChanges changes;
      const std::vector<Setting> settings = NormalizedSettings(plug, options, &result);
      if (options.restore) {
        HostStream saved(SavedState(factory, &host, settings));
        if (plug.Component()->setState(&saved) != kResultOk) {
          std::printf("the plug-in refused the saved state\n");
          result = 1;
        }
      } else {
        for (const Setting& setting : settings) changes.Add(setting.first, setting.second);
      }
      plug.ActivateDefaultBuses();
      Vst::SpeakerArrangement stereoIn = Vst::SpeakerArr::kStereo, stereoOut = Vst::SpeakerArr::kStereo;
      Vst::ProcessSetup setup{Vst::kRealtime, options.doubles ? Vst::kSample64 : Vst::kSample32,
                              options.blockFrames, static_cast<double>(in.sampleRate)};
      if (plug.Processor()->setBusArrangements(&stereoIn, 1, &stereoOut, 1) != kResultOk ||
          plug.Processor()->setupProcessing(setup) != kResultOk) {
        std::printf("the plug-in refused stereo processing set-up\n");
        result = 1;
      } else if (result == 0) {
        plug.Component()->setActive(true);
        plug.Processor()->setProcessing(true);
        seconds = options.doubles ? Process<double>(plug, changes, in, out, options.blockFrames)
                                  : Process<float>(plug, changes, in, out, options.blockFrames);
        plug.Processor()->setProcessing(false);
        plug.Component()->setActive(false);
      }
    }
  }
  if (factory) factory->release();
  module.ExitDll()();
  if (result != 0) return result;

  if (!options.output.empty() && !vo::FinishWavFile(writer, out, &error)) {
    std::printf("%s\n", error.c_str());
    return 1;
  }
  const double audioSeconds = in.Frames() / static_cast<double>(in.sampleRate);
  std::printf("rendered %.2f s in %d-bit processing, real-time factor %.1f\n", audioSeconds,
              options.doubles ? 64 : 32, seconds > 0.0 ? audioSeconds / seconds : 0.0);
  return options.compare.empty() ? 0 : vo::CompareWithWavFile(out, options.compare, options.tolerance);
}

}  // namespace vst3host
}  // namespace vo
