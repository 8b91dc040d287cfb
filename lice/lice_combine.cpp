#include "lice_combine.h"

#include <algorithm>
#include <array>

namespace
{
// floor(65536 / i) - 1, with 0 for i = 0: replaces the divisions of the
// RGB-to-HSV conversion by multiplications.
struct ReciprocalTable
{
  std::array<unsigned short, 256> v{};
};
constexpr ReciprocalTable MakeReciprocalTable()
{
  ReciprocalTable t{};
  for (int i = 1; i < 256; ++i) t.v[i] = static_cast<unsigned short>(65536 / i - 1);
  return t;
}
constexpr ReciprocalTable kReciprocal = MakeReciprocalTable();

constexpr int kHueCircle = 384;  // 64 steps per sixth
}  // namespace

void LICE_MixPixel(LICE_Pixel* dest, int r, int g, int b, int a, int weight)
{
  uint8_t* d = LICE_PixelBytes(dest);
  d[LICE_PIXEL_B] = static_cast<uint8_t>(lice_detail::Overlay(d[LICE_PIXEL_B], b, weight));
  d[LICE_PIXEL_G] = static_cast<uint8_t>(lice_detail::Overlay(d[LICE_PIXEL_G], g, weight));
  d[LICE_PIXEL_R] = static_cast<uint8_t>(lice_detail::Overlay(d[LICE_PIXEL_R], r, weight));
  d[LICE_PIXEL_A] = static_cast<uint8_t>(lice_detail::Overlay(d[LICE_PIXEL_A], a, weight));
}

void LICE_AdjustPixelHSV(LICE_Pixel* dest, int r, int g, int b, int a, int weight)
{
  uint8_t* d = LICE_PixelBytes(dest);
  const int R = d[LICE_PIXEL_R], G = d[LICE_PIXEL_G], B = d[LICE_PIXEL_B];

  int V = std::max(R, std::max(G, B));
  const int delta = V - std::min(R, std::min(G, B));
  int base, n;
  if (G > R)
  {
    if (G > B) base = 128, n = B - R;
    else base = 256, n = R - G;
  }
  else if (R > B)
  {
    base = G >= B ? 0 : 383;
    n = G - B;
  }
  else
  {
    base = 256, n = R - G;
  }
  int hue = base + (n * (kReciprocal.v[delta] + 1)) / 1024;
  int S = (delta * kReciprocal.v[V]) / 256;

  hue += (weight * (r / 2 + r - 192)) / 256;
  // Weights of 0 to 256 move the hue by less than one turn; the modulo only
  // matters for out-of-range weights, which must not index past the sixths.
  hue = ((hue % kHueCircle) + kHueCircle) % kHueCircle;
  S = lice_detail::Clamp255(S + (weight * (g - 128)) / 128);
  V = lice_detail::Clamp255(V + (weight * (b - 128)) / 128);

  const int t = ((256 - S) * V) / 256;
  int outR, outG, outB;
  if (hue < 64) outR = V, outG = (V * (S * (hue - 64) + 16384)) / 16384, outB = t;
  else if (hue < 128) outR = ((16384 - S * (hue - 64)) * V) / 16384, outG = V, outB = t;
  else if (hue < 192) outR = t, outG = V, outB = (V * (S * (hue - 192) + 16384)) / 16384;
  else if (hue < 256) outR = t, outG = ((16384 - S * (hue - 192)) * V) / 16384, outB = V;
  else if (hue < 320) outR = (V * (S * (hue - 320) + 16384)) / 16384, outG = t, outB = V;
  else outR = V, outG = t, outB = ((16384 - S * (hue - 320)) * V) / 16384;

  d[LICE_PIXEL_R] = static_cast<uint8_t>(outR);
  d[LICE_PIXEL_G] = static_cast<uint8_t>(outG);
  d[LICE_PIXEL_B] = static_cast<uint8_t>(outB);
  d[LICE_PIXEL_A] = static_cast<uint8_t>(a);
}
