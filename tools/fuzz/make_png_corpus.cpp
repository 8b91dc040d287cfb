// Writes the fuzzer's seed corpus: one small PNG per colour type, bit depth,
// transparency and interlacing case that the loader handles.
//
// Usage: make_png_corpus FOLDER

#include "png_writer.h"

#include <png.h>

#include <cstdio>
#include <string>

using lice_test::PngSpec;

namespace
{
PngSpec Spec(int w, int h, int depth, int type, bool interlaced, size_t rowBytes)
{
  PngSpec s;
  s.width = w;
  s.height = h;
  s.bitDepth = depth;
  s.colourType = type;
  s.interlaced = interlaced;
  for (size_t i = 0; i < rowBytes * size_t(h); ++i) s.rows.push_back(uint8_t(i * 37 + 11));
  return s;
}
}  // namespace

int main(int argc, char** argv)
{
  if (argc != 2)
  {
    std::fprintf(stderr, "usage: make_png_corpus FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1];

  PngSpec palette = Spec(5, 3, 2, PNG_COLOR_TYPE_PALETTE, false, 2);
  palette.paletteRgb = {255, 0, 0, 0, 255, 0, 0, 0, 255, 7, 7, 7};
  palette.paletteAlpha = {0, 128};
  PngSpec greyKey = Spec(4, 2, 8, PNG_COLOR_TYPE_GRAY, false, 4);
  greyKey.hasColourKey = true;
  greyKey.keyGrey = 11;
  PngSpec rgbKey = Spec(3, 3, 8, PNG_COLOR_TYPE_RGB, false, 9);
  rgbKey.hasColourKey = true;
  rgbKey.keyRed = 11, rgbKey.keyGreen = 48, rgbKey.keyBlue = 85;

  const struct
  {
    const char* name;
    PngSpec spec;
  } seeds[] = {
      {"palette_trns.png", palette},
      {"rgb16.png", Spec(3, 2, 16, PNG_COLOR_TYPE_RGB, false, 18)},
      {"rgba16.png", Spec(2, 2, 16, PNG_COLOR_TYPE_RGB_ALPHA, false, 16)},
      {"grey1.png", Spec(10, 3, 1, PNG_COLOR_TYPE_GRAY, false, 2)},
      {"grey4_interlaced.png", Spec(19, 11, 4, PNG_COLOR_TYPE_GRAY, true, 10)},
      {"grey_alpha.png", Spec(3, 3, 8, PNG_COLOR_TYPE_GRAY_ALPHA, false, 6)},
      {"grey_key.png", greyKey},
      {"rgb_key.png", rgbKey},
      {"rgba_interlaced.png", Spec(9, 9, 8, PNG_COLOR_TYPE_RGB_ALPHA, true, 36)},
  };
  for (const auto& seed : seeds)
  {
    const std::string path = folder + "/" + seed.name;
    if (!lice_test::WriteFile(path, lice_test::EncodePng(seed.spec)))
    {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
