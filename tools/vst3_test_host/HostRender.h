#pragma once
// The test host's "render" command: runs a signal through the plug-in the
// way a VST3 host does (bus activation, arrangement, processing set-up,
// parameters through the parameter queues, fixed-size blocks) and writes
// the result as a WAV file.

#include <string>
#include <utility>
#include <vector>

#include "PluginModule.h"

namespace vo {
namespace vst3host {

struct RenderOptions {
  std::string input;    // WAV file; empty: the built-in test signal
  std::string output;   // WAV file to write
  std::string compare;  // reference WAV file the output must match; empty: none
  double tolerance = 1e-6;
  // Parameters by name with plain values, sent in the first block's queues.
  std::vector<std::pair<std::string, double>> settings;
  bool doubles = false;  // 64-bit processing
  int blockFrames = 512;
  int sampleRate = 44100;  // of the built-in signal
};

// Answers 0 on success; prints what went wrong otherwise.
int RunRender(const PluginModule& module, const RenderOptions& options);

}  // namespace vst3host
}  // namespace vo
