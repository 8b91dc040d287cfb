// A small VST3 host for testing the VimbraOndelino deliverable.
//
//   vst3_test_host check  <module.vst3> [--verbose]
//   vst3_test_host render <module.vst3> [--in in.wav] [--out out.wav]
//                  [--set "Name=value"]... [--double] [--block 512]
//                  [--compare reference.wav] [--tolerance 1e-6]
//
// The Windows build loads the module file; the native build has the plug-in
// linked in and ignores the module argument.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "HostChecks.h"
#include "HostRender.h"
#include "PluginModule.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: vst3_test_host check <module> [--verbose]\n"
               "       vst3_test_host render <module> [--in f.wav] [--out f.wav] [--set \"Name=value\"]...\n"
               "                      [--double] [--block n] [--compare f.wav] [--tolerance t]\n");
  return 2;
}

bool ParseSetting(const std::string& text, std::pair<std::string, double>* setting) {
  const size_t equals = text.rfind('=');
  if (equals == std::string::npos || equals == 0) return false;
  char* end = nullptr;
  const std::string number = text.substr(equals + 1);
  const double value = std::strtod(number.c_str(), &end);
  if (number.empty() || *end != 0) return false;
  *setting = {text.substr(0, equals), value};
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return Usage();
  const std::string command = argv[1];
  vo::vst3host::PluginModule module(argv[2]);

  if (command == "check") {
    const bool verbose = argc > 3 && std::strcmp(argv[3], "--verbose") == 0;
    return vo::vst3host::RunChecks(module, verbose) == 0 ? 0 : 1;
  }
  if (command != "render") return Usage();

  vo::vst3host::RenderOptions options;
  for (int i = 3; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--double") {
      options.doubles = true;
    } else if (arg == "--in" && hasValue) {
      options.input = argv[++i];
    } else if (arg == "--out" && hasValue) {
      options.output = argv[++i];
    } else if (arg == "--compare" && hasValue) {
      options.compare = argv[++i];
    } else if (arg == "--tolerance" && hasValue) {
      options.tolerance = std::atof(argv[++i]);
    } else if (arg == "--block" && hasValue) {
      options.blockFrames = std::atoi(argv[++i]);
      if (options.blockFrames < 1) return Usage();
    } else if (arg == "--set" && hasValue) {
      std::pair<std::string, double> setting;
      if (!ParseSetting(argv[++i], &setting)) return Usage();
      options.settings.push_back(setting);
    } else {
      return Usage();
    }
  }
  return vo::vst3host::RunRender(module, options);
}
