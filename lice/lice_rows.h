#pragma once
// Row addressing shared by the drawing operations: the first row of an area
// and the step to the next, in pointer width. A bottom-up bitmap is walked
// from its last row in memory backwards.

#include "lice_bitmap.h"

#include <cstddef>

namespace lice_detail
{
struct RowCursor
{
  LICE_Pixel* first;
  ptrdiff_t step;  // in pixels
};

// The caller has checked that Pixels() is not null and that (x, y) lies inside.
inline RowCursor RowsAt(LICE_IBitmap* bitmap, int x, int y)
{
  ptrdiff_t step = bitmap->RowSpan();
  LICE_Pixel* row0 = bitmap->Pixels();
  if (bitmap->IsBottomUp())
  {
    row0 += ptrdiff_t(bitmap->PixelHeight() - 1) * step;
    step = -step;
  }
  return {row0 + ptrdiff_t(y) * step + x, step};
}

// The opacity as the combiners' integer weight: 0 for an opacity that draws
// nothing (0, negative or not a number), at most 256.
inline int OpacityWeight(float opacity)
{
  if (!(opacity > 0.0f)) return 0;
  if (opacity > 1.0f) return 256;
  return int(double(opacity) * 256.0);
}
}  // namespace lice_detail
