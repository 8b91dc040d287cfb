#pragma once
// The module's exported functions as the host declares them.

#include "FakeHost.h"
#include "ModuleLoader.h"

#include <cstdint>
#include <string>

namespace fakehost {

struct EntryPoints {
  int32_t (*startup)(void* hostUnknown) = nullptr;
  int32_t (*registerPlugin)(void* hostUnknown, void** definition) = nullptr;
  int32_t (*registerComponent)(void* hostUnknown, uint32_t index, void** component) = nullptr;
  int32_t (*getClassFactory)(void* hostUnknown, const Guid* classId, const Guid* iid,
                             void** factory) = nullptr;
  int32_t (*canUnloadNow)(void* hostUnknown) = nullptr;
  int32_t (*shutdown)(void* hostUnknown) = nullptr;
  int32_t (*getSDKVersion)(uint64_t* version) = nullptr;

  // The names of the seven, as exported.
  static const char* const kNames[7];
  // Finds all seven; false (with the missing names in missing) otherwise.
  bool Resolve(const Module& module, std::string* missing);
};

// The module under test, loaded once per run (its path is the program's
// --module argument).
Module& ModuleUnderTest();
void SetModulePath(const std::string& path);

}  // namespace fakehost
