// Blit: clipping at every edge, every blend mode with and without source
// alpha, the copy fast paths, channel copy, and what draws nothing.

#include "lice_draw.h"
#include "test_bitmaps.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdlib>

using lice_test::At;
using lice_test::Fill;
using lice_test::Grey;

namespace
{
// A source whose pixel (x, y) is red x, green y, blue 7, opaque.
struct Numbered : LICE_MemBitmap
{
  Numbered(int w, int h) : LICE_MemBitmap(w, h, 4)
  {
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) At(*this, x, y) = LICE_RGBA(unsigned(x), unsigned(y), 7, 255);
  }
};

constexpr LICE_Pixel kUntouched = 0xDEADBEEF;

// Blits one source pixel onto one destination pixel and returns the result.
LICE_Pixel BlitOne(LICE_Pixel src, LICE_Pixel dst, float opacity, int mode)
{
  LICE_MemBitmap s(1, 1, 0), d(1, 1, 0);
  At(s, 0, 0) = src;
  At(d, 0, 0) = dst;
  LICE_BlitClipped(&d, &s, 0, 0, nullptr, opacity, mode);
  return At(d, 0, 0);
}

TEST(BlitClipping, NegativeDestinationAndSourceOffsets)
{
  Numbered src(10, 1);
  LICE_MemBitmap dst(10, 1, 4);
  Fill(dst, kUntouched);
  LICE_BlitFromRect(&dst, &src, -3, 0, 0, 0, 10, 1, 1.0f, LICE_BLIT_MODE_COPY);
  for (int x = 0; x <= 6; ++x) EXPECT_EQ(LICE_GETR(At(dst, x, 0)), unsigned(x + 3)) << x;
  for (int x = 7; x < 10; ++x) EXPECT_EQ(At(dst, x, 0), kUntouched) << x;

  Fill(dst, kUntouched);
  const LICE_Rect leftOutside = {-2, 0, 3, 1};
  LICE_BlitClipped(&dst, &src, 4, 0, &leftOutside, 1.0f, LICE_BLIT_MODE_COPY);
  EXPECT_EQ(At(dst, 5, 0), kUntouched);
  EXPECT_EQ(LICE_GETR(At(dst, 6, 0)), 0u);  // source column 0 at dx + 2
  EXPECT_EQ(LICE_GETR(At(dst, 8, 0)), 2u);
  EXPECT_EQ(At(dst, 9, 0), kUntouched);
}

TEST(BlitClipping, RightBottomAndTopEdges)
{
  Numbered src(4, 4);
  LICE_MemBitmap dst(10, 10, 4);
  Fill(dst, kUntouched);
  LICE_BlitClipped(&dst, &src, 8, 8, nullptr, 1.0f, LICE_BLIT_MODE_COPY);
  EXPECT_EQ(At(dst, 8, 8), At(src, 0, 0));
  EXPECT_EQ(At(dst, 9, 9), At(src, 1, 1));
  EXPECT_EQ(At(dst, 7, 8), kUntouched);
  EXPECT_EQ(At(dst, 8, 7), kUntouched);

  Fill(dst, kUntouched);
  LICE_BlitClipped(&dst, &src, 0, -2, nullptr, 1.0f, LICE_BLIT_MODE_COPY);
  EXPECT_EQ(At(dst, 0, 0), At(src, 0, 2));
  EXPECT_EQ(At(dst, 3, 1), At(src, 3, 3));
  EXPECT_EQ(At(dst, 0, 2), kUntouched);

  // A source rectangle reaching past the source is limited to it.
  Fill(dst, kUntouched);
  const LICE_Rect tooBig = {2, 2, 100, 100};
  LICE_BlitClipped(&dst, &src, 0, 0, &tooBig, 1.0f, LICE_BLIT_MODE_COPY);
  EXPECT_EQ(At(dst, 1, 1), At(src, 3, 3));
  EXPECT_EQ(At(dst, 2, 0), kUntouched);
  EXPECT_EQ(At(dst, 0, 2), kUntouched);
}

