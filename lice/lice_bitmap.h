#pragma once
// The abstract 32-bit bitmap through which every drawing operation reaches
// pixels. Rows are top-down in memory unless IsBottomUp answers true; the row
// span is counted in pixels and is at least the width.
//
// Bitmaps carry no locks: one thread (in practice the editor's) uses a bitmap
// at a time. None of the accessors allocates.

#include "lice_pixel.h"

#include <cstdint>

#ifdef _WIN32
struct HDC__;
typedef HDC__* LICE_DeviceContext;  // the Windows HDC
#else
typedef void* LICE_DeviceContext;   // the drawing emulation's context elsewhere
#endif

class LICE_IBitmap
{
public:
  virtual ~LICE_IBitmap() {}

  // Address of row 0, pixel 0; null when the bitmap has no pixel store.
  virtual LICE_Pixel* Pixels() = 0;
  virtual int PixelWidth() = 0;
  virtual int PixelHeight() = 0;
  // Distance from one row to the next, in pixels.
  virtual int RowSpan() = 0;
  virtual bool IsBottomUp() { return false; }
  // True when the call changed the recorded size. May allocate; the pixel
  // contents afterwards are undefined.
  virtual bool Resize(int width, int height) = 0;
  // The platform context that draws into the pixels, or null.
  virtual LICE_DeviceContext DeviceContext() { return nullptr; }
  // 0 means the extension is not offered; no bitmap here offers any.
  virtual intptr_t QueryExtension(int id, void* argument) { return 0; }
};
