// LICE_CachedFont::DrawText: the choice between the native path and the
// glyph path, measuring and drawing glyph by glyph, and the native path with
// its text surface for bitmaps without a drawing context.

#include "lice_font.h"
#include "lice_font_surfaces.h"
#include "lice_rows.h"
#include "lice_sys_bitmap.h"
#include "lice_text_platform.h"
#include "lice_utf8.h"

#include <algorithm>
#include <climits>

namespace
{
// Bitmaps that answer this extension draw their text themselves.
constexpr int kOwnTextExtension = 0x59555678;
constexpr int kMaxNativeGlyphLineHeight = 255;

int Saturate(long long v) { return v < INT_MIN ? INT_MIN : v > INT_MAX ? INT_MAX : int(v); }

// The walk over a text shared by measuring and drawing: carriage returns are
// skipped; a line feed is a space on a single line and a line break else.
template <class OnLineBreak, class OnCode>
void WalkText(const char* text, int count, bool singleLine, OnLineBreak lineBreak, OnCode onCode)
{
  const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
  int remaining = count, code = 0;
  while (lice_detail::NextGlyphCode(p, remaining, code))
  {
    if (code == '\r') continue;
    if (code == '\n')
    {
      if (!singleLine)
      {
        lineBreak();
        continue;
      }
      code = ' ';
    }
    onCode(code);
  }
}
}  // namespace

int LICE_CachedFont::DrawText(LICE_IBitmap* bitmap, const char* text, int count, LICE_Rect* rect, uint32_t flags)
{
  if (!bitmap && !(flags & LICE_TEXT_MEASURE)) return 0;
  if (!text || !rect) return 0;
  if (UseNativePath(bitmap, flags)) return DrawNative(bitmap, text, count, rect, flags & ~LICE_TEXT_NEVER_NATIVE);
  if (flags & LICE_TEXT_MEASURE) return MeasureGlyphs(text, count, rect, flags);
  return DrawGlyphs(bitmap, text, count, rect, flags & ~LICE_TEXT_NEVER_NATIVE);
}

bool LICE_CachedFont::UseNativePath(LICE_IBitmap* bitmap, uint32_t flags)
{
  if (bitmap && bitmap->QueryExtension(kOwnTextExtension, nullptr) != 0) return false;
  if (m_lineHeight > kMaxNativeGlyphLineHeight) return true;
  // The compatibility-layer probe comes last: it runs on the first call
  // that gets that far.
  return (m_fontFlags & LICE_FONT_NATIVE_OK) && m_handle && !(flags & LICE_TEXT_NEVER_NATIVE) &&
         !(flags & LICE_TEXT_USE_FORE_ALPHA) && !(m_fontFlags & LICE_FONT_GLYPH_ONLY_MASK) &&
         (m_extraLineSpacing == 0 || (flags & LICE_TEXT_SINGLELINE)) && !lice_text::RunningUnderWine();
}

int LICE_CachedFont::MeasureGlyphs(const char* text, int count, LICE_Rect* rect, uint32_t flags)
{
  const bool vertical = IsVertical();
  const long long lineStep = (long long)m_lineHeight + m_extraLineSpacing;
  long long x = 0, y = 0, right = 0, bottom = 0;
  WalkText(
      text, count, (flags & LICE_TEXT_SINGLELINE) != 0,
      [&] {
        if (vertical) y = 0, x += lineStep;
        else x = 0, y += lineStep;
      },
      [&](int code) {
        const LICE_GlyphRecord* g = RenderedGlyph(code);
        if (!g || g->maskPosition <= 0) return;
        if (vertical)
        {
          bottom = std::max({bottom, y + g->advance, y + g->maskHeight});
          right = std::max(right, x + g->maskWidth);
          y += g->advance;
        }
        else
        {
          right = std::max({right, x + g->advance, x + g->maskWidth});
          bottom = std::max(bottom, y + g->maskHeight);
          x += g->advance;
        }
      });
  rect->right = Saturate(rect->left + right);
  rect->bottom = Saturate(rect->top + bottom);
  return Saturate(vertical ? right : bottom);
}

