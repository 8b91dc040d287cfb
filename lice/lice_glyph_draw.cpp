// LICE_CachedFont::DrawGlyph: one glyph mask combined with a bitmap. One
// inner loop per blend mode and mask kind (anti-aliased, monochrome, shadow
// or outline), so no mode test runs per pixel.

#include "lice_combine.h"
#include "lice_font.h"
#include "lice_rows.h"

#include <algorithm>

using lice_detail::Clamp255;
using lice_detail::Dodge;
using lice_detail::Overlay;

namespace
{
constexpr int kChannels[4] = {LICE_PIXEL_B, LICE_PIXEL_G, LICE_PIXEL_R, LICE_PIXEL_A};

// Source values of one colour, indexed by byte position; alpha is 255.
struct Source
{
  int v[4];
  LICE_Pixel word;
  explicit Source(LICE_Pixel p) : word(p)
  {
    v[LICE_PIXEL_R] = int(LICE_GETR(p));
    v[LICE_PIXEL_G] = int(LICE_GETG(p));
    v[LICE_PIXEL_B] = int(LICE_GETB(p));
    v[LICE_PIXEL_A] = 255;
  }
};

struct MaskArea
{
  const uint8_t* mask;  // first visible mask value
  int maskSpan;
  LICE_Pixel* dst;  // first visible pixel
  ptrdiff_t dstStep;
  int cols, rows;
};

// op(pixel, mask value) for every pixel under a non-zero mask value.
template <class Op>
void ForEachInked(const MaskArea& a, Op op)
{
  const uint8_t* m = a.mask;
  LICE_Pixel* d = a.dst;
  for (int y = 0; y < a.rows; ++y, m += a.maskSpan, d += a.dstStep)
    for (int x = 0; x < a.cols; ++x)
      if (m[x]) op(d + x, int(m[x]));
}

// Combines one pixel with source s at weight k (0 to 256) by the blend mode's
// low byte.
template <int Mode>
inline void Combine(LICE_Pixel* px, const Source& s, int k)
{
  uint8_t* d = LICE_PixelBytes(px);
  switch (Mode)
  {
    case LICE_BLIT_MODE_COPY:
      for (int c : kChannels) d[c] = uint8_t(s.v[c] + ((d[c] - s.v[c]) * (256 - k)) / 256);
      break;
    case LICE_BLIT_MODE_ADD:
      for (int c : kChannels) d[c] = uint8_t(Clamp255(d[c] + (s.v[c] * k) / 256));
      break;
    case LICE_BLIT_MODE_DODGE:
      for (int c : kChannels) d[c] = uint8_t(Dodge(d[c], (k * s.v[c]) / 256));
      break;
    case LICE_BLIT_MODE_MUL:
      for (int c : kChannels) d[c] = uint8_t(((k * (s.v[c] - 256) + 65536) * d[c]) >> 16);
      break;
    case LICE_BLIT_MODE_OVERLAY:
      LICE_MixPixel(px, s.v[LICE_PIXEL_R], s.v[LICE_PIXEL_G], s.v[LICE_PIXEL_B], 255, k);
      break;
    case LICE_BLIT_MODE_HSVADJ:
      LICE_AdjustPixelHSV(px, s.v[LICE_PIXEL_R], s.v[LICE_PIXEL_G], s.v[LICE_PIXEL_B], 255, k);
      break;
  }
}

// Anti-aliased masks: the weight follows the coverage.
template <int Mode>
void DrawSmooth(const MaskArea& a, const Source& fore, int w)
{
  if (w == 256)
    ForEachInked(a, [&](LICE_Pixel* p, int m) { Combine<Mode>(p, fore, m + 1); });
  else
    ForEachInked(a, [&](LICE_Pixel* p, int m) { Combine<Mode>(p, fore, std::min(256, (w * m) / 256)); });
}

// Monochrome masks: every inked pixel at the same weight.
template <int Mode>
void DrawMono(const MaskArea& a, const Source& fore, int w)
{
  ForEachInked(a, [&](LICE_Pixel* p, int) { Combine<Mode>(p, fore, w); });
}

// Shadow and outline masks: ink in the fore colour, marks in the effect colour.
template <int Mode>
void DrawTwoColour(const MaskArea& a, const Source& fore, const Source& effect, int w)
{
  ForEachInked(a, [&](LICE_Pixel* p, int m) { Combine<Mode>(p, m == 255 ? fore : effect, w); });
}

template <int Mode>
void DrawMask(const MaskArea& a, int32_t fontFlags, const Source& fore, const Source& effect, int w)
{
  if (fontFlags & (LICE_FONT_SHADOW | LICE_FONT_OUTLINE))
    DrawTwoColour<Mode>(a, fore, effect, w);
  else if (fontFlags & LICE_FONT_MONO)
    DrawMono<Mode>(a, fore, w);
  else
    DrawSmooth<Mode>(a, fore, w);
}
}  // namespace

