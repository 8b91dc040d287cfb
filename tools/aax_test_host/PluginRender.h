#pragma once
// The plug-in host's "render" command: runs a signal through the plug-in
// module the way an AAX host does (start-up, registration, an instance made
// by procedure 0 and bound to a stereo controller at the signal's rate,
// every parameter's value applied through the host, fixed-size blocks
// through the registered process procedure; a short last block is padded
// with silence, as a host's fixed buffer is) and writes the result as a WAV
// file.

#include "ModuleLoader.h"
#include "RenderOptions.h"

namespace fakehost {

using RenderOptions = vo::RenderOptions;

// 0 on success; prints the real-time factor, and the largest difference
// from the reference when there is one.
int RunRender(Module& module, const RenderOptions& options);

}  // namespace fakehost
