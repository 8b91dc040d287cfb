// LICE_CachedFont: attaching a platform font, the glyph cache (lookup and
// rendering into 8-bit masks) and the shared surfaces.

#include "lice_font.h"
#include "lice_font_surfaces.h"
#include "lice_font_testing.h"
#include "lice_sys_bitmap.h"
#include "lice_text_platform.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <new>

namespace
{
LICE_SysBitmap* g_glyphSurface = nullptr;
LICE_SysBitmap* g_textSurface = nullptr;
int g_liveFonts = 0;

constexpr int kMaxRenderedLineHeight = 1023;
constexpr int kPreparedGlyphSide = 256;
constexpr int kThreshold = 130;  // monochrome: coverage above it is ink
constexpr uint8_t kInk = 255, kMark = 128;

LICE_SysBitmap* Surface(LICE_SysBitmap*& s)
{
  if (!s) s = new (std::nothrow) LICE_SysBitmap(0, 0);
  return s;
}

// White text on an opaque black background, so every colour channel of a
// rendered glyph carries its coverage.
void PrepareForGlyphs(LICE_SysBitmap* surface)
{
  LICE_DeviceContext dc = surface->DeviceContext();
  if (!dc) return;
  lice_text::SetTextColour(dc, LICE_RGBA(255, 255, 255, 255));
  lice_text::SetBackMode(dc, LICE_BACK_OPAQUE);
  lice_text::SetBackColour(dc, LICE_RGBA(0, 0, 0, 255));
}

void GrowGlyphSurface(LICE_SysBitmap* surface, int side)
{
  if (surface->PixelWidth() >= side && surface->PixelHeight() >= side) return;
  surface->Resize(side, side);
  PrepareForGlyphs(surface);
}

// Turns the w x h mask by 90 degrees through scratch memory (clockwise, or
// counter-clockwise with ccw); the result is h wide and w high.
void TurnMask(uint8_t* mask, int w, int h, bool ccw, uint8_t* scratch)
{
  std::memcpy(scratch, mask, size_t(w) * size_t(h));
  const int newWidth = h, newHeight = w;
  for (int i = 0; i < newHeight; ++i)
    for (int j = 0; j < newWidth; ++j)
      mask[i * newWidth + j] = ccw ? scratch[j * w + (w - 1 - i)] : scratch[(h - 1 - j) * w + i];
}

// Monochrome, shadow and outline: threshold, then mark the chosen neighbours
// of the ink. Marks are not ink, so they do not spread.
void ApplyEffect(uint8_t* mask, int w, int h, int32_t flags)
{
  for (int i = 0; i < w * h; ++i) mask[i] = mask[i] > kThreshold ? kInk : 0;
  const bool shadow = (flags & LICE_FONT_SHADOW) != 0;
  const bool outline = !shadow && (flags & LICE_FONT_OUTLINE);
  if (!shadow && !outline) return;
  auto ink = [&](int x, int y) { return x >= 0 && y >= 0 && x < w && y < h && mask[y * w + x] == kInk; };
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
    {
      if (mask[y * w + x] != 0) continue;
      const bool mark = shadow ? ink(x - 1, y) || ink(x - 1, y - 1) || ink(x, y - 1)
                               : ink(x - 1, y) || ink(x + 1, y) || ink(x, y - 1) || ink(x, y + 1);
      if (mark) mask[y * w + x] = kMark;
    }
}
}  // namespace

namespace lice_detail
{
LICE_SysBitmap* GlyphSurface() { return Surface(g_glyphSurface); }
LICE_SysBitmap* TextSurface() { return Surface(g_textSurface); }
}  // namespace lice_detail

LICE_SysBitmap* LICE_FontTesting_GlyphSurface() { return g_glyphSurface; }
LICE_SysBitmap* LICE_FontTesting_TextSurface() { return g_textSurface; }
int LICE_FontTesting_LiveFonts() { return g_liveFonts; }

LICE_CachedFont::LICE_CachedFont()
{
  std::memset(m_directGlyphs, 0, sizeof m_directGlyphs);
  ++g_liveFonts;
}

