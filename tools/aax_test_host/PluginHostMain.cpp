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
#include <cstdlib>
#include <string>

namespace {

int Usage() {
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
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--in" && hasValue) {
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
      const std::string setting = argv[++i];
      const size_t equals = setting.rfind('=');
      if (equals == std::string::npos || equals == 0) return Usage();
      options.settings.emplace_back(setting.substr(0, equals), setting.substr(equals + 1));
    } else {
      return Usage();
    }
  }
  return fakehost::RunRender(fakehost::ModuleUnderTest(), options);
}
