// LICE_FillArea: one colour over a rectangle, with the combiners of the blit.
// The weight itself stands in for the source alpha.

#include "lice_combine.h"
#include "lice_draw.h"
#include "lice_rows.h"

#include <algorithm>

using lice_detail::Clamp255;
using lice_detail::Dodge;
using lice_detail::Overlay;

namespace
{
// Byte positions of blue, green, red and alpha, in the order of the source
// values below.
constexpr int kChannels[4] = {LICE_PIXEL_B, LICE_PIXEL_G, LICE_PIXEL_R, LICE_PIXEL_A};

struct FillArea
{
  LICE_Pixel* first;
  ptrdiff_t step;
  int cols;
  int rows;
};

template <class Op>
void ForEachPixel(const FillArea& a, Op op)
{
  LICE_Pixel* row = a.first;
  for (int y = 0; y < a.rows; ++y, row += a.step)
    for (int x = 0; x < a.cols; ++x) op(row + x);
}

// Weights 256, 128, 64 and 192 of a plain copy combine whole pixels with
// shifted masks (the masks keep the channels apart).
bool FillWholePixels(const FillArea& a, LICE_Pixel colour, int w)
{
  switch (w)
  {
    case 256:
      ForEachPixel(a, [=](LICE_Pixel* d) { *d = colour; });
      return true;
    case 128:
    {
      const LICE_Pixel half = (colour >> 1) & 0x7F7F7F7F;
      ForEachPixel(a, [=](LICE_Pixel* d) { *d = half + ((*d >> 1) & 0x7F7F7F7F); });
      return true;
    }
    case 64:
    {
      const LICE_Pixel quarter = (colour >> 2) & 0x3F3F3F3F;
      ForEachPixel(a, [=](LICE_Pixel* d) { *d = ((*d >> 1) & 0x7F7F7F7F) + ((*d >> 2) & 0x3F3F3F3F) + quarter; });
      return true;
    }
    case 192:
    {
      const LICE_Pixel threeQuarters = ((colour >> 2) & 0x3F3F3F3F) + ((colour >> 1) & 0x7F7F7F7F);
      ForEachPixel(a, [=](LICE_Pixel* d) { *d = threeQuarters + ((*d >> 2) & 0x3F3F3F3F); });
      return true;
    }
    default:
      return false;
  }
}
}  // namespace

void LICE_FillArea(LICE_IBitmap* bitmap, int x, int y, int w, int h, LICE_Pixel colour, float opacity,
                   LICE_BlendMode mode)
{
  if (mode & LICE_BLIT_USE_ALPHA) opacity *= float(LICE_GETA(colour)) / 255.0f;
  if (!bitmap || !bitmap->Pixels() || bitmap->RowSpan() == 0 || !(opacity > 0.0f)) return;

  // Clip in 64 bits so that no combination of coordinates can wrap.
  long long left = x, top = y, cols = w, rows = h;
  if (left < 0) cols += left, left = 0;
  if (top < 0) rows += top, top = 0;
  if (cols < 1 || rows < 1) return;
  const long long width = bitmap->PixelWidth(), height = bitmap->PixelHeight();
  if (left >= width || top >= height) return;
  cols = std::min(width - left, cols);
  rows = std::min(height - top, rows);

  const lice_detail::RowCursor r = lice_detail::RowsAt(bitmap, int(left), int(top));
  const FillArea area = {r.first, r.step, int(cols), int(rows)};
  const int weight = lice_detail::OpacityWeight(opacity);
  const int combiner = mode & LICE_BLIT_MODE_MASK;
  if (combiner == LICE_BLIT_MODE_COPY && FillWholePixels(area, colour, weight)) return;
  if (weight == 0) return;

  const int sr = int(LICE_GETR(colour)), sg = int(LICE_GETG(colour)), sb = int(LICE_GETB(colour));
  const int src[4] = {sb, sg, sr, weight};
  const auto& channel = kChannels;
  switch (combiner)
  {
    case LICE_BLIT_MODE_COPY:
      ForEachPixel(area, [&](LICE_Pixel* dp) {
        uint8_t* d = LICE_PixelBytes(dp);
        for (int i = 0; i < 4; ++i)
          d[channel[i]] = uint8_t(src[i] + ((d[channel[i]] - src[i]) * (256 - weight)) / 256);
      });
      break;
    case LICE_BLIT_MODE_ADD:
      ForEachPixel(area, [&](LICE_Pixel* dp) {
        uint8_t* d = LICE_PixelBytes(dp);
        for (int i = 0; i < 4; ++i) d[channel[i]] = uint8_t(Clamp255(d[channel[i]] + (weight * src[i]) / 256));
      });
      break;
    case LICE_BLIT_MODE_DODGE:
      ForEachPixel(area, [&](LICE_Pixel* dp) {
        uint8_t* d = LICE_PixelBytes(dp);
        for (int i = 0; i < 4; ++i) d[channel[i]] = uint8_t(Dodge(d[channel[i]], (src[i] * weight) / 256));
      });
      break;
    case LICE_BLIT_MODE_MUL:
      ForEachPixel(area, [&](LICE_Pixel* dp) {
        uint8_t* d = LICE_PixelBytes(dp);
        for (int i = 0; i < 4; ++i)
          d[channel[i]] = uint8_t((d[channel[i]] * (weight * src[i] + (256 - weight) * 256)) >> 16);
      });
      break;
    case LICE_BLIT_MODE_OVERLAY:
      ForEachPixel(area, [&](LICE_Pixel* dp) {
        uint8_t* d = LICE_PixelBytes(dp);
        for (int i = 0; i < 4; ++i) d[channel[i]] = uint8_t(Overlay(d[channel[i]], src[i], weight));
      });
      break;
    case LICE_BLIT_MODE_HSVADJ:
    {
      // A full weight is 256, which as an 8-bit alpha would be 0 and make the
      // filled area transparent: the alpha is capped at opaque instead.
      const int alpha = std::min(weight, 255);
      ForEachPixel(area, [&](LICE_Pixel* dp) { LICE_AdjustPixelHSV(dp, sr, sg, sb, alpha, weight); });
      break;
    }
    default:
      break;  // unknown mode: nothing
  }
}
