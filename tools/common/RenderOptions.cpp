#include "RenderOptions.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace vo {
namespace {

// Only what a decimal number is written with: strtod alone would also take
// leading blanks, hexadecimal, "nan" and "infinity".
bool DecimalCharacters(const std::string& text) {
  if (text.empty()) return false;
  for (const char c : text)
    if (!((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.' || c == 'e' || c == 'E')) return false;
  return true;
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

}  // namespace

OptionParse ParseRenderOption(int argc, char** argv, int* index, RenderOptions* options, std::string* error) {
  const std::string option = argv[*index];
  if (option != "--in" && option != "--out" && option != "--compare" && option != "--tolerance" &&
      option != "--block" && option != "--set")
    return OptionParse::kUnknown;
  if (*index + 1 >= argc) {
    *error = option + " needs a value";
    return OptionParse::kBad;
  }
  const std::string value = argv[++*index];
  if (option != "--set" && value.empty()) {
    *error = option + " needs a value, not an empty text";
    return OptionParse::kBad;
  }
  if (option == "--in") {
    options->input = value;
  } else if (option == "--out") {
    options->output = value;
  } else if (option == "--compare") {
    options->compare = value;
  } else if (option == "--tolerance") {
    // A NaN tolerance would fail every comparison, a negative one every
    // comparison but none.
    if (!ParseNumber(value, &options->tolerance) || options->tolerance < 0.0) {
      *error = "--tolerance " + Quoted(value) + " is not a finite number of 0 or more";
      return OptionParse::kBad;
    }
  } else if (option == "--block") {
    long long frames = 0;
    if (!ParseWholeNumber(value, 1, RenderOptions::kMaxBlockFrames, &frames)) {
      *error = "--block " + Quoted(value) + " is not a whole number of frames from 1 to " +
               std::to_string(RenderOptions::kMaxBlockFrames);
      return OptionParse::kBad;
    }
    options->blockFrames = static_cast<int>(frames);
  } else {
    const size_t equals = value.rfind('=');
    if (equals == std::string::npos || equals == 0 || equals + 1 == value.size()) {
      *error = "--set " + Quoted(value) + " is not of the form \"Name=value\"";
      return OptionParse::kBad;
    }
    options->settings.emplace_back(value.substr(0, equals), value.substr(equals + 1));
  }
  return OptionParse::kTaken;
}

bool ParseRenderOptions(int argc, char** argv, int first, RenderOptions* options, std::string* error,
                        const std::function<bool(const std::string&)>& extra) {
  for (int i = first; i < argc; ++i) {
    const std::string arg = argv[i];
    switch (ParseRenderOption(argc, argv, &i, options, error)) {
      case OptionParse::kTaken: continue;
      case OptionParse::kBad: return false;
      case OptionParse::kUnknown:
        if (extra && extra(arg)) continue;
        *error = "unknown option \"" + arg + "\"";
        return false;
    }
  }
  return true;
}

bool ParseNumber(const std::string& text, double* value) {
  if (!DecimalCharacters(text)) return false;
  char* end = nullptr;
  errno = 0;
  const double parsed = std::strtod(text.c_str(), &end);
  // ERANGE on underflow still gives a usable (tiny or zero) value; on
  // overflow the value is infinite and refused below.
  if (end == text.c_str() || *end != 0 || !std::isfinite(parsed)) return false;
  *value = parsed;
  return true;
}

bool ParseWholeNumber(const std::string& text, long long min, long long max, long long* value) {
  if (text.empty()) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (!((c >= '0' && c <= '9') || (i == 0 && (c == '-' || c == '+') && text.size() > 1))) return false;
  }
  errno = 0;
  char* end = nullptr;
  const long long parsed = std::strtoll(text.c_str(), &end, 10);
  if (errno == ERANGE || *end != 0 || parsed < min || parsed > max) return false;
  *value = parsed;
  return true;
}

}  // namespace vo
