// Fill with every mode and its whole-pixel weights, the HSV-adjust
// combiner's round trip, and the soften filter's exact weights.

#include "lice_combine.h"
#include "lice_draw.h"
#include "test_bitmaps.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>

using lice_test::At;
using lice_test::Fill;
using lice_test::Grey;

namespace
{
constexpr LICE_Pixel kUntouched = 0xDEADBEEF;

LICE_Pixel FillOne(LICE_Pixel dst, LICE_Pixel colour, float opacity, int mode)
{
  LICE_MemBitmap b(1, 1, 0);
  At(b, 0, 0) = dst;
  LICE_FillArea(&b, 0, 0, 1, 1, colour, opacity, mode);
  return At(b, 0, 0);
}

TEST(Fill, CopyStoresTheColourWordAndWeightsTheAlpha)
{
  EXPECT_EQ(FillOne(0x01020304, LICE_RGBA(10, 20, 30, 40), 1.0f, LICE_BLIT_MODE_COPY), LICE_RGBA(10, 20, 30, 40));
  // 0.7 gives w = 179: colours move towards the colour, alpha towards 179
  // (not towards the colour's own alpha).
  EXPECT_EQ(FillOne(0, LICE_RGBA(200, 200, 200, 40), 0.7f, LICE_BLIT_MODE_COPY),
            LICE_RGBA(200 - (200 * 77) / 256, 200 - (200 * 77) / 256, 200 - (200 * 77) / 256, 179 - (179 * 77) / 256));
  EXPECT_EQ(FillOne(0, LICE_RGBA(200, 200, 200, 40), 0.7f, LICE_BLIT_MODE_COPY), LICE_RGBA(140, 140, 140, 126));
}

TEST(Fill, WholePixelWeights)
{
  EXPECT_EQ(FillOne(0, 0xFFFFFFFF, 0.5f, LICE_BLIT_MODE_COPY), 0x7F7F7F7Fu);
  EXPECT_EQ(FillOne(0, 0xFFFFFFFF, 0.25f, LICE_BLIT_MODE_COPY), 0x3F3F3F3Fu);
  EXPECT_EQ(FillOne(0, 0xFFFFFFFF, 0.75f, LICE_BLIT_MODE_COPY), 0xBEBEBEBEu);
  EXPECT_EQ(FillOne(0xFFFFFFFF, 0, 0.25f, LICE_BLIT_MODE_COPY), 0xBEBEBEBEu);  // d/2 + d/4
  EXPECT_EQ(FillOne(0xFFFFFFFF, 0, 0.75f, LICE_BLIT_MODE_COPY), 0x3F3F3F3Fu);
  // With the alpha bit the colour's alpha scales the opacity: alpha 128 at
  // 1.0 gives weight 128, the halving path (alpha at its platform position).
  EXPECT_EQ(FillOne(0, LICE_RGBA(255, 255, 255, 128), 1.0f, LICE_BLIT_MODE_COPY | LICE_BLIT_USE_ALPHA),
            LICE_RGBA(127, 127, 127, 64));
  // A transparent colour with the alpha bit draws nothing.
  EXPECT_EQ(FillOne(0x01020304, LICE_RGBA(255, 255, 255, 0), 1.0f, LICE_BLIT_USE_ALPHA), 0x01020304u);
}

TEST(Fill, OtherModes)
{
  // Add at w = 128: colours + 50; alpha + (128 * 128) / 256.
  EXPECT_EQ(FillOne(LICE_RGBA(100, 100, 100, 0), LICE_RGBA(100, 100, 100, 0), 0.5f, LICE_BLIT_MODE_ADD),
            LICE_RGBA(150, 150, 150, 64));
  // Multiply by white at full weight: 200 -> 199; alpha kept.
  EXPECT_EQ(FillOne(LICE_RGBA(200, 200, 200, 77), LICE_RGBA(255, 255, 255, 0), 1.0f, LICE_BLIT_MODE_MUL),
            LICE_RGBA(199, 199, 199, 77));
  // Dodge at full weight by 128 doubles; the alpha's source is the weight
  // 256, which saturates any non-zero alpha.
  EXPECT_EQ(FillOne(LICE_RGBA(100, 100, 100, 3), LICE_RGBA(128, 128, 128, 0), 1.0f, LICE_BLIT_MODE_DODGE),
            LICE_RGBA(200, 200, 200, 255));
  // Overlay: 100 under 200 gives 134; alpha 100 under the weight 256 gives
  // 100 * (32768 + 32768 - 12800) >> 15 = 160.
  EXPECT_EQ(FillOne(LICE_RGBA(100, 100, 100, 100), LICE_RGBA(200, 200, 200, 0), 1.0f, LICE_BLIT_MODE_OVERLAY),
            LICE_RGBA(134, 134, 134, 160));
  for (int mode : {6, 0xF0, 0xFF})
    EXPECT_EQ(FillOne(0x01020304, 0xFFFFFFFF, 0.6f, mode), 0x01020304u) << mode;
  EXPECT_EQ(FillOne(0x01020304, 0xFFFFFFFF, 0.0f, LICE_BLIT_MODE_ADD), 0x01020304u);
}

// At full weight an HSV-adjust fill must leave the area opaque: the weight
// 256 as an 8-bit alpha would be 0.
TEST(Fill, HsvAdjustAlphaIsAtMostOpaque)
{
  const LICE_Pixel neutral = LICE_RGBA(128, 128, 128, 0);
  EXPECT_EQ(FillOne(LICE_RGBA(255, 0, 0, 255), neutral, 1.0f, LICE_BLIT_MODE_HSVADJ), LICE_RGBA(255, 0, 0, 255));
  EXPECT_EQ(FillOne(LICE_RGBA(255, 0, 0, 0), LICE_RGBA(0, 128, 128, 0), 1.0f, LICE_BLIT_MODE_HSVADJ),
            LICE_RGBA(0, 255, 255, 255));
  // Below full weight the alpha is the weight itself.
  EXPECT_EQ(LICE_GETA(FillOne(LICE_RGBA(255, 0, 0, 0), neutral, 0.7f, LICE_BLIT_MODE_HSVADJ)), 179u);
}

TEST(Fill, Clipping)
{
  LICE_MemBitmap b(4, 3, 4);
  Fill(b, kUntouched);
  LICE_FillArea(&b, -2, -1, 3, 2, 0, 1.0f, LICE_BLIT_MODE_COPY);  // leaves 1 x 1 at the corner
  EXPECT_EQ(At(b, 0, 0), 0u);
  EXPECT_EQ(At(b, 1, 0), kUntouched);
  EXPECT_EQ(At(b, 0, 1), kUntouched);

  Fill(b, kUntouched);
  LICE_FillArea(&b, 3, 2, 100, 100, 0, 1.0f, LICE_BLIT_MODE_COPY);
  EXPECT_EQ(At(b, 3, 2), 0u);
  EXPECT_EQ(At(b, 2, 2), kUntouched);
  EXPECT_EQ(At(b, 3, 1), kUntouched);

  Fill(b, kUntouched);
  LICE_FillArea(&b, 4, 0, 1, 1, 0, 1.0f, 0);
  LICE_FillArea(&b, 0, 3, 1, 1, 0, 1.0f, 0);
  LICE_FillArea(&b, -2, 0, 2, 1, 0, 1.0f, 0);
  LICE_FillArea(&b, 0, 0, 0, 5, 0, 1.0f, 0);
  LICE_FillArea(&b, 0, 0, 5, -1, 0, 1.0f, 0);
  LICE_FillArea(&b, INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0, 1.0f, 0);
  LICE_FillArea(&b, INT_MAX, INT_MAX, INT_MAX, INT_MAX, 0, 1.0f, 0);
  LICE_FillArea(nullptr, 0, 0, 1, 1, 0, 1.0f, 0);
  LICE_MemBitmap empty(0, 0, 4);
  LICE_FillArea(&empty, 0, 0, 1, 1, 0, 1.0f, 0);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) ASSERT_EQ(At(b, x, y), kUntouched) << x << "," << y;

