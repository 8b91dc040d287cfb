// Renders audio through the plug-in the way a host drives it: create it
// through its factory, set parameters, announce them as a state restore
// would, then run the input in host-sized 32-bit blocks through the block
// entry. Input is a WAV file or the built-in test signal; output a WAV file,
// written beside the target and moved over it once complete. The audio
// streams through in blocks, so memory stays the same whatever the input's
// length. All of the tool's own messages go to standard error; the plug-in's
// console output goes nowhere unless --plugin-output asks for it.
//
//   vo_render [--in in.wav] [--out out.wav] [--block N]
//             [--set "Name=value"]...   (plain values, e.g. "Dry/Wet=70")
//             [--compare reference.wav] [--tolerance 1e-6] [--plugin-output]
//   vo_render --help

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "AudioCompare.h"
#include "FloatSample.h"
#include "PluginConsole.h"
#include "RenderOptions.h"
#include "RenderParameters.h"
#include "RenderProgress.h"
#include "StopSignals.h"
#include "TestSignal.h"
#include "VimbraOndelino.h"
#include "WavReader.h"
#include "WavWriter.h"

namespace {

constexpr int kBadUsage = 2;
constexpr int kFailed = 1;

// The options only this tool takes, beside the shared render options.
struct ToolOptions {
  bool help = false;
  bool pluginOutput = false;
};

// The synopsis, its second line under the first's options.
void PrintSynopsis(FILE* out, const std::string& program) {
  std::fprintf(out,
               "usage: %s [--in in.wav] [--out out.wav] [--block N] [--set \"Name=value\"]...\n"
               "%*s[--compare reference.wav] [--tolerance t] [--plugin-output]\n",
               program.c_str(), static_cast<int>(program.size()) + 8, "");
}

int Usage(const std::string& program, const std::string& problem) {
  std::fprintf(stderr, "%s: %s\n", program.c_str(), problem.c_str());
  PrintSynopsis(stderr, program);
  std::fprintf(stderr, "%s --help lists the options and the parameters\n", program.c_str());
  return kBadUsage;
}

int Help(const std::string& program, const IPlugBase& plug) {
  PrintSynopsis(stdout, program);
  std::printf(
      "\n"
      "Runs a WAV file through the plug-in as a host would and writes the result as a\n"
      "32-bit float stereo WAV file.\n"
      "\n"
      "  --in FILE          input: 16-, 24- or 32-bit PCM or 32- or 64-bit float WAV, any\n"
      "                     rate, up to the format's 4 GB (RF64 is not read); mono feeds\n"
      "                     both channels, of more channels the first two are rendered;\n"
      "                     without --in, a built-in 4-second test signal at 44100 Hz\n"
      "  --out FILE         output (default render.wav); an earlier file of that name is\n"
      "                     replaced only by a completed render\n"
      "  --block N          host block length, 1 to %d frames (default 512)\n"
      "  --set \"Name=value\" a parameter's plain value, in its unit (see below); repeatable;\n"
      "                     a value outside the range is clamped\n"
      "  --compare FILE     a reference the output must match (exit status 1 otherwise)\n"
      "  --tolerance T      the largest sample difference --compare accepts, 0 or more\n"
      "                     (default 1e-6)\n"
      "  --plugin-output    shows the plug-in's own console output on standard output\n"
      "                     (otherwise dropped); the tool's messages go to standard error\n"
      "  -h, --help         this text\n"
      "\n"
      "Parameters (name, range, default):\n",
      vo::RenderOptions::kMaxBlockFrames);
  vo::PrintParameters(plug, stdout);
  std::printf(
      "\n"
      "With \"Analog Hiss\" on (its default) the hiss is seeded from the clock, so no two\n"
      "renders are alike: set \"Analog Hiss=0\" for renders --compare can match.\n");
  return 0;
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "%s\n", message.c_str());
  return kFailed;
}

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code ignored;
  return !a.empty() && !b.empty() && std::filesystem::equivalent(a, b, ignored);
}

void SayInputTally(const std::string& input, const vo::FloatSampleTally& tally) {
  const auto count = [](int64_t n) {
    return std::to_string(n) + (n == 1 ? " input sample" : " input samples");
  };
  const bool one = tally.nonFinite == 1;
  if (tally.nonFinite > 0)
    std::fprintf(stderr, "%s holds %s that %s NaN or infinite; the plug-in takes %s as silence\n", input.c_str(),
                 count(tally.nonFinite).c_str(), one ? "is" : "are", one ? "it" : "them");
  if (tally.clamped > 0)
    std::fprintf(stderr, "%s holds %s beyond the 32-bit float range (3.4e38); %s clamped to it\n", input.c_str(),
                 count(tally.clamped).c_str(), tally.clamped == 1 ? "it was" : "they were");
}

}  // namespace

