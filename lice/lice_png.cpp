// PNG loading from a file or a memory block, and the PNG entry of the image
// loader chain.
//
// libpng reports errors by longjmp back to the setjmp in DecodePng, so the
// code between the two keeps only trivially destructible locals; what must be
// released after a jump lives in volatile locals.
//
// The read structure carries the bounds of lice_png_limits.h: libpng then
// refuses a chunk or an image beyond them before allocating for it. Its
// "benign" errors are made errors: otherwise libpng reports a chunk over the
// limit as a warning and allocates it all the same.

#include "lice_file.h"
#include "lice_image_loader.h"
#include "lice_mem_bitmap.h"
#include "lice_png.h"
#include "lice_png_limits.h"

#include <png.h>

#if !defined(PNG_SET_USER_LIMITS_SUPPORTED) || !defined(PNG_BENIGN_ERRORS_SUPPORTED)
#error "the PNG loaders need a libpng that can bound what a PNG makes it allocate"
#endif

#include <csetjmp>
#include <cstdlib>
#include <cstring>
#include <new>

namespace
{
constexpr int kSignatureSize = 8;

struct MemoryReader
{
  const unsigned char* next;
  size_t remaining;
};

// Reading past the end yields zero bytes rather than an error of its own:
// libpng then fails on what it reads.
void ReadFromMemory(png_structp png, png_bytep out, size_t count)
{
  auto* reader = static_cast<MemoryReader*>(png_get_io_ptr(png));
  std::memset(out, 0, count);
  const size_t n = count < reader->remaining ? count : reader->remaining;
  if (n) std::memcpy(out, reader->next, n);
  reader->next += n;
  reader->remaining -= n;
}

// Every row arrives as alpha, red, green, blue bytes. That is the macOS pixel
// layout; the Windows layout wants blue, green, red, alpha.
void ToPlatformOrder(LICE_IBitmap* bitmap, int width, int height)
{
#ifndef LICE_PIXEL_ORDER_MACOS
  const ptrdiff_t span = bitmap->RowSpan();
  for (int y = 0; y < height; ++y)
  {
    LICE_Pixel* row = bitmap->Pixels() + ptrdiff_t(y) * span;
    for (int x = 0; x < width; ++x)
    {
      const uint8_t* argb = LICE_PixelBytes(row + x);
      row[x] = (LICE_Pixel(argb[0]) << 24) | (LICE_Pixel(argb[1]) << 16) | (LICE_Pixel(argb[2]) << 8) | argb[3];
    }
  }
#else
  (void)bitmap, (void)width, (void)height;
#endif
}

void SetUpTransformations(png_structp png, png_infop info, int bitDepth, int colourType)
{
  if (colourType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
  if (colourType == PNG_COLOR_TYPE_GRAY && bitDepth < 8) png_set_expand_gray_1_2_4_to_8(png);
  bool hasAlpha = (colourType & PNG_COLOR_MASK_ALPHA) != 0;
  if (png_get_valid(png, info, PNG_INFO_tRNS))
  {
    png_set_tRNS_to_alpha(png);
    hasAlpha = true;
  }
  if (bitDepth == 16) png_set_strip_16(png);
  if (bitDepth < 8) png_set_packing(png);
  if (colourType == PNG_COLOR_TYPE_GRAY || colourType == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(png);
  if (hasAlpha) png_set_swap_alpha(png);
  else png_set_filler(png, 0xFF, PNG_FILLER_BEFORE);
}

// Every read structure gets the bounds before it reads a byte.
void LimitWhatThePngMayAsk(png_structp png)
{
  using namespace lice_png_limits;
  png_set_user_limits(png, kMaxPngSide, kMaxPngSide);
  png_set_chunk_malloc_max(png, kMaxPngChunkBytes);
  png_set_chunk_cache_max(png, kMaxPngCachedChunks);
  png_set_benign_errors(png, 0);
}

// Decodes from a file (file != null) or from the memory reader.
LICE_IBitmap* DecodePng(FILE* file, MemoryReader* memory, LICE_IBitmap* dest)
{
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (!png) return nullptr;
  LimitWhatThePngMayAsk(png);
  png_infop info = png_create_info_struct(png);
  if (!info)
  {
    png_destroy_read_struct(&png, nullptr, nullptr);
    return nullptr;
  }

  LICE_IBitmap* volatile created = nullptr;
  png_bytep* volatile rows = nullptr;
  if (setjmp(png_jmpbuf(png)))
  {
    png_destroy_read_struct(&png, &info, nullptr);
    std::free(rows);
    delete created;
    return nullptr;
  }

  if (file) png_init_io(png, file);
  else png_set_read_fn(png, memory, ReadFromMemory);

  png_read_info(png, info);
  png_uint_32 width = 0, height = 0;
  int bitDepth = 0, colourType = 0;
  png_get_IHDR(png, info, &width, &height, &bitDepth, &colourType, nullptr, nullptr, nullptr);
  // libpng has checked each side; the area is the loader's own bound.
  if (uint64_t(width) * height > lice_png_limits::kMaxPngPixels) png_error(png, "image too large");
  SetUpTransformations(png, info, bitDepth, colourType);

  LICE_IBitmap* bitmap = dest;
  if (bitmap) bitmap->Resize(int(width), int(height));
  else bitmap = created = new (std::nothrow) LICE_MemBitmap(int(width), int(height), 4);
  if (!bitmap || bitmap->PixelWidth() != int(width) || bitmap->PixelHeight() != int(height) || !bitmap->Pixels() ||
      bitmap->RowSpan() < int(width))
    png_error(png, "no bitmap of the image's size");

  rows = static_cast<png_bytep*>(std::malloc(sizeof(png_bytep) * height));
  if (!rows) png_error(png, "no row table");
  ptrdiff_t step = bitmap->RowSpan();
  LICE_Pixel* row0 = bitmap->Pixels();
  if (bitmap->IsBottomUp())
  {
    row0 += ptrdiff_t(height - 1) * step;
    step = -step;
  }
  for (png_uint_32 y = 0; y < height; ++y) rows[y] = reinterpret_cast<png_bytep>(row0 + ptrdiff_t(y) * step);

  png_read_image(png, rows);
  png_destroy_read_struct(&png, &info, nullptr);
  std::free(rows);

  ToPlatformOrder(bitmap, int(width), int(height));
  return bitmap;
}

bool HasPngExtension(const char* path)
{
  const char* p = path + std::strlen(path);
  while (p > path && *p != '.' && *p != '/' && *p != '\\') --p;
  static const char kExtension[] = ".png";
  for (int i = 0; i < 5; ++i)
  {
    const char c = (p[i] >= 'A' && p[i] <= 'Z') ? char(p[i] - 'A' + 'a') : p[i];
    if (c != kExtension[i]) return false;
  }
  return true;
}

LICE_ImageLoaderEntry g_pngLoaderEntry = {PNGLoaderLoad, PNGLoaderFilterText, nullptr};

// The chain gets its PNG entry before any editor exists. It sits in this file
// so that every program that loads PNGs links the registration in.
const bool g_pngLoaderRegistered = (RegisterPNGImageLoader(), true);
}  // namespace

LICE_IBitmap* LICE_ReadPNGMemory(const void* data, int size, LICE_IBitmap* dest)
{
  static const unsigned char kSignature[kSignatureSize] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  if (!data || size < kSignatureSize || std::memcmp(data, kSignature, kSignatureSize) != 0) return nullptr;
  MemoryReader reader = {static_cast<const unsigned char*>(data), size_t(size)};
  return DecodePng(nullptr, &reader, dest);
}

LICE_IBitmap* LICE_ReadPNGFile(const char* path, LICE_IBitmap* dest)
{
  if (!path) return nullptr;
  FILE* file = lice_detail::OpenForReading(path);
  if (!file) return nullptr;
  LICE_IBitmap* bitmap = DecodePng(file, nullptr, dest);
  std::fclose(file);
  return bitmap;
}

LICE_IBitmap* PNGLoaderLoad(const char* path, bool checkExtension, LICE_IBitmap* dest)
{
  if (!path || (checkExtension && !HasPngExtension(path))) return nullptr;
  return LICE_ReadPNGFile(path, dest);
}

const char* PNGLoaderFilterText() { return "PNG files (*.PNG)\0*.PNG\0"; }

void RegisterPNGImageLoader()
{
  for (LICE_ImageLoaderEntry* e = LICE_ImageLoaderHead; e; e = e->next)
    if (e == &g_pngLoaderEntry) return;
  g_pngLoaderEntry.next = LICE_ImageLoaderHead;
  LICE_ImageLoaderHead = &g_pngLoaderEntry;
}
