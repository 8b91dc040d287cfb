// Cached fonts over GDI under Wine: the probe, the glyph path against GDI's
// own drawing, and the native path (probe forced to 0) giving GDI's pixels.

#include "font_test_support.h"
#include "lice_font_testing.h"
#include "lice_sys_bitmap.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

using namespace lice_test;

namespace
{
struct ProbeOff
{
  ProbeOff() { LICE_FontTesting_SetWineProbe(0); }
  ~ProbeOff() { LICE_FontTesting_SetWineProbe(-1); }
};

// GDI draws text straight into a system bitmap: white, transparent, with the
// format given, through the given call.
template <class Draw>
void GdiDraw(LICE_SysBitmap& b, HFONT font, LICE_Pixel colour, Draw draw)
{
  HDC dc = b.DeviceContext();
  HGDIOBJ previous = SelectObject(dc, font);
  SetTextColor(dc, RGB(LICE_GETR(colour), LICE_GETG(colour), LICE_GETB(colour)));
  SetBkMode(dc, TRANSPARENT);
  draw(dc);
  GdiFlush();
  SelectObject(dc, previous);
}

bool WithinOnePerChannel(LICE_IBitmap& a, LICE_IBitmap& b)
{
  for (int y = 0; y < a.PixelHeight(); ++y)
    for (int x = 0; x < a.PixelWidth(); ++x)
    {
      const LICE_Pixel p = At(a, x, y), q = At(b, x, y);
      if (std::abs(int(LICE_GETR(p)) - int(LICE_GETR(q))) > 1 || std::abs(int(LICE_GETG(p)) - int(LICE_GETG(q))) > 1 ||
          std::abs(int(LICE_GETB(p)) - int(LICE_GETB(q))) > 1)
      {
        ADD_FAILURE() << "pixel " << x << "," << y << ": " << std::hex << p << " vs " << q;
        return false;
      }
    }
  return true;
}

TEST(CachedFontWine, ProbeFindsWine)
{
  LICE_FontTesting_SetWineProbe(-1);
  auto font = MakeFont(16, LICE_FONT_NATIVE_OK);
  LICE_MemBitmap b(50, 20);
  LICE_Rect r = {0, 0, 50, 20};
  font->DrawText(&b, "x", -1, &r, 0);
  EXPECT_EQ(LICE_FontTesting_WineProbe(), 1);
  EXPECT_EQ(LICE_FontTesting_TextSurface(), nullptr);  // so the glyph path drew
}

TEST(CachedFontWine, GlyphPathMatchesGdiDrawingTheWholeString)
{
  for (const char* text : {"v1.2.0", "Wide 50%"})
  {
    auto font = MakeFont(12);
    LICE_SysBitmap glyphs(120, 30), gdi(120, 30);
    Fill(glyphs, kBlack);
    Fill(gdi, kBlack);
    DrawWhite(*font, glyphs, text, -1, {2, 3, 120, 30});
    RECT at = {2, 3, 120, 30};
    GdiDraw(gdi, font->GetHFont(), kWhite,
            [&](HDC dc) { DrawTextA(dc, text, -1, &at, DT_NOPREFIX | DT_SINGLELINE | DT_NOCLIP); });
    EXPECT_TRUE(WithinOnePerChannel(glyphs, gdi)) << text;

    RECT measured = {0, 0, 0, 0};
    GdiDraw(gdi, font->GetHFont(), kWhite,
            [&](HDC dc) { DrawTextA(dc, text, -1, &measured, DT_NOPREFIX | DT_SINGLELINE | DT_CALCRECT); });
    EXPECT_EQ(Measure(*font, text).right, measured.right) << text;
  }
}

// The native path through a system bitmap's own context against GDI drawing
// the same text with the call the conversion rules choose.
template <class Draw>
void ExpectNativeLikeGdi(const std::string& text, int width, Draw gdiCall)
{
  ProbeOff probe;
  auto font = MakeFont(14, LICE_FONT_NATIVE_OK);
  font->SetForeColor(kWhite);
  LICE_SysBitmap drawn(width, 24), expected(width, 24);
  Fill(drawn, kBlack);
  Fill(expected, kBlack);
  LICE_Rect r = {1, 2, width, 24};
  EXPECT_GT(font->DrawText(&drawn, text.c_str(), int(text.size()), &r, 0), 0);
  GdiDraw(expected, font->GetHFont(), kWhite, gdiCall);
  EXPECT_GT(InkBox(drawn, kBlack).right, 0);
  EXPECT_TRUE(SamePixels(drawn, expected));
}

TEST(CachedFontWine, NativePathConvertsWellFormedUtf8Only)
{
  const UINT format = DT_NOPREFIX;
  ExpectNativeLikeGdi("\xC3\x84\xE2\x82\xAC", 60, [&](HDC dc) {
    RECT at = {1, 2, 60, 24};
    DrawTextW(dc, L"\u00C4\u20AC", 2, &at, format);
  });
  ExpectNativeLikeGdi("\xC3\x28", 60, [&](HDC dc) {
    RECT at = {1, 2, 60, 24};
    DrawTextA(dc, "\xC3\x28", 2, &at, format);
  });
  // The lead byte's continuation lies beyond the count: bytes as they are.
  ExpectNativeLikeGdi(std::string("A\xC3\xA9", 2), 60, [&](HDC dc) {
    RECT at = {1, 2, 60, 24};
    DrawTextA(dc, "A\xC3", 2, &at, format);
  });
  // 1000 units and more take a heap buffer.
  std::string longText;
  std::wstring longWide;
  for (int i = 0; i < 1000; ++i) longText += "\xC3\xA9", longWide += L'\u00E9';
  ExpectNativeLikeGdi(longText, 9000, [&](HDC dc) {
    RECT at = {1, 2, 9000, 24};
    DrawTextW(dc, longWide.c_str(), int(longWide.size()), &at, format);
  });
}

TEST(CachedFontWine, NativePathViaTextSurfaceDrawsWhatGdiDrawsAtThePlacement)
{
  ProbeOff probe;
  auto font = MakeFont(14, LICE_FONT_NATIVE_OK);
  const LICE_Pixel colour = LICE_RGBA(0x10, 0x20, 0x30, 0xFF);
  const LICE_Pixel background = LICE_RGBA(200, 180, 160, 255);
  font->SetForeColor(colour);
  const char* text = "Wide 50%";
  RECT size = {0, 0, 0, 0};
  LICE_SysBitmap expected(150, 60);
  GdiDraw(expected, font->GetHFont(), colour,
          [&](HDC dc) { DrawTextA(dc, text, -1, &size, DT_NOPREFIX | DT_CALCRECT); });
  const int width = size.right, height = size.bottom;
  ASSERT_GT(width, 0);

  struct Case
  {
    LICE_Rect rect;
    uint32_t flags;
    int x, y;
  } cases[] = {
      {{10, 5, 140, 55}, LICE_TEXT_RIGHT | LICE_TEXT_BOTTOM, 140 - width, 55 - height},
      {{10, 5, 140, 55}, LICE_TEXT_CENTER, (10 + 140 - width) / 2, 5},
      {{-7, -3, 140, 55}, 0, -7, -3},
  };
  for (const Case& c : cases)
  {
    LICE_MemBitmap drawn(150, 60);
    Fill(drawn, background);
    Fill(expected, background);
    LICE_Rect r = c.rect;
    EXPECT_GT(font->DrawText(&drawn, text, -1, &r, c.flags), 0);
    EXPECT_NE(LICE_FontTesting_TextSurface(), nullptr);
    RECT at = {c.x, c.y, c.x + width, c.y + height};
    GdiDraw(expected, font->GetHFont(), colour, [&](HDC dc) { DrawTextA(dc, text, -1, &at, DT_NOPREFIX); });
    EXPECT_GT(InkBox(drawn, background).right, 0);
    EXPECT_TRUE(SamePixels(drawn, expected)) << c.flags;
  }
}
}  // namespace
