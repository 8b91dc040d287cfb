// The resize rules shared by every form of LICE_SysBitmap; the platform files
// supply the context and the pixel store (CanAllocate, CreateStore,
// ReleaseStore).

#include "lice_sys_bitmap.h"

#include <cstdint>

namespace
{
// The allocated width for a requested width (rounded up to a multiple of 4),
// or 0 when nothing can be allocated.
int AllocWidthFor(int width)
{
  const int64_t rounded = (int64_t(width) + 3) & ~int64_t(3);
  return rounded < 1 || rounded > INT32_MAX ? 0 : int(rounded);
}

// Stores beyond 2 GiB are refused like a failed allocation, so that byte
// offsets into the pixels always fit an int32.
bool StoreFits(int allocWidth, int height) { return int64_t(allocWidth) * height * 4 <= INT32_MAX; }
}  // namespace

bool LICE_SysBitmap::Resize(int width, int height)
{
  if (!CanAllocate())
  {
    m_width = m_height = 0;
    m_pixels = nullptr;
    return false;
  }
  if (width == m_width && height == m_height) return false;
  m_width = width;
  m_height = height;
  // A size that fits keeps the store: the pixels stay where they are and the
  // row span stays the allocated width. A negative side never fits: the
  // bitmap would claim a store it cannot describe.
  if (width > 0 && height > 0 && width <= m_allocWidth && height <= m_allocHeight && m_pixels) return true;

  m_allocHeight = height;
  m_allocWidth = AllocWidthFor(width);
  ReleaseStore();
  if (m_allocWidth < 1 || height < 1) return false;

  if (!StoreFits(m_allocWidth, height) || !CreateStore()) m_width = m_height = 0;
  return true;
}
