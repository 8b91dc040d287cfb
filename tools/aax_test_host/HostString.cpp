#include "HostString.h"

#include <utility>

namespace fakehost {

namespace {
template <typename F>
const void* Slot(F function) {
  return reinterpret_cast<const void*>(function);
}

const void* const* TableOf(const void* string) {
  return *static_cast<const void* const* const*>(string);
}

template <typename F>
F SlotOf(const void* string, int slot) {
  return reinterpret_cast<F>(const_cast<void*>(TableOf(string)[slot]));
}

Arg TextArg(const char* text) {
  Arg arg;
  arg.kind = Arg::Kind::Text;
  arg.pointer = text;
  if (text) arg.text = text;
  return arg;
}
}  // namespace

HostString::HostString(Host& host, std::string name, std::string text)
    : mHost(host), mName(std::move(name)), mText(std::move(text)), mFace{Table(), this} {}

const void* const* HostString::Table() {
  static const void* const table[] = {Slot(&DeletingDestructor), Slot(&Length), Slot(&MaxLength),
                                      Slot(&Get),        Slot(&Set),         Slot(&AssignText),
                                      Slot(&AssignString)};
  return table;
}

void HostString::Record(int slot, std::vector<Arg> args) {
  mHost.Record(Call{mName, "string", slot, std::move(args)});
}

void* HostString::DeletingDestructor(Face* face, unsigned int flags) {
  face->self->Record(0, {Arg{Arg::Kind::Integer, flags, 0.0, nullptr, {}}});
  return face;
}

uint32_t HostString::Length(Face* face) {
  face->self->Record(1, {});
  return static_cast<uint32_t>(face->self->mText.size());
}

uint32_t HostString::MaxLength(Face* face) {
  face->self->Record(2, {});
  return 0xFFFFu;
}

const char* HostString::Get(Face* face) {
  face->self->Record(3, {});
  return face->self->mText.c_str();
}

void HostString::Set(Face* face, const char* text) {
  face->self->Record(4, {TextArg(text)});
  face->self->mText = text ? text : "";
}

void* HostString::AssignText(Face* face, const char* text) {
  face->self->Record(5, {TextArg(text)});
  face->self->mText = text ? text : "";
  return face;
}

void* HostString::AssignString(Face* face, const void* other) {
  face->self->Record(6, {Arg{Arg::Kind::Pointer, 0, 0.0, other, {}}});
  face->self->mText = other ? PluginStringText(other) : "";
  return face;
}

uint32_t PluginStringLength(const void* string) {
  return SlotOf<uint32_t (*)(const void*)>(string, 1)(string);
}

uint32_t PluginStringMaxLength(const void* string) {
  return SlotOf<uint32_t (*)(const void*)>(string, 2)(string);
}

std::string PluginStringText(const void* string) {
  const char* text = SlotOf<const char* (*)(const void*)>(string, 3)(string);
  return text ? text : "";
}

void PluginStringSet(void* string, const char* text) {
  SlotOf<void (*)(void*, const char*)>(string, 4)(string, text);
}

void* PluginStringAssignText(void* string, const char* text) {
  return SlotOf<void* (*)(void*, const char*)>(string, 5)(string, text);
}

void* PluginStringAssignString(void* string, const void* other) {
  return SlotOf<void* (*)(void*, const void*)>(string, 6)(string, other);
}

}  // namespace fakehost
