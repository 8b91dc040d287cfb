// Memory contexts over a pixel store, their colours and back mode, and the
// process-wide colour space.

#include "GDIEmulationPlatform.h"
#include "GDIEmulationRecords.h"

#include <cstdlib>

namespace
{
// Rows start at the first 64-byte-aligned address of the store.
const int64_t kStoreSlack = 63;

void* FirstPixel(void* store)
{
  return reinterpret_cast<void*>((reinterpret_cast<uintptr_t>(store) + kStoreSlack) & ~uintptr_t(kStoreSlack));
}
}  // namespace

CGColorSpaceRef GDIEmu_ColorSpace()
{
  static CGColorSpaceRef space = CGColorSpaceCreateDeviceRGB();
  return space;
}

CGColorRef GDIEmu_MakeColor(int32_t color)
{
  const CGFloat components[4] = {((color >> 16) & 255) / 255.0f, ((color >> 8) & 255) / 255.0f,
                                 (color & 255) / 255.0f, 1.0};
  return CGColorCreate(GDIEmu_ColorSpace(), components);
}

GDIEmu_DC* CreateMemoryContext(GDIEmu_DC*, int width, int height)
{
  // Sides are checked and the byte count is computed in 64 bits, so that no
  // pair of sizes can make a small store for a large bitmap.
  if (width < 1 || height < 1) return nullptr;
  const int64_t bytes = 4 * int64_t(width) * int64_t(height) + kStoreSlack;
  if (bytes > INT32_MAX) return nullptr;
  void* store = std::calloc(size_t(bytes), 1);
  if (!store) return nullptr;
  CGContextRef drawing = CGBitmapContextCreate(FirstPixel(store), size_t(width), size_t(height), 8,
                                               4 * size_t(width), GDIEmu_ColorSpace(), kCGImageAlphaNoneSkipFirst);
  if (!drawing)
  {
    std::free(store);
    return nullptr;
  }
  // Origin at the top-left corner, y growing downwards, as callers expect.
  CGContextTranslateCTM(drawing, 0, height);
  CGContextScaleCTM(drawing, 1, -1);
  GDIEmu_DC* context = GDIEmu_TakeContextRecord();
  if (!context)
  {
    CGContextRelease(drawing);
    std::free(store);
    return nullptr;
  }
  context->context = drawing;
  context->store = store;
  SetTextColor(context, 0);
  return context;
}

void DeleteDC(GDIEmu_DC* context)
{
  if (!GDIEmu_Usable(context)) return;
  if (context->store)
  {
    CGContextRelease(context->context);
    std::free(context->store);
  }
  if (context->foreColorObject) CGColorRelease(context->foreColorObject);
  GDIEmu_ReturnContextRecord(context);
}

void* GetContextPixels(GDIEmu_DC* context)
{
  return GDIEmu_Usable(context) && context->store ? FirstPixel(context->store) : nullptr;
}

void SetTextColor(GDIEmu_DC* context, int color)
{
  if (!GDIEmu_Usable(context)) return;
  context->foreColor = color;
  if (context->foreColorObject) CGColorRelease(context->foreColorObject);
  context->foreColorObject = GDIEmu_MakeColor(color);
}

void SetBkColor(GDIEmu_DC* context, int color)
{
  if (GDIEmu_Usable(context)) context->backColor = color;
}

void SetBkMode(GDIEmu_DC* context, int mode)
{
  if (GDIEmu_Usable(context)) context->backMode = mode;
}
