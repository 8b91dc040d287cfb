// PNG loading: colour types, depths, transparency and interlacing, the three
// entry points, destinations, failures, and the image-loader chain.

#include "lice_image_loader.h"
#include "lice_mem_bitmap.h"
#include "lice_png.h"
#include "lice_png_limits.h"
#include "peak_memory.h"
#include "png_writer.h"
#include "test_bitmaps.h"

#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

using lice_test::At;
using lice_test::EncodePng;
using lice_test::PngSpec;

namespace
{
std::unique_ptr<LICE_IBitmap> Load(const std::vector<uint8_t>& png)
{
  return std::unique_ptr<LICE_IBitmap>(LICE_ReadPNGMemory(png.data(), int(png.size())));
}

// A 5 x 4 RGBA image whose pixel (x, y) is red 40x, green 50y, blue x + y,
// alpha 255 - 10x.
PngSpec Rgba5x4()
{
  PngSpec s;
  s.width = 5;
  s.height = 4;
  s.colourType = PNG_COLOR_TYPE_RGB_ALPHA;
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x)
      s.rows.insert(s.rows.end(), {uint8_t(40 * x), uint8_t(50 * y), uint8_t(x + y), uint8_t(255 - 10 * x)});
  return s;
}

LICE_Pixel Rgba5x4At(int x, int y)
{
  return LICE_RGBA(unsigned(40 * x), unsigned(50 * y), unsigned(x + y), unsigned(255 - 10 * x));
}

