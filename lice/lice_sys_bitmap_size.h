#pragma once
// Shared by both forms of LICE_SysBitmap.

#include <cstdint>

namespace lice_detail
{
// The allocated width for a requested width (rounded up to a multiple of 4),
// or 0 when nothing can be allocated.
inline int SysBitmapAllocWidth(int width)
{
  const int64_t rounded = (int64_t(width) + 3) & ~int64_t(3);
  return rounded < 1 || rounded > INT32_MAX ? 0 : int(rounded);
}

// Stores beyond 2 GiB are refused like a failed allocation, so that byte
// offsets into the pixels always fit an int32.
inline bool SysBitmapStoreFits(int allocWidth, int height)
{
  return int64_t(allocWidth) * height * 4 <= INT32_MAX;
}
}  // namespace lice_detail
