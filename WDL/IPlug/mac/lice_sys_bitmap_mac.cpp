// The macOS form of LICE_SysBitmap: its pixels are the store of a memory
// context of the drawing emulation, so text drawn through DeviceContext()
// lands in them. The store's layout (a skipped byte, then red, green, blue)
// is the macOS pixel order, with alpha in the skipped byte.

#include "lice_sys_bitmap.h"

#include "GDIEmulation.h"

LICE_SysBitmap::LICE_SysBitmap(int width, int height) { Resize(width, height); }

LICE_SysBitmap::~LICE_SysBitmap() { ReleaseStore(); }

bool LICE_SysBitmap::CanAllocate() const { return true; }

bool LICE_SysBitmap::CreateStore()
{
  GDIEmu_DC* context = CreateMemoryContext(nullptr, m_allocWidth, m_allocHeight);
  m_dc = context;
  m_pixels = static_cast<LICE_Pixel*>(GetContextPixels(context));
  return m_pixels != nullptr;
}

void LICE_SysBitmap::ReleaseStore()
{
  DeleteDC(static_cast<GDIEmu_DC*>(m_dc));
  m_dc = nullptr;
  m_pixels = nullptr;
}
