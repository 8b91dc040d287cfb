#pragma once
// Small helpers for building and reading test bitmaps.

#include "lice_mem_bitmap.h"

#include <cstddef>
#include <cstdint>

namespace lice_test
{
inline LICE_Pixel& At(LICE_IBitmap& b, int x, int y)
{
  return b.Pixels()[std::ptrdiff_t(y) * b.RowSpan() + x];
}

inline void Fill(LICE_IBitmap& b, LICE_Pixel p)
{
  for (int y = 0; y < b.PixelHeight(); ++y)
    for (int x = 0; x < b.PixelWidth(); ++x) At(b, x, y) = p;
}

// A pixel whose every channel holds v.
inline LICE_Pixel Grey(unsigned v) { return LICE_RGBA(v, v, v, v); }

// A bitmap that stores its rows bottom-up: logical row y is memory row
// height - 1 - y.
class BottomUpBitmap : public LICE_MemBitmap
{
public:
  BottomUpBitmap(int w, int h) : LICE_MemBitmap(w, h, 0) {}
  bool IsBottomUp() override { return true; }
  LICE_Pixel& Logical(int x, int y) { return At(*this, x, PixelHeight() - 1 - y); }
};
}  // namespace lice_test
