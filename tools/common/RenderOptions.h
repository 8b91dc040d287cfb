#pragma once
// The options every render command shares (the render tool and both test
// hosts' "render"): where the audio comes from and goes, the block size, the
// parameter settings and the comparison with a reference.
#include <string>
#include <utility>
#include <vector>

namespace vo {

struct RenderOptions {
  std::string input;    // WAV file; empty: the built-in test signal
  std::string output;   // WAV file to write; empty: none
  std::string compare;  // reference WAV file the output must match; empty: none
  double tolerance = 1e-6;
  int blockFrames = 512;
  // "Name=value" settings in the order given; each command reads the value
  // the way its host would (a plain number, or text for the plug-in to parse).
  std::vector<std::pair<std::string, std::string>> settings;
};

enum class OptionParse { kTaken, kUnknown, kBad };

// Reads the option at argv[*index], with its value when it takes one
// (advancing *index past it). kUnknown: not a shared option, the command may
// know it; kBad: a shared option with a missing or malformed value.
OptionParse ParseRenderOption(int argc, char** argv, int* index, RenderOptions* options);

// A whole text that is a number, e.g. a setting's plain value.
bool ParseNumber(const std::string& text, double* value);

}  // namespace vo
