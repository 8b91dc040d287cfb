#pragma once
// Loads the plug-in module as a host does and finds its exported functions
// by their plain names (LoadLibrary/GetProcAddress on Windows, dlopen/dlsym
// elsewhere).

#include <string>
#include <vector>

namespace fakehost {

class Module {
public:
  explicit Module(const std::string& path);
  ~Module();
  Module(const Module&) = delete;
  Module& operator=(const Module&) = delete;

  bool Loaded() const { return mHandle != nullptr; }
  const std::string& Error() const { return mError; }
  // Null when the module exports no such name.
  void* Symbol(const char* name) const;
  // The names of the module's export table; empty where the platform's
  // loader does not show them.
  std::vector<std::string> ExportedNames() const;

private:
  void* mHandle = nullptr;
  std::string mError;
};

}  // namespace fakehost
