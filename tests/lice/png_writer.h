#pragma once
// Builds PNG files in memory with libpng's write side, so the loader tests
// cover the colour types, bit depths and interlacing the loader has to
// handle without committing binary fixtures.

#include <cstdint>
#include <string>
#include <vector>

namespace lice_test
{
struct PngSpec
{
  int width = 1;
  int height = 1;
  int bitDepth = 8;
  int colourType = 2;  // libpng's PNG_COLOR_TYPE_*
  bool interlaced = false;
  // Packed rows exactly as libpng's writer takes them (bytes per row follow
  // from width, depth and colour type).
  std::vector<uint8_t> rows;
  std::vector<uint8_t> paletteRgb;    // 3 bytes per entry
  std::vector<uint8_t> paletteAlpha;  // tRNS of a palette image
  bool hasColourKey = false;          // tRNS of a grey or RGB image
  uint16_t keyGrey = 0, keyRed = 0, keyGreen = 0, keyBlue = 0;
};

std::vector<uint8_t> EncodePng(const PngSpec& spec);

// Replaces the width and height of the IHDR chunk and fixes its CRC.
void PatchHeaderSize(std::vector<uint8_t>& png, uint32_t width, uint32_t height);

// Writes bytes to a file named by a UTF-8 path; false on failure.
bool WriteFile(const std::string& utf8Path, const std::vector<uint8_t>& bytes);

// A fresh folder for one test's files (UTF-8), removed by the caller.
std::string MakeTempFolder(const char* name);
void RemoveFolder(const std::string& utf8Path);
}  // namespace lice_test