TEST(BlitClipping, NothingDrawnOutsideOrWhenEmpty)
{
  Numbered src(4, 4);
  LICE_MemBitmap dst(6, 6, 4);
  Fill(dst, kUntouched);
  const LICE_Rect empty = {2, 2, 2, 4};
  const LICE_Rect inverted = {3, 3, 1, 1};
  const int big = INT_MAX, small = INT_MIN;
  LICE_BlitClipped(&dst, &src, 6, 0, nullptr, 1.0f, 0);
  LICE_BlitClipped(&dst, &src, 0, 6, nullptr, 1.0f, 0);
  LICE_BlitClipped(&dst, &src, -4, 0, nullptr, 1.0f, 0);
  LICE_BlitClipped(&dst, &src, 0, 0, &empty, 1.0f, 0);
  LICE_BlitClipped(&dst, &src, 0, 0, &inverted, 1.0f, 0);
  LICE_BlitFromRect(&dst, &src, big, big, 0, 0, 4, 4, 1.0f, 0);
  LICE_BlitFromRect(&dst, &src, small, small, 0, 0, big, big, 1.0f, 0);
  LICE_BlitFromRect(&dst, &src, 0, 0, small, small, big, big, 1.0f, 0);
  LICE_BlitFromRect(&dst, &src, 0, 0, big, big, big, big, 1.0f, 0);
  LICE_BlitFromRect(&dst, &src, 0, 0, 0, 0, -5, 4, 1.0f, 0);
  LICE_BlitClipped(nullptr, &src, 0, 0, nullptr, 1.0f, 0);
  LICE_BlitClipped(&dst, nullptr, 0, 0, nullptr, 1.0f, 0);
  LICE_MemBitmap noPixels(0, 0, 4);
  LICE_BlitClipped(&dst, &noPixels, 0, 0, nullptr, 1.0f, 0);
  LICE_BlitClipped(&noPixels, &src, 0, 0, nullptr, 1.0f, 0);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 6; ++x) ASSERT_EQ(At(dst, x, y), kUntouched) << x << "," << y;

  // With small == INT_MIN as the source left, the clipped area starts far
  // right of the source: still nothing, and no wrap-around read.
  LICE_BlitFromRect(&dst, &src, small, 0, 0, 0, 4, 4, 1.0f, 0);
  EXPECT_EQ(At(dst, 0, 0), kUntouched);
}

TEST(BlitOpacity, ZeroAndNonNumbersDrawNothingInAnyMode)
{
  const int modes[] = {0, 1, 2, 3, 4, 5, 0x10000, 0x10001, 0x10002, 0x10003, 0x10004, 0x10005, 0xF0 + 4 * 3 + 2, 0x100F0};
  for (int mode : modes)
  {
    EXPECT_EQ(BlitOne(0xFFFFFFFF, 0x12345678, 0.0f, mode), 0x12345678u) << mode;
    EXPECT_EQ(BlitOne(0xFFFFFFFF, 0x12345678, -0.5f, mode), 0x12345678u) << mode;
    EXPECT_EQ(BlitOne(0xFFFFFFFF, 0x12345678, std::nanf(""), mode), 0x12345678u) << mode;
  }
}