int main(int argc, char** argv) {
  vo::StopSignals stop;
  vo::RenderOptions opt;
  opt.output = "render.wav";
  ToolOptions tool;
  const auto toolOption = [&tool](const std::string& arg) {
    if (arg == "--help" || arg == "-h") return tool.help = true;
    if (arg == "--plugin-output") return tool.pluginOutput = true;
    return false;
  };
  const std::string program = std::filesystem::path(argv[0]).filename().string();
  std::string optionProblem;
  if (!vo::ParseRenderOptions(argc, argv, 1, &opt, &optionProblem, toolOption))
    return Usage(program, optionProblem);
  std::unique_ptr<VimbraOndelino> plug(CreatePluginInstance());
  if (tool.help) return Help(program, *plug);
  // Streaming reads the input while the output is written, and the
  // comparison reads the output back: neither may be the other's file.
  if (SameFile(opt.input, opt.output))
    return Usage(program, "--out \"" + opt.output + "\" is the input file");
  if (SameFile(opt.compare, opt.output))
    return Usage(program, "--out \"" + opt.output + "\" is the reference file");

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

  std::string problem;
  if (!vo::ApplySettings(*plug, opt.settings, &problem)) return Usage(program, problem);
  plug->StoreSampleRate(rate);
  plug->ResetProcessing();
  for (int i = 0; i < plug->NParams(); ++i) plug->ParameterChanged(i, kSourceStateRestore);

  // Opened before rendering, so that an output that cannot be written is
  // reported at once rather than after the whole render.
  vo::WavWriter writer;
  if (!writer.Open(opt.output, rate, 2, &error)) return Fail(error);

  // Mono input feeds both channels; more than two channels: the first two.
  const int readChannels = std::min(2, source->Channels());
  if (source->Channels() > 2)
    std::fprintf(stderr, "%s has %d channels: the first two are rendered, the other %d dropped\n",
                 opt.input.c_str(), source->Channels(), source->Channels() - 2);
  const int block = opt.blockFrames;
  std::vector<double> readL(block), readR(block);
  std::vector<float> inL(block), inR(block), outL(block), outR(block);
  double* read[2] = {readL.data(), readR.data()};
  float* in[2] = {inL.data(), inR.data()};
  float* out[2] = {outL.data(), outR.data()};
  vo::RenderProgress progress(frames, rate);
  double seconds = 0.0;
  vo::FloatSampleTally tally;
  vo::PluginConsole console(tool.pluginOutput);
  for (int64_t done = 0; done < frames && !stop.Requested();) {
    const int n = static_cast<int>(std::min<int64_t>(block, frames - done));
    if (source->Read(read, readChannels, n) != n) {
      progress.Finish();
      return Fail("cannot read " + opt.input + " beyond frame " + std::to_string(done));
    }
    // Mono feeds both channels, yet each sample counts once.
    for (int i = 0; i < n; ++i) {
      inL[i] = vo::FloatSample(readL[i], &tally);
      inR[i] = readChannels > 1 ? vo::FloatSample(readR[i], &tally) : inL[i];
    }
    const auto start = std::chrono::steady_clock::now();
    plug->ProcessHostBlock(in, out, n);
    seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!writer.Write(out, n)) break;  // Close names the failure
    done += n;
    progress.Update(done);
  }
  console.Restore();
  progress.Finish();
  if (stop.Requested()) {
    writer.Discard();
    std::error_code ignored;
    std::fprintf(stderr, "render stopped by %s: %s\n", stop.Name(),
                 std::filesystem::exists(opt.output, ignored) ? (opt.output + " is left as it was").c_str()
                                                              : ("no " + opt.output + " written").c_str());
    stop.Release();
  }
  // Said once, after the render: what the plug-in was handed.
  SayInputTally(opt.input, tally);
  if (!writer.Close(&error)) return Fail(error);
  // The output is whole and in place: a stop from here on ends the tool at once.
  stop.Release();

  const double audioSeconds = static_cast<double>(frames) / rate;
  std::fprintf(stderr, "rendered %.2f s of audio to %s in %.4f s: real-time factor %.1f\n", audioSeconds,
               opt.output.c_str(), seconds, seconds > 0 ? audioSeconds / seconds : 0.0);
  if (opt.compare.empty()) return 0;
  vo::WavReader written;
  if (!written.Open(opt.output, &error)) return Fail(error);
  return vo::CompareWithWavFile(written, opt.compare, opt.tolerance);
}
