#pragma once
// The test host's "check" command: what a host learns from the module and
// one instance, compared with what the plug-in must tell it.

#include "PluginModule.h"

namespace vo {
namespace vst3host {

// Runs every check against the loaded module, prints each failure (and,
// with verbose, each pass) and answers the number of failures.
int RunChecks(const PluginModule& module, bool verbose);

}  // namespace vst3host
}  // namespace vo