TEST(BlitCopy, FastPathsAndTruncation)
{
  EXPECT_EQ(BlitOne(0xFFFFFFFF, 0x00000000, 0.5f, LICE_BLIT_MODE_COPY), 0x7F7F7F7Fu);
  // w = 64: 200 + ((0 - 200) * 192) / 256 = 50; 201 gives 51 (toward zero).
  EXPECT_EQ(BlitOne(Grey(200), 0, 0.25f, LICE_BLIT_MODE_COPY), Grey(50));
  EXPECT_EQ(BlitOne(Grey(201), 0, 0.25f, LICE_BLIT_MODE_COPY), Grey(51));
  // Toward zero from above too: 0 + ((201 - 0) * 192) / 256 = 150.
  EXPECT_EQ(BlitOne(0, Grey(201), 0.25f, LICE_BLIT_MODE_COPY), Grey(150));
  // Opacities above 1 count as 1.
  EXPECT_EQ(BlitOne(0x11223344, 0, 3.0f, LICE_BLIT_MODE_COPY), 0x11223344u);
  // A tiny opacity truncates to weight 0: nothing.
  EXPECT_EQ(BlitOne(0xFFFFFFFF, 0x01020304, 0.001f, LICE_BLIT_MODE_COPY), 0x01020304u);
}

// The fast paths against the per-channel rule of the general path, on every
// combination of a spread of channel values.
TEST(BlitCopy, FastPathsMatchTheGeneralRule)
{
  const int n = 16;
  LICE_MemBitmap src(n, n, 4), fast(n, n, 4), general(n, n, 4), original(n, n, 4);
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x)
    {
      At(src, x, y) = LICE_RGBA(unsigned(x * 17), unsigned(y * 17), unsigned(255 - x * 17), unsigned(x * y));
      At(fast, x, y) = LICE_RGBA(unsigned(y * 17), unsigned(x * 13), unsigned(x * 5), unsigned(255 - y * 17));
    }
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x) At(general, x, y) = At(original, x, y) = At(fast, x, y);

  // 1.0: the row copy equals the pixel copy of weight 256.
  LICE_MemBitmap whole(n, n, 4);
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x) At(whole, x, y) = At(fast, x, y);
  LICE_BlitClipped(&whole, &src, 0, 0, nullptr, 1.0f, LICE_BLIT_MODE_COPY);
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x) ASSERT_EQ(At(whole, x, y), At(src, x, y));

  // 0.5: the whole-pixel average against the general rule at weight 128
  // (reached with the next float above 0.5): each channel is halved before
  // adding, so the two agree to within one step per channel.
  LICE_BlitClipped(&fast, &src, 0, 0, nullptr, 0.5f, LICE_BLIT_MODE_COPY);
  LICE_BlitClipped(&general, &src, 0, 0, nullptr, std::nextafter(0.5f, 1.0f), LICE_BLIT_MODE_COPY);
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x)
    {
      const LICE_Pixel s = At(src, x, y), d = At(original, x, y), f = At(fast, x, y), g = At(general, x, y);
      for (int shift = 0; shift < 32; shift += 8)
      {
        const int sc = int((s >> shift) & 0xFF), dc = int((d >> shift) & 0xFF);
        const int fc = int((f >> shift) & 0xFF), gc = int((g >> shift) & 0xFF);
        ASSERT_EQ(fc, (sc >> 1) + (dc >> 1)) << x << "," << y;
        ASSERT_EQ(gc, sc + ((dc - sc) * 128) / 256) << x << "," << y;
        ASSERT_LE(std::abs(fc - gc), 1) << x << "," << y;
      }
    }
}

TEST(BlitCopy, SourceAlpha)
{
  const int mode = LICE_BLIT_MODE_COPY | LICE_BLIT_USE_ALPHA;
  const LICE_Pixel opaqueDst = LICE_RGBA(0, 50, 100, 255);
  EXPECT_EQ(BlitOne(LICE_RGBA(200, 200, 200, 0), opaqueDst, 1.0f, mode), opaqueDst);
  EXPECT_EQ(BlitOne(LICE_RGBA(1, 2, 3, 255), opaqueDst, 1.0f, mode), LICE_RGBA(1, 2, 3, 255));
  // Alpha 128 over opaque: alpha stays 255, colours mix by (255 - 128) / 256.
  EXPECT_EQ(BlitOne(LICE_RGBA(200, 0, 100, 128), opaqueDst, 1.0f, mode),
            LICE_RGBA(200 - (200 * 127) / 256, (50 * 127) / 256, 100, 255));
  // Alpha adds up, at most 255: 10 + 128.
  EXPECT_EQ(LICE_GETA(BlitOne(LICE_RGBA(0, 0, 0, 128), LICE_RGBA(0, 0, 0, 10), 1.0f, mode)), 138u);
  // Below full weight: k = ((255 + 1) * 128) / 256 = 128.
  EXPECT_EQ(BlitOne(LICE_RGBA(200, 200, 200, 255), 0, 0.5f, mode), LICE_RGBA(100, 100, 100, 128));
  EXPECT_EQ(BlitOne(LICE_RGBA(200, 200, 200, 0), 0x01020304, 0.5f, mode), 0x01020304u);
}

