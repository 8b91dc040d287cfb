// Cached fonts over the deterministic glyph source: exact masks, weights and
// placements (native build, both pixel orders).

#include "font_test_support.h"
#include "lice_font_testing.h"
#include "lice_sys_bitmap.h"

#include <gtest/gtest.h>

using namespace lice_test;

namespace
{
// One channel after a copy of 255 at weight k over value d.
int CopyOver(int d, int k) { return 255 + ((d - 255) * (256 - k)) / 256; }

TEST(CachedFontGlyphs, EachCodeRenderedOncePerAttach)
{
  auto font = MakeFont(16);
  EXPECT_EQ(font->GetLineHeight(), 16);
  TextStandin_ResetRecord();
  LICE_MemBitmap b(100, 40);
  DrawWhite(*font, b, "ABA\xCE\xA9", -1, {0, 0, 100, 40});
  EXPECT_EQ(TextStandin_Record().textCalls, 6);  // measure and draw per code
  DrawWhite(*font, b, "BA\xCE\xA9", -1, {0, 0, 100, 40}, LICE_TEXT_CENTER);
  EXPECT_EQ(TextStandin_Record().textCalls, 6);
  font->AttachHFont(font->GetHFont(), LICE_FONT_OWNS_HANDLE);
  DrawWhite(*font, b, "A", -1, {0, 0, 100, 40});
  EXPECT_EQ(TextStandin_Record().textCalls, 8);
}

TEST(CachedFontGlyphs, PrerenderedAsciiOnly)
{
  TextStandin_ResetRecord();
  auto font = MakeFont(16, LICE_FONT_PRERENDER_ASCII);
  EXPECT_EQ(TextStandin_Record().textCalls, 256);
  EXPECT_EQ(Measure(*font, "\xCE\xA9\xC3\xA9").right, 0);
  EXPECT_EQ(Measure(*font, "A").right, 8);
  EXPECT_EQ(TextStandin_Record().textCalls, 256);

  TextStandin_ResetRecord();
  auto huge = MakeFont(1024, LICE_FONT_PRERENDER_ASCII);
  EXPECT_EQ(huge->GetLineHeight(), 1024);
  EXPECT_EQ(TextStandin_Record().textCalls, 0);
}

TEST(CachedFontGlyphs, MasksKeepOverhangWithinTheCellAndCutEmptyColumns)
{
  auto at12 = MakeFont(12), at16 = MakeFont(16);
  EXPECT_EQ(Measure(*at12, "f").right, 6 + 2);
  EXPECT_EQ(Measure(*at16, "f").right, 8 + 3);
  EXPECT_EQ(Measure(*at16, "i").right, 8);
  EXPECT_EQ(Measure(*at16, "fA").right, 16);

  // The short glyph's mask: its ink, then empty columns up to the advance.
  LICE_MemBitmap b(20, 20);
  Fill(b, kBlack);
  DrawWhite(*at16, b, "i", -1, {0, 0, 20, 20});
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 20; ++x)
    {
      const int m = TextStandin_Coverage('i', 16, x, y);
      ASSERT_EQ(At(b, x, y), m ? LICE_RGBA(CopyOver(0, m + 1), CopyOver(0, m + 1), CopyOver(0, m + 1), 255) : kBlack)
          << x << "," << y;
    }
}

// The 4 x 8 mask of 'A' at size 8 drawn as fore (#), effect (+) or nothing.
void ExpectMask(int32_t flags, const char* const rows[8])
{
  auto font = MakeFont(8, flags);
  const LICE_Pixel effect = LICE_RGBA(0, 0, 255, 255);
  font->SetEffectColor(effect);
  LICE_MemBitmap b(6, 9);
  Fill(b, kBlack);
  DrawWhite(*font, b, "A", -1, {0, 0, 6, 9});
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 6; ++x)
    {
      const char c = x < 4 && y < 8 ? rows[y][x] : '.';
      ASSERT_EQ(At(b, x, y), c == '#' ? kWhite : c == '+' ? effect : kBlack) << flags << ": " << x << "," << y;
    }
}

