#pragma once
// 128-bit interface and class identifiers as hosts lay them out in memory.

#include <cstdint>

struct AAX_GUID {
  uint32_t data1;
  uint16_t data2;
  uint16_t data3;
  uint8_t data4[8];
};
static_assert(sizeof(AAX_GUID) == 16, "identifiers are 16 bytes at the host boundary");

// Field by field, as the host compares identifiers.
inline bool operator==(const AAX_GUID& a, const AAX_GUID& b) {
  if (a.data1 != b.data1 || a.data2 != b.data2 || a.data3 != b.data3) return false;
  for (int i = 0; i < 8; ++i)
    if (a.data4[i] != b.data4[i]) return false;
  return true;
}
inline bool operator!=(const AAX_GUID& a, const AAX_GUID& b) { return !(a == b); }
