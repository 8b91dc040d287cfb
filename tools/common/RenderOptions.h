#pragma once
// The options every render command shares (the render tool and both test
// hosts' "render"): where the audio comes from and goes, the block size, the
// parameter settings and the comparison with a reference. Parsing is strict:
// a value that is not wholly a number of the expected kind is refused with a
// message naming the option and the value.
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace vo {

struct RenderOptions {
  // Host blocks longer than this are not what any host sends, and each block
  // costs the plug-in buffers of its length.
  static constexpr int kMaxBlockFrames = 65536;

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
// know it; kBad: a shared option with a missing or malformed value, *error
// then says which option and value.
OptionParse ParseRenderOption(int argc, char** argv, int* index, RenderOptions* options, std::string* error);

// Reads every option from argv[first] on. `extra`, when given, is offered
// each option the shared set does not know and answers whether it took it.
// False on the first unknown or malformed option, *error then says which.
bool ParseRenderOptions(int argc, char** argv, int first, RenderOptions* options, std::string* error,
                        const std::function<bool(const std::string&)>& extra = nullptr);

// A whole text that is a finite decimal number ("70", "-1.5", "1e-6"); no
// blanks, hexadecimal, "nan" or "inf".
bool ParseNumber(const std::string& text, double* value);
// A whole text that is a decimal integer within [min, max].
bool ParseWholeNumber(const std::string& text, long long min, long long max, long long* value);

}  // namespace vo
