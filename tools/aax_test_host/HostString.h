#pragma once
// Strings across the boundary from the host's side: a host-implemented
// string laid out as the text interface's slots (0 deleting destructor,
// 1 length, 2 maximum length, 3 text, 4 set, 5 assign text, 6 assign from
// another string), and calls on a plug-in's string through those slots.

#include "FakeHost.h"

#include <cstdint>
#include <string>

namespace fakehost {

class HostString {
public:
  HostString(Host& host, std::string name, std::string text = std::string());
  HostString(const HostString&) = delete;
  HostString& operator=(const HostString&) = delete;

  // What the plug-in receives.
  void* Interface() { return &mFace; }
  const std::string& Text() const { return mText; }

  struct Face {
    const void* const* table;
    HostString* self;
  };

private:
  static void* DeletingDestructor(Face* face, unsigned int flags);
  static uint32_t Length(Face* face);
  static uint32_t MaxLength(Face* face);
  static const char* Get(Face* face);
  static void Set(Face* face, const char* text);
  static void* AssignText(Face* face, const char* text);
  static void* AssignString(Face* face, const void* other);
  static const void* const* Table();
  void Record(int slot, std::vector<Arg> args);

  Host& mHost;
  std::string mName;
  std::string mText;
  Face mFace;
};

// The host using a plug-in's string through its slots.
uint32_t PluginStringLength(const void* string);
uint32_t PluginStringMaxLength(const void* string);
std::string PluginStringText(const void* string);
void PluginStringSet(void* string, const char* text);
void* PluginStringAssignText(void* string, const char* text);
void* PluginStringAssignString(void* string, const void* other);

}  // namespace fakehost
