#pragma once
// A bitmap whose pixels live in a heap block. Rows start 64-byte aligned; the
// store grows by five quarters of the need and never shrinks while the bitmap
// has a size, so that a scratch surface resized again and again seldom
// allocates. Used on the editor's thread (or any single thread).

#include "lice_bitmap.h"

class LICE_MemBitmap : public LICE_IBitmap
{
public:
  // rowAlignment is in pixels: below 2 means none, otherwise its lowest set
  // bit is used (at most 16). May allocate (through Resize).
  explicit LICE_MemBitmap(int width = 0, int height = 0, unsigned rowAlignment = 4);
  ~LICE_MemBitmap() override;
  LICE_MemBitmap(const LICE_MemBitmap&) = delete;
  LICE_MemBitmap& operator=(const LICE_MemBitmap&) = delete;

  LICE_Pixel* Pixels() override;
  int PixelWidth() override { return m_width; }
  int PixelHeight() override { return m_height; }
  int RowSpan() override { return (m_width + m_alignMask) & ~m_alignMask; }
  // May allocate (malloc/realloc; failure leaves a 0 x 0 bitmap, never throws).
  bool Resize(int width, int height) override;

  // Row bytes the store can hold (without its alignment slack).
  int AllocatedRowBytes() const { return m_allocated; }

private:
  void* m_store = nullptr;  // rows plus 63 bytes of slack for the alignment
  int m_width = 0;
  int m_height = 0;
  int m_allocated = 0;
  int m_alignMask = 0;  // 0 or 2^k - 1, in pixels
};