LICE_CachedFont::~LICE_CachedFont()
{
  if ((m_fontFlags & LICE_FONT_OWNS_HANDLE) && m_handle) lice_text::DeleteFont(m_handle);
  if (--g_liveFonts == 0)
  {
    delete g_glyphSurface;
    delete g_textSurface;
    g_glyphSurface = g_textSurface = nullptr;
  }
}

void LICE_CachedFont::AttachHFont(LICE_FontHandle handle, int32_t flags)
{
  if ((m_fontFlags & LICE_FONT_OWNS_HANDLE) && m_handle && m_handle != handle) lice_text::DeleteFont(m_handle);
  m_fontFlags = flags;
  m_handle = handle;

  if (handle)
  {
    LICE_SysBitmap* surface = lice_detail::GlyphSurface();
    if (surface) GrowGlyphSurface(surface, kPreparedGlyphSide);
    if (LICE_DeviceContext dc = surface ? surface->DeviceContext() : nullptr)
    {
      const LICE_FontHandle previous = lice_text::SelectFont(dc, handle);
      m_lineHeight = lice_text::TextMetricsHeight(dc);
      lice_text::RestoreFont(dc, previous);
    }
  }

  std::memset(m_directGlyphs, 0, sizeof m_directGlyphs);
  m_extendedGlyphs.Resize(0, false);
  m_maskStore.Resize(0, true);
  if (flags & LICE_FONT_PRERENDER_ASCII)
    for (int code = 0; code < 128; ++code) RenderGlyph(code);
}

LICE_Pixel LICE_CachedFont::SetForeColor(LICE_Pixel colour)
{
  std::swap(m_foreColour, colour);
  return colour;
}

LICE_Pixel LICE_CachedFont::SetBackColor(LICE_Pixel colour)
{
  std::swap(m_backColour, colour);
  return colour;
}

LICE_Pixel LICE_CachedFont::SetEffectColor(LICE_Pixel colour)
{
  std::swap(m_effectColour, colour);
  return colour;
}

int32_t LICE_CachedFont::SetBackMode(int32_t mode)
{
  std::swap(m_backMode, mode);
  return mode;
}

void LICE_CachedFont::SetBlendMode(LICE_BlendMode mode, float opacity)
{
  m_blendMode = mode;
  m_opacity = opacity;
}

LICE_GlyphRecord* LICE_CachedFont::FindGlyph(int code)
{
  if (code < 0) return nullptr;
  if (code < 128) return &m_directGlyphs[code];
  auto* first = m_extendedGlyphs.GetAs<LICE_GlyphRecord>();
  if (!first) return nullptr;
  auto* last = first + m_extendedGlyphs.GetSize() / int(sizeof(LICE_GlyphRecord));
  auto* found = std::lower_bound(first, last, code, [](const LICE_GlyphRecord& r, int c) { return r.code < c; });
  return found != last && found->code == code ? found : nullptr;
}

LICE_GlyphRecord* LICE_CachedFont::RenderedGlyph(int code)
{
  LICE_GlyphRecord* record = FindGlyph(code);
  if (record && record->maskPosition != 0) return record;
  RenderGlyph(code);
  // Appending and sorting move the extended records.
  return FindGlyph(code);
}

