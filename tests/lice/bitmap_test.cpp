// Geometry of the two bitmap classes: store sizes and growth, row spans with
// alignment, resize answers, empty bitmaps, oversized requests, and the
// channel byte order.

#include "lice_mem_bitmap.h"
#include "lice_sys_bitmap.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

namespace
{
TEST(MemBitmap, EmptyAndAlignedGeometry)
{
  LICE_MemBitmap empty(0, 0, 4);
  EXPECT_EQ(empty.Pixels(), nullptr);
  EXPECT_EQ(empty.PixelWidth(), 0);
  EXPECT_EQ(empty.PixelHeight(), 0);
  EXPECT_EQ(empty.RowSpan(), 0);
  EXPECT_EQ(empty.AllocatedRowBytes(), 0);
  EXPECT_FALSE(empty.IsBottomUp());
  EXPECT_EQ(empty.DeviceContext(), nullptr);
  EXPECT_EQ(empty.QueryExtension(0x59555678, nullptr), 0);

  LICE_MemBitmap five(5, 2, 4);
  EXPECT_EQ(five.RowSpan(), 8);
  LICE_MemBitmap eight(8, 2, 4);
  EXPECT_EQ(eight.RowSpan(), 8);
  LICE_MemBitmap unaligned0(5, 2, 0), unaligned1(5, 2, 1);
  EXPECT_EQ(unaligned0.RowSpan(), 5);
  EXPECT_EQ(unaligned1.RowSpan(), 5);
  // The lowest set bit of the alignment counts: 12 aligns to 4.
  LICE_MemBitmap twelve(5, 2, 12);
  EXPECT_EQ(twelve.RowSpan(), 8);
  LICE_MemBitmap sixteen(17, 1, 16);
  EXPECT_EQ(sixteen.RowSpan(), 32);
}

TEST(MemBitmap, RowsStart64ByteAligned)
{
  for (int w = 1; w < 40; w += 7)
  {
    LICE_MemBitmap b(w, 3, 4);
    ASSERT_NE(b.Pixels(), nullptr);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(b.Pixels()) % 64, 0u);
    // The whole store is writable.
    std::memset(b.Pixels(), 0xAB, size_t(b.RowSpan()) * 3 * 4);
  }
}

TEST(MemBitmap, StoreGrowsByFiveQuartersAndNeverShrinks)
{
  LICE_MemBitmap b(0, 0, 0);
  EXPECT_TRUE(b.Resize(20, 20));
  EXPECT_EQ(b.AllocatedRowBytes(), 1600);  // the first allocation is exact
  EXPECT_FALSE(b.Resize(20, 20));          // unchanged size
  EXPECT_TRUE(b.Resize(21, 20));           // 1680 needed
  EXPECT_EQ(b.AllocatedRowBytes(), 2100);
  EXPECT_EQ(b.PixelWidth(), 21);
  EXPECT_TRUE(b.Resize(10, 10));
  EXPECT_EQ(b.AllocatedRowBytes(), 2100);
  EXPECT_EQ(b.PixelWidth(), 10);
  EXPECT_EQ(b.PixelHeight(), 10);
  EXPECT_TRUE(b.Resize(22, 20));  // 1760 fits the 2100 kept
  EXPECT_EQ(b.AllocatedRowBytes(), 2100);
}

TEST(MemBitmap, NonPositiveSizeFreesTheStore)
{
  LICE_MemBitmap b(20, 20, 4);
  ASSERT_NE(b.Pixels(), nullptr);
  EXPECT_TRUE(b.Resize(0, 5));
  EXPECT_EQ(b.Pixels(), nullptr);
  EXPECT_EQ(b.PixelWidth(), 0);
  EXPECT_EQ(b.PixelHeight(), 0);
  EXPECT_EQ(b.AllocatedRowBytes(), 0);
  EXPECT_TRUE(b.Resize(-3, 4));
  EXPECT_EQ(b.PixelWidth(), 0);
  EXPECT_TRUE(b.Resize(4, 4));
  EXPECT_NE(b.Pixels(), nullptr);
}

