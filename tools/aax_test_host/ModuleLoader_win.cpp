#include "ModuleLoader.h"

#include <windows.h>

namespace fakehost {

Module::Module(const std::string& path) {
  mHandle = reinterpret_cast<void*>(LoadLibraryA(path.c_str()));
  if (!mHandle) mError = "LoadLibrary failed with " + std::to_string(GetLastError()) + " for " + path;
}

Module::~Module() {
  if (mHandle) FreeLibrary(static_cast<HMODULE>(mHandle));
}

void* Module::Symbol(const char* name) const {
  if (!mHandle) return nullptr;
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(mHandle), name));
}

std::vector<std::string> Module::ExportedNames() const {
  std::vector<std::string> names;
  if (!mHandle) return names;
  // A loaded module's handle is its base address: walk its export directory.
  const auto* base = static_cast<const unsigned char*>(mHandle);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& directory =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  if (directory.VirtualAddress == 0) return names;
  const auto* exports =
      reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + directory.VirtualAddress);
  const auto* nameOffsets = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
  for (DWORD i = 0; i < exports->NumberOfNames; ++i)
    names.emplace_back(reinterpret_cast<const char*>(base + nameOffsets[i]));
  return names;
}

}  // namespace fakehost