// The glyph source's partial coverage is 130, which is not above the
// monochrome threshold.
TEST(CachedFontGlyphs, MonochromeShadowAndOutline)
{
  const char* mono[8] = {"#...", ".#.#", "#.#.", ".#.#", "#.#.", ".#.#", "#.#.", ".#.#"};
  const char* shadow[8] = {"#+..", "+#+#", "#+#+", "+#+#", "#+#+", "+#+#", "#+#+", "+#+#"};
  const char* outline[8] = {"#+.+", "+#+#", "#+#+", "+#+#", "#+#+", "+#+#", "#+#+", "+#+#"};
  ExpectMask(LICE_FONT_MONO, mono);
  ExpectMask(LICE_FONT_SHADOW, shadow);
  ExpectMask(LICE_FONT_SHADOW | LICE_FONT_OUTLINE, shadow);
  ExpectMask(LICE_FONT_OUTLINE, outline);
  ExpectMask(LICE_FONT_MONO | LICE_FONT_OUTLINE, outline);
}

// 'A' at size 8 drawn white on black at (0, 0) with the given font flags.
void DrawA(int32_t flags, LICE_MemBitmap& b)
{
  auto font = MakeFont(8, flags);
  Fill(b, kBlack);
  DrawWhite(*font, b, "A", -1, {0, 0, b.PixelWidth(), b.PixelHeight()});
}

TEST(CachedFontGlyphs, InvertedAndTurnedMasks)
{
  LICE_MemBitmap plain(10, 10), inverted(10, 10), cw(10, 10), ccw(10, 10);
  DrawA(0, plain);
  DrawA(LICE_FONT_INVERT, inverted);
  DrawA(LICE_FONT_VERTICAL, cw);
  DrawA(LICE_FONT_VERTICAL | LICE_FONT_TURN_CCW, ccw);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 4; ++x)
    {
      const int m = TextStandin_Coverage('A', 8, x, y);
      const int v = m ? CopyOver(0, m + 1) : 0;
      ASSERT_EQ(LICE_GETR(At(plain, x, y)), unsigned(v));
      const int inv = 255 - m;
      ASSERT_EQ(LICE_GETG(At(inverted, x, y)), unsigned(inv ? CopyOver(0, inv + 1) : 0)) << x << "," << y;
      // Clockwise: new row x, column y is old row 7 - y, column x; the other
      // way: new row 3 - x, column y is old row y, column x.
      ASSERT_EQ(At(cw, 7 - y, x), At(plain, x, y)) << x << "," << y;
      ASSERT_EQ(At(ccw, y, 3 - x), At(plain, x, y)) << x << "," << y;
    }
  // The cell's empty columns are cut before the inversion could ink them.
  EXPECT_EQ(At(inverted, 4, 0), kBlack);
}

TEST(CachedFontGlyphs, SoftenedCellIsStored)
{
  // What the glyph source draws into the 6 x 8 cell, softened.
  LICE_SysBitmap cell(6, 8);
  LICE_FontHandle handle = MakeFontHandle(8);
  LICE_FontHandle previous = SelectObject(cell.DeviceContext(), handle);
  SetTextColor(cell.DeviceContext(), 0xFFFFFF);
  LICE_Rect r = {0, 0, 6, 8};
  DrawText(cell.DeviceContext(), "A", 1, &r, TS_DT_SINGLELINE | TS_DT_NOPREFIX);
  SelectObject(cell.DeviceContext(), previous);
  DeleteObject(handle);
  LICE_SoftenRect(&cell, 6, 8);

  LICE_MemBitmap soft(8, 10), softMono(8, 10);
  DrawA(LICE_FONT_SOFTEN, soft);
  DrawA(LICE_FONT_SOFTEN | LICE_FONT_MONO, softMono);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 6; ++x)
    {
      const int m = int(LICE_GETR(At(cell, x, y)));
      ASSERT_EQ(LICE_GETR(At(soft, x, y)), unsigned(m ? CopyOver(0, m + 1) : 0)) << x << "," << y;
      // Monochrome: only coverage above 130 is ink.
      ASSERT_EQ(At(softMono, x, y), m > 130 ? kWhite : kBlack) << x << "," << y;
    }

}

