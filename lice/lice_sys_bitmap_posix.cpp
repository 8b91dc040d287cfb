// LICE_SysBitmap over a memory context of the drawing layer: the context owns
// the pixel store, so text drawn through the context lands in the bitmap.

#include "lice_sys_bitmap.h"

#include "text_standin/text_standin.h"

LICE_SysBitmap::LICE_SysBitmap(int width, int height) { Resize(width, height); }

LICE_SysBitmap::~LICE_SysBitmap() { ReleaseStore(); }

bool LICE_SysBitmap::CanAllocate() const { return true; }

bool LICE_SysBitmap::CreateStore()
{
  // The store is zeroed, as a fresh Windows section is.
  m_dc = CreateMemoryContext(nullptr, m_allocWidth, m_allocHeight);
  m_pixels = static_cast<LICE_Pixel*>(GetContextPixels(m_dc));
  return m_pixels != nullptr;
}

void LICE_SysBitmap::ReleaseStore()
{
  DeleteDC(m_dc);
  m_dc = nullptr;
  m_pixels = nullptr;
}
