#pragma once
// The test host's "editor" command: the plug-in's editor view as a host
// drives it (creation by name, platform types, host frame, attaching to a
// host window, sizes, clicks, the host's context menu, two views, values and
// meters from processing, text entry, double clicks, wheel notches), then a
// screenshot of the editor after a second of the test signal. After every
// scenario the host's strict gesture ledger must be clean. With windows
// (Windows under Wine) the editor's child window is found, clicked and read
// back; natively only the view's answers are checked.

#include <string>

#include "PluginModule.h"

namespace vo {
namespace vst3host {

struct EditorOptions {
  std::string screenshot;  // PNG file to write; empty: none
  std::string background;  // the editor's background image, to compare with
  double expectedScale = 1.0;
  bool verbose = false;
};

// Prints each failure (and, with verbose, each pass); answers the number of
// failures.
int RunEditorChecks(const PluginModule& module, const EditorOptions& options);

}  // namespace vst3host
}  // namespace vo
