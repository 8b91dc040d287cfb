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
#include <cstring>
#include <string>

#include "HostChecks.h"
#include "HostRender.h"
#include "PluginModule.h"

namespace {

int Usage(const std::string& problem = "") {
  if (!problem.empty()) std::fprintf(stderr, "vst3_test_host: %s\n", problem.c_str());
  std::fprintf(stderr,
               "usage: vst3_test_host check <module> [--verbose]\n"
               "       vst3_test_host render <module> [--in f.wav] [--out f.wav] [--set \"Name=value\"]...\n"
               "                      [--double] [--block n] [--compare f.wav] [--tolerance t]\n");
  return 2;
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
    if (std::strcmp(argv[i], "--double") == 0) {
      options.doubles = true;
      continue;
    }
    std::string problem;
    const std::string arg = argv[i];
    switch (vo::ParseRenderOption(argc, argv, &i, &options, &problem)) {
      case vo::OptionParse::kTaken: continue;
      case vo::OptionParse::kUnknown: return Usage("unknown option \"" + arg + "\"");
      case vo::OptionParse::kBad: return Usage(problem);
    }
  }
  return vo::vst3host::RunRender(module, options);
}