TEST(CachedFontGlyphs, WeightsOverOpaqueBlack)
{
  auto font = MakeFont(8);
  const LICE_Rect box = {0, 0, 8, 8};
  const int x = 0, y = 2;  // full coverage in the stand-in's rules
  ASSERT_EQ(TextStandin_Coverage('A', 8, x, y), 255);

  LICE_MemBitmap b(8, 8);
  Fill(b, kBlack);
  DrawWhite(*font, b, "A", -1, box);
  EXPECT_EQ(At(b, x, y), kWhite);

  Fill(b, kBlack);
  font->SetBlendMode(LICE_BLIT_MODE_COPY, 0.5f);
  DrawWhite(*font, b, "A", -1, box);
  EXPECT_EQ(At(b, x, y), LICE_RGBA(0x7F, 0x7F, 0x7F, 0xFF));

  Fill(b, kBlack);
  font->SetBlendMode(LICE_BLIT_MODE_COPY, 1.0f);
  font->SetForeColor(LICE_RGBA(255, 255, 255, 0x80));
  LICE_Rect r = box;
  EXPECT_GT(font->DrawText(&b, "A", -1, &r, LICE_TEXT_USE_FORE_ALPHA), 0);
  EXPECT_EQ(At(b, x, y), LICE_RGBA(0x7F, 0x7F, 0x7F, 0xFF));

  font->SetBlendMode(LICE_BLIT_MODE_ADD, 0.0f);
  EXPECT_EQ(font->DrawText(&b, "A", -1, &r, 0), 0);
}

TEST(CachedFontGlyphs, MonochromeCopyAtFullOpacityStoresTheForeWord)
{
  auto font = MakeFont(8, LICE_FONT_MONO);
  const LICE_Pixel fore = LICE_RGBA(0x12, 0x34, 0x56, 0x80);
  font->SetForeColor(fore);
  LICE_MemBitmap b(8, 8);
  Fill(b, kBlack);
  LICE_Rect r = {0, 0, 8, 8};
  EXPECT_EQ(font->DrawText(&b, "A", -1, &r, 0), 8);
  EXPECT_EQ(At(b, 0, 0), fore);
  EXPECT_EQ(At(b, 1, 0), kBlack);
}

TEST(CachedFontGlyphs, OpaqueBackgroundFillsTheVisibleBox)
{
  auto font = MakeFont(8);
  font->SetBackMode(LICE_BACK_OPAQUE);
  font->SetBackColor(LICE_RGBA(0, 0, 200, 255));
  LICE_MemBitmap b(10, 10);
  Fill(b, kBlack);
  DrawWhite(*font, b, "A", -1, {0, 0, 10, 10});
  EXPECT_EQ(At(b, 1, 0), LICE_RGBA(0, 0, 200, 255));  // no ink: back colour
  EXPECT_EQ(At(b, 4, 0), kBlack);                     // beyond the mask
}

// The native path through the text surface places the measured box by the
// alignment, cuts it to the bitmap and the rectangle and draws at the cut.
TEST(CachedFontNative, TextSurfacePlacement)
{
  auto font = MakeFont(16, LICE_FONT_NATIVE_OK);
  font->SetForeColor(kWhite);
  struct Case
  {
    LICE_Rect rect;
    uint32_t flags;
    int x, y;  // where the text's top-left lands
  } cases[] = {
      {{10, 5, 110, 45}, LICE_TEXT_RIGHT | LICE_TEXT_BOTTOM, 110 - 40, 45 - 16},
      {{10, 5, 110, 45}, LICE_TEXT_CENTER | LICE_TEXT_VCENTER, (10 + 110 - 40) / 2, (5 + 45 - 16) / 2},
      {{-13, -7, 100, 40}, 0, -13, -7},
      {{30, 10, 50, 20}, LICE_TEXT_NOCLIP, 30, 10},
      {{-10, 5, INT_MAX, 45}, 0, -10, 5},  // wider than INT_MAX
  };
  for (const Case& c : cases)
  {
    LICE_MemBitmap drawn(120, 50);
    LICE_SysBitmap expected(120, 50);
    Fill(drawn, kBlack);
    Fill(expected, kBlack);
    LICE_Rect r = c.rect;
    TextStandin_ResetRecord();
    font->DrawText(&drawn, "HHHHH", -1, &r, c.flags);
    EXPECT_EQ(TextStandin_Record().textCalls, 2);  // measure, draw

    LICE_FontHandle previous = SelectObject(expected.DeviceContext(), font->GetHFont());
    SetTextColor(expected.DeviceContext(), 0xFFFFFF);
    LICE_Rect at = {c.x, c.y, c.x + 40, c.y + 16};
    if (!(c.flags & LICE_TEXT_NOCLIP))
      at = {c.x, c.y, std::min(c.x + 40, c.rect.right), std::min(c.y + 16, c.rect.bottom)};
    DrawText(expected.DeviceContext(), "HHHHH", -1, &at, TS_DT_NOPREFIX);
    SelectObject(expected.DeviceContext(), previous);
    EXPECT_TRUE(SamePixels(drawn, expected)) << c.rect.left << "," << c.flags;
  }
}

