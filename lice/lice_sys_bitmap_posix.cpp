// Heap-backed LICE_SysBitmap for builds without a platform bitmap. It keeps
// the geometry, growth and answers of the Windows form so that code drawing
// into a back buffer behaves alike; it has no drawing context.

#include "lice_sys_bitmap.h"
#include "lice_sys_bitmap_size.h"

#include <cstdint>
#include <cstdlib>

LICE_SysBitmap::LICE_SysBitmap(int width, int height) { Resize(width, height); }

LICE_SysBitmap::~LICE_SysBitmap() { ReleaseStore(); }

void LICE_SysBitmap::ReleaseStore()
{
  std::free(m_pixels);
  m_pixels = nullptr;
}

bool LICE_SysBitmap::Resize(int width, int height)
{
  if (width == m_width && height == m_height) return false;
  m_width = width;
  m_height = height;
  if (width != 0 && height != 0 && width <= m_allocWidth && height <= m_allocHeight && m_pixels) return true;

  m_allocHeight = height;
  m_allocWidth = lice_detail::SysBitmapAllocWidth(width);
  ReleaseStore();
  if (m_allocWidth < 1 || height < 1) return false;

  // Zeroed, as a fresh section is.
  if (lice_detail::SysBitmapStoreFits(m_allocWidth, height))
    m_pixels = static_cast<LICE_Pixel*>(std::calloc(size_t(m_allocWidth) * size_t(height), sizeof(LICE_Pixel)));
  if (!m_pixels) m_width = m_height = 0;
  return true;
}
