// Renders audio through the plug-in the way a host drives it: create it
// through its factory, set parameters, announce them as a state restore
// would, then run the input in host-sized 32-bit blocks through the block
// entry. Input is a WAV file or the built-in test signal; output a WAV file.
//
//   vo_render [--in in.wav] [--out out.wav] [--block N]
//             [--set "Name=value"]...   (plain values, e.g. "Dry/Wet=70")
//             [--compare reference.wav] [--tolerance 1e-6]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "AudioCompare.h"
#include "RenderOptions.h"
#include "TestSignal.h"
#include "VimbraOndelino.h"
#include "WavFile.h"

namespace {

int FindParam(const IPlugBase& plug, const std::string& name) {
  for (int i = 0; i < plug.NParams(); ++i)
    if (name == plug.GetParam(i)->Name()) return i;
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  vo::RenderOptions opt;
  opt.output = "render.wav";
  bool usable = true;
  for (int i = 1; i < argc && usable; ++i)
    usable = vo::ParseRenderOption(argc, argv, &i, &opt) == vo::OptionParse::kTaken;
  if (!usable) {
    std::fprintf(stderr, "usage: %s [--in in.wav] [--out out.wav] [--block N] [--set \"Name=value\"]...\n"
                 "          [--compare reference.wav] [--tolerance t]\n",
                 argv[0]);
    return 2;
  }
  vo::AudioData input;
  std::string error;
  if (opt.input.empty()) {
    input = vo::MakeTestSignal();
  } else if (!vo::ReadWavFile(opt.input, &input, &error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }

  std::unique_ptr<VimbraOndelino> plug(CreatePluginInstance());
  for (const auto& [name, text] : opt.settings) {
    const int index = FindParam(*plug, name);
    double value = 0.0;
    if (index < 0 || !vo::ParseNumber(text, &value)) {
      std::fprintf(stderr, "no parameter \"%s\" takes \"%s\"\n", name.c_str(), text.c_str());
      return 2;
    }
    plug->GetParam(index)->RestoreValue(value);
  }
  plug->StoreSampleRate(input.sampleRate);
  plug->ResetProcessing();
  for (int i = 0; i < plug->NParams(); ++i) plug->ParameterChanged(i, kSourceStateRestore);

  // Mono input feeds both channels; more than two channels: the first two.
  const int frames = input.Frames();
  std::vector<float> inL(frames), inR(frames), outL(frames), outR(frames);
  for (int i = 0; i < frames; ++i) {
    inL[i] = static_cast<float>(input.samples[0][i]);
    inR[i] = static_cast<float>(input.samples[input.channels > 1 ? 1 : 0][i]);
  }
  const auto start = std::chrono::steady_clock::now();
  for (int pos = 0; pos < frames; pos += opt.blockFrames) {
    const int n = std::min(opt.blockFrames, frames - pos);
    float* in[2] = {inL.data() + pos, inR.data() + pos};
    float* out[2] = {outL.data() + pos, outR.data() + pos};
    plug->ProcessHostBlock(in, out, n);
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  vo::AudioData output;
  output.sampleRate = input.sampleRate;
  output.channels = 2;
  output.samples = {std::vector<double>(outL.begin(), outL.end()), std::vector<double>(outR.begin(), outR.end())};
  if (!vo::WriteWavFile(opt.output, output, &error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  const double audioSeconds = frames / static_cast<double>(input.sampleRate);
  std::fflush(stdout);
  std::fprintf(stderr, "rendered %.2f s of audio to %s in %.4f s: real-time factor %.1f\n", audioSeconds,
               opt.output.c_str(), seconds, seconds > 0 ? audioSeconds / seconds : 0.0);
  return opt.compare.empty() ? 0 : vo::CompareWithWavFile(output, opt.compare, opt.tolerance);
}
