#pragma once
// PNG decoding into 32-bit bitmaps with straight alpha (images without alpha
// come out opaque), with libpng.
//
// With a destination the loader resizes and fills it and returns it (the
// caller keeps ownership; on failure null is returned and the destination may
// already have been resized). Without one it returns a new LICE_MemBitmap
// (row alignment 4) that the caller owns. Every failure answers null and
// leaves no open file, no decoder state and no bitmap of its own behind.
// A PNG beyond the bounds of lice_png_limits.h (image size, chunk length,
// kept chunks), or one libpng finds even slightly at fault, is refused.
//
// Called on the editor's thread (loaders keep no shared state, so any thread
// works); they allocate (bitmap, row table, libpng state) and take no lock.

#include "lice_bitmap.h"

// path is UTF-8.
LICE_IBitmap* LICE_ReadPNGFile(const char* path, LICE_IBitmap* dest = nullptr);

LICE_IBitmap* LICE_ReadPNGMemory(const void* data, int size, LICE_IBitmap* dest = nullptr);

#ifdef _WIN32
struct HINSTANCE__;
// A resource of type "PNG" with the integer id resourceId (low 16 bits) in the
// given module.
LICE_IBitmap* LICE_ReadPNGResource(HINSTANCE__* module, int resourceId, LICE_IBitmap* dest = nullptr);
#endif
