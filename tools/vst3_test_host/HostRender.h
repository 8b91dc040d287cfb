#pragma once
// The test host's "render" command: runs a signal through the plug-in the
// way a VST3 host does (a saved state restored or none, bus activation,
// arrangement, processing set-up, parameters through the parameter queues,
// fixed-size blocks) and writes the result as a WAV file.

#include "PluginModule.h"
#include "RenderOptions.h"

namespace vo {
namespace vst3host {

// The settings' values are plain numbers, sent in the first block's queues;
// with `restore`, held in a saved state that is restored before the
// processing set-up instead, as a host opening a project does.
struct RenderOptions : vo::RenderOptions {
  bool doubles = false;    // 64-bit processing
  bool restore = false;
  int sampleRate = 44100;  // of the built-in signal
};

// Answers 0 on success; prints what went wrong otherwise.
int RunRender(const PluginModule& module, const RenderOptions& options);

}  // namespace vst3host
}  // namespace vo
