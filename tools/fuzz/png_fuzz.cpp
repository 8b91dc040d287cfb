// libFuzzer target for the memory PNG loader. Decoding must never crash,
// read or write out of bounds, or leak, whatever the bytes.
//
// Random mutations almost never keep a chunk's CRC valid, and libpng rejects
// critical chunks with a bad CRC at once; so the harness recomputes the CRC
// of every complete chunk first, letting the fuzzer reach the header fields,
// the transformations and the image data.
//
// Two kinds of input are skipped because they only cost time: headers whose
// store the loader would accept but that are huge (over 64 MiB; larger ones
// stay in, since the loader must refuse them), and chunks that start at
// least 12 bytes (length, type and CRC) before the input's end yet claim
// more than 1 MiB beyond it (the reader supplies zeros past the end, and
// libpng would read through them all). A last chunk that starts closer to
// the end is not looked at, its CRC not fixed: it reaches the loader with
// whatever length it claims, which the loader has to bound on its own (a
// 2 GB claim in a 44-byte input once made it allocate that much; that input
// is among the seeds).

#include "lice_mem_bitmap.h"
#include "lice_png.h"
#include "lice_png_limits.h"

#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace
{
uint32_t ReadBigEndian(const uint8_t* p) { return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3]; }

constexpr size_t kMaxOverrun = 1 << 20;

// Fixes the CRCs of the chunks that start 12 bytes or more before the end;
// false when one of them overruns the input by more than kMaxOverrun.
bool FixChunkCrcs(std::vector<uint8_t>& png)
{
  size_t at = 8;  // after the signature
  while (at + 12 <= png.size())
  {
    const size_t length = ReadBigEndian(&png[at]);
    if (length > png.size() - at - 12) return length - (png.size() - at - 12) <= kMaxOverrun;
    const uLong crc = crc32(crc32(0, nullptr, 0), &png[at + 4], uInt(length + 4));
    for (int i = 0; i < 4; ++i) png[at + 8 + length + size_t(i)] = uint8_t(crc >> (24 - 8 * i));
    at += length + 12;
  }
  return true;
}
// True when the header asks for a store the loader accepts but that is too
// big to be worth allocating here.
bool HugeButLegal(const std::vector<uint8_t>& png)
{
  using namespace lice_png_limits;
  if (png.size() < 24) return false;
  const uint32_t width = ReadBigEndian(&png[16]), height = ReadBigEndian(&png[20]);
  const uint64_t pixels = uint64_t(width) * height;
  return pixels * 4 > (uint64_t(64) << 20) && pixels <= kMaxPngPixels && width <= kMaxPngSide &&
         height <= kMaxPngSide;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  if (size > (1u << 20)) return 0;
  std::vector<uint8_t> png(data, data + size);
  if (!FixChunkCrcs(png) || HugeButLegal(png)) return 0;

  std::unique_ptr<LICE_IBitmap> created(LICE_ReadPNGMemory(png.data(), int(png.size())));
  if (created && created->Pixels())
  {
    // Touch every decoded pixel, so a short store shows up.
    volatile LICE_Pixel sink = 0;
    for (int y = 0; y < created->PixelHeight(); ++y)
      for (int x = 0; x < created->PixelWidth(); ++x) sink = sink ^ created->Pixels()[ptrdiff_t(y) * created->RowSpan() + x];
  }

  // The destination form, into a bitmap that already has a store.
  LICE_MemBitmap dest(3, 3, 4);
  LICE_ReadPNGMemory(png.data(), int(png.size()), &dest);

  // And the unmodified bytes, CRC failures and all (same chunk lengths, so
  // the overrun check above holds for them too).
  std::unique_ptr<LICE_IBitmap> raw(LICE_ReadPNGMemory(data, int(size)));
  (void)raw;
  return 0;
}
