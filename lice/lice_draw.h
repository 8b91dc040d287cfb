#pragma once
// Blit, fill and soften on LICE_IBitmaps. One-to-one blits only (no
// scaling). Every operation is silent: a missing bitmap, null pixels, an
// empty or wholly clipped rectangle, an opacity of 0 (or below, or not a
// number) and an unknown mode draw nothing. Opacities above 1 count as 1.
//
// Called on the editor's thread (the caller serialises access to a bitmap).
// No locks; only LICE_SoftenRect may allocate (for areas wider than 1024).

#include "lice_bitmap.h"

#include <cstdint>

// How pixels combine: the low byte picks the combiner; LICE_BLIT_USE_ALPHA
// weights each source pixel by its alpha (in a fill: the colour's alpha
// scales the opacity). Other bits are ignored.
typedef int32_t LICE_BlendMode;
enum : LICE_BlendMode
{
  LICE_BLIT_MODE_COPY = 0,
  LICE_BLIT_MODE_ADD = 1,
  LICE_BLIT_MODE_DODGE = 2,
  LICE_BLIT_MODE_MUL = 3,
  LICE_BLIT_MODE_OVERLAY = 4,
  LICE_BLIT_MODE_HSVADJ = 5,
  // Blit only: 0xF0 + 4 * destination byte + source byte copies one channel
  // byte per pixel (byte positions as in lice_pixel.h); the opacity and the
  // alpha bit are ignored.
  LICE_BLIT_MODE_CHANCOPY = 0xF0,
  LICE_BLIT_MODE_MASK = 0xFF,
  LICE_BLIT_USE_ALPHA = 0x10000,
};

// A rectangle with exclusive right and bottom.
struct LICE_Rect
{
  int left, top, right, bottom;
};

// Blits the sw x sh source rectangle at (sx, sy) so that its top-left lands on
// (dx, dy).
void LICE_BlitFromRect(LICE_IBitmap* dest, LICE_IBitmap* src, int dx, int dy, int sx, int sy, int sw, int sh,
                       float opacity, LICE_BlendMode mode);

// Blits srcRect (the whole source when null) to (dx, dy), clipped to both
// bitmaps.
void LICE_BlitClipped(LICE_IBitmap* dest, LICE_IBitmap* src, int dx, int dy, const LICE_Rect* srcRect, float opacity,
                      LICE_BlendMode mode);

// Fills the w x h rectangle at (x, y) with one colour.
void LICE_FillArea(LICE_IBitmap* bitmap, int x, int y, int w, int h, LICE_Pixel colour, float opacity,
                   LICE_BlendMode mode);

// Softens the top-left w x h pixels in place (each pixel half itself, half
// its neighbours). Allocates a scratch buffer only when w > 1024, and still
// softens (reading already softened upper rows) if that fails.
void LICE_SoftenRect(LICE_IBitmap* bitmap, int w, int h);
