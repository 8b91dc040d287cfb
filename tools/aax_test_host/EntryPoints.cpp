#include "EntryPoints.h"

#include <memory>

namespace fakehost {

const char* const EntryPoints::kNames[7] = {
    "ACFRegisterPlugin", "ACFRegisterComponent", "ACFGetClassFactory", "ACFCanUnloadNow",
    "ACFStartup",        "ACFShutdown",          "ACFGetSDKVersion"};

namespace {
template <typename F>
void Find(const Module& module, const char* name, F& function, std::string* missing) {
  function = reinterpret_cast<F>(module.Symbol(name));
  if (!function && missing) *missing += std::string(missing->empty() ? "" : " ") + name;
}

std::string& ModulePath() {
  static std::string path;
  return path;
}
}  // namespace

bool EntryPoints::Resolve(const Module& module, std::string* missing) {
  std::string notFound;
  Find(module, "ACFStartup", startup, &notFound);
  Find(module, "ACFRegisterPlugin", registerPlugin, &notFound);
  Find(module, "ACFRegisterComponent", registerComponent, &notFound);
  Find(module, "ACFGetClassFactory", getClassFactory, &notFound);
  Find(module, "ACFCanUnloadNow", canUnloadNow, &notFound);
  Find(module, "ACFShutdown", shutdown, &notFound);
  Find(module, "ACFGetSDKVersion", getSDKVersion, &notFound);
  if (missing) *missing = notFound;
  return notFound.empty();
}

void SetModulePath(const std::string& path) { ModulePath() = path; }

Module& ModuleUnderTest() {
  static std::unique_ptr<Module> module(new Module(ModulePath()));
  return *module;
}

}  // namespace fakehost
