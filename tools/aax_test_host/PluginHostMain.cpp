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
  for (int i = 3; i < argc; ++i)
    if (vo::ParseRenderOption(argc, argv, &i, &options) != vo::OptionParse::kTaken) return Usage();
  return fakehost::RunRender(fakehost::ModuleUnderTest(), options);
}
