// Heap-backed LICE_SysBitmap for builds without a platform bitmap. It keeps
// the geometry, growth and answers of the Windows form so that code drawing
// into a back buffer behaves alike; it has no drawing context.

#include "lice_sys_bitmap.h"

#include <cstdlib>

LICE_SysBitmap::LICE_SysBitmap(int width, int height) { Resize(width, height); }

LICE_SysBitmap::~LICE_SysBitmap() { ReleaseStore(); }

bool LICE_SysBitmap::CanAllocate() const { return true; }

bool LICE_SysBitmap::CreateStore()
{
  // Zeroed, as a fresh section is.
  m_pixels = static_cast<LICE_Pixel*>(std::calloc(size_t(m_allocWidth) * size_t(m_allocHeight), sizeof(LICE_Pixel)));
  return m_pixels != nullptr;
}

void LICE_SysBitmap::ReleaseStore()
{
  std::free(m_pixels);
  m_pixels = nullptr;
}
