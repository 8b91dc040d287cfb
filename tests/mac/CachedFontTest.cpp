// Cached fonts in the macOS form: glyphs rendered and text drawn natively by
// the drawing emulation, read back through the macOS pixel layout.

#include "lice_draw.h"
#include "lice_font.h"
#include "lice_mem_bitmap.h"
#include "lice_sys_bitmap.h"

#include "GDIEmulation.h"
#include "MacosStandin.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
const LICE_Pixel kBlack = LICE_RGBA(0, 0, 0, 255);
const LICE_Pixel kWhite = LICE_RGBA(255, 255, 255, 255);

// A font of 10 points: ascent 9.7, descent 2.9, leading 0.4, advance 10.2.
std::unique_ptr<LICE_CachedFont> MakeFont(int32_t flags)
{
  StandinFace face;
  face.ascent = 0.97;
  face.descent = 0.29;
  face.leading = 0.04;
  face.advance = 1.02;
  face.postScriptName = "CachedFace-Regular";
  StandinRegisterFace("Cached Face", face);
  auto font = std::make_unique<LICE_CachedFont>();
  font->AttachHFont(CreateFont(10, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 4, 0, "Cached Face"),
                    flags | LICE_FONT_OWNS_HANDLE);
  font->SetForeColor(kWhite);
  return font;
}

LICE_Pixel At(LICE_IBitmap& b, int x, int y) { return b.Pixels()[y * b.RowSpan() + x]; }

TEST(MacCachedFont, MeasuresWithTheEmulationsMetrics)
{
  auto font = MakeFont(0);
  EXPECT_EQ(12, font->GetLineHeight());
  LICE_Rect r = {0, 0, 0, 0};
  // Glyph cells are as high as the emulation measures one character
  // (floor(13 + 1.5) + 1); the advance is 10, and the ink of "b" reaches 0.2
  // into the column after it.
  EXPECT_EQ(15, font->DrawText(nullptr, "ab", -1, &r, LICE_TEXT_MEASURE));
  EXPECT_EQ(21, r.right);
  EXPECT_EQ(15, r.bottom);
}

TEST(MacCachedFont, WhiteOnBlackGlyphsCarryTheirCoverageInTheRedByte)
{
  auto font = MakeFont(0);
  LICE_MemBitmap b(40, 20);
  LICE_FillArea(&b, 0, 0, 40, 20, kBlack, 1.0f, 0);
  StandinClearCalls();
  LICE_Rect r = {2, 3, 40, 20};
  EXPECT_GT(font->DrawText(&b, "ab", -1, &r, LICE_TEXT_NEVER_NATIVE), 0);
  EXPECT_GT(StandinCallCount("CTLineDraw"), 0u);  // rendered by the emulation
  // Inside the ink every channel is full; the ink's lower edge (0.7 of a
  // row) is partly covered; below it nothing.
  EXPECT_EQ(kWhite, At(b, 5, 6));
  const LICE_Pixel edge = At(b, 5, 3 + 9);
  EXPECT_GT(LICE_GETR(edge), 150u);
  EXPECT_LT(LICE_GETR(edge), 210u);
  EXPECT_EQ(LICE_GETR(edge), LICE_GETG(edge));
  EXPECT_EQ(255u, LICE_GETA(edge));
  EXPECT_EQ(kBlack, At(b, 5, 3 + 10));
  EXPECT_EQ(kBlack, At(b, 1, 6));
}

TEST(MacCachedFont, NativeTextLandsInTheSystemBitmapsRedGreenBlue)
{
  auto font = MakeFont(LICE_FONT_NATIVE_OK);
  LICE_SysBitmap b(40, 20);
  LICE_FillArea(&b, 0, 0, 40, 20, LICE_RGBA(0, 0, 0, 0x80), 1.0f, 0);
  StandinClearCalls();
  LICE_Rect r = {2, 3, 40, 20};
  EXPECT_EQ(15, font->DrawText(&b, "ab", -1, &r, 0));  // the emulation's own answer
  EXPECT_EQ(1u, StandinCallCount("CTLineDraw"));      // the whole string at once
  const LICE_Pixel inside = At(b, 5, 6);
  EXPECT_EQ(255u, LICE_GETR(inside));
  EXPECT_EQ(255u, LICE_GETG(inside));
  EXPECT_EQ(255u, LICE_GETB(inside));
  EXPECT_EQ(0x80u, LICE_GETA(inside));  // the byte the drawing skips
  EXPECT_EQ(0u, LICE_GETR(At(b, 1, 6)));
}
}  // namespace
