#pragma once
// One 32-bit pixel with straight (not premultiplied) alpha; 255 is opaque.
//
// The byte positions of the four channels follow the platform so that the
// platform's own bitmaps and the PNG decoder's output share one layout:
//   Windows order (default): bytes blue, green, red, alpha; value 0xAARRGGBB.
//   macOS order (LICE_PIXEL_ORDER_MACOS): bytes alpha, red, green, blue;
//   value 0xBBGGRRAA.
// Per-channel code addresses the channels through LICE_PIXEL_B/G/R/A (byte
// positions in memory); code that takes a channel out of a pixel value uses
// the LICE_GET* helpers, which know the matching bit positions.

#include <cstdint>

#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ != __ORDER_LITTLE_ENDIAN__
#error "the pixel layout assumes a little-endian processor"
#endif

// The macOS form (on macOS by itself; set by the build to test it on Linux)
// draws through the macOS drawing emulation and uses the macOS pixel order.
// LICE_PIXEL_ORDER_MACOS alone only changes the order.
#if defined(__APPLE__) && !defined(LICE_MACOS_FORM)
#define LICE_MACOS_FORM 1
#endif
#if defined(LICE_MACOS_FORM) && !defined(LICE_PIXEL_ORDER_MACOS)
#define LICE_PIXEL_ORDER_MACOS 1
#endif

typedef uint32_t LICE_Pixel;

#ifdef LICE_PIXEL_ORDER_MACOS
enum { LICE_PIXEL_A = 0, LICE_PIXEL_R = 1, LICE_PIXEL_G = 2, LICE_PIXEL_B = 3 };
#else
enum { LICE_PIXEL_B = 0, LICE_PIXEL_G = 1, LICE_PIXEL_R = 2, LICE_PIXEL_A = 3 };
#endif

// Packs four channel values (0 to 255) into a pixel of this platform's layout.
constexpr LICE_Pixel LICE_RGBA(unsigned r, unsigned g, unsigned b, unsigned a)
{
  return (LICE_Pixel(r & 0xFF) << (8 * LICE_PIXEL_R)) | (LICE_Pixel(g & 0xFF) << (8 * LICE_PIXEL_G)) |
         (LICE_Pixel(b & 0xFF) << (8 * LICE_PIXEL_B)) | (LICE_Pixel(a & 0xFF) << (8 * LICE_PIXEL_A));
}

constexpr unsigned LICE_GETR(LICE_Pixel p) { return (p >> (8 * LICE_PIXEL_R)) & 0xFF; }
constexpr unsigned LICE_GETG(LICE_Pixel p) { return (p >> (8 * LICE_PIXEL_G)) & 0xFF; }
constexpr unsigned LICE_GETB(LICE_Pixel p) { return (p >> (8 * LICE_PIXEL_B)) & 0xFF; }
constexpr unsigned LICE_GETA(LICE_Pixel p) { return (p >> (8 * LICE_PIXEL_A)) & 0xFF; }

// The channel bytes of one pixel, indexed by LICE_PIXEL_B/G/R/A.
inline uint8_t* LICE_PixelBytes(LICE_Pixel* p) { return reinterpret_cast<uint8_t*>(p); }
inline const uint8_t* LICE_PixelBytes(const LICE_Pixel* p) { return reinterpret_cast<const uint8_t*>(p); }
