// Renders audio through the plug-in the way a host drives it: create it
// through its factory, set parameters, announce them as a state restore
// would, then run the input in host-sized 32-bit blocks through the block
// entry. Input is a WAV file or the built-in test signal; output a WAV file.
//
//   vo_render [--in in.wav] [--out out.wav] [--block N]
//             [--set "Name=value"]...   (plain values, e.g. "Dry/Wet=70")

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "TestSignal.h"
#include "VimbraOndelino.h"
#include "WavFile.h"

namespace {

struct Options {
  std::string in;
  std::string out = "render.wav";
  int block = 512;
  std::vector<std::pair<std::string, double>> settings;
};

bool ParseArgs(int argc, char** argv, Options* o) {
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    const bool hasValue = i + 1 < argc;
    if (a == "--in" && hasValue) {
      o->in = argv[++i];
    } else if (a == "--out" && hasValue) {
      o->out = argv[++i];
    } else if (a == "--block" && hasValue) {
      o->block = std::atoi(argv[++i]);
      if (o->block < 1) return false;
    } else if (a == "--set" && hasValue) {
      const std::string s = argv[++i];
      const size_t eq = s.rfind('=');
      if (eq == std::string::npos) return false;
      o->settings.emplace_back(s.substr(0, eq), std::atof(s.c_str() + eq + 1));
    } else {
      return false;
    }
  }
  return true;
}

int FindParam(const IPlugBase& plug, const std::string& name) {
  for (int i = 0; i < plug.NParams(); ++i)
    if (name == plug.GetParam(i)->Name()) return i;
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  Options opt;
  if (!ParseArgs(argc, argv, &opt)) {
    std::fprintf(stderr, "usage: %s [--in in.wav] [--out out.wav] [--block N] [--set \"Name=value\"]...\n",
                 argv[0]);
    return 2;
  }
  vo::AudioData input;
  std::string error;
  if (opt.in.empty()) {
    input = vo::MakeTestSignal();
  } else if (!vo::ReadWavFile(opt.in, &input, &error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }

  std::unique_ptr<VimbraOndelino> plug(CreatePluginInstance());
  for (const auto& [name, value] : opt.settings) {
    const int index = FindParam(*plug, name);
    if (index < 0) {
      std::fprintf(stderr, "no parameter named \"%s\"\n", name.c_str());
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
  for (int pos = 0; pos < frames; pos += opt.block) {
    const int n = std::min(opt.block, frames - pos);
    float* in[2] = {inL.data() + pos, inR.data() + pos};
    float* out[2] = {outL.data() + pos, outR.data() + pos};
    plug->ProcessHostBlock(in, out, n);
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  vo::AudioData output;
  output.sampleRate = input.sampleRate;
  output.channels = 2;
  output.samples = {std::vector<double>(outL.begin(), outL.end()), std::vector<double>(outR.begin(), outR.end())};
  if (!vo::WriteWavFile(opt.out, output, &error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  const double audioSeconds = frames / static_cast<double>(input.sampleRate);
  std::fflush(stdout);
  std::fprintf(stderr, "rendered %.2f s of audio to %s in %.4f s: real-time factor %.1f\n", audioSeconds,
               opt.out.c_str(), seconds, seconds > 0 ? audioSeconds / seconds : 0.0);
  return 0;
}
