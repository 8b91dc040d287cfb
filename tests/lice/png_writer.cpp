#include "png_writer.h"

#include <png.h>
#include <zlib.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace lice_test
{
namespace
{
void AppendToVector(png_structp png, png_bytep data, size_t length)
{
  auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

void NoFlush(png_structp) {}

size_t RowBytes(const PngSpec& s)
{
  int channels = 1;
  if (s.colourType == PNG_COLOR_TYPE_RGB) channels = 3;
  if (s.colourType == PNG_COLOR_TYPE_GRAY_ALPHA) channels = 2;
  if (s.colourType == PNG_COLOR_TYPE_RGB_ALPHA) channels = 4;
  return (size_t(s.width) * channels * s.bitDepth + 7) / 8;
}

std::filesystem::path FromUtf8(const std::string& s)
{
  return std::filesystem::u8path(s);
}
}  // namespace

namespace
{
// The libpng part. libpng's errors jump back to the setjmp here, so this
// function keeps only trivially destructible locals (objects with
// destructors live in the caller). False when encoding failed.
bool WritePng(const PngSpec& spec, png_bytep* rows, const png_color* palette, int paletteSize,
              std::vector<uint8_t>* out)
{
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png)))
  {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(png, out, AppendToVector, NoFlush);
  png_set_IHDR(png, info, spec.width, spec.height, spec.bitDepth, spec.colourType,
               spec.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  if (paletteSize > 0) png_set_PLTE(png, info, palette, paletteSize);
  if (!spec.paletteAlpha.empty())
    png_set_tRNS(png, info, spec.paletteAlpha.data(), int(spec.paletteAlpha.size()), nullptr);
  if (spec.hasColourKey)
  {
    png_color_16 key = {};
    key.gray = spec.keyGrey;
    key.red = spec.keyRed;
    key.green = spec.keyGreen;
    key.blue = spec.keyBlue;
    png_set_tRNS(png, info, nullptr, 0, &key);
  }
  png_write_info(png, info);
  png_write_image(png, rows);
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}
}  // namespace

std::vector<uint8_t> EncodePng(const PngSpec& spec)
{
  const size_t rowBytes = RowBytes(spec);
  if (spec.rows.size() != rowBytes * size_t(spec.height)) throw std::invalid_argument("row data of the wrong size");
  std::vector<png_bytep> rows(size_t(spec.height));
  for (int y = 0; y < spec.height; ++y) rows[size_t(y)] = const_cast<png_bytep>(spec.rows.data() + rowBytes * y);
  std::vector<png_color> palette(spec.paletteRgb.size() / 3);
  for (size_t i = 0; i < palette.size(); ++i)
    palette[i] = {spec.paletteRgb[3 * i], spec.paletteRgb[3 * i + 1], spec.paletteRgb[3 * i + 2]};
  std::vector<uint8_t> out;
  if (!WritePng(spec, rows.data(), palette.data(), int(palette.size()), &out))
    throw std::runtime_error("png encoding failed");
  return out;
}

void PatchHeaderSize(std::vector<uint8_t>& png, uint32_t width, uint32_t height)
{
  // Signature (8), chunk length (4), "IHDR" (4), then width and height.
  const uint32_t values[2] = {width, height};
  for (int v = 0; v < 2; ++v)
    for (int i = 0; i < 4; ++i) png[size_t(16 + 4 * v + i)] = uint8_t(values[v] >> (24 - 8 * i));
  const uLong crc = crc32(crc32(0, nullptr, 0), png.data() + 12, 17);  // type and 13 data bytes
  for (int i = 0; i < 4; ++i) png[size_t(29 + i)] = uint8_t(crc >> (24 - 8 * i));
}

bool WriteFile(const std::string& utf8Path, const std::vector<uint8_t>& bytes)
{
  std::ofstream f(FromUtf8(utf8Path), std::ios::binary);
  f.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return bool(f);
}

std::string MakeTempFolder(const char* name)
{
  // One folder per process, so test runs of several builds side by side never
  // remove each other's files.
  static const unsigned long long unique =
      static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / (std::string(name) + "-" + std::to_string(unique));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir.u8string();
}

void RemoveFolder(const std::string& utf8Path)
{
  std::error_code ignored;
  std::filesystem::remove_all(FromUtf8(utf8Path), ignored);
}
}  // namespace lice_test
