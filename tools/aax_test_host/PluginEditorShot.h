#pragma once
// The plug-in host's "editor" command: the editor opened through procedure 1
// in a host window, as an AAX host opens it, a second of the test signal
// rendered through the instance, then the editor's window written as a PNG
// file (Windows; without windows there is nothing to write).

#include "ModuleLoader.h"

#include <string>

namespace fakehost {

// 0 when the screenshot was written.
int RunEditorShot(Module& module, const std::string& path);

}  // namespace fakehost