// A 32-bit product of 32769 x 32769 (row span 32772) x 4 wraps to 655376
// bytes; such a bitmap must not come back with a small store.
TEST(MemBitmap, OversizedStoreIsRefused)
{
  LICE_MemBitmap b(0, 0, 4);
  EXPECT_TRUE(b.Resize(32769, 32769));
  EXPECT_EQ(b.Pixels(), nullptr);
  EXPECT_EQ(b.PixelWidth(), 0);
  EXPECT_EQ(b.PixelHeight(), 0);
  EXPECT_EQ(b.AllocatedRowBytes(), 0);

  // Widths whose aligned span itself would overflow.
  EXPECT_TRUE(b.Resize(0x7FFFFFFF, 1));
  EXPECT_EQ(b.Pixels(), nullptr);
  EXPECT_EQ(b.RowSpan(), 0);

  // A bitmap with a store refuses the oversized size and drops its store.
  LICE_MemBitmap kept(10, 10, 4);
  EXPECT_TRUE(kept.Resize(65536, 65536));
  EXPECT_EQ(kept.Pixels(), nullptr);
  EXPECT_EQ(kept.PixelWidth(), 0);
}

TEST(SysBitmap, GeometryAndKeptAllocation)
{
  LICE_SysBitmap b(5, 3);
  ASSERT_NE(b.Pixels(), nullptr);
  EXPECT_EQ(b.PixelWidth(), 5);
  EXPECT_EQ(b.PixelHeight(), 3);
  EXPECT_EQ(b.RowSpan(), 8);
  EXPECT_FALSE(b.IsBottomUp());
  EXPECT_EQ(b.QueryExtension(0x59555678, nullptr), 0);

  LICE_Pixel* const first = b.Pixels();
  EXPECT_FALSE(b.Resize(5, 3));
  EXPECT_TRUE(b.Resize(7, 2));  // fits: same pixels, same span
  EXPECT_EQ(b.Pixels(), first);
  EXPECT_EQ(b.RowSpan(), 8);
  EXPECT_EQ(b.PixelWidth(), 7);
  EXPECT_EQ(b.PixelHeight(), 2);
  EXPECT_TRUE(b.Resize(9, 2));  // does not fit: a new 12-wide store
  EXPECT_EQ(b.RowSpan(), 12);
  EXPECT_EQ(b.PixelWidth(), 9);
  std::memset(b.Pixels(), 0, size_t(b.RowSpan()) * 2 * 4);
}

TEST(SysBitmap, EmptyAndRefusedSizes)
{
  LICE_SysBitmap empty(0, 0);
  EXPECT_EQ(empty.Pixels(), nullptr);
  EXPECT_EQ(empty.RowSpan(), 0);

  LICE_SysBitmap b(4, 4);
  // Nothing to allocate: no pixels, and the answer is false.
  EXPECT_FALSE(b.Resize(0, 5));
  EXPECT_EQ(b.Pixels(), nullptr);
  EXPECT_TRUE(b.Resize(4, 4));
  EXPECT_NE(b.Pixels(), nullptr);
  EXPECT_FALSE(b.Resize(0x7FFFFFFE, 1));  // no width above 0x7FFFFFFC
  EXPECT_EQ(b.Pixels(), nullptr);
  // A negative side never keeps a store, though it would seem to fit it.
  EXPECT_TRUE(b.Resize(4, 4));
  EXPECT_FALSE(b.Resize(-5, 3));
  EXPECT_EQ(b.Pixels(), nullptr);
  EXPECT_TRUE(b.Resize(4, 4));
  EXPECT_FALSE(b.Resize(3, -5));
  EXPECT_EQ(b.Pixels(), nullptr);
  // A store the platform cannot create: 0 x 0 and true.
  EXPECT_TRUE(b.Resize(40000, 40000));
  EXPECT_EQ(b.Pixels(), nullptr);
  EXPECT_EQ(b.PixelWidth(), 0);
  EXPECT_EQ(b.PixelHeight(), 0);
}

TEST(PixelFormat, ChannelBytePositions)
{
  LICE_Pixel halfRed = LICE_RGBA(255, 0, 0, 128);
  const uint8_t* bytes = LICE_PixelBytes(&halfRed);
#ifdef LICE_PIXEL_ORDER_MACOS
  EXPECT_EQ(halfRed, 0x0000FF80u);
  const uint8_t expected[4] = {0x80, 0xFF, 0x00, 0x00};
#else
  EXPECT_EQ(halfRed, 0x80FF0000u);
  const uint8_t expected[4] = {0x00, 0x00, 0xFF, 0x80};
#endif
  EXPECT_EQ(0, std::memcmp(bytes, expected, 4));
  EXPECT_EQ(bytes[LICE_PIXEL_R], 255);
  EXPECT_EQ(bytes[LICE_PIXEL_A], 128);
  const LICE_Pixel p = LICE_RGBA(1, 2, 3, 4);
  EXPECT_EQ(LICE_GETR(p), 1u);
  EXPECT_EQ(LICE_GETG(p), 2u);
  EXPECT_EQ(LICE_GETB(p), 3u);
  EXPECT_EQ(LICE_GETA(p), 4u);
}
}  // namespace
