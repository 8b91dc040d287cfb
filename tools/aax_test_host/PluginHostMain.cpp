// A simulated AAX host for the plug-in module itself.
//
//   aax_plugin_host check  <module> [GoogleTest options]
//   aax_plugin_host render <module> [--in in.wav] [--out out.wav]
//                   [--set "Name=value"]... [--block 512]
//                   [--compare reference.wav] [--tolerance 1e-6]
//
// "check" runs the host scenarios against the module; "render" runs a
// signal (the built-in test signal without --in) through it.

#include "EntryPoints.h"
#include "PluginRender.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

int Usage(const std::string& problem = "") {
  if (!problem.empty()) std::fprintf(stderr, "aax_plugin_host: %s\n", problem.c_str());
  std::fprintf(stderr,
               "usage: aax_plugin_host check <module> [GoogleTest options]\n"
               "       aax_plugin_host render <module> [--in f.wav] [--out f.wav]\n"
               "                       [--set \"Name=value\"]... [--block n]\n"
               "                       [--compare f.wav] [--tolerance t]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return Usage();
  const std::string command = argv[1];
  fakehost::SetModulePath(argv[2]);

  if (command == "check") {
    int testArgc = argc - 2;
    argv[2] = argv[0];
    testing::InitGoogleTest(&testArgc, argv + 2);
    return RUN_ALL_TESTS();
  }
  if (command != "render") return Usage();

  fakehost::RenderOptions options;
  for (int i = 3; i < argc; ++i) {
    std::string problem;
    const std::string arg = argv[i];
    switch (vo::ParseRenderOption(argc, argv, &i, &options, &problem)) {
      case vo::OptionParse::kTaken: continue;
      case vo::OptionParse::kUnknown: return Usage("unknown option \"" + arg + "\"");
      case vo::OptionParse::kBad: return Usage(problem);
    }
  }
  return fakehost::RunRender(fakehost::ModuleUnderTest(), options);
}
