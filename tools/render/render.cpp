// Renders audio through the plug-in the way a host drives it: create it
// through its factory, set parameters, announce them as a state restore
// would, then run the input in host-sized 32-bit blocks through the block
// entry. Input is a WAV file or the built-in test signal; output a WAV file.
// The audio streams through in blocks, so memory stays the same whatever
// the input's length.
//
//   vo_render [--in in.wav] [--out out.wav] [--block N]
//             [--set "Name=value"]...   (plain values, e.g. "Dry/Wet=70")
//             [--compare reference.wav] [--tolerance 1e-6]

#include <algorithm>
#include <chrono>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "AudioCompare.h"
#include "RenderOptions.h"
#include "RenderProgress.h"
#include "TestSignal.h"
#include "VimbraOndelino.h"
#include "WavReader.h"
#include "WavWriter.h"

namespace {

constexpr int kBadUsage = 2;
constexpr int kFailed = 1;

int Usage(const char* program, const std::string& problem) {
  std::fprintf(stderr,
               "%s: %s\n"
               "usage: %s [--in in.wav] [--out out.wav] [--block 1..%d] [--set \"Name=value\"]...\n"
               "          [--compare reference.wav] [--tolerance t]\n",
               program, problem.c_str(), program, vo::RenderOptions::kMaxBlockFrames);
  return kBadUsage;
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "%s\n", message.c_str());
  return kFailed;
}

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code ignored;
  return !a.empty() && !b.empty() && std::filesystem::equivalent(a, b, ignored);
}

int FindParam(const IPlugBase& plug, const std::string& name) {
  for (int i = 0; i < plug.NParams(); ++i)
    if (name == plug.GetParam(i)->Name()) return i;
  return -1;
}

// Sets each named parameter to its plain value; a value outside the
// parameter's range is clamped into it, and said so.
bool ApplySettings(IPlugBase& plug, const vo::RenderOptions& options, std::string* problem) {
  for (const auto& [name, text] : options.settings) {
    const std::string setting = "--set \"" + name + "=" + text + "\"";
    const int index = FindParam(plug, name);
    double value = 0.0;
    if (index < 0) {
      *problem = setting + ": the plug-in has no parameter \"" + name + "\"";
      return false;
    }
    if (!vo::ParseNumber(text, &value)) {
      *problem = setting + ": \"" + text + "\" is not a finite number";
      return false;
    }
    IPlugParameter* param = plug.GetParam(index);
    param->RestoreValue(value);
    if (param->Value() != value)
      std::fprintf(stderr, "%s: %s is outside \"%s\"'s range %g to %g; %g is used\n", setting.c_str(),
                   text.c_str(), name.c_str(), param->GetMin(), param->GetMax(), param->Value());
  }
  return true;
}

// What the input held that a host cannot hand the plug-in as it is; said
// once, after the render.
struct InputTally {
  int64_t nonFinite = 0;   // NaN or infinite in the file
  int64_t outOfRange = 0;  // finite, but beyond what a 32-bit float holds
};

// The 32-bit sample a host hands over: the nearest float. A finite value
// whose nearest float is infinite becomes that infinity, sign kept (a plain
// cast of it would be undefined).
float ToHostSample(double value, InputTally* tally) {
  // The largest float plus half its last unit: from here on rounding to
  // nearest gives infinity.
  constexpr double kFloatOverflow = static_cast<double>(FLT_MAX) + 0x1p103;
  if (!std::isfinite(value)) {
    ++tally->nonFinite;
  } else if (std::fabs(value) >= kFloatOverflow) {
    ++tally->outOfRange;
    return value > 0 ? HUGE_VALF : -HUGE_VALF;
  }
  return static_cast<float>(value);
}

void SayInputTally(const std::string& input, const InputTally& tally) {
  const auto say = [&](int64_t count, const char* what) {
    if (count > 0)
      std::fprintf(stderr, "%s holds %lld input %s %s; the plug-in replaced %s\n", input.c_str(),
                   static_cast<long long>(count), count == 1 ? "sample" : "samples", what,
                   count == 1 ? "it" : "them");
  };
  say(tally.nonFinite, tally.nonFinite == 1 ? "that is NaN or infinite" : "that are NaN or infinite");
  say(tally.outOfRange, "out of the 32-bit float range (finite, but beyond 3.4e38 in magnitude)");
}

}  // namespace

