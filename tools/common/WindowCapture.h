#pragma once
// Screenshots of windows for tests and test hosts (Windows build): the
// window's client area is copied with BitBlt from its device context into a
// 32-bit DIB section, so the pixels are exactly what the window painted, and
// can be written as a PNG file with libpng. (PrintWindow is no substitute:
// under Wine it answers success and copies nothing.)

#include <windows.h>

#include <cstdint>
#include <vector>

namespace vo {

// A captured client area: top-down rows of 0x00RRGGBB pixels (the window's
// alpha byte carries nothing and is cleared).
struct WindowImage {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;

  uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + x]; }
};

// Caller's thread (the window's, to see its latest painting); allocates.
// False, with an empty image, when the window has no client area or a GDI
// call fails.
bool CaptureWindow(HWND window, WindowImage* image);

// Writes the image as an 8-bit RGB PNG file (UTF-8 path); false on failure.
bool WriteWindowImagePng(const WindowImage& image, const char* path);

// Both of the above.
bool CaptureWindowToPng(HWND window, const char* path);

}  // namespace vo
