#pragma once
// A colour of four channels, each 0 to 255. Plain value type, any thread.

#include <cstdint>

// The raster library's pixel word (same typedef as lice_pixel.h), named here
// so that the editor's records need no raster header.
typedef uint32_t LICE_Pixel;

struct IColor {
  int A = 255, R = 0, G = 0, B = 0;

  constexpr IColor() = default;
  constexpr IColor(int a, int r, int g, int b) : A(a), R(r), G(g), B(b) {}

  // The raster pixel in this platform's channel order (built with LICE_RGBA).
  LICE_Pixel ToPixel() const;
  // The Windows colour value 0x00BBGGRR.
  constexpr uint32_t ToColorRef() const {
    return static_cast<uint32_t>(R & 0xFF) | static_cast<uint32_t>(G & 0xFF) << 8 | static_cast<uint32_t>(B & 0xFF) << 16;
  }

  constexpr bool operator==(const IColor& o) const { return A == o.A && R == o.R && G == o.G && B == o.B; }
  constexpr bool operator!=(const IColor& o) const { return !(*this == o); }
};

constexpr IColor kColorBlack(255, 0, 0, 0);
constexpr IColor kColorWhite(255, 255, 255, 255);