TEST(BlitModes, AddDodgeMultiplyWithoutAlpha)
{
  EXPECT_EQ(BlitOne(Grey(100), Grey(200), 1.0f, LICE_BLIT_MODE_ADD), Grey(255));  // clamped
  EXPECT_EQ(BlitOne(Grey(100), Grey(100), 0.5f, LICE_BLIT_MODE_ADD), Grey(150));

  EXPECT_EQ(BlitOne(Grey(255), Grey(1), 1.0f, LICE_BLIT_MODE_DODGE), Grey(255));
  EXPECT_EQ(BlitOne(Grey(255), Grey(0), 1.0f, LICE_BLIT_MODE_DODGE), Grey(0));
  EXPECT_EQ(BlitOne(Grey(128), Grey(100), 1.0f, LICE_BLIT_MODE_DODGE), Grey(200));  // k = 128: doubles
  EXPECT_EQ(BlitOne(Grey(128), Grey(100), 0.5f, LICE_BLIT_MODE_DODGE), Grey(133));  // k = 64: 25600 / 192

  // Multiply by white at full weight: (d * 65280) >> 16, so 255 becomes 254.
  EXPECT_EQ(BlitOne(Grey(255), Grey(255), 1.0f, LICE_BLIT_MODE_MUL), Grey(254));
  EXPECT_EQ(BlitOne(Grey(255), Grey(100), 1.0f, LICE_BLIT_MODE_MUL), Grey(99));
  EXPECT_EQ(BlitOne(Grey(0), Grey(200), 1.0f, LICE_BLIT_MODE_MUL), Grey(0));
  // Half weight of black halves: ((128 * -256 + 65536) * 200) >> 16 = 100.
  EXPECT_EQ(BlitOne(Grey(0), Grey(200), 0.5f, LICE_BLIT_MODE_MUL), Grey(100));
}

TEST(BlitModes, Overlay)
{
  // x = 256 * 72; p = 100 * (32768 + 18432 - 7200) = 4400000; >> 15 = 134.
  EXPECT_EQ(BlitOne(Grey(200), Grey(100), 1.0f, LICE_BLIT_MODE_OVERLAY), Grey(134));
  // A source of 128 is neutral.
  EXPECT_EQ(BlitOne(Grey(128), Grey(100), 1.0f, LICE_BLIT_MODE_OVERLAY), Grey(100));
  // Black over 200: p = 200 * 25600 = 5120000; >> 15 = 156.
  EXPECT_EQ(BlitOne(Grey(0), Grey(200), 1.0f, LICE_BLIT_MODE_OVERLAY), Grey(156));
  // p at or above 0x800000 saturates.
  EXPECT_EQ(BlitOne(Grey(255), Grey(255), 1.0f, LICE_BLIT_MODE_OVERLAY), Grey(255));
}