int main(int argc, char** argv) {
  vo::RenderOptions opt;
  opt.output = "render.wav";
  std::string optionProblem;
  if (!vo::ParseRenderOptions(argc, argv, 1, &opt, &optionProblem)) return Usage(argv[0], optionProblem);
  // Streaming reads the input while the output is written, and the
  // comparison reads the output back: neither may be the other's file.
  if (SameFile(opt.input, opt.output))
    return Usage(argv[0], "--out \"" + opt.output + "\" is the input file");
  if (SameFile(opt.compare, opt.output))
    return Usage(argv[0], "--out \"" + opt.output + "\" is the reference file");

  vo::AudioData testSignal;
  std::unique_ptr<vo::FrameSource> source;
  std::string error;
  if (opt.input.empty()) {
    testSignal = vo::MakeTestSignal();
    source = std::make_unique<vo::AudioDataSource>(testSignal);
  } else {
    auto reader = std::make_unique<vo::WavReader>();
    if (!reader->Open(opt.input, &error)) return Fail(error);
    // Rendered all the same, as far as the file goes.
    if (!reader->Warning().empty()) std::fprintf(stderr, "%s\n", reader->Warning().c_str());
    source = std::move(reader);
  }
  const int64_t frames = source->Frames();
  const int rate = source->SampleRate();
  if (frames > vo::WavWriter::MaxFrames(2))
    return Fail(opt.input + ": " + std::to_string(frames) +
                " frames of stereo 32-bit float are more than a WAV file can hold");

  std::unique_ptr<VimbraOndelino> plug(CreatePluginInstance());
  std::string problem;
  if (!ApplySettings(*plug, opt, &problem)) return Usage(argv[0], problem);
  plug->StoreSampleRate(rate);
  plug->ResetProcessing();
  for (int i = 0; i < plug->NParams(); ++i) plug->ParameterChanged(i, kSourceStateRestore);

  // Opened before rendering, so that an output that cannot be written is
  // reported at once rather than after the whole render.
  vo::WavWriter writer;
  if (!writer.Open(opt.output, rate, 2, &error)) return Fail(error);

  // Mono input feeds both channels; more than two channels: the first two.
  const int block = opt.blockFrames;
  const int readChannels = std::min(2, source->Channels());
  std::vector<double> readL(block), readR(block);
  std::vector<float> inL(block), inR(block), outL(block), outR(block);
  double* read[2] = {readL.data(), readR.data()};
  float* in[2] = {inL.data(), inR.data()};
  float* out[2] = {outL.data(), outR.data()};
  vo::RenderProgress progress(frames, rate);
  double seconds = 0.0;
  InputTally tally;
  for (int64_t done = 0; done < frames;) {
    const int n = static_cast<int>(std::min<int64_t>(block, frames - done));
    if (source->Read(read, readChannels, n) != n) {
      progress.Finish();
      return Fail("cannot read " + opt.input + " beyond frame " + std::to_string(done));
    }
    // Mono feeds both channels, yet each sample counts once.
    for (int i = 0; i < n; ++i) {
      inL[i] = ToHostSample(readL[i], &tally);
      inR[i] = readChannels > 1 ? ToHostSample(readR[i], &tally) : inL[i];
    }
    const auto start = std::chrono::steady_clock::now();
    plug->ProcessHostBlock(in, out, n);
    seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!writer.Write(out, n)) break;  // Close names the failure
    done += n;
    progress.Update(done);
  }
  progress.Finish();
  // Said once, after the render: the engine has taken them in its own way.
  SayInputTally(opt.input, tally);
  if (!writer.Close(&error)) return Fail(error);

  const double audioSeconds = static_cast<double>(frames) / rate;
  std::fflush(stdout);
  std::fprintf(stderr, "rendered %.2f s of audio to %s in %.4f s: real-time factor %.1f\n", audioSeconds,
               opt.output.c_str(), seconds, seconds > 0 ? audioSeconds / seconds : 0.0);
  if (opt.compare.empty()) return 0;
  vo::WavReader written;
  if (!written.Open(opt.output, &error)) return Fail(error);
  return vo::CompareWithWavFile(written, opt.compare, opt.tolerance);
}
