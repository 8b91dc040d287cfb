#include "ModuleLoader.h"

#include <dlfcn.h>

namespace fakehost {

namespace {
// The macOS bundle's module registers Objective-C classes, and macOS's loader
// never unloads an image that did: the runtime keeps its classes. The macOS
// form keeps the module loaded the same way (GNUstep's runtime keeps them
// too), so its process-wide state stays with it as on a Mac.
#if defined(VO_MAC_BUNDLE)
constexpr int kKeepLoaded = RTLD_NODELETE;
#else
constexpr int kKeepLoaded = 0;
#endif
}  // namespace

Module::Module(const std::string& path) {
  mHandle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL | kKeepLoaded);
  if (!mHandle) {
    const char* error = dlerror();
    mError = error ? error : "dlopen failed for " + path;
  }
}

Module::~Module() {
  if (mHandle) dlclose(mHandle);
}

void* Module::Symbol(const char* name) const { return mHandle ? dlsym(mHandle, name) : nullptr; }

std::vector<std::string> Module::ExportedNames() const { return {}; }

}  // namespace fakehost
