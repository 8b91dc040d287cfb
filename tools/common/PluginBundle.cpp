#include "PluginBundle.h"

#include <filesystem>
#include <system_error>

namespace vo {

namespace fs = std::filesystem;

bool ResolvePluginBundle(const std::string& bundlePath, const std::string& archFolder,
                         std::string* modulePath, std::string* error) {
  std::string trimmed = bundlePath;
  while (trimmed.size() > 1 && (trimmed.back() == '/' || trimmed.back() == '\\')) trimmed.pop_back();
  const fs::path bundle(trimmed);
  std::error_code code;
  if (!fs::is_directory(bundle, code)) {
    *error = "invalid bundle structure: " + bundlePath + " is not a bundle folder";
    return false;
  }
  const fs::path name = bundle.filename();
  if (!name.has_extension() || name.extension() == name) {
    *error = "invalid bundle structure: " + bundlePath + " has no bundle extension";
    return false;
  }
  const fs::path module = bundle / "Contents" / archFolder / (archFolder == kMacArchFolder ? name.stem() : name);
  if (!fs::is_regular_file(module, code)) {
    *error = "invalid bundle structure: no module at " + module.string();
    return false;
  }
  *modulePath = module.string();
  return true;
}

}  // namespace vo
