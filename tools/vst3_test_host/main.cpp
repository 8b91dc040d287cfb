// A small VST3 host for testing the VimbraOndelino deliverable.
//
//   vst3_test_host check  <bundle.vst3> [--verbose]
//   vst3_test_host editor <bundle.vst3> [--out editor.png] [--background bkg.png] [--verbose]
//   vst3_test_host render <bundle.vst3> [--in in.wav] [--out out.wav]
//                  [--set "Name=value"]... [--double] [--restore] [--block 512]
//                  [--compare reference.wav] [--tolerance 1e-6]
//
// "render" sends the settings in the first block's parameter queues; with
// --restore they come in a saved state restored before the processing
// set-up, as when a host opens a project.
//
// The Windows build loads the module from the bundle folder
// (<bundle.vst3>/Contents/x86_64-win/<bundle.vst3>) and fails on a bare
// module file, as hosts do; the native build has the plug-in linked in and
// ignores the bundle argument.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "HostChecks.h"
#include "HostEditor.h"
#include "HostRender.h"
#include "PluginModule.h"

namespace {

int Usage(const std::string& problem = "") {
  if (!problem.empty()) std::fprintf(stderr, "vst3_test_host: %s\n", problem.c_str());
  std::fprintf(stderr,
               "usage: vst3_test_host check <bundle> [--verbose]\n"
               "       vst3_test_host editor <bundle> [--out f.png] [--background bkg.png] [--verbose]\n"
               "       vst3_test_host render <bundle> [--in f.wav] [--out f.wav] [--set \"Name=value\"]...\n"
               "                      [--double] [--restore] [--block n] [--compare f.wav] [--tolerance t]\n");
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
  if (command == "editor") {
    vo::vst3host::EditorOptions options;
    // The run at 144 DPI tells the host what scale to expect.
    if (const char* scale = std::getenv("VO_EXPECTED_DISPLAY_SCALE")) options.expectedScale = std::atof(scale);
    for (int i = 3; i < argc; ++i) {
      const std::string option = argv[i];
      if (option == "--verbose") {
        options.verbose = true;
      } else if (option == "--out" && i + 1 < argc) {
        options.screenshot = argv[++i];
      } else if (option == "--background" && i + 1 < argc) {
        options.background = argv[++i];
      } else {
        return Usage();
      }
    }
    return vo::vst3host::RunEditorChecks(module, options) == 0 ? 0 : 1;
  }
  if (command != "render") return Usage();

  vo::vst3host::RenderOptions options;
  std::string problem;
  const auto takeSwitch = [&options](const std::string& option) {
    bool* flag = option == "--double" ? &options.doubles : option == "--restore" ? &options.restore : nullptr;
    if (flag) *flag = true;
    return flag != nullptr;
  };
  if (!vo::ParseRenderOptions(argc, argv, 3, &options, &problem, takeSwitch)) return Usage(problem);
  return vo::vst3host::RunRender(module, options);
}