TEST(BlitModes, CombinersWithSourceAlpha)
{
  const int a = LICE_BLIT_USE_ALPHA;
  // A transparent source leaves add and multiply alone.
  EXPECT_EQ(BlitOne(LICE_RGBA(100, 100, 100, 0), 0x0A141E28, 1.0f, a | LICE_BLIT_MODE_ADD), 0x0A141E28u);
  EXPECT_EQ(BlitOne(LICE_RGBA(100, 100, 100, 0), 0x0A141E28, 1.0f, a | LICE_BLIT_MODE_MUL), 0x0A141E28u);
  // Add, alpha 127: k = 128; colours + (128 * 100) / 256; alpha + (127 * 128) / 256.
  EXPECT_EQ(BlitOne(LICE_RGBA(100, 100, 100, 127), LICE_RGBA(10, 10, 10, 0), 1.0f, a | LICE_BLIT_MODE_ADD),
            LICE_RGBA(60, 60, 60, 63));
  // Dodge, opaque source: like dodge without alpha at full weight (alpha too).
  EXPECT_EQ(BlitOne(LICE_RGBA(128, 128, 128, 255), LICE_RGBA(100, 100, 100, 1), 1.0f, a | LICE_BLIT_MODE_DODGE),
            LICE_RGBA(200, 200, 200, 255));
  // Dodge, transparent source: k = 1, so nothing moves.
  EXPECT_EQ(BlitOne(LICE_RGBA(255, 255, 255, 0), 0x64646464, 1.0f, a | LICE_BLIT_MODE_DODGE), 0x64646464u);
  // Multiply, opaque source: k = 256, j = 0: s * d / 256; alpha 255 * 255 >> 8.
  EXPECT_EQ(BlitOne(LICE_RGBA(128, 128, 128, 255), LICE_RGBA(200, 200, 200, 255), 1.0f, a | LICE_BLIT_MODE_MUL),
            LICE_RGBA(100, 100, 100, 254));
  // Overlay, opaque source: weight 256 as without alpha.
  EXPECT_EQ(BlitOne(LICE_RGBA(200, 200, 200, 255), LICE_RGBA(100, 100, 100, 100), 1.0f, a | LICE_BLIT_MODE_OVERLAY),
            LICE_RGBA(134, 134, 134, 160));
  // Overlay is applied to a transparent source too, at weight 1: alpha 255
  // against 0 gives 255 * (32768 - 128 + 127) >> 15 = 254.
  EXPECT_EQ(BlitOne(LICE_RGBA(200, 200, 200, 0), LICE_RGBA(100, 100, 100, 255), 1.0f, a | LICE_BLIT_MODE_OVERLAY),
            LICE_RGBA(100, 100, 100, 254));
}

TEST(BlitModes, HsvAdjust)
{
  // Source red 0 turns the hue half way round: red becomes cyan; the result's
  // alpha is the source alpha.
  EXPECT_EQ(BlitOne(LICE_RGBA(0, 128, 128, 77), LICE_RGBA(255, 0, 0, 255), 1.0f, LICE_BLIT_MODE_HSVADJ),
            LICE_RGBA(0, 255, 255, 77));
  // Green 0 takes all saturation (grey), blue 0 all value (black).
  EXPECT_EQ(BlitOne(LICE_RGBA(128, 0, 128, 255), LICE_RGBA(255, 0, 0, 255), 1.0f, LICE_BLIT_MODE_HSVADJ),
            LICE_RGBA(255, 255, 255, 255));
  EXPECT_EQ(BlitOne(LICE_RGBA(128, 128, 0, 255), LICE_RGBA(255, 0, 0, 255), 1.0f, LICE_BLIT_MODE_HSVADJ),
            LICE_RGBA(0, 0, 0, 255));
  // With source alpha the weight is (w * (alpha + 1)) / 256: alpha 0 gives
  // weight 1, which cannot turn the hue (1 * -192 / 256 = 0); alpha is 0.
  EXPECT_EQ(BlitOne(LICE_RGBA(0, 128, 128, 0), LICE_RGBA(255, 0, 0, 255), 1.0f,
                    LICE_BLIT_MODE_HSVADJ | LICE_BLIT_USE_ALPHA),
            LICE_RGBA(255, 0, 0, 0));
  EXPECT_EQ(BlitOne(LICE_RGBA(0, 128, 128, 255), LICE_RGBA(255, 0, 0, 255), 1.0f,
                    LICE_BLIT_MODE_HSVADJ | LICE_BLIT_USE_ALPHA),
            LICE_RGBA(0, 255, 255, 255));
}

