#pragma once
// The editor's seven images as they decode: a fingerprint of every pixel's
// red, green, blue and alpha, row by row (64-bit FNV-1a), taken with an
// independent decoder. A loader that decodes them to anything else, or
// refuses them, changes what the editor shows.

#include "lice_bitmap.h"
#include "resource.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace lice_test
{
struct EditorImagePrint
{
  int resourceId;
  const char* file;  // relative to the plug-in folder
  uint64_t print;
};

constexpr EditorImagePrint kEditorImagePrints[] = {
    {BG_ID, BG_FN, 0x6c2f26f09386c2c0},
    {KNOB_ID, KNOB_FN, 0x93fb39ae936c0ed5},
    {BUTTON1_ID, BUTTON1_FN, 0xe071f90cb61996d7},
    {BUTTON2_ID, BUTTON2_FN, 0x40e08037b167f5b6},
    {SWITCH_ID, SWITCH_FN, 0x6ae845aaabff112b},
    {VUMETER_ID, VUMETER_FN, 0xe1c7f6f66e7bf7e8},
    {FADER_HANDLE_ID, FADER_HANDLE_FN, 0x5a5b31643c578f98},
};

inline uint64_t PixelPrint(LICE_IBitmap& b)
{
  uint64_t h = 0xcbf29ce484222325u;
  for (int y = 0; y < b.PixelHeight(); ++y)
    for (int x = 0; x < b.PixelWidth(); ++x)
    {
      const LICE_Pixel p = b.Pixels()[std::ptrdiff_t(y) * b.RowSpan() + x];
      for (const unsigned channel : {LICE_GETR(p), LICE_GETG(p), LICE_GETB(p), LICE_GETA(p)})
        h = (h ^ channel) * 0x100000001b3u;
    }
  return h;
}
}  // namespace lice_test
