// LICE_BlitFromRect / LICE_BlitClipped: clipping, then one inner loop per
// blend mode so that no mode test runs per pixel.

#include "lice_combine.h"
#include "lice_draw.h"
#include "lice_rows.h"

#include <algorithm>
#include <climits>
#include <cstring>

using lice_detail::Clamp255;
using lice_detail::Dodge;
using lice_detail::Overlay;

namespace
{
constexpr int kChannels[4] = {LICE_PIXEL_B, LICE_PIXEL_G, LICE_PIXEL_R, LICE_PIXEL_A};
constexpr int kColourChannels[3] = {LICE_PIXEL_B, LICE_PIXEL_G, LICE_PIXEL_R};

struct BlitArea
{
  LICE_Pixel* dst;
  ptrdiff_t dstStep;
  const LICE_Pixel* src;
  ptrdiff_t srcStep;
  int cols;
  int rows;
};

// op(destination bytes, source pixel value) for every pixel of the area. The
// source pixel is read into a local first, so a bitmap blitted onto itself
// never reads a half-written pixel.
template <class Op>
void ForEachPixel(const BlitArea& a, Op op)
{
  LICE_Pixel* d = a.dst;
  const LICE_Pixel* s = a.src;
  for (int y = 0; y < a.rows; ++y, d += a.dstStep, s += a.srcStep)
  {
    for (int x = 0; x < a.cols; ++x)
    {
      const LICE_Pixel sp = s[x];
      op(d + x, LICE_PixelBytes(&sp));
    }
  }
}

void CopyRows(const BlitArea& a)
{
  LICE_Pixel* d = a.dst;
  const LICE_Pixel* s = a.src;
  for (int y = 0; y < a.rows; ++y, d += a.dstStep, s += a.srcStep)
    std::memmove(d, s, size_t(a.cols) * sizeof(LICE_Pixel));
}

void ChannelCopy(const BlitArea& a, int mode)
{
  const int sel = (mode & LICE_BLIT_MODE_MASK) - LICE_BLIT_MODE_CHANCOPY;
  const int to = sel >> 2, from = sel & 3;
  ForEachPixel(a, [=](LICE_Pixel* d, const uint8_t* s) { LICE_PixelBytes(d)[to] = s[from]; });
}

void BlitCopy(const BlitArea& a, float opacity)
{
  if (opacity == 1.0f) return CopyRows(a);
  if (opacity == 0.5f)
  {
    ForEachPixel(a, [](LICE_Pixel* d, const uint8_t* s) {
      LICE_Pixel sv;
      std::memcpy(&sv, s, sizeof sv);
      *d = ((sv >> 1) & 0x7F7F7F7F) + ((*d >> 1) & 0x7F7F7F7F);
    });
    return;
  }
  const int w = lice_detail::OpacityWeight(opacity);
  if (w <= 0) return;
  if (w == 256) return CopyRows(a);
  ForEachPixel(a, [w](LICE_Pixel* dp, const uint8_t* s) {
    uint8_t* d = LICE_PixelBytes(dp);
    for (int c : kChannels) d[c] = uint8_t(s[c] + ((d[c] - s[c]) * (256 - w)) / 256);
  });
}

void BlitCopyAlpha(const BlitArea& a, int w)
{
  if (w == 256)
  {
    ForEachPixel(a, [](LICE_Pixel* dp, const uint8_t* s) {
      const int sa = s[LICE_PIXEL_A];
      if (sa == 0) return;
      if (sa == 255)
      {
        std::memcpy(dp, s, sizeof *dp);
        return;
      }
      uint8_t* d = LICE_PixelBytes(dp);
      d[LICE_PIXEL_A] = uint8_t(std::min(255, d[LICE_PIXEL_A] + sa));
      for (int c : kColourChannels) d[c] = uint8_t(s[c] + ((d[c] - s[c]) * (255 - sa)) / 256);
    });
    return;
  }
  ForEachPixel(a, [w](LICE_Pixel* dp, const uint8_t* s) {
    const int sa = s[LICE_PIXEL_A];
    if (sa == 0) return;
    const int k = ((sa + 1) * w) / 256;
    uint8_t* d = LICE_PixelBytes(dp);
    d[LICE_PIXEL_A] = uint8_t(std::min(255, d[LICE_PIXEL_A] + k));
    for (int c : kColourChannels) d[c] = uint8_t(s[c] + ((d[c] - s[c]) * (256 - k)) / 256);
  });
}

void BlitWithoutAlpha(const BlitArea& a, int combiner, int w)
{
  switch (combiner)
  {
    case LICE_BLIT_MODE_ADD:
      ForEachPixel(a, [w](LICE_Pixel* dp, const uint8_t* s) {
        uint8_t* d = LICE_PixelBytes(dp);
        for (int c : kChannels) d[c] = uint8_t(Clamp255(d[c] + (w * s[c]) / 256));
      });
      break;
    case LICE_BLIT_MODE_DODGE:
      ForEachPixel(a, [w](LICE_Pixel* dp, const uint8_t* s) {
        uint8_t* d = LICE_PixelBytes(dp);
        for (int c : kChannels) d[c] = uint8_t(Dodge(d[c], (w * s[c]) / 256));
      });
      break;
    case LICE_BLIT_MODE_MUL:
      ForEachPixel(a, [w](LICE_Pixel* dp, const uint8_t* s) {
        uint8_t* d = LICE_PixelBytes(dp);
        for (int c : kChannels) d[c] = uint8_t(((w * (s[c] - 256) + 65536) * d[c]) >> 16);
      });
      break;
    case LICE_BLIT_MODE_OVERLAY:
      ForEachPixel(a, [w](LICE_Pixel* dp, const uint8_t* s) {
        uint8_t* d = LICE_PixelBytes(dp);
        for (int c : kChannels) d[c] = uint8_t(Overlay(d[c], s[c], w));
      });
      break;
    case LICE_BLIT_MODE_HSVADJ:
      ForEachPixel(a, [w](LICE_Pixel* dp, const uint8_t* s) {
        LICE_AdjustPixelHSV(dp, s[LICE_PIXEL_R], s[LICE_PIXEL_G], s[LICE_PIXEL_B], s[LICE_PIXEL_A], w);
      });
      break;
    default:
      break;
  }
}

void BlitWithAlpha(const BlitArea& a, int combiner, int w)
{
  switch (combiner)
  {
    case LICE_BLIT_MODE_COPY:
      BlitCopyAlpha(a, w);
      break;
    case LICE_BLIT_MODE_ADD:
      ForEachPixel(a, [w](LICE_Pixel* dp, const uint8_t* s) {
        const int sa = s[LICE_PIXEL_A];
        if (sa == 0) return;
        const int k = (w * (sa + 1)) / 256;
        uint8_t* d = LICE_PixelBytes(dp);
        for (int c : kColourChannels) d[c] = uint8_t(Clamp255(d[c] + (k * s[c]) / 256));
        d[LICE_PIXEL_A] = uint8_t(Clamp255(d[LICE_PIXEL_A] + (sa * k) / 256));
      });
      break;
    case LICE_BLIT_MODE_DODGE:
      ForEachPixel(a, [w](LICE_Pixel* dp, const uint8_t* s) {
        const int k = (w * (s[LICE_PIXEL_A] + 1)) / 256;
        uint8_t* d = LICE_PixelBytes(dp);
        for (int c : kChannels) d[c] = uint8_t(Dodge(d[c], (k * s[c]) / 256));
      });
      break;
    case LICE_BLIT_MODE_MUL:
      ForEachPixel(a, [w](LICE_Pixel* dp, const uint8_t* s) {
        const int sa = s[LICE_PIXEL_A];
        if (sa == 0) return;
        const int k = (w * (sa + 1)) / 256;
        const int j = (256 - k) * 256;
        uint8_t* d = LICE_PixelBytes(dp);
        for (int c : kColourChannels) d[c] = uint8_t(((k * s[c] + j) * d[c]) >> 16);
        d[LICE_PIXEL_A] = uint8_t(((sa * k + j) * d[LICE_PIXEL_A]) >> 16);
      });
      break;
    case LICE_BLIT_MODE_OVERLAY:
      ForEachPixel(a, [w](LICE_Pixel* dp, const uint8_t* s) {
        const int sa = s[LICE_PIXEL_A];
        LICE_MixPixel(dp, s[LICE_PIXEL_R], s[LICE_PIXEL_G], s[LICE_PIXEL_B], sa, (w * (sa + 1)) / 256);
      });
      break;
    case LICE_BLIT_MODE_HSVADJ:
      ForEachPixel(a, [w](LICE_Pixel* dp, const uint8_t* s) {
        const int sa = s[LICE_PIXEL_A];
        LICE_AdjustPixelHSV(dp, s[LICE_PIXEL_R], s[LICE_PIXEL_G], s[LICE_PIXEL_B], sa, (w * (sa + 1)) / 256);
      });
      break;
    default:
      break;
  }
}

int SaturateToInt(long long v) { return v < INT_MIN ? INT_MIN : v > INT_MAX ? INT_MAX : int(v); }
}  // namespace

