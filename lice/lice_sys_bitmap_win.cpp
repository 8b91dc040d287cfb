// LICE_SysBitmap on Windows: a top-down 32-bit DIB section selected into a
// memory device context, so GDI text and window painting reach the pixels.

#include "lice_sys_bitmap.h"
#include "lice_sys_bitmap_size.h"

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

bool LICE_SysBitmap::Resize(int width, int height)
{
  if (!m_dc)
  {
    m_width = m_height = 0;
    m_pixels = nullptr;
    return false;
  }
  if (width == m_width && height == m_height) return false;
  m_width = width;
  m_height = height;
  if (width != 0 && height != 0 && width <= m_allocWidth && height <= m_allocHeight && m_pixels) return true;

  m_allocHeight = height;
  m_allocWidth = lice_detail::SysBitmapAllocWidth(width);
  ReleaseStore();
  if (m_allocWidth < 1 || height < 1) return false;

  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = m_allocWidth;
  info.bmiHeader.biHeight = IsBottomUp() ? height : -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  if (lice_detail::SysBitmapStoreFits(m_allocWidth, height))
    m_section = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (m_section && bits)
  {
    m_pixels = static_cast<LICE_Pixel*>(bits);
    m_previousObject = SelectObject(m_dc, m_section);
  }
  else
  {
    if (m_section) DeleteObject(m_section);
    m_section = nullptr;
    m_width = m_height = 0;
  }
  return true;
}
