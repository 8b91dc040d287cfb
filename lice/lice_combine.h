#pragma once
// Per-pixel combiners shared by the blit, the fill and glyph drawing. All
// integer arithmetic; divisions truncate toward zero. Any thread; no
// allocation, no lock.

#include "lice_pixel.h"

namespace lice_detail
{
inline int Clamp255(int x) { return x < 0 ? 0 : x > 255 ? 255 : x; }

// Overlay of one channel d with source s at weight k (0 to 256).
inline int Overlay(int d, int s, int k)
{
  const int x = k * (s - 128);
  const int p = d * (32768 + x - (x * d) / 256);
  return p < 0 ? 0 : p >= 0x800000 ? 255 : p >> 15;
}

// Dodge of one channel d by an already weighted source t.
inline int Dodge(int d, int t) { return t < 255 ? Clamp255((d * 256) / (256 - t)) : Clamp255(d * 256); }
}  // namespace lice_detail

// Overlay: applies the overlay rule to blue, green, red and alpha of *dest
// with the matching source values and one weight.
void LICE_MixPixel(LICE_Pixel* dest, int r, int g, int b, int a, int weight);

// HSV adjust: the source red turns the hue (128 neutral, 0 half way round),
// green moves the saturation and blue the value (128 neutral), scaled by the
// weight; the result's alpha is a (stored as its low 8 bits). Weights are
// 0 to 256 (256 = full).
void LICE_AdjustPixelHSV(LICE_Pixel* dest, int r, int g, int b, int a, int weight);
