#include "PluginRender.h"

#include "AudioCompare.h"
#include "FloatSample.h"
#include "PluginSession.h"
#include "TestSignal.h"
#include "WavFile.h"
#include "WavWriter.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>

namespace fakehost {
namespace {

// The signal as exactly two channels.
vo::AudioData Stereo(vo::AudioData audio) {
  if (audio.channels == 1) audio.samples.push_back(audio.samples[0]);
  audio.samples.resize(2);
  audio.channels = 2;
  return audio;
}

// Sets the named parameters, then applies every plug-in parameter's value
// in host order, as a host does once an instance is bound.
bool ApplySettings(HostedEffect& effect, const RenderOptions& options) {
  std::vector<std::pair<std::string, double>> values;
  const int32_t count = effect.Count();
  for (int32_t i = 0; i < count; ++i) {
    const std::string id = effect.IdAt(i);
    if (!id.empty()) values.emplace_back(id, effect.Read(id.c_str()));  // "" is the bypass
  }
  for (const auto& setting : options.settings) {
    const std::string id = effect.IdOfTitle(setting.first);
    const double normalized = id == "?" ? -1.0 : effect.ParseText(id.c_str(), setting.second);
    if (normalized < 0.0) {
      std::printf("no parameter \"%s\" takes \"%s\"\n", setting.first.c_str(),
                  setting.second.c_str());
      return false;
    }
    for (auto& value : values)
      if (value.first == id) value.second = normalized;
  }
  for (const auto& value : values)
    if (effect.Apply(value.first.c_str(), value.second) != 0) return false;
  return true;
}

double Render(HostedEffect& effect, const vo::AudioData& in,
              vo::AudioData& out, int blockFrames) {
  std::vector<float> inL(blockFrames), inR(blockFrames), outL(blockFrames), outR(blockFrames);
  float* inputs[2] = {inL.data(), inR.data()};
  float* outputs[2] = {outL.data(), outR.data()};
  double seconds = 0.0;
  const int total = in.Frames();
  for (int start = 0; start < total; start += blockFrames) {
    const int n = std::min(blockFrames, total - start);
    std::fill(inL.begin(), inL.end(), 0.0f);
    std::fill(inR.begin(), inR.end(), 0.0f);
    for (int i = 0; i < n; ++i) {
      inL[i] = vo::FloatSample(in.samples[0][start + i]);
      inR[i] = vo::FloatSample(in.samples[1][start + i]);
    }
    const auto begin = std::chrono::steady_clock::now();
    effect.Render(inputs, outputs, blockFrames);
    seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    for (int i = 0; i < n; ++i) {
      out.samples[0][start + i] = outL[i];
      out.samples[1][start + i] = outR[i];
    }
  }
  return seconds;
}

}  // namespace

int RunRender(Module& module, const RenderOptions& options) {
  vo::AudioData in;
  std::string error;
  if (options.input.empty()) {
    in = vo::MakeTestSignal();
  } else if (!vo::ReadWavFile(options.input, &in, &error)) {
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
  vo::AudioData out = in;

  double seconds = 0.0;
  {
    PluginSession session(module);
    if (!session.Ok()) {
      std::printf("the module cannot be used: %s\n", session.Error().c_str());
      return 1;
    }
    HostedEffect effect(session, "");
    effect.sampleRate = static_cast<float>(in.sampleRate);
    if (!effect.Ok() || effect.Bind() != 0 || effect.InitPrivateData() != 0) {
      std::printf("the plug-in could not be created and bound\n");
      return 1;
    }
    if (!ApplySettings(effect, options)) return 1;
    seconds = Render(effect, in, out, options.blockFrames);
    effect.Unbind();
    effect.Release();
    if (session.entry.canUnloadNow(nullptr) != 0) {
      std::printf("library objects are still alive after the release\n");
      return 1;
    }
  }

  if (!options.output.empty() && !vo::FinishWavFile(writer, out, &error)) {
    std::printf("%s\n", error.c_str());
    return 1;
  }
  const double audioSeconds = in.Frames() / static_cast<double>(in.sampleRate);
  std::printf("rendered %.2f s through the AAX module, real-time factor %.1f\n", audioSeconds,
              seconds > 0.0 ? audioSeconds / seconds : 0.0);
  return options.compare.empty() ? 0 : vo::CompareWithWavFile(out, options.compare, options.tolerance);
}

}  // namespace fakehost
