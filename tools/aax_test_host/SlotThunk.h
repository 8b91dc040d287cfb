#pragma once
// Building slot tables: a typed function per slot that records the call
// (with its arguments turned into transcript arguments) on the object of
// the face it was reached through and answers what the object decides.

#include "FakeHost.h"

#include <cstdint>
#include <cstdio>
#include <type_traits>
#include <utility>
#include <vector>

namespace fakehost {
namespace slots {

template <typename T>
Arg ToArg(T* pointer) {
  Arg arg;
  arg.kind = Arg::Kind::Pointer;
  arg.pointer = pointer;
  return arg;
}
inline Arg ToArg(const char* text) {
  Arg arg;
  arg.kind = Arg::Kind::Text;
  arg.pointer = text;
  if (text) arg.text = text;
  return arg;
}
inline Arg ToArg(const Guid* identifier) {
  Arg arg;
  arg.kind = Arg::Kind::Identifier;
  arg.pointer = identifier;
  arg.text = identifier ? GuidText(*identifier) : "null";
  return arg;
}
// The only in-pointer to floats the host takes: a size, height then width.
inline Arg ToArg(const float* pair) {
  Arg arg;
  arg.kind = Arg::Kind::FloatPair;
  arg.pointer = pair;
  char text[64] = "null";
  if (pair) std::snprintf(text, sizeof text, "{%g, %g}", pair[0], pair[1]);
  arg.text = text;
  return arg;
}
inline Arg ToArg(int32_t value) { return Arg{Arg::Kind::Integer, value, 0.0, nullptr, {}}; }
inline Arg ToArg(uint32_t value) { return Arg{Arg::Kind::Integer, value, 0.0, nullptr, {}}; }
inline Arg ToArg(int64_t value) { return Arg{Arg::Kind::Integer, value, 0.0, nullptr, {}}; }
inline Arg ToArg(double value) { return Arg{Arg::Kind::Real, 0, value, nullptr, {}}; }

template <typename R>
R FromAnswer(int64_t answer) {
  if constexpr (std::is_void_v<R>) {
    return;
  } else if constexpr (std::is_pointer_v<R>) {
    return reinterpret_cast<R>(static_cast<intptr_t>(answer));
  } else {
    return static_cast<R>(answer);
  }
}

// The function the plug-in reaches through slot Slot: the face arrives where
// the interface's object pointer goes.
template <int Slot, typename R, typename... A>
R Thunk(Face* face, A... args) {
  return FromAnswer<R>(face->owner->Dispatch(*face, Slot, {ToArg(args)...}));
}

template <typename F>
const void* Slot(F function) {
  return reinterpret_cast<const void*>(function);
}

}  // namespace slots
}  // namespace fakehost
