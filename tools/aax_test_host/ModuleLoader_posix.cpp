#include "ModuleLoader.h"

#include <dlfcn.h>

namespace fakehost {

Module::Module(const std::string& path) {
  mHandle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
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
