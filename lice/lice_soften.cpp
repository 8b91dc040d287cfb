// LICE_SoftenRect: each pixel becomes half itself plus its neighbours' share,
// computed on whole 32-bit pixels with shifted masks (the masks keep the four
// channels apart). Rows are changed in place from top to bottom, so the prior
// content of the row above is kept in a two-row scratch buffer.

#include "lice_draw.h"
#include "lice_rows.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace
{
constexpr int kStackWidth = 1024;

inline LICE_Pixel Half(LICE_Pixel p) { return (p >> 1) & 0x7F7F7F7F; }
inline LICE_Pixel Quarter(LICE_Pixel p) { return (p >> 2) & 0x3F3F3F3F; }
inline LICE_Pixel Eighth(LICE_Pixel p) { return (p >> 3) & 0x1F1F1F1F; }

// First or last row: one vertical neighbour row, weighted a quarter.
void SoftenEdgeRow(LICE_Pixel* row, const LICE_Pixel* neighbour, int w)
{
  LICE_Pixel left = row[0];
  row[0] = Half(row[0]) + Quarter(row[1]) + Quarter(neighbour[0]);
  for (int x = 1; x < w - 1; ++x)
  {
    const LICE_Pixel centre = row[x];
    row[x] = Half(centre) + Quarter(neighbour[x]) + Eighth(left) + Eighth(row[x + 1]);
    left = centre;
  }
  row[w - 1] = Half(row[w - 1]) + Quarter(left) + Quarter(neighbour[w - 1]);
}

void SoftenInnerRow(LICE_Pixel* row, const LICE_Pixel* above, const LICE_Pixel* below, int w)
{
  LICE_Pixel left = row[0];
  row[0] = Half(row[0]) + Quarter(row[1]) + Eighth(below[0]) + Eighth(above[0]);
  for (int x = 1; x < w - 1; ++x)
  {
    const LICE_Pixel centre = row[x];
    row[x] = Half(centre) + Eighth(left) + Eighth(row[x + 1]) + Eighth(above[x]) + Eighth(below[x]);
    left = centre;
  }
  row[w - 1] = Half(row[w - 1]) + Quarter(left) + Eighth(above[w - 1]) + Eighth(below[w - 1]);
}
}  // namespace

void LICE_SoftenRect(LICE_IBitmap* bitmap, int w, int h)
{
  if (!bitmap) return;
  w = std::min(w, bitmap->PixelWidth());
  h = std::min(h, bitmap->PixelHeight());
  if (w < 2 || h < 2 || !bitmap->Pixels()) return;

  LICE_Pixel onStack[2 * kStackWidth];
  LICE_Pixel* onHeap = nullptr;
  LICE_Pixel* scratch = onStack;
  if (w > kStackWidth) scratch = onHeap = static_cast<LICE_Pixel*>(std::malloc(sizeof(LICE_Pixel) * 2 * size_t(w)));

  const lice_detail::RowCursor rows = lice_detail::RowsAt(bitmap, 0, 0);
  for (int y = 0; y < h; ++y)
  {
    LICE_Pixel* row = rows.first + ptrdiff_t(y) * rows.step;
    if (scratch) std::memcpy(scratch + ptrdiff_t(y & 1) * w, row, sizeof(LICE_Pixel) * size_t(w));
    if (y == 0)
    {
      SoftenEdgeRow(row, row + rows.step, w);
    }
    else if (y == h - 1)
    {
      SoftenEdgeRow(row, row - rows.step, w);  // the row above as it stands (softened)
    }
    else
    {
      // The row above as it was; without a scratch buffer, as it stands.
      const LICE_Pixel* above = scratch ? scratch + ptrdiff_t((y - 1) & 1) * w : row - rows.step;
      SoftenInnerRow(row, above, row + rows.step, w);
    }
  }
  std::free(onHeap);
}
