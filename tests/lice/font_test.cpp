// Cached fonts, portable behaviour: natively over the deterministic glyph
// source (both pixel orders), on Windows over GDI under Wine, where expected
// values come from the font's own measurements.

#include "font_test_support.h"
#include "lice_font_testing.h"
#include "lice_sys_bitmap.h"
#include "lice_utf8.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace lice_test;

namespace
{
// The probe must let the native path run where a test wants to see it.
struct ProbeOff
{
  ProbeOff() { LICE_FontTesting_SetWineProbe(0); }
  ~ProbeOff() { LICE_FontTesting_SetWineProbe(-1); }
};

TEST(CachedFont, NewFontColoursAndSettersAnswerThePreviousValue)
{
  LICE_CachedFont font;
  EXPECT_EQ(font.GetForeColor(), 0u);
  EXPECT_EQ(font.SetForeColor(0x11223344), 0u);
  EXPECT_EQ(font.SetForeColor(5), 0x11223344u);
  EXPECT_EQ(font.GetForeColor(), 5u);
  EXPECT_EQ(font.SetBackColor(7), 0xFFFFFFFFu);
  EXPECT_EQ(font.SetBackColor(8), 7u);
  EXPECT_EQ(font.SetEffectColor(9), 0xFFFFFFFFu);
  EXPECT_EQ(font.SetEffectColor(1), 9u);
  EXPECT_EQ(font.SetBackMode(LICE_BACK_OPAQUE), LICE_BACK_TRANSPARENT);
  EXPECT_EQ(font.SetBackMode(LICE_BACK_TRANSPARENT), LICE_BACK_OPAQUE);
  EXPECT_EQ(font.GetHFont(), nullptr);
  EXPECT_EQ(font.GetLineHeight(), 0);
}

TEST(CachedFont, MeasuringWithoutBitmap)
{
  auto font = MakeFont(16);
  ASSERT_GT(font->GetLineHeight(), 0);
  LICE_Rect r = {10, 20, 10, 20};
  EXPECT_EQ(font->DrawText(nullptr, "AB", -1, &r, 0), 0);
  EXPECT_EQ(r.right, 10);
  const int height = font->DrawText(nullptr, "AB", -1, &r, LICE_TEXT_MEASURE);
  EXPECT_GT(height, 0);
  EXPECT_EQ(r.bottom, 20 + height);
  EXPECT_GT(r.right, 10);
  EXPECT_EQ(Measure(*font, "AB").right, r.right - 10);
}

TEST(CachedFont, LineFeedsCarriageReturnsFourByteSequencesAndNul)
{
  auto font = MakeFont(16);
  const LICE_Rect oneLine = Measure(*font, "A B");
  const LICE_Rect single = Measure(*font, "A\nB", -1, LICE_TEXT_SINGLELINE);
  EXPECT_EQ(single.right, oneLine.right);
  EXPECT_EQ(single.bottom, oneLine.bottom);

  const LICE_Rect b = Measure(*font, "B");
  const LICE_Rect twoLines = Measure(*font, "A\nB");
  EXPECT_EQ(twoLines.bottom, font->GetLineHeight() + b.bottom);
  EXPECT_EQ(twoLines.right, std::max(Measure(*font, "A").right, b.right));

  EXPECT_EQ(Measure(*font, "A\rB").right, Measure(*font, "AB").right);
  EXPECT_EQ(Measure(*font, "AB\0CD", 5).right, Measure(*font, "AB").right);

  LICE_MemBitmap withSequence(200, 40), withSpace(200, 40);
  Fill(withSequence, kBlack);
  Fill(withSpace, kBlack);
  DrawWhite(*font, withSequence, "A\xF0\x9F\x8E\xB5" "B", -1, {0, 0, 200, 40});
  DrawWhite(*font, withSpace, "A B", -1, {0, 0, 200, 40});
  EXPECT_TRUE(SamePixels(withSequence, withSpace));
}

// A lead byte at the end of a counted text starts no sequence with the bytes
// that follow beyond the count.
TEST(CachedFont, CountedTextNeverDecodesPastItsCount)
{
  auto font = MakeFont(16);
  LICE_MemBitmap counted(200, 40), terminated(200, 40), whole(200, 40);
  for (LICE_MemBitmap* b : {&counted, &terminated, &whole}) Fill(*b, kBlack);
  DrawWhite(*font, counted, "A\xC3\xA9", 2, {0, 0, 200, 40});
  DrawWhite(*font, terminated, "A\xC3", -1, {0, 0, 200, 40});
  DrawWhite(*font, whole, "A\xC3\xA9", 3, {0, 0, 200, 40});
  EXPECT_TRUE(SamePixels(counted, terminated));
  EXPECT_FALSE(SamePixels(counted, whole));

  // Exactly sized, so that a read past the count is a sanitizer error.
  const std::vector<char> text = {'A', '\xE2', '\x82'};
  EXPECT_GT(Measure(*font, text.data(), int(text.size())).right, 0);
}

// Where the ink of text starts, drawn with the given flags in a 100 x 100
// rectangle at (50, 30).
LICE_Rect InkIn100Box(LICE_CachedFont& font, const char* text, uint32_t flags)
{
  LICE_MemBitmap b(200, 160);
  Fill(b, kBlack);
  DrawWhite(font, b, text, -1, {50, 30, 150, 130}, flags);
  return InkBox(b, kBlack);
}

TEST(CachedFont, AlignmentInTheRectangle)
{
  auto font = MakeFont(16);
  const char* text = "HHHHH";
  const LICE_Rect size = Measure(*font, text);
  const int width = size.right, height = size.bottom;
#ifndef _WIN32
  EXPECT_EQ(width, 40);
#endif
  const LICE_Rect plain = InkIn100Box(*font, text, 0);
  ASSERT_GT(plain.right, plain.left);
  EXPECT_EQ(InkIn100Box(*font, text, LICE_TEXT_RIGHT).left - plain.left, 100 - width);
  EXPECT_EQ(InkIn100Box(*font, text, LICE_TEXT_CENTER).left - plain.left, (100 - width) / 2);
  EXPECT_EQ(InkIn100Box(*font, text, LICE_TEXT_BOTTOM).top - plain.top, 100 - height);
  EXPECT_EQ(InkIn100Box(*font, text, LICE_TEXT_VCENTER).top - plain.top, (100 - height) / 2);
}

TEST(CachedFont, CounterClockwiseTextRunsUpFromTheMeasuredHeight)
{
  auto font = MakeFont(16, LICE_FONT_VERTICAL | LICE_FONT_TURN_CCW);
  const LICE_Rect size = Measure(*font, "AB");
  const LICE_Rect sizeA = Measure(*font, "A");
  ASSERT_GT(size.bottom, sizeA.bottom);
  LICE_MemBitmap both(100, 100), first(100, 100);
  Fill(both, kBlack);
  Fill(first, kBlack);
  DrawWhite(*font, both, "AB", -1, {10, 10, 90, 90});
  // The first glyph sits at the bottom of the text's height.
  DrawWhite(*font, first, "A", -1, {10, 10 + size.bottom - sizeA.bottom, 90, 90});
  const LICE_Rect ink = InkBox(both, kBlack), inkA = InkBox(first, kBlack);
  EXPECT_GE(ink.top, 10);
  EXPECT_LE(ink.bottom, 10 + size.bottom);
  EXPECT_EQ(inkA.bottom, ink.bottom);
  for (int y = inkA.top; y < inkA.bottom; ++y)
    for (int x = 0; x < 100; ++x) ASSERT_EQ(At(both, x, y), At(first, x, y)) << x << "," << y;
}

// A w x h window onto another bitmap's pixels at (x, y).
class WindowBitmap : public LICE_IBitmap
{
public:
  WindowBitmap(LICE_IBitmap& outer, int x, int y, int w, int h) : m_outer(outer), m_x(x), m_y(y), m_w(w), m_h(h) {}
  LICE_Pixel* Pixels() override { return m_outer.Pixels() + m_y * m_outer.RowSpan() + m_x; }
  int PixelWidth() override { return m_w; }
  int PixelHeight() override { return m_h; }
  int RowSpan() override { return m_outer.RowSpan(); }
  bool Resize(int, int) override { return false; }

private:
  LICE_IBitmap& m_outer;
  int m_x, m_y, m_w, m_h;
};

TEST(CachedFont, ClippingToRectangleAndBitmap)
{
  auto font = MakeFont(16);
  const char* text = "WWWWWWWW";
  const LICE_Rect size = Measure(*font, text);

  // The rectangle cuts the text on every side.
  LICE_MemBitmap b(200, 100);
  Fill(b, kBlack);
  const LICE_Rect rect = {20, 20, 20 + size.right / 2, 20 + size.bottom / 2};
  DrawWhite(*font, b, text, -1, rect, LICE_TEXT_CENTER | LICE_TEXT_VCENTER);
  LICE_Rect ink = InkBox(b, kBlack);
  EXPECT_GT(ink.right, ink.left);
#if !defined(_WIN32) && !defined(LICE_MACOS_FORM)  // the native glyph source's rules
  // The glyph source inks every column, so the cut edges carry ink.
  EXPECT_EQ(ink.left, rect.left);
  EXPECT_EQ(ink.right, rect.right);
#endif
  EXPECT_GE(ink.left, rect.left);
  EXPECT_GE(ink.top, rect.top);
  EXPECT_LE(ink.right, rect.right);
  EXPECT_LE(ink.bottom, rect.bottom);

  // Beyond every bitmap edge: the bitmap is a window onto a larger one, so
  // a write past any of its edges would show.
  LICE_MemBitmap outer(200, 100);
  Fill(outer, kBlack);
  WindowBitmap window(outer, 30, 20, size.right / 2, size.bottom / 2);
  DrawWhite(*font, window, text, -1, {-size.right / 4, -size.bottom / 4, 1000, 1000});
  DrawWhite(*font, window, text, -1, {-size.right / 4, -size.bottom / 4, 1000, 1000}, LICE_TEXT_NOCLIP);
  ink = InkBox(outer, kBlack);
  EXPECT_GT(ink.right, ink.left);
  EXPECT_GE(ink.left, 30);
  EXPECT_GE(ink.top, 20);
  EXPECT_LE(ink.right, 30 + window.PixelWidth());
  EXPECT_LE(ink.bottom, 20 + window.PixelHeight());
#if !defined(_WIN32) && !defined(LICE_MACOS_FORM)  // the native glyph source's rules
  EXPECT_EQ(ink.left, 30);
  EXPECT_EQ(ink.top, 20);
  EXPECT_EQ(ink.right, 30 + window.PixelWidth());
  EXPECT_EQ(ink.bottom, 20 + window.PixelHeight());
#endif

  // No clipping reaches the bitmap edge.
  LICE_MemBitmap wide(size.right + 40, size.bottom + 10);
  Fill(wide, kBlack);
  DrawWhite(*font, wide, text, -1, {20, 5, 22, 7}, LICE_TEXT_NOCLIP);
  ink = InkBox(wide, kBlack);
  EXPECT_GT(ink.right, 22);
  EXPECT_GT(ink.bottom, 7);

  // An empty clip draws nothing and answers 0.
  Fill(b, kBlack);
  LICE_Rect empty = {50, 50, 50, 80};
  font->SetForeColor(kWhite);
  EXPECT_EQ(font->DrawText(&b, text, -1, &empty, 0), 0);
  LICE_Rect outside = {300, 0, 400, 50};
  EXPECT_EQ(font->DrawText(&b, text, -1, &outside, 0), 0);
  EXPECT_EQ(InkBox(b, kBlack).right, 0);
}

// A bitmap with the glyph of one code drawn alone by a fresh font.
void DrawAlone(const char* code, LICE_MemBitmap& out)
{
  auto font = MakeFont(16);
  Fill(out, kBlack);
  DrawWhite(*font, out, code, -1, {0, 0, out.PixelWidth(), out.PixelHeight()});
}

TEST(CachedFont, CodesMetInDescendingOrderKeepTheirOwnGlyphs)
{
  const char* codes[] = {"\xE2\x82\xAC", "\xCE\xA9", "\xC4\x80"};  // U+20AC, U+03A9, U+0100
  auto font = MakeFont(16);
  LICE_MemBitmap scratch(100, 40);
  DrawWhite(*font, scratch, "\xE2\x82\xAC\xCE\xA9\xC4\x80", -1, {0, 0, 100, 40});
  for (int pass = 0; pass < 2; ++pass)
    for (const char* code : codes)
    {
      LICE_MemBitmap expected(40, 40), drawn(40, 40);
      DrawAlone(code, expected);
      Fill(drawn, kBlack);
      DrawWhite(*font, drawn, code, -1, {0, 0, 40, 40});
      EXPECT_TRUE(SamePixels(expected, drawn)) << "pass " << pass << " code " << code;
      EXPECT_GT(InkBox(drawn, kBlack).right, 0);
    }
}

bool DrawsNatively(LICE_CachedFont& font, uint32_t flags)
{
  LICE_MemBitmap b(300, 300);
  LICE_Rect r = {0, 0, 300, 300};
  font.DrawText(&b, "Ab", -1, &r, flags);
  return LICE_FontTesting_TextSurface() != nullptr;
}

TEST(CachedFont, NativePathChoice)
{
  ProbeOff probe;
  {
    auto font = MakeFont(16, LICE_FONT_NATIVE_OK);
    EXPECT_FALSE(DrawsNatively(*font, LICE_TEXT_NEVER_NATIVE));
    EXPECT_FALSE(DrawsNatively(*font, LICE_TEXT_USE_FORE_ALPHA));
    auto mono = MakeFont(16, LICE_FONT_NATIVE_OK | LICE_FONT_MONO);
    EXPECT_FALSE(DrawsNatively(*mono, 0));
    EXPECT_TRUE(DrawsNatively(*font, 0));
  }
  ASSERT_EQ(LICE_FontTesting_TextSurface(), nullptr);
  // Line heights above 255 always draw natively, even under Wine.
  LICE_FontTesting_SetWineProbe(-1);
  auto big = MakeFont(256, LICE_FONT_MONO);
  ASSERT_GT(big->GetLineHeight(), 255);
  EXPECT_TRUE(DrawsNatively(*big, LICE_TEXT_NEVER_NATIVE | LICE_TEXT_USE_FORE_ALPHA));
}

// The largest value of each colour channel over the bitmap.
LICE_Pixel BrightestChannels(LICE_IBitmap& b)
{
  unsigned r = 0, g = 0, bl = 0;
  for (int y = 0; y < b.PixelHeight(); ++y)
    for (int x = 0; x < b.PixelWidth(); ++x)
    {
      const LICE_Pixel p = At(b, x, y);
      r = std::max(r, LICE_GETR(p)), g = std::max(g, LICE_GETG(p)), bl = std::max(bl, LICE_GETB(p));
    }
  return LICE_RGBA(r, g, bl, 0);
}

TEST(CachedFont, ForeColourChannelsOnBothPaths)
{
  ProbeOff probe;
  const LICE_Pixel colour = LICE_RGBA(0x10, 0x20, 0x30, 0xFF);
  for (int32_t flags : {0, int32_t(LICE_FONT_NATIVE_OK)})
  {
    auto font = MakeFont(40, flags);
    font->SetForeColor(colour);
    LICE_MemBitmap mem(200, 60);
    LICE_SysBitmap sys(200, 60);
    for (LICE_IBitmap* b : std::vector<LICE_IBitmap*>{&mem, &sys})
    {
      Fill(*b, kBlack);
      LICE_Rect r = {0, 0, 200, 60};
      font->DrawText(b, "HIIH", -1, &r, 0);
      EXPECT_EQ(BrightestChannels(*b), LICE_RGBA(0x10, 0x20, 0x30, 0)) << "font flags " << flags;
    }
  }
}

TEST(CachedFont, LastFontFreesTheSurfacesAndTheNextMakesThemAgain)
{
  ProbeOff probe;
  {
    auto font = MakeFont(16, LICE_FONT_NATIVE_OK);
    auto other = MakeFont(12);
    EXPECT_EQ(LICE_FontTesting_LiveFonts(), 2);
    EXPECT_NE(LICE_FontTesting_GlyphSurface(), nullptr);
    EXPECT_TRUE(DrawsNatively(*font, 0));
    font.reset();
    EXPECT_NE(LICE_FontTesting_GlyphSurface(), nullptr);
    EXPECT_NE(LICE_FontTesting_TextSurface(), nullptr);
  }
  EXPECT_EQ(LICE_FontTesting_LiveFonts(), 0);
  EXPECT_EQ(LICE_FontTesting_GlyphSurface(), nullptr);
  EXPECT_EQ(LICE_FontTesting_TextSurface(), nullptr);
  auto again = MakeFont(16);
  ASSERT_NE(LICE_FontTesting_GlyphSurface(), nullptr);
  EXPECT_GE(LICE_FontTesting_GlyphSurface()->PixelWidth(), 256);
  EXPECT_GT(Measure(*again, "x").right, 0);
}

TEST(CachedFont, OpacityNotANumberDrawsNothingAndAboveOneCountsAsOne)
{
  auto font = MakeFont(16);
  LICE_MemBitmap atOne(60, 30), above(60, 30), nan(60, 30);
  for (LICE_MemBitmap* b : {&atOne, &above, &nan}) Fill(*b, kBlack);
  font->SetBlendMode(LICE_BLIT_MODE_COPY, 1.0f);
  DrawWhite(*font, atOne, "Ag", -1, {0, 0, 60, 30});
  font->SetBlendMode(LICE_BLIT_MODE_COPY, 2.0f);
  DrawWhite(*font, above, "Ag", -1, {0, 0, 60, 30});
  font->SetBlendMode(LICE_BLIT_MODE_ADD, std::nanf(""));
  LICE_Rect r = {0, 0, 60, 30};
  EXPECT_EQ(font->DrawText(&nan, "Ag", -1, &r, LICE_TEXT_NEVER_NATIVE), 0);
  EXPECT_TRUE(SamePixels(atOne, above));
  EXPECT_EQ(InkBox(nan, kBlack).right, 0);
}

// DrawGlyph is public: a clip reaching beyond the bitmap is cut to it.
TEST(CachedFont, DrawGlyphKeepsAnyClipInsideTheBitmap)
{
  auto font = MakeFont(16);
  font->SetForeColor(kWhite);
  EXPECT_GT(Measure(*font, "W").right, 0);  // renders the glyph
  LICE_MemBitmap b(6, 5);
  Fill(b, kBlack);
  const LICE_Rect huge = {-1000, -1000, 1000, 1000};
  EXPECT_TRUE(font->DrawGlyph(&b, 'W', -2, -3, &huge));
  EXPECT_GT(InkBox(b, kBlack).right, 0);
  EXPECT_FALSE(font->DrawGlyph(&b, 'W', 6, 0, &huge));
  EXPECT_FALSE(font->DrawGlyph(&b, 'W', -100, 0, &huge));
  EXPECT_FALSE(font->DrawGlyph(&b, 0x2603, 0, 0, &huge));  // never rendered
}

// The full UTF-8 walk answers four-byte sequences as code points (overlong
// ones too); the glyph path's walk, 16-bit, gives a space for each of them.
TEST(Utf8Walk, FourByteSequencesDecodeOrBecomeASpace)
{
  const auto walk = [](const char* text, bool glyphs) {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
    int remaining = -1, code = 0;
    std::vector<int> codes;
    while (glyphs ? lice_detail::NextGlyphCode(p, remaining, code)
                  : lice_detail::NextUtf8Code(p, remaining, code))
      codes.push_back(code);
    return codes;
  };
  const char* text = "A\xF0\x9F\x8E\xB5\xF0\x80\x80\x81\xCE\xA9\xE2\x98\x83";
  EXPECT_EQ(walk(text, false), (std::vector<int>{'A', 0x1F3B5, 1, 0x3A9, 0x2603}));
  EXPECT_EQ(walk(text, true), (std::vector<int>{'A', 0x20, 0x20, 0x3A9, 0x2603}));
}
}  // namespace
