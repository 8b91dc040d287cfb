// LICE_SysBitmap on Windows: a top-down 32-bit DIB section selected into a
// memory device context, so GDI text and window painting reach the pixels.

#include "lice_sys_bitmap.h"

#include <windows.h>

LICE_SysBitmap::LICE_SysBitmap(int width, int height)
{
  m_dc = CreateCompatibleDC(nullptr);
  Resize(width, height);
}

LICE_SysBitmap::~LICE_SysBitmap()
{
  ReleaseStore();
  if (m_dc) DeleteDC(m_dc);
}

bool LICE_SysBitmap::CanAllocate() const { return m_dc != nullptr; }

bool LICE_SysBitmap::CreateStore()
{
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = m_allocWidth;
  info.bmiHeader.biHeight = IsBottomUp() ? m_allocHeight : -m_allocHeight;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  m_section = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!m_section || !bits)
  {
    if (m_section) DeleteObject(m_section);
    m_section = nullptr;
    return false;
  }
  m_pixels = static_cast<LICE_Pixel*>(bits);
  m_previousObject = SelectObject(m_dc, m_section);
  return true;
}

void LICE_SysBitmap::ReleaseStore()
{
  // The section must not be selected into the context when it is deleted.
  if (m_previousObject)
  {
    SelectObject(m_dc, static_cast<HGDIOBJ>(m_previousObject));
    m_previousObject = nullptr;
  }
  if (m_section) DeleteObject(m_section);
  m_section = nullptr;
  m_pixels = nullptr;
}
