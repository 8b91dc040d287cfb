// Writes the inputs of the tests that run the plug-in at several host rates,
// and reads the sweep's timing from their renders.
//
//   vo_signal chords    <rate> <seconds> <out.wav>
//   vo_signal clicks    <rate> <seconds> <out.wav>
//   vo_signal nonfinite <rate> <seconds> <out.wav> <silenced.wav>
//   vo_signal turns     <render.wav>...
//
// "turns" prints when the echo delay of each render (of a click train, wet
// only) turns, and fails unless every render turns as the first does.

#include <cstdio>
#include <string>

#include "RenderOptions.h"
#include "SweepTiming.h"
#include "TestInputs.h"
#include "TestSignal.h"

namespace {

// Renders of the same sweep at different rates turn within this of each
// other; a sweep at another speed is off by tens of milliseconds at once.
constexpr double kSameTurnSeconds = 0.001;

int Usage() {
  std::fprintf(stderr,
               "usage: vo_signal chords|clicks <rate> <seconds> <out.wav>\n"
               "       vo_signal nonfinite <rate> <seconds> <out.wav> <silenced.wav>\n"
               "       vo_signal turns <render.wav>...\n");
  return 2;
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "%s\n", message.c_str());
  return 1;
}

int Turns(int count, char** paths) {
  std::vector<vo::SweepTurn> first;
  bool same = true;
  for (int i = 0; i < count; ++i) {
    vo::AudioData render;
    std::string error;
    if (!vo::ReadWavFile(paths[i], &render, &error)) return Fail(error);
    const std::vector<vo::SweepTurn> turns = vo::FindSweepTurns(render);
    std::printf("%s (%d Hz): %s\n", paths[i], render.sampleRate, vo::DescribeTurns(turns).c_str());
    if (i == 0) first = turns;
    same = same && !turns.empty() && vo::SameTurns(turns, first, kSameTurnSeconds);
  }
  if (!same) return Fail("the sweeps do not turn at the same times");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return Usage();
  const std::string command = argv[1];
  if (command == "turns") return Turns(argc - 2, argv + 2);

  long long rate = 0;
  double seconds = 0.0;
  const int outputs = command == "nonfinite" ? 2 : 1;
  if (argc != 4 + outputs || !vo::ParseWholeNumber(argv[2], 1000, 768000, &rate) ||
      !vo::ParseNumber(argv[3], &seconds) || seconds <= 0.0 || seconds > 60.0)
    return Usage();
  vo::AudioData audio;
  if (command == "clicks") {
    audio = vo::MakeClickTrain(static_cast<int>(rate), seconds);
  } else if (command == "chords" || command == "nonfinite") {
    audio = vo::MakeTestSignal(static_cast<int>(rate), seconds);
  } else {
    return Usage();
  }
  std::string error;
  if (command == "nonfinite") {
    vo::AudioData silenced = audio;
    vo::PutNonFiniteSamples(&silenced, true);
    if (!vo::WriteWavFile(argv[5], silenced, &error)) return Fail(error);
    vo::PutNonFiniteSamples(&audio, false);
  }
  if (!vo::WriteWavFile(argv[4], audio, &error)) return Fail(error);
  return 0;
}
