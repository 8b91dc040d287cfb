#pragma once
// Fonts and ink readers for the cached-font tests. Natively the fonts come
// from the deterministic glyph source, in the macOS form from the drawing
// emulation on the stand-in frameworks; on Windows from GDI (under Wine every
// face is the same sans-serif, so tests there check relations, not metrics).

#include "lice_font.h"
#include "lice_mem_bitmap.h"
#include "test_bitmaps.h"

#include <climits>
#include <cstring>
#include <memory>
#include <string>

#if defined(LICE_MACOS_FORM)
#include "GDIEmulation.h"
#elif !defined(_WIN32)
#include "text_standin/text_standin.h"
#endif

namespace lice_test
{
// A platform font of the given pixel height (character height on Windows).
inline LICE_FontHandle MakeFontHandle(int height)
{
#ifdef _WIN32
  return CreateFontA(-height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Arial");
#else
  return CreateFont(height, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
#endif
}

// A cached font owning a fresh handle, with the extra flags given.
inline std::unique_ptr<LICE_CachedFont> MakeFont(int height, int32_t flags = 0)
{
  auto font = std::make_unique<LICE_CachedFont>();
  font->AttachHFont(MakeFontHandle(height), flags | LICE_FONT_OWNS_HANDLE);
  return font;
}

constexpr LICE_Pixel kBlack = LICE_RGBA(0, 0, 0, 255);
constexpr LICE_Pixel kWhite = LICE_RGBA(255, 255, 255, 255);

// The bounding box of pixels that differ from the background; empty
// (right <= left) when none do.
inline LICE_Rect InkBox(LICE_IBitmap& b, LICE_Pixel background)
{
  LICE_Rect r = {INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  for (int y = 0; y < b.PixelHeight(); ++y)
    for (int x = 0; x < b.PixelWidth(); ++x)
      if (At(b, x, y) != background)
      {
        r.left = std::min(r.left, x), r.top = std::min(r.top, y);
        r.right = std::max(r.right, x + 1), r.bottom = std::max(r.bottom, y + 1);
      }
  if (r.right < r.left) r = {0, 0, 0, 0};
  return r;
}

inline bool SamePixels(LICE_IBitmap& a, LICE_IBitmap& b)
{
  if (a.PixelWidth() != b.PixelWidth() || a.PixelHeight() != b.PixelHeight()) return false;
  for (int y = 0; y < a.PixelHeight(); ++y)
    for (int x = 0; x < a.PixelWidth(); ++x)
      if (At(a, x, y) != At(b, x, y)) return false;
  return true;
}

// Draws text with a white glyph-path font on a black w x h bitmap at rect.
inline void DrawWhite(LICE_CachedFont& font, LICE_IBitmap& b, const char* text, int count, LICE_Rect rect,
                      uint32_t flags = 0)
{
  font.SetForeColor(kWhite);
  font.DrawText(&b, text, count, &rect, flags | LICE_TEXT_NEVER_NATIVE);
}

// The measured size of a text.
inline LICE_Rect Measure(LICE_CachedFont& font, const char* text, int count = -1, uint32_t flags = 0)
{
  LICE_Rect r = {0, 0, 0, 0};
  font.DrawText(nullptr, text, count, &r, flags | LICE_TEXT_MEASURE);
  return r;
}
}  // namespace lice_test
