#include "RenderOptions.h"

#include <cstdlib>

namespace vo {

OptionParse ParseRenderOption(int argc, char** argv, int* index, RenderOptions* options) {
  const std::string option = argv[*index];
  if (option != "--in" && option != "--out" && option != "--compare" && option != "--tolerance" &&
      option != "--block" && option != "--set")
    return OptionParse::kUnknown;
  if (*index + 1 >= argc) return OptionParse::kBad;
  const std::string value = argv[++*index];
  if (option == "--in") {
    options->input = value;
  } else if (option == "--out") {
    options->output = value;
  } else if (option == "--compare") {
    options->compare = value;
  } else if (option == "--tolerance") {
    if (!ParseNumber(value, &options->tolerance)) return OptionParse::kBad;
  } else if (option == "--block") {
    options->blockFrames = std::atoi(value.c_str());
    if (options->blockFrames < 1) return OptionParse::kBad;
  } else {
    const size_t equals = value.rfind('=');
    if (equals == std::string::npos || equals == 0) return OptionParse::kBad;
    options->settings.emplace_back(value.substr(0, equals), value.substr(equals + 1));
  }
  return OptionParse::kTaken;
}

bool ParseNumber(const std::string& text, double* value) {
  if (text.empty()) return false;
  char* end = nullptr;
  const double parsed = std::strtod(text.c_str(), &end);
  if (*end != 0) return false;
  *value = parsed;
  return true;
}

}  // namespace vo