bool LICE_CachedFont::DrawGlyph(LICE_IBitmap* bitmap, unsigned short code, int x, int y, const LICE_Rect* clipRect)
{
  if (!bitmap || !clipRect || !bitmap->Pixels()) return false;
  const LICE_GlyphRecord* record = FindGlyph(code);
  if (!record || record->maskPosition <= 0) return false;
  if (record->maskPosition - 1LL + (long long)record->maskWidth * record->maskHeight > m_maskStore.GetSize())
    return false;

  // The clip may be anything a caller passes: keep it inside the bitmap.
  const long long clipLeft = std::max(clipRect->left, 0), clipTop = std::max(clipRect->top, 0);
  const long long clipRight = std::min(clipRect->right, bitmap->PixelWidth());
  const long long clipBottom = std::min(clipRect->bottom, bitmap->PixelHeight());
  const int maskW = record->maskWidth, maskH = record->maskHeight;
  if (x >= clipRight || y >= clipBottom || clipLeft >= (long long)x + maskW || clipTop >= (long long)y + maskH)
    return false;

  const int firstCol = int(std::max(0LL, clipLeft - x)), firstRow = int(std::max(0LL, clipTop - y));
  const int endCol = int(std::min<long long>(maskW, clipRight - x));
  const int endRow = int(std::min<long long>(maskH, clipBottom - y));
  if (endCol - firstCol <= 0 || endRow - firstRow <= 0) return false;
  const int left = x + firstCol, top = y + firstRow;
  const int cols = endCol - firstCol, rows = endRow - firstRow;

  if (m_backMode == LICE_BACK_OPAQUE)
    LICE_FillArea(bitmap, left, top, cols, rows, m_backColour, m_opacity, m_blendMode & ~LICE_BLIT_USE_ALPHA);

  const lice_detail::RowCursor rowsAt = lice_detail::RowsAt(bitmap, left, top);
  const uint8_t* mask = static_cast<const uint8_t*>(m_maskStore.Get()) + (record->maskPosition - 1);
  const MaskArea area = {mask + firstRow * maskW + firstCol, maskW, rowsAt.first, rowsAt.step, cols, rows};
  const Source fore(m_foreColour), effect(m_effectColour);
  const int w = lice_detail::OpacityWeight(m_opacity);
  if (w <= 0) return true;
  const int mode = m_blendMode & LICE_BLIT_MODE_MASK;

  // Monochrome copies at full opacity store the colour words as they are.
  if (mode == LICE_BLIT_MODE_COPY && m_opacity == 1.0f && (m_fontFlags & (LICE_FONT_MONO | LICE_FONT_SHADOW | LICE_FONT_OUTLINE)))
  {
    const bool twoColour = (m_fontFlags & (LICE_FONT_SHADOW | LICE_FONT_OUTLINE)) != 0;
    ForEachInked(area, [&](LICE_Pixel* p, int m) { *p = twoColour && m != 255 ? effect.word : fore.word; });
    return true;
  }
  switch (mode)
  {
    case LICE_BLIT_MODE_COPY: DrawMask<LICE_BLIT_MODE_COPY>(area, m_fontFlags, fore, effect, w); break;
    case LICE_BLIT_MODE_ADD: DrawMask<LICE_BLIT_MODE_ADD>(area, m_fontFlags, fore, effect, w); break;
    case LICE_BLIT_MODE_DODGE: DrawMask<LICE_BLIT_MODE_DODGE>(area, m_fontFlags, fore, effect, w); break;
    case LICE_BLIT_MODE_MUL: DrawMask<LICE_BLIT_MODE_MUL>(area, m_fontFlags, fore, effect, w); break;
    case LICE_BLIT_MODE_OVERLAY: DrawMask<LICE_BLIT_MODE_OVERLAY>(area, m_fontFlags, fore, effect, w); break;
    case LICE_BLIT_MODE_HSVADJ: DrawMask<LICE_BLIT_MODE_HSVADJ>(area, m_fontFlags, fore, effect, w); break;
    default: break;
  }
  return true;
}