TEST(CachedFontNative, DrawsThroughTheBitmapsOwnContext)
{
  auto font = MakeFont(16, LICE_FONT_NATIVE_OK);
  font->SetForeColor(kWhite);
  LICE_SysBitmap b(60, 20);
  LICE_Rect r = {0, 0, 60, 20};
  TextStandin_ResetRecord();
  EXPECT_EQ(font->DrawText(&b, "AB", -1, &r, LICE_TEXT_MEASURE), 16);
  EXPECT_EQ(r.right, 16);
  EXPECT_EQ(TextStandin_Record().lastFlags, int(LICE_TEXT_MEASURE | LICE_TEXT_NOPREFIX));
  EXPECT_EQ(LICE_FontTesting_TextSurface(), nullptr);
  r = {0, 0, 60, 20};
  EXPECT_EQ(font->DrawText(&b, "AB", 1, &r, 0), 16);
  EXPECT_EQ(TextStandin_Record().lastLength, 1);
  EXPECT_EQ(LICE_GETR(At(b, 0, 0)), 255u);  // the stamp of 'A'
  EXPECT_EQ(LICE_GETR(At(b, 8, 1)), 0u);    // no 'B'
}
}  // namespace

namespace
{
// What a blit of one opaque source pixel does to one pixel at the weight.
LICE_Pixel BlitOne(LICE_Pixel dest, LICE_Pixel source, int weight, int mode)
{
  LICE_MemBitmap d(1, 1), s(1, 1);
  At(d, 0, 0) = dest;
  At(s, 0, 0) = source;
  LICE_BlitFromRect(&d, &s, 0, 0, 0, 0, 1, 1, float(weight) / 256.0f, mode);
  return At(d, 0, 0);
}

// Every blend mode combines the colour with the weight of each mask value
// as the blit combines an opaque pixel: anti-aliased masks at m + 1 (full
// opacity), monochrome ones at the opacity's weight, and shadow marks in the
// effect colour.
TEST(CachedFontGlyphs, BlendModesWeighMasksLikeTheBlit)
{
  const LICE_Pixel background = LICE_RGBA(90, 140, 60, 200);
  const LICE_Pixel fore = LICE_RGBA(200, 100, 50, 255), effect = LICE_RGBA(20, 220, 120, 255);
  const char* shadow[8] = {"#+..", "+#+#", "#+#+", "+#+#", "#+#+", "+#+#", "#+#+", "+#+#"};
  for (int mode = LICE_BLIT_MODE_COPY; mode <= LICE_BLIT_MODE_HSVADJ; ++mode)
    for (int32_t flags : {0, int32_t(LICE_FONT_MONO), int32_t(LICE_FONT_SHADOW)})
    {
      auto font = MakeFont(8, flags);
      font->SetForeColor(fore);
      font->SetEffectColor(effect);
      const int weight = flags ? 192 : 256;
      font->SetBlendMode(mode, float(weight) / 256.0f);
      LICE_MemBitmap b(6, 9);
      Fill(b, background);
      LICE_Rect r = {0, 0, 6, 9};
      font->DrawText(&b, "A", -1, &r, 0);
      for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 4; ++x)
        {
          const int m = TextStandin_Coverage('A', 8, x, y);
          LICE_Pixel expected = background;
          if (!flags && m) expected = BlitOne(background, fore, m + 1, mode);
          if (flags == LICE_FONT_MONO && m > 130) expected = BlitOne(background, fore, weight, mode);
          if (flags == LICE_FONT_SHADOW && shadow[y][x] != '.')
            expected = BlitOne(background, shadow[y][x] == '#' ? fore : effect, weight, mode);
          ASSERT_EQ(At(b, x, y), expected) << "mode " << mode << " flags " << flags << " at " << x << "," << y;
        }
    }
}
}  // namespace
