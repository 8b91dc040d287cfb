#pragma once
// A bitmap whose pixels belong to the platform, so that the platform's own
// drawing (text, window painting) reaches them: on Windows a top-down DIB
// section selected into a memory device context; elsewhere the store of a
// memory context of the drawing layer (in the macOS form the drawing emulation
// of WDL/IPlug/mac, in the native Linux build the glyph source stand-in), with
// the same geometry and resize answers. There the context is made anew with
// each new store. The row span is the width rounded up to a multiple of 4,
// and the pixels stay where they are while a new size fits the allocation.
// Used on the editor's thread.

#include "lice_bitmap.h"

#ifdef _WIN32
struct HBITMAP__;
#endif

class LICE_SysBitmap : public LICE_IBitmap
{
public:
  // May allocate (creates the context, then Resize).
  explicit LICE_SysBitmap(int width = 0, int height = 0);
  ~LICE_SysBitmap() override;
  LICE_SysBitmap(const LICE_SysBitmap&) = delete;
  LICE_SysBitmap& operator=(const LICE_SysBitmap&) = delete;

  LICE_Pixel* Pixels() override { return m_pixels; }
  int PixelWidth() override { return m_width; }
  int PixelHeight() override { return m_height; }
  int RowSpan() override { return m_allocWidth; }
  // May allocate. Answers false for an unchanged size and also when the new
  // width or height leaves nothing to allocate; a failed allocation leaves a
  // 0 x 0 bitmap and answers true.
  bool Resize(int width, int height) override;
  LICE_DeviceContext DeviceContext() override { return m_dc; }

private:
  // Platform parts of Resize (lice_sys_bitmap_<platform>.cpp). CanAllocate is
  // false when the drawing context could not be created; CreateStore makes a
  // store of the allocated width x height and sets the pixels, false when it
  // cannot; ReleaseStore frees it and clears the pixels.
  bool CanAllocate() const;
  bool CreateStore();
  void ReleaseStore();

  int m_width = 0;
  int m_height = 0;
  LICE_DeviceContext m_dc = nullptr;
  LICE_Pixel* m_pixels = nullptr;
  int m_allocWidth = 0;  // multiple of 4; also the row span
  int m_allocHeight = 0;
#ifdef _WIN32
  HBITMAP__* m_section = nullptr;
  void* m_previousObject = nullptr;  // what selecting the section replaced
#endif
};