  LICE_FillArea(&b, INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0, 1.0f, 0);  // reaches -1: nothing
  LICE_FillArea(&b, -1, -1, INT_MAX, INT_MAX, 0, 1.0f, 0);           // covers all
  EXPECT_EQ(At(b, 3, 2), 0u);
}

TEST(Fill, BottomUpBitmap)
{
  lice_test::BottomUpBitmap b(2, 3);
  Fill(b, kUntouched);
  LICE_FillArea(&b, 0, 0, 2, 1, 0, 1.0f, LICE_BLIT_MODE_COPY);
  EXPECT_EQ(b.Logical(1, 0), 0u);
  EXPECT_EQ(At(b, 1, 2), 0u);  // logical row 0 is the last row in memory
  EXPECT_EQ(b.Logical(1, 1), kUntouched);
}

// The round trip through hue, saturation and value with a neutral source
// (128, 128, 128) keeps the colour up to the conversion's rounding: the hue
// has 64 steps per sixth, so the channel that changes within a sixth may be
// off by up to V / 64 (4 at most), plus one step of truncation.
TEST(HsvAdjust, NeutralSourceKeepsTheColour)
{
  const unsigned pure[][3] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {0, 0, 0}, {255, 255, 255},
                              {128, 128, 128}};
  for (const auto& c : pure)
  {
    LICE_Pixel p = LICE_RGBA(c[0], c[1], c[2], 200);
    LICE_AdjustPixelHSV(&p, 128, 128, 128, 200, 256);
    EXPECT_EQ(p, LICE_RGBA(c[0], c[1], c[2], 200)) << c[0] << "," << c[1] << "," << c[2];
  }
  int worst = 0;
  for (int r = 0; r < 256; r += 15)
    for (int g = 0; g < 256; g += 15)
      for (int b = 0; b < 256; b += 15)
      {
        LICE_Pixel p = LICE_RGBA(unsigned(r), unsigned(g), unsigned(b), 255);
        LICE_AdjustPixelHSV(&p, 128, 128, 128, 255, 256);
        worst = std::max({worst, std::abs(int(LICE_GETR(p)) - r), std::abs(int(LICE_GETG(p)) - g),
                          std::abs(int(LICE_GETB(p)) - b)});
      }
  EXPECT_LE(worst, 5);
}