void ExpectRgba5x4(LICE_IBitmap& b)
{
  ASSERT_EQ(b.PixelWidth(), 5);
  ASSERT_EQ(b.PixelHeight(), 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(At(b, x, y), Rgba5x4At(x, y)) << x << "," << y;
}

TEST(PngDecode, StraightAlphaInThePlatformLayout)
{
  auto b = Load(EncodePng(Rgba5x4()));
  ASSERT_TRUE(b);
  ExpectRgba5x4(*b);
  EXPECT_EQ(b->RowSpan(), 8);  // a LICE_MemBitmap with row alignment 4
  // A half-transparent red keeps its colour (no premultiplication).
  PngSpec s;
  s.colourType = PNG_COLOR_TYPE_RGB_ALPHA;
  s.rows = {255, 0, 0, 128};
  auto red = Load(EncodePng(s));
  ASSERT_TRUE(red);
  const uint8_t* bytes = LICE_PixelBytes(red->Pixels());
#ifdef LICE_PIXEL_ORDER_MACOS
  const uint8_t expected[4] = {0x80, 0xFF, 0x00, 0x00};
#else
  const uint8_t expected[4] = {0x00, 0x00, 0xFF, 0x80};
#endif
  EXPECT_EQ(0, std::memcmp(bytes, expected, 4));
}

TEST(PngDecode, PaletteWithTransparency)
{
  PngSpec s;
  s.colourType = PNG_COLOR_TYPE_PALETTE;
  s.paletteRgb = {10, 20, 30};
  s.paletteAlpha = {77};
  s.rows = {0};
  auto one = Load(EncodePng(s));
  ASSERT_TRUE(one);
  EXPECT_EQ(At(*one, 0, 0), LICE_RGBA(10, 20, 30, 77));

  // A 2-bit palette of four entries, the last without a tRNS entry (opaque).
  s.width = 4;
  s.bitDepth = 2;
  s.paletteRgb = {255, 0, 0, 0, 255, 0, 0, 0, 255, 9, 9, 9};
  s.paletteAlpha = {0, 100, 200};
  s.rows = {0x1B};  // indexes 0, 1, 2, 3
  auto four = Load(EncodePng(s));
  ASSERT_TRUE(four);
  EXPECT_EQ(At(*four, 0, 0), LICE_RGBA(255, 0, 0, 0));
  EXPECT_EQ(At(*four, 1, 0), LICE_RGBA(0, 255, 0, 100));
  EXPECT_EQ(At(*four, 2, 0), LICE_RGBA(0, 0, 255, 200));
  EXPECT_EQ(At(*four, 3, 0), LICE_RGBA(9, 9, 9, 255));
}

TEST(PngDecode, SixteenBitKeepsTheHighBytes)
{
  PngSpec s;
  s.width = 2;
  s.bitDepth = 16;
  s.colourType = PNG_COLOR_TYPE_RGB;
  s.rows = {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xFF, 0xFF, 0x00, 0xFF, 0x80, 0x01};
  auto b = Load(EncodePng(s));
  ASSERT_TRUE(b);
  EXPECT_EQ(At(*b, 0, 0), LICE_RGBA(0x12, 0x56, 0x9A, 255));
  EXPECT_EQ(At(*b, 1, 0), LICE_RGBA(0xFF, 0x00, 0x80, 255));

  s.colourType = PNG_COLOR_TYPE_RGB_ALPHA;
  s.width = 1;
  s.rows = {0xAB, 0xCD, 0x01, 0x02, 0x03, 0x04, 0x7F, 0xFF};
  auto withAlpha = Load(EncodePng(s));
  ASSERT_TRUE(withAlpha);
  EXPECT_EQ(At(*withAlpha, 0, 0), LICE_RGBA(0xAB, 0x01, 0x03, 0x7F));
}

TEST(PngDecode, GreyImages)
{
  PngSpec s;
  s.width = 10;
  s.bitDepth = 1;
  s.colourType = PNG_COLOR_TYPE_GRAY;
  s.rows = {0xA5, 0x80};  // 1010 0101 10
  auto mono = Load(EncodePng(s));
  ASSERT_TRUE(mono);
  const bool white[10] = {true, false, true, false, false, true, false, true, true, false};
  for (int x = 0; x < 10; ++x)
    EXPECT_EQ(At(*mono, x, 0), white[x] ? LICE_RGBA(255, 255, 255, 255) : LICE_RGBA(0, 0, 0, 255)) << x;

  s.width = 2;
  s.bitDepth = 8;
  s.colourType = PNG_COLOR_TYPE_GRAY_ALPHA;
  s.rows = {60, 200, 90, 0};
  auto greyAlpha = Load(EncodePng(s));
  ASSERT_TRUE(greyAlpha);
  EXPECT_EQ(At(*greyAlpha, 0, 0), LICE_RGBA(60, 60, 60, 200));
  EXPECT_EQ(At(*greyAlpha, 1, 0), LICE_RGBA(90, 90, 90, 0));

  // A grey colour key turns that grey transparent.
  s.colourType = PNG_COLOR_TYPE_GRAY;
  s.rows = {60, 90};
  s.hasColourKey = true;
  s.keyGrey = 90;
  auto keyed = Load(EncodePng(s));
  ASSERT_TRUE(keyed);
  EXPECT_EQ(At(*keyed, 0, 0), LICE_RGBA(60, 60, 60, 255));
  EXPECT_EQ(At(*keyed, 1, 0), LICE_RGBA(90, 90, 90, 0));
}

TEST(PngDecode, RgbImagesWithAndWithoutColourKey)
{
  PngSpec s;
  s.width = 2;
  s.colourType = PNG_COLOR_TYPE_RGB;
  s.rows = {1, 2, 3, 4, 5, 6};
  auto opaque = Load(EncodePng(s));
  ASSERT_TRUE(opaque);
  EXPECT_EQ(At(*opaque, 0, 0), LICE_RGBA(1, 2, 3, 255));
  EXPECT_EQ(At(*opaque, 1, 0), LICE_RGBA(4, 5, 6, 255));
  s.hasColourKey = true;
  s.keyRed = 4, s.keyGreen = 5, s.keyBlue = 6;
  auto keyed = Load(EncodePng(s));
  ASSERT_TRUE(keyed);
  EXPECT_EQ(At(*keyed, 0, 0), LICE_RGBA(1, 2, 3, 255));
  EXPECT_EQ(At(*keyed, 1, 0), LICE_RGBA(4, 5, 6, 0));
}

TEST(PngDecode, InterlacedEqualsProgressive)
{
  PngSpec s = Rgba5x4();
  s.interlaced = true;
  auto b = Load(EncodePng(s));
  ASSERT_TRUE(b);
  ExpectRgba5x4(*b);

  // Larger than one Adam7 block, in grey with 4 bits.
  PngSpec g;
  g.width = 19;
  g.height = 11;
  g.bitDepth = 4;
  g.colourType = PNG_COLOR_TYPE_GRAY;
  g.interlaced = true;
  const size_t rowBytes = 10;
  for (int y = 0; y < 11; ++y)
    for (size_t i = 0; i < rowBytes; ++i) g.rows.push_back(uint8_t(((y + 2 * i) & 15) << 4 | ((y + 2 * i + 1) & 15)));
  auto grey = Load(EncodePng(g));
  ASSERT_TRUE(grey);
  for (int y = 0; y < 11; ++y)
    for (int x = 0; x < 19; ++x)
    {
      const unsigned v = unsigned((y + x) & 15) * 17;
      ASSERT_EQ(At(*grey, x, y), LICE_RGBA(v, v, v, 255)) << x << "," << y;
    }
}

TEST(PngDecode, DestinationBitmapIsResizedAndReturned)
{
  LICE_MemBitmap dest(3, 3, 0);
  const auto png = EncodePng(Rgba5x4());
  LICE_IBitmap* got = LICE_ReadPNGMemory(png.data(), int(png.size()), &dest);
  EXPECT_EQ(got, &dest);
  ExpectRgba5x4(dest);

  // A bottom-up destination gets its rows in the right order.
  lice_test::BottomUpBitmap upside(1, 1);
  ASSERT_EQ(LICE_ReadPNGMemory(png.data(), int(png.size()), &upside), &upside);
  EXPECT_EQ(upside.Logical(2, 0), Rgba5x4At(2, 0));
  EXPECT_EQ(upside.Logical(4, 3), Rgba5x4At(4, 3));
}

TEST(PngFailures, ShortOrForeignDataNeverReachesTheDecoder)
{
  const auto png = EncodePng(Rgba5x4());
  EXPECT_EQ(LICE_ReadPNGMemory(png.data(), 7), nullptr);
  EXPECT_EQ(LICE_ReadPNGMemory(png.data(), 0), nullptr);
  EXPECT_EQ(LICE_ReadPNGMemory(png.data(), -1), nullptr);
  EXPECT_EQ(LICE_ReadPNGMemory(nullptr, 100), nullptr);
  const uint8_t notPng[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0B};
  EXPECT_EQ(LICE_ReadPNGMemory(notPng, 8), nullptr);
  // Exactly the signature: the decoder runs out of data and fails.
  EXPECT_EQ(LICE_ReadPNGMemory(png.data(), 8), nullptr);
}

// Every cut of a valid file, and damaged bytes everywhere, fail without a
// leak (the sanitizer build checks) and without touching memory out of
// bounds; a destination may have been resized but is not returned.
TEST(PngFailures, TruncatedAndCorruptInput)
{
  const auto png = EncodePng(Rgba5x4());
  for (size_t cut = 8; cut < png.size() - 12; ++cut)  // the IEND chunk is not needed
  {
    std::vector<uint8_t> truncated(png.begin(), png.begin() + long(cut));
    EXPECT_EQ(Load(truncated), nullptr) << cut;
    LICE_MemBitmap dest(1, 1, 4);
    EXPECT_EQ(LICE_ReadPNGMemory(truncated.data(), int(truncated.size()), &dest), nullptr) << cut;
  }
  for (size_t at = 8; at < png.size(); ++at)
  {
    std::vector<uint8_t> damaged = png;
    damaged[at] ^= 0x5A;
    std::unique_ptr<LICE_IBitmap> b(LICE_ReadPNGMemory(damaged.data(), int(damaged.size())));
    if (b)
    {
      EXPECT_EQ(b->PixelWidth() * b->PixelHeight(), 20) << at;  // damage libpng tolerates
    }
  }
  std::vector<uint8_t> badCrc = png;
  badCrc[29] ^= 1;  // the IHDR CRC
  EXPECT_EQ(Load(badCrc), nullptr);
}

// A header of 32769 x 32769 needs 4 GiB + 640 KiB of pixels; a 32-bit size
// computation wraps to 640 KiB and the decoder would write far past it.
TEST(PngFailures, OversizedHeaderIsRefused)
{
  auto png = EncodePng(Rgba5x4());
  lice_test::PatchHeaderSize(png, 32769, 32769);
  EXPECT_EQ(Load(png), nullptr);
  LICE_MemBitmap dest(2, 2, 4);
  EXPECT_EQ(LICE_ReadPNGMemory(png.data(), int(png.size()), &dest), nullptr);
  // Refused from its header, over the area bound: the destination keeps its
  // size and store.
  EXPECT_EQ(dest.PixelWidth(), 2);
  EXPECT_NE(dest.Pixels(), nullptr);

  // Real image data for the first rows: with a wrapped store, row 5 would
  // already lie past its end.
  PngSpec wide;
  wide.width = 32769;
  wide.height = 8;
  wide.bitDepth = 1;
  wide.colourType = PNG_COLOR_TYPE_GRAY;
  wide.rows.assign(size_t(4097) * 8, 0x5A);
  auto rows = EncodePng(wide);
  lice_test::PatchHeaderSize(rows, 32769, 32769);
  EXPECT_EQ(Load(rows), nullptr);

  lice_test::PatchHeaderSize(png, 0x7FFFFFFF, 1);  // refused by libpng itself
  EXPECT_EQ(Load(png), nullptr);
  lice_test::PatchHeaderSize(png, 0, 4);
  EXPECT_EQ(Load(png), nullptr);
}

std::vector<uint8_t> FromHex(const char* hex)
{
  std::vector<uint8_t> bytes;
  for (; hex[0] && hex[1]; hex += 2)
  {
    unsigned v = 0;
    std::sscanf(hex, "%2x", &v);
    bytes.push_back(uint8_t(v));
  }
  return bytes;
}

// A chunk (length, type, body, CRC) put in right after the IHDR chunk.
std::vector<uint8_t> WithChunkAfterHeader(std::vector<uint8_t> png, const char* type, const std::vector<uint8_t>& body)
{
  const size_t length = body.size();
  std::vector<uint8_t> chunk(length + 12);
  for (size_t i = 0; i < 4; ++i) chunk[i] = uint8_t(length >> (24 - 8 * i));
  std::memcpy(&chunk[4], type, 4);
  if (length) std::memcpy(&chunk[8], body.data(), length);
  const uLong crc = crc32(crc32(0, nullptr, 0), &chunk[4], uInt(length + 4));
  for (size_t i = 0; i < 4; ++i) chunk[8 + length + i] = uint8_t(crc >> (24 - 8 * i));
  png.insert(png.begin() + 33, chunk.begin(), chunk.end());  // signature 8, IHDR 25
  return png;
}

// A one-row or one-column 8-bit grey image.
std::vector<uint8_t> GreyLine(int width, int height)
{
  PngSpec s;
  s.width = width;
  s.height = height;
  s.colourType = PNG_COLOR_TYPE_GRAY;
  s.rows.assign(size_t(width) * size_t(height), 0x80);
  return EncodePng(s);
}

// 44 bytes: a 4 x 22786 grey header, then an sCAL chunk claiming 2046836994
// bytes of which 3 are there. As found, the header's CRC is wrong, which
// libpng refuses at once; the fuzzer had fixed it (to ec8e8edb) before the
// loader got the bytes. Then libpng reported the claimed length only as a
// warning and allocated it, and the memory reader, supplying zeros past the
// end, had all of it touched: a 2 GB peak and seconds of work.
const char kChunkClaimingTwoGigabytes[] =
    "89504e470d0a1a0a0000000d49484452000000040000590208000000005ac322bf7a0041027343414c000b82";

TEST(PngLimits, ChunkClaimingGigabytesIsRefusedUnallocated)
{
  const auto asFound = FromHex(kChunkClaimingTwoGigabytes);
  ASSERT_EQ(asFound.size(), 44u);
  auto png = asFound;
  lice_test::PatchHeaderSize(png, 4, 22786);  // the same size, the CRC fixed
  ASSERT_EQ(std::vector<uint8_t>(png.begin() + 29, png.begin() + 33), (std::vector<uint8_t>{0xec, 0x8e, 0x8e, 0xdb}));
  const std::string folder = lice_test::MakeTempFolder("lice_png_limits");
  const std::string path = folder + "/claims-2gb.png";
  ASSERT_TRUE(lice_test::WriteFile(path, png));

  const uint64_t before = lice_test::PeakMemoryBytes();
  EXPECT_EQ(Load(asFound), nullptr);
  EXPECT_EQ(Load(png), nullptr);
  LICE_MemBitmap dest(2, 2, 4);
  EXPECT_EQ(LICE_ReadPNGMemory(png.data(), int(png.size()), &dest), nullptr);
  EXPECT_EQ(LICE_ReadPNGFile(path.c_str()), nullptr);
  const uint64_t grown = lice_test::PeakMemoryBytes() - before;
  lice_test::RemoveFolder(folder);
  std::printf("peak memory grew by %llu KiB over four loads of the 44-byte PNG\n", (unsigned long long)(grown >> 10));
  EXPECT_LT(grown, uint64_t(8) << 20);
}

// A chunk read whole may be as long as the bound, not a byte longer.
TEST(PngLimits, ChunkLengthBound)
{
  const auto png = EncodePng(Rgba5x4());
  const uint32_t limit = lice_png_limits::kMaxPngChunkBytes;
  std::vector<uint8_t> text = {'C', 'o', 'm', 'm', 'e', 'n', 't', 0};
  text.resize(limit, 'a');
  auto atLimit = Load(WithChunkAfterHeader(png, "tEXt", text));
  ASSERT_TRUE(atLimit);
  ExpectRgba5x4(*atLimit);
  text.push_back('a');
  EXPECT_EQ(Load(WithChunkAfterHeader(png, "tEXt", text)), nullptr);
}

// Whole images, at the bound on each side and one pixel beyond it; beyond
// it a destination is left as it was, since nothing is allocated.
TEST(PngLimits, ImageSideBound)
{
  const int side = int(lice_png_limits::kMaxPngSide);
  for (const auto& size : {std::make_pair(side, 1), std::make_pair(1, side)})
  {
    auto b = Load(GreyLine(size.first, size.second));
    ASSERT_TRUE(b) << size.first << " x " << size.second;
    EXPECT_EQ(b->PixelWidth(), size.first);
    EXPECT_EQ(b->PixelHeight(), size.second);
    EXPECT_EQ(At(*b, size.first - 1, size.second - 1), LICE_RGBA(0x80, 0x80, 0x80, 255));
  }
  for (const auto& size : {std::make_pair(side + 1, 1), std::make_pair(1, side + 1)})
  {
    const auto png = GreyLine(size.first, size.second);
    EXPECT_EQ(Load(png), nullptr) << size.first << " x " << size.second;
    LICE_MemBitmap dest(2, 3, 4);
    EXPECT_EQ(LICE_ReadPNGMemory(png.data(), int(png.size()), &dest), nullptr);
    EXPECT_EQ(dest.PixelWidth(), 2);
    EXPECT_EQ(dest.PixelHeight(), 3);
  }
}

// 8192 x 8193 is within each side's bound but one row over the area bound
// (8192 x 8192): refused from its header, before a 256 MiB store is made.
TEST(PngLimits, ImageAreaBound)
{
  ASSERT_EQ(lice_png_limits::kMaxPngPixels, uint64_t(8192) * 8192);
  auto png = EncodePng(Rgba5x4());
  lice_test::PatchHeaderSize(png, 8192, 8193);
  LICE_MemBitmap dest(2, 3, 4);
  EXPECT_EQ(LICE_ReadPNGMemory(png.data(), int(png.size()), &dest), nullptr);
  EXPECT_EQ(dest.PixelWidth(), 2);
  lice_test::PatchHeaderSize(png, 8193, 8192);
  EXPECT_EQ(LICE_ReadPNGMemory(png.data(), int(png.size()), &dest), nullptr);
  EXPECT_EQ(dest.PixelHeight(), 3);
}

class PngFiles : public ::testing::Test
{
protected:
  void SetUp() override { m_dir = lice_test::MakeTempFolder("lice_png_files"); }
  void TearDown() override { lice_test::RemoveFolder(m_dir); }
  std::string Write(const char* name, const std::vector<uint8_t>& bytes)
  {
    const std::string path = m_dir + "/" + name;
    EXPECT_TRUE(lice_test::WriteFile(path, bytes)) << path;
    return path;
  }
  std::string m_dir;
};

TEST_F(PngFiles, LoadsFromUtf8PathsAndFailsCleanly)
{
  const auto png = EncodePng(Rgba5x4());
  const std::string path = Write("Bild-\xC3\xBC\xE2\x82\xAC.png", png);  // u umlaut, euro sign
  std::unique_ptr<LICE_IBitmap> b(LICE_ReadPNGFile(path.c_str()));
  ASSERT_TRUE(b);
  ExpectRgba5x4(*b);

  LICE_MemBitmap dest(9, 9, 4);
  EXPECT_EQ(LICE_ReadPNGFile(path.c_str(), &dest), &dest);
  ExpectRgba5x4(dest);

  EXPECT_EQ(LICE_ReadPNGFile((m_dir + "/missing.png").c_str()), nullptr);
  EXPECT_EQ(LICE_ReadPNGFile(nullptr), nullptr);
  const std::string cut = Write("cut.png", std::vector<uint8_t>(png.begin(), png.begin() + 60));
  EXPECT_EQ(LICE_ReadPNGFile(cut.c_str()), nullptr);
  // The failed load closed its file: it can be replaced.
  EXPECT_TRUE(lice_test::WriteFile(cut, png));
}

TEST_F(PngFiles, LoaderEntryChecksTheExtension)
{
  const auto png = EncodePng(Rgba5x4());
  const std::string upper = Write("image.PNG", png);
  const std::string bak = Write("image.png.bak", png);
  std::unique_ptr<LICE_IBitmap> b(PNGLoaderLoad(upper.c_str(), true, nullptr));
  EXPECT_TRUE(b);
  EXPECT_EQ(PNGLoaderLoad(bak.c_str(), true, nullptr), nullptr);
  EXPECT_EQ(PNGLoaderLoad("dir.png\\image", true, nullptr), nullptr);
  EXPECT_EQ(PNGLoaderLoad("dir.png/image", true, nullptr), nullptr);
  EXPECT_EQ(PNGLoaderLoad("png", true, nullptr), nullptr);
  EXPECT_EQ(PNGLoaderLoad(nullptr, false, nullptr), nullptr);
  // Without the check any name is tried.
  std::unique_ptr<LICE_IBitmap> unchecked(PNGLoaderLoad(bak.c_str(), false, nullptr));
  EXPECT_TRUE(unchecked);
}

TEST(ImageLoaderChain, PngEntryIsRegisteredOnce)
{
  ASSERT_NE(LICE_ImageLoaderHead, nullptr);
  LICE_ImageLoaderEntry* png = nullptr;
  int count = 0;
  for (LICE_ImageLoaderEntry* e = LICE_ImageLoaderHead; e && count < 100; e = e->next, ++count)
    if (e->load == PNGLoaderLoad) png = e;
  ASSERT_NE(png, nullptr);
  EXPECT_EQ(png, LICE_ImageLoaderHead);
  RegisterPNGImageLoader();
  RegisterPNGImageLoader();
  int after = 0;
  for (LICE_ImageLoaderEntry* e = LICE_ImageLoaderHead; e && after < 100; e = e->next) ++after;
  EXPECT_EQ(after, count);

  const char* text = png->filterText();
  EXPECT_STREQ(text, "PNG files (*.PNG)");
  text += std::strlen(text) + 1;
  EXPECT_STREQ(text, "*.PNG");
  text += std::strlen(text) + 1;
  EXPECT_STREQ(text, "");
}
}  // namespace