int LICE_CachedFont::DrawGlyphs(LICE_IBitmap* bitmap, const char* text, int count, LICE_Rect* rect, uint32_t flags)
{
  const float savedOpacity = m_opacity;
  if (flags & LICE_TEXT_USE_FORE_ALPHA) m_opacity *= float(LICE_GETA(m_foreColour)) / 255.0f;
  if (lice_detail::OpacityWeight(m_opacity) == 0)
  {
    m_opacity = savedOpacity;
    return 0;
  }

  long long x = rect->left, y = rect->top;
  if ((flags & LICE_TEXT_ALIGN_MASK) || IsTurnedCcw())
  {
    LICE_Rect measured = *rect;
    MeasureGlyphs(text, count, &measured, flags | LICE_TEXT_MEASURE);
    const long long width = (long long)measured.right - measured.left;
    const long long height = (long long)measured.bottom - measured.top;
    if (flags & LICE_TEXT_RIGHT) x = rect->right - width;
    else if (flags & LICE_TEXT_CENTER) x += ((long long)rect->right - rect->left - width) / 2;
    if (flags & LICE_TEXT_BOTTOM) y = rect->bottom - height;
    else if (flags & LICE_TEXT_VCENTER) y += ((long long)rect->bottom - rect->top - height) / 2;
    if (IsTurnedCcw()) y += height;
  }

  LICE_Rect clip = {0, 0, bitmap->PixelWidth(), bitmap->PixelHeight()};
  if (!(flags & LICE_TEXT_NOCLIP))
    clip = {std::max(rect->left, 0), std::max(rect->top, 0), std::min(rect->right, clip.right),
            std::min(rect->bottom, clip.bottom)};
  if (clip.right <= clip.left || clip.bottom <= clip.top)
  {
    m_opacity = savedOpacity;
    return 0;
  }

  const bool vertical = IsVertical(), ccw = IsTurnedCcw();
  const long long startX = x, startY = y, lineStep = (long long)m_lineHeight + m_extraLineSpacing;
  long long lowest = startY, rightmost = startX;
  WalkText(
      text, count, (flags & LICE_TEXT_SINGLELINE) != 0,
      [&] {
        if (vertical) y = startY, x += lineStep;
        else x = startX, y += lineStep;
      },
      [&](int code) {
        const LICE_GlyphRecord* g = RenderedGlyph(code);
        if (!g || g->maskPosition <= 0 || g->maskPosition > m_maskStore.GetSize()) return;
        const int advance = g->advance, maskW = g->maskWidth, maskH = g->maskHeight;
        if (ccw) y -= maskH;
        // Pens beyond the int range lie outside any bitmap.
        const bool drawn = x == Saturate(x) && y == Saturate(y) &&
                           DrawGlyph(bitmap, static_cast<unsigned short>(code), int(x), int(y), &clip);
        if (vertical)
        {
          y += ccw ? maskH - advance : advance;
          if (drawn) rightmost = std::max(rightmost, x + maskW);
        }
        else
        {
          x += advance;
          if (drawn) lowest = std::max(lowest, y + maskH);
        }
      });
  m_opacity = savedOpacity;
  return Saturate(vertical ? rightmost - startX : lowest - startY);
}

int LICE_CachedFont::DrawNative(LICE_IBitmap* bitmap, const char* text, int count, LICE_Rect* rect, uint32_t flags)
{
  LICE_DeviceContext dc = bitmap ? bitmap->DeviceContext() : nullptr;
  if (!dc) return DrawNativeViaSurface(bitmap, text, count, rect, flags);

  const LICE_FontHandle previous = lice_text::SelectFont(dc, m_handle);
  lice_text::SetTextColour(dc, m_foreColour);
  lice_text::SetBackMode(dc, m_backMode);
  if (m_backMode == LICE_BACK_OPAQUE) lice_text::SetBackColour(dc, m_backColour);
  const int result = lice_text::DrawUtf8(dc, text, count, rect, flags | LICE_TEXT_NOPREFIX);
  lice_text::RestoreFont(dc, previous);
  return result;
}

