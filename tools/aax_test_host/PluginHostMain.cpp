// A simulated AAX host for the plug-in module itself.
//
//   aax_plugin_host check  <bundle> [GoogleTest options]
//   aax_plugin_host editor <bundle> --out editor.png
//   aax_plugin_host render <bundle> [--in in.wav] [--out out.wav]
//                   [--set "Name=value"]... [--block 512]
//                   [--compare reference.wav] [--tolerance 1e-6]
//
// "check" runs the host scenarios against the module; "render" runs a
// signal (the built-in test signal without --in) through it. The module is
// loaded from its bundle folder (<bundle>/Contents/x64/<bundle>, or in the
// macOS form <bundle>/Contents/MacOS/<bundle less extension>); a bare
// module file is refused, as hosts refuse it.

#include "EntryPoints.h"
#include "PluginEditorShot.h"
#include "PluginBundle.h"
#include "PluginRender.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

#ifdef VO_MAC_BUNDLE
constexpr const char* kArchFolder = vo::kMacArchFolder;
#else
constexpr const char* kArchFolder = vo::kAaxArchFolder;
#endif

int Usage(const std::string& problem = "") {
  if (!problem.empty()) std::fprintf(stderr, "aax_plugin_host: %s\n", problem.c_str());
  std::fprintf(stderr,
               "usage: aax_plugin_host check <bundle> [GoogleTest options]\n"
               "       aax_plugin_host editor <bundle> --out f.png\n"
               "       aax_plugin_host render <bundle> [--in f.wav] [--out f.wav]\n"
               "                       [--set \"Name=value\"]... [--block n]\n"
               "                       [--compare f.wav] [--tolerance t]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return Usage();
  const std::string command = argv[1];
  std::string modulePath, error;
  if (!vo::ResolvePluginBundle(argv[2], kArchFolder, &modulePath, &error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  fakehost::SetModulePath(modulePath);

  if (command == "check") {
    int testArgc = argc - 2;
    argv[2] = argv[0];
    testing::InitGoogleTest(&testArgc, argv + 2);
    return RUN_ALL_TESTS();
  }
  if (command == "editor") {
    if (argc != 5 || std::string(argv[3]) != "--out") return Usage();
    return fakehost::RunEditorShot(fakehost::ModuleUnderTest(), argv[4]);
  }
  if (command != "render") return Usage();

  fakehost::RenderOptions options;
  std::string problem;
  if (!vo::ParseRenderOptions(argc, argv, 3, &options, &problem)) return Usage(problem);
  return fakehost::RunRender(fakehost::ModuleUnderTest(), options);
}
