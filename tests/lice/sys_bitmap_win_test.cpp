// The Windows system bitmap: a top-down DIB section in a memory device
// context, so GDI drawing and the pixel pointer see the same memory.

#include "lice_sys_bitmap.h"
#include "test_bitmaps.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

using lice_test::At;

namespace
{
TEST(SysBitmapWin, DibSectionGeometry)
{
  LICE_SysBitmap b(5, 3);
  ASSERT_NE(b.DeviceContext(), nullptr);
  ASSERT_NE(b.Pixels(), nullptr);
  EXPECT_EQ(b.RowSpan(), 8);
  HBITMAP selected = static_cast<HBITMAP>(GetCurrentObject(b.DeviceContext(), OBJ_BITMAP));
  BITMAP info = {};
  ASSERT_NE(GetObject(selected, sizeof info, &info), 0);
  EXPECT_EQ(info.bmWidth, 8);
  EXPECT_EQ(info.bmHeight, 3);
  EXPECT_EQ(info.bmBitsPixel, 32);
  EXPECT_EQ(info.bmBits, b.Pixels());

  LICE_Pixel* const first = b.Pixels();
  EXPECT_TRUE(b.Resize(7, 2));
  EXPECT_EQ(b.Pixels(), first);
  EXPECT_EQ(b.RowSpan(), 8);
  EXPECT_TRUE(b.Resize(9, 2));
  EXPECT_EQ(b.RowSpan(), 12);
  ASSERT_NE(b.Pixels(), nullptr);
  selected = static_cast<HBITMAP>(GetCurrentObject(b.DeviceContext(), OBJ_BITMAP));
  ASSERT_NE(GetObject(selected, sizeof info, &info), 0);
  EXPECT_EQ(info.bmWidth, 12);
}

TEST(SysBitmapWin, ChannelOrderAndTopDownRowsSharedWithGdi)
{
  LICE_SysBitmap b(4, 3);
  At(b, 0, 0) = 0x80FF0000;  // half-transparent red
  const uint8_t expected[4] = {0x00, 0x00, 0xFF, 0x80};
  EXPECT_EQ(0, std::memcmp(b.Pixels(), expected, 4));

  // GDI writes blue into row 2 through the context; the pixel pointer sees
  // it in row 2 (top-down), as 0x0000FF with GDI's zero alpha byte.
  HDC dc = b.DeviceContext();
  SetPixelV(dc, 3, 2, RGB(0, 0, 255));
  RECT r = {0, 1, 2, 2};
  HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
  FillRect(dc, &r, green);
  DeleteObject(green);
  GdiFlush();
  EXPECT_EQ(At(b, 3, 2) & 0x00FFFFFF, 0x0000FFu);
  EXPECT_EQ(At(b, 1, 1) & 0x00FFFFFF, 0x00FF00u);
  EXPECT_EQ(At(b, 2, 1) & 0x00FFFFFF, 0u);
  // And GDI reads what the pointer wrote.
  At(b, 1, 0) = 0xFF123456;
  EXPECT_EQ(GetPixel(dc, 1, 0), RGB(0x12, 0x34, 0x56));
}

TEST(SysBitmapWin, EmptySizesKeepTheContext)
{
  LICE_SysBitmap b(0, 0);
  EXPECT_NE(b.DeviceContext(), nullptr);
  EXPECT_EQ(b.Pixels(), nullptr);
  EXPECT_TRUE(b.Resize(2, 2));
  EXPECT_NE(b.Pixels(), nullptr);
  EXPECT_FALSE(b.Resize(0, 2));
  EXPECT_EQ(b.Pixels(), nullptr);
}
}  // namespace