int LICE_CachedFont::DrawNativeViaSurface(LICE_IBitmap* bitmap, const char* text, int count, LICE_Rect* rect,
                                          uint32_t flags)
{
  LICE_SysBitmap* surface = lice_detail::TextSurface();
  if (!surface) return 0;
  if (surface->PixelWidth() < 4 || surface->PixelHeight() < 4)
    surface->Resize(std::max(surface->PixelWidth(), 4), std::max(surface->PixelHeight(), 4));
  LICE_DeviceContext dc = surface->DeviceContext();
  if (!dc) return 0;

  LICE_FontHandle previous = lice_text::SelectFont(dc, m_handle);
  // The extent in 64 bits: a rectangle may be wider or taller than INT_MAX.
  LICE_Rect measured = {0, 0, Saturate((long long)rect->right - rect->left),
                        Saturate((long long)rect->bottom - rect->top)};
  const int measureResult = lice_text::DrawUtf8(
      dc, text, count, &measured, (flags & ~(LICE_TEXT_ALIGN_MASK)) | LICE_TEXT_MEASURE | LICE_TEXT_NOPREFIX);
  const long long width = (long long)measured.right - measured.left;
  const long long height = (long long)measured.bottom - measured.top;
  if ((flags & LICE_TEXT_MEASURE) || !bitmap)
  {
    rect->right = Saturate(rect->left + width);
    rect->bottom = Saturate(rect->top + height);
    lice_text::RestoreFont(dc, previous);
    return measureResult;
  }

  // Place the measured box by the alignment, then keep it inside the bitmap
  // and (unless asked not to) the rectangle; the cut on the left and top
  // shifts the text on the surface.
  long long x = rect->left, y = rect->top;
  if (flags & LICE_TEXT_RIGHT) x = rect->right - width;
  else if (flags & LICE_TEXT_CENTER) x = ((long long)rect->left + rect->right - width) / 2;
  if (flags & LICE_TEXT_BOTTOM) y = rect->bottom - height;
  else if (flags & LICE_TEXT_VCENTER) y = ((long long)rect->top + rect->bottom - height) / 2;
  long long left = std::max(x, 0LL), top = std::max(y, 0LL);
  long long right = std::min<long long>(x + width, bitmap->PixelWidth());
  long long bottom = std::min<long long>(y + height, bitmap->PixelHeight());
  if (!(flags & LICE_TEXT_NOCLIP))
  {
    left = std::max<long long>(left, rect->left);
    top = std::max<long long>(top, rect->top);
    right = std::min<long long>(right, rect->right);
    bottom = std::min<long long>(bottom, rect->bottom);
  }
  if (right <= left || bottom <= top)
  {
    lice_text::RestoreFont(dc, previous);
    return 0;
  }
  const int boxW = int(right - left), boxH = int(bottom - top);
  const int cutX = int(left - x), cutY = int(top - y);
  const uint32_t drawFlags = (flags & ~(LICE_TEXT_ALIGN_MASK | LICE_TEXT_NOCLIP)) | LICE_TEXT_NOPREFIX;

  if (surface->PixelWidth() < boxW || surface->PixelHeight() < boxH)
  {
    lice_text::RestoreFont(dc, previous);
    surface->Resize(std::max(surface->PixelWidth(), boxW), std::max(surface->PixelHeight(), boxH));
    dc = surface->DeviceContext();
    if (!dc || surface->PixelWidth() < boxW || surface->PixelHeight() < boxH) return 0;
    previous = lice_text::SelectFont(dc, m_handle);
  }
  LICE_BlitFromRect(surface, bitmap, 0, 0, int(left), int(top), boxW, boxH, 1.0f, LICE_BLIT_MODE_COPY);

  lice_text::SetTextColour(dc, m_foreColour);
  lice_text::SetBackMode(dc, m_backMode);
  if (m_backMode == LICE_BACK_OPAQUE) lice_text::SetBackColour(dc, m_backColour);
  LICE_Rect at = {-cutX, -cutY, Saturate(width - cutX), Saturate(height - cutY)};
  const int result = lice_text::DrawUtf8(dc, text, count, &at, drawFlags);

  LICE_BlitFromRect(bitmap, surface, int(left), int(top), 0, 0, boxW, boxH, m_opacity, LICE_BLIT_MODE_COPY);
  lice_text::RestoreFont(dc, previous);
  return result;
}
