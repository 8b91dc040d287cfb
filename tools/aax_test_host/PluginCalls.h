#pragma once
// The host calling an object of the plug-in through its slot table, as a
// host built with another compiler does: the object pointer goes first.

#include "FakeHost.h"

#include <cstdint>

namespace fakehost {

template <typename R, typename... A>
R CallPluginSlot(void* object, int slot, A... args) {
  void* const* table = *static_cast<void* const* const*>(object);
  return reinterpret_cast<R (*)(void*, A...)>(table[slot])(object, args...);
}

inline int32_t PluginQuery(void* object, const Guid& iid, void** out) {
  return CallPluginSlot<int32_t>(object, 0, &iid, out);
}
inline uint32_t PluginAddRef(void* object) { return CallPluginSlot<uint32_t>(object, 1); }
inline uint32_t PluginRelease(void* object) { return CallPluginSlot<uint32_t>(object, 2); }

}  // namespace fakehost
