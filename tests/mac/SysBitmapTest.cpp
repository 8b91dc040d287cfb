// The macOS system bitmap: the shared resize rules over a memory context of
// the drawing emulation, and pixels that the emulation and the raster
// library read alike.

#include "lice_sys_bitmap.h"

#include "GDIEmulation.h"
#include "MacosStandin.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace
{
TEST(MacSysBitmap, ResizeKeepsFittingStoresAndDropsEmptyOnes)
{
  const long contexts = StandinLiveCount(StandinType::Context);
  {
    LICE_SysBitmap b;
    EXPECT_EQ(nullptr, b.Pixels());
    EXPECT_EQ(nullptr, b.DeviceContext());
    EXPECT_TRUE(b.Resize(5, 3));
    EXPECT_EQ(8, b.RowSpan());
    ASSERT_NE(nullptr, b.Pixels());
    EXPECT_EQ(0u, reinterpret_cast<uintptr_t>(b.Pixels()) % 64);
    EXPECT_FALSE(b.Resize(5, 3));
    LICE_Pixel* const first = b.Pixels();
    EXPECT_TRUE(b.Resize(4, 2));
    EXPECT_EQ(first, b.Pixels());
    EXPECT_EQ(8, b.RowSpan());
    EXPECT_FALSE(b.Resize(0, 10));
    EXPECT_EQ(nullptr, b.Pixels());
    EXPECT_EQ(nullptr, b.DeviceContext());
    EXPECT_TRUE(b.Resize(4, 4));
    EXPECT_FALSE(b.Resize(-5, 3));
    EXPECT_EQ(nullptr, b.Pixels());
    EXPECT_TRUE(b.Resize(9, 2));
    EXPECT_EQ(contexts + 1, StandinLiveCount(StandinType::Context));
  }
  // The destructor deletes the context.
  EXPECT_EQ(contexts, StandinLiveCount(StandinType::Context));
}

TEST(MacSysBitmap, AContextThatCannotBeMadeLeavesAnEmptyBitmap)
{
  LICE_SysBitmap b(4, 4);
  StandinSetContextCreationFails(true);
  EXPECT_TRUE(b.Resize(40, 40));
  StandinSetContextCreationFails(false);
  EXPECT_EQ(nullptr, b.Pixels());
  EXPECT_EQ(0, b.PixelWidth());
  EXPECT_EQ(0, b.PixelHeight());
  EXPECT_EQ(nullptr, b.DeviceContext());
}

TEST(MacSysBitmap, TextDrawnThroughTheContextLandsInThePixelsInChannelOrder)
{
  LICE_SysBitmap b(40, 20);
  ASSERT_NE(nullptr, b.DeviceContext());
  auto* context = static_cast<GDIEmu_DC*>(b.DeviceContext());
  EXPECT_EQ(static_cast<void*>(b.Pixels()), GetContextPixels(context));
  for (int i = 0; i < b.RowSpan() * 20; ++i) b.Pixels()[i] = LICE_RGBA(0, 0, 0, 0x80);
  // An opaque box of 0x00RRGGBB = red 0x10, green 0x20, blue 0x30.
  SetBkMode(context, GDIEMU_OPAQUE);
  SetBkColor(context, 0x102030);
  GDIEmu_Rect rect{0, 0, 40, 20};
  ASSERT_GT(DrawText(context, " ", -1, &rect, 0), 0);
  const LICE_Pixel p = b.Pixels()[b.RowSpan() * 2 + 1];
  EXPECT_EQ(0x10u, LICE_GETR(p));
  EXPECT_EQ(0x20u, LICE_GETG(p));
  EXPECT_EQ(0x30u, LICE_GETB(p));
  EXPECT_EQ(0x80u, LICE_GETA(p));  // the byte the drawing skips
}
}  // namespace