TEST(HsvAdjust, OutOfRangeWeightsStayInBounds)
{
  LICE_Pixel p = LICE_RGBA(200, 10, 90, 255);
  LICE_AdjustPixelHSV(&p, 0, 255, 255, 255, 2000);
  LICE_AdjustPixelHSV(&p, 255, 0, 0, 255, -2000);
  SUCCEED();
}

// A w x 3 area, black with a pixel of 128 in every channel at (1, 1).
struct CentreDot : LICE_MemBitmap
{
  explicit CentreDot(int w = 3) : LICE_MemBitmap(w, 3, 4)
  {
    Fill(*this, 0);
    At(*this, 1, 1) = Grey(128);
  }
};

TEST(Soften, ExactWeights)
{
  CentreDot b;
  LICE_SoftenRect(&b, 3, 3);
  // First row: below counts a quarter (the centre's 32 above it).
  EXPECT_EQ(At(b, 0, 0), 0u);
  EXPECT_EQ(At(b, 1, 0), Grey(32));
  EXPECT_EQ(At(b, 2, 0), 0u);
  // Inner row: the centre keeps half; the last pixel reads its left
  // neighbour before that was softened (a quarter of 128, not of 64); the
  // upper neighbours are the row above as it was (0, not the 32 written).
  EXPECT_EQ(At(b, 0, 1), Grey(32));
  EXPECT_EQ(At(b, 1, 1), Grey(64));
  EXPECT_EQ(At(b, 2, 1), Grey(32));
  // Last row: the row above as it stands, already softened, a quarter.
  EXPECT_EQ(At(b, 0, 2), Grey(8));
  EXPECT_EQ(At(b, 1, 2), Grey(16));
  EXPECT_EQ(At(b, 2, 2), Grey(8));
}

TEST(Soften, WideAreasUseTheHeapAndGiveTheSameResult)
{
  CentreDot b(1100);
  LICE_SoftenRect(&b, 5000, 5000);  // limited to the bitmap
  EXPECT_EQ(At(b, 1, 0), Grey(32));
  EXPECT_EQ(At(b, 0, 1), Grey(32));
  EXPECT_EQ(At(b, 1, 1), Grey(64));
  // (2, 1) is an inner pixel here: its left neighbour counts an eighth.
  EXPECT_EQ(At(b, 2, 1), Grey(16));
  EXPECT_EQ(At(b, 3, 1), 0u);
  EXPECT_EQ(At(b, 0, 2), Grey(8));
  EXPECT_EQ(At(b, 1, 2), Grey(16));
  EXPECT_EQ(At(b, 2, 2), Grey(4));
}

TEST(Soften, DegenerateAreasDoNothing)
{
  CentreDot b;
  LICE_SoftenRect(&b, 1, 3);
  LICE_SoftenRect(&b, 3, 1);
  LICE_SoftenRect(&b, -5, 3);
  LICE_SoftenRect(nullptr, 3, 3);
  EXPECT_EQ(At(b, 1, 1), Grey(128));
  EXPECT_EQ(At(b, 1, 0), 0u);
  LICE_MemBitmap empty(0, 0, 4);
  LICE_SoftenRect(&empty, 3, 3);

  // Only the top-left area is softened.
  LICE_MemBitmap big(4, 4, 4);
  Fill(big, Grey(128));
  At(big, 3, 3) = 0;
  LICE_SoftenRect(&big, 2, 2);
  EXPECT_EQ(At(big, 2, 2), Grey(128));
  EXPECT_EQ(At(big, 0, 0), Grey(128));  // uniform stays uniform
}
}  // namespace