void LICE_CachedFont::RenderGlyph(int code)
{
  if (m_lineHeight > kMaxRenderedLineHeight || code < 0 || code > 0xFFFF) return;
  LICE_GlyphRecord* record = FindGlyph(code);
  bool appended = false;
  if (!record)
  {
    if (m_fontFlags & LICE_FONT_PRERENDER_ASCII) return;
    const int oldSize = m_extendedGlyphs.GetSize();
    const int newSize = oldSize + int(sizeof(LICE_GlyphRecord));
    m_extendedGlyphs.Resize(newSize, false);
    if (m_extendedGlyphs.GetSize() != newSize) return;
    record = reinterpret_cast<LICE_GlyphRecord*>(static_cast<char*>(m_extendedGlyphs.Get()) + oldSize);
    *record = {0, 0, 0, 0, code};
    appended = true;
  }

  *record = {-1, 0, 0, 0, code};  // nothing to draw unless rendering succeeds
  LICE_SysBitmap* surface = lice_detail::GlyphSurface();
  if (surface) GrowGlyphSurface(surface, std::max(m_lineHeight, 1) * 2 + 8);
  LICE_DeviceContext dc = surface ? surface->DeviceContext() : nullptr;
  if (dc && surface->Pixels())
  {
    const LICE_FontHandle previous = lice_text::SelectFont(dc, m_handle);
    LICE_Rect r = {0, 0, 0, 0};
    lice_text::DrawCode(dc, unsigned(code), &r, lice_text::kMeasureCodeFlags);
    int advance = r.right - r.left;
    int cellHeight = r.bottom - r.top;
    int cellWidth = advance + (m_lineHeight >= 16 ? m_lineHeight / 16 : 0) + 2;
    LICE_FillArea(surface, 0, 0, cellWidth, cellHeight, 0, 1.0f, LICE_BLIT_MODE_COPY);
    r = {0, 0, cellWidth, cellHeight};
    lice_text::DrawCode(dc, unsigned(code), &r, lice_text::kDrawCodeFlags);
    advance = std::min(advance, surface->PixelWidth());
    cellWidth = std::min(cellWidth, surface->PixelWidth());
    cellHeight = std::min(cellHeight, surface->PixelHeight());
    lice_text::RestoreFont(dc, previous);

    if (advance >= 1 && cellHeight >= 1)
    {
      record->advance = advance;
      if (m_fontFlags & LICE_FONT_SOFTEN) LICE_SoftenRect(surface, cellWidth, cellHeight);
      StoreMask(record, cellWidth, cellHeight);
    }
  }

  if (appended)
  {
    auto* first = m_extendedGlyphs.GetAs<LICE_GlyphRecord>();
    std::sort(first, first + m_extendedGlyphs.GetSize() / int(sizeof(LICE_GlyphRecord)),
              [](const LICE_GlyphRecord& a, const LICE_GlyphRecord& b) { return a.code < b.code; });
  }
}

void LICE_CachedFont::StoreMask(LICE_GlyphRecord* record, int cellWidth, int cellHeight)
{
  LICE_SysBitmap* surface = g_glyphSurface;
  const int oldSize = m_maskStore.GetSize();
  const long long newSize = (long long)oldSize + (long long)cellWidth * cellHeight;
  if (newSize > INT32_MAX || !m_maskStore.Resize(int(newSize), false) || m_maskStore.GetSize() != newSize)
  {
    m_maskStore.Resize(oldSize, false);
    *record = {-1, 0, 0, 0, record->code};
    return;
  }
  uint8_t* mask = static_cast<uint8_t*>(m_maskStore.Get()) + oldSize;
  const bool invert = (m_fontFlags & LICE_FONT_INVERT) != 0;
  int maskWidth = record->advance;
  for (int y = 0; y < cellHeight; ++y)
  {
    const LICE_Pixel* row = surface->Pixels() + std::ptrdiff_t(y) * surface->RowSpan();
    for (int x = 0; x < cellWidth; ++x)
    {
      const uint8_t v = LICE_PixelBytes(row + x)[LICE_PIXEL_R];
      if (v && x >= maskWidth) maskWidth = x + 1;
      mask[y * cellWidth + x] = invert ? uint8_t(255 - v) : v;
    }
  }
  if (maskWidth < cellWidth)
  {
    for (int y = 1; y < cellHeight; ++y) std::memmove(mask + y * maskWidth, mask + y * cellWidth, size_t(maskWidth));
    m_maskStore.Resize(oldSize + maskWidth * cellHeight, false);
  }

  int w = maskWidth, h = cellHeight;
  if (m_fontFlags & LICE_FONT_VERTICAL)
  {
    // The glyph surface's pixels (at least 4 x cellWidth x cellHeight bytes)
    // serve as scratch memory.
    TurnMask(mask, w, h, (m_fontFlags & LICE_FONT_TURN_CCW) != 0, reinterpret_cast<uint8_t*>(surface->Pixels()));
    std::swap(w, h);
  }
  if (m_fontFlags & (LICE_FONT_MONO | LICE_FONT_SHADOW | LICE_FONT_OUTLINE)) ApplyEffect(mask, w, h, m_fontFlags);
  record->maskPosition = oldSize + 1;
  record->maskWidth = w;
  record->maskHeight = h;
}
