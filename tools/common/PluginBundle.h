#pragma once
// Plug-in bundles as hosts expect them on disk: a folder "Name.ext" holding
// the module at "Name.ext/Contents/<architecture>/Name.ext" (Windows) or
// "Name.ext/Contents/MacOS/Name" (macOS). Hosts load the module from inside
// the folder and refuse a bare module file, so the test hosts check the same
// structure before they load anything.
#include <string>

namespace vo {

// Architecture folders of the Windows x64 bundles.
constexpr const char* kVst3ArchFolder = "x86_64-win";
constexpr const char* kAaxArchFolder = "x64";
// The executable's folder of a macOS bundle, where the module is named
// after the bundle less its extension.
constexpr const char* kMacArchFolder = "MacOS";

// The module file inside the bundle folder bundlePath; false with a reason
// in *error when bundlePath is not such a folder (a bare module file, a
// folder without the extension, or no module at the expected place).
bool ResolvePluginBundle(const std::string& bundlePath, const std::string& archFolder,
                         std::string* modulePath, std::string* error);

}  // namespace vo