TEST(BlitModes, ChannelCopyAndUnknownModes)
{
  // Destination alpha byte := source red byte; other bytes stay; opacity and
  // the alpha bit are ignored.
  const int redToAlpha = LICE_BLIT_MODE_CHANCOPY + 4 * LICE_PIXEL_A + LICE_PIXEL_R;
  EXPECT_EQ(BlitOne(LICE_RGBA(99, 1, 2, 3), LICE_RGBA(10, 20, 30, 40), 0.3f, redToAlpha), LICE_RGBA(10, 20, 30, 99));
  EXPECT_EQ(BlitOne(LICE_RGBA(99, 1, 2, 3), LICE_RGBA(10, 20, 30, 40), 1.0f, redToAlpha | LICE_BLIT_USE_ALPHA),
            LICE_RGBA(10, 20, 30, 99));
  const int blueToGreen = LICE_BLIT_MODE_CHANCOPY + 4 * LICE_PIXEL_G + LICE_PIXEL_B;
  EXPECT_EQ(BlitOne(LICE_RGBA(1, 2, 3, 4), LICE_RGBA(10, 20, 30, 40), 1.0f, blueToGreen), LICE_RGBA(10, 3, 30, 40));

  for (int mode : {6, 0x10006, 0xEF, 0x100EF})
    EXPECT_EQ(BlitOne(0xFFFFFFFF, 0x01020304, 1.0f, mode), 0x01020304u) << mode;
  // Bits outside 0x100FF are ignored: 0x20001 adds.
  EXPECT_EQ(BlitOne(Grey(10), Grey(20), 1.0f, 0x20001), Grey(30));
}

TEST(BlitRows, BottomUpDestinationAndSource)
{
  lice_test::BottomUpBitmap dst(2, 3);
  Fill(dst, kUntouched);
  Numbered src(2, 2);
  LICE_BlitClipped(&dst, &src, 0, 1, nullptr, 1.0f, LICE_BLIT_MODE_COPY);
  EXPECT_EQ(dst.Logical(0, 0), kUntouched);
  EXPECT_EQ(dst.Logical(0, 1), At(src, 0, 0));
  EXPECT_EQ(dst.Logical(1, 2), At(src, 1, 1));
  EXPECT_EQ(At(dst, 0, 0), At(src, 0, 1));  // memory row 0 is the last logical row

  LICE_MemBitmap back(2, 3, 0);
  Fill(back, kUntouched);
  LICE_BlitClipped(&back, &dst, 0, 0, nullptr, 1.0f, LICE_BLIT_MODE_ADD);  // through the general loops
  EXPECT_EQ(At(back, 0, 0), 0xFFFFFFFFu);  // every channel clamped
  EXPECT_EQ(LICE_GETR(At(back, 1, 2)), LICE_GETR(kUntouched) + 1);
  EXPECT_EQ(LICE_GETG(At(back, 0, 1)), LICE_GETG(kUntouched) + 0);
  EXPECT_EQ(LICE_GETG(At(back, 0, 2)), LICE_GETG(kUntouched) + 1);
}

TEST(BlitRows, BlitOntoItselfStaysInBounds)
{
  Numbered b(8, 8);
  LICE_BlitClipped(&b, &b, 2, 2, nullptr, 1.0f, LICE_BLIT_MODE_COPY);
  EXPECT_EQ(At(b, 2, 2), LICE_RGBA(0, 0, 7, 255));
  LICE_BlitClipped(&b, &b, -2, -2, nullptr, 0.5f, LICE_BLIT_MODE_ADD | LICE_BLIT_USE_ALPHA);
}
}  // namespace