void LICE_BlitFromRect(LICE_IBitmap* dest, LICE_IBitmap* src, int dx, int dy, int sx, int sy, int sw, int sh,
                       float opacity, LICE_BlendMode mode)
{
  const LICE_Rect r = {sx, sy, SaturateToInt((long long)sx + sw), SaturateToInt((long long)sy + sh)};
  LICE_BlitClipped(dest, src, dx, dy, &r, opacity, mode);
}

void LICE_BlitClipped(LICE_IBitmap* dest, LICE_IBitmap* src, int dx, int dy, const LICE_Rect* srcRect, float opacity,
                      LICE_BlendMode mode)
{
  if (!dest || !src || !(opacity > 0.0f)) return;

  // Clip in 64 bits so that no combination of coordinates can wrap.
  const long long srcW = src->PixelWidth(), srcH = src->PixelHeight();
  const long long dstW = dest->PixelWidth(), dstH = dest->PixelHeight();
  long long left = 0, top = 0, right = srcW, bottom = srcH;
  if (srcRect) left = srcRect->left, top = srcRect->top, right = srcRect->right, bottom = srcRect->bottom;
  long long x = dx, y = dy;
  if (left < 0) x -= left, left = 0;
  if (top < 0) y -= top, top = 0;
  right = std::min(right, srcW);
  bottom = std::min(bottom, srcH);
  if (x < 0) left -= x, x = 0;
  if (y < 0) top -= y, y = 0;
  if (right <= left || bottom <= top || x >= dstW || y >= dstH) return;
  right = std::min(right, left + dstW - x);
  bottom = std::min(bottom, top + dstH - y);
  if (right <= left || bottom <= top) return;
  if (!dest->Pixels() || !src->Pixels()) return;

  const lice_detail::RowCursor d = lice_detail::RowsAt(dest, int(x), int(y));
  const lice_detail::RowCursor s = lice_detail::RowsAt(src, int(left), int(top));
  const BlitArea area = {d.first, d.step, s.first, s.step, int(right - left), int(bottom - top)};

  if ((mode & LICE_BLIT_MODE_MASK) >= LICE_BLIT_MODE_CHANCOPY) return ChannelCopy(area, mode);
  const int w = lice_detail::OpacityWeight(opacity);
  switch (mode & (LICE_BLIT_USE_ALPHA | LICE_BLIT_MODE_MASK))
  {
    case LICE_BLIT_MODE_COPY:
      return BlitCopy(area, opacity);
    case LICE_BLIT_MODE_ADD:
    case LICE_BLIT_MODE_DODGE:
    case LICE_BLIT_MODE_MUL:
    case LICE_BLIT_MODE_OVERLAY:
    case LICE_BLIT_MODE_HSVADJ:
      return BlitWithoutAlpha(area, mode & LICE_BLIT_MODE_MASK, w);
    case LICE_BLIT_USE_ALPHA | LICE_BLIT_MODE_COPY:
    case LICE_BLIT_USE_ALPHA | LICE_BLIT_MODE_ADD:
    case LICE_BLIT_USE_ALPHA | LICE_BLIT_MODE_DODGE:
    case LICE_BLIT_USE_ALPHA | LICE_BLIT_MODE_MUL:
    case LICE_BLIT_USE_ALPHA | LICE_BLIT_MODE_OVERLAY:
    case LICE_BLIT_USE_ALPHA | LICE_BLIT_MODE_HSVADJ:
      return BlitWithAlpha(area, mode & LICE_BLIT_MODE_MASK, w);
    default:
      return;  // unknown mode: nothing
  }
}
