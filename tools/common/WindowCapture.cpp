#include "WindowCapture.h"

#include <png.h>

#include <cstdio>
#include <filesystem>

namespace vo {

bool CaptureWindow(HWND window, WindowImage* image) {
  *image = WindowImage();
  RECT client = {};
  if (!window || !GetClientRect(window, &client)) return false;
  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  if (width <= 0 || height <= 0) return false;

  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;

  HDC windowDc = GetDC(window);
  if (!windowDc) return false;
  HDC memoryDc = CreateCompatibleDC(windowDc);
  void* bits = nullptr;
  HBITMAP section = memoryDc ? CreateDIBSection(memoryDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr;
  bool ok = false;
  if (section && bits) {
    HGDIOBJ previous = SelectObject(memoryDc, section);
    ok = BitBlt(memoryDc, 0, 0, width, height, windowDc, 0, 0, SRCCOPY) != 0;
    GdiFlush();
    if (ok) {
      image->width = width;
      image->height = height;
      const auto* source = static_cast<const uint32_t*>(bits);
      image->pixels.assign(source, source + static_cast<size_t>(width) * static_cast<size_t>(height));
      for (uint32_t& p : image->pixels) p &= 0x00FFFFFF;
    }
    SelectObject(memoryDc, previous);
  }
  if (section) DeleteObject(section);
  if (memoryDc) DeleteDC(memoryDc);
  ReleaseDC(window, windowDc);
  return ok;
}

namespace {
// The libpng part; libpng's errors jump back to the setjmp here, so this
// function keeps only trivially destructible locals.
bool EncodeRows(FILE* file, int width, int height, png_bytep* rows) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, file);
  png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8, PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  png_write_image(png, rows);
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}
}  // namespace

bool WriteWindowImagePng(const WindowImage& image, const char* path) {
  if (image.width <= 0 || image.height <= 0 || !path) return false;
  const size_t rowBytes = static_cast<size_t>(image.width) * 3;
  std::vector<png_byte> rgb(rowBytes * static_cast<size_t>(image.height));
  std::vector<png_bytep> rows(static_cast<size_t>(image.height));
  for (int y = 0; y < image.height; ++y) {
    png_bytep row = rgb.data() + rowBytes * static_cast<size_t>(y);
    rows[static_cast<size_t>(y)] = row;
    for (int x = 0; x < image.width; ++x) {
      const uint32_t p = image.At(x, y);
      row[3 * x] = static_cast<png_byte>(p >> 16);
      row[3 * x + 1] = static_cast<png_byte>(p >> 8);
      row[3 * x + 2] = static_cast<png_byte>(p);
    }
  }
  FILE* file = _wfopen(std::filesystem::u8path(path).wstring().c_str(), L"wb");
  if (!file) return false;
  const bool encoded = EncodeRows(file, image.width, image.height, rows.data());
  const bool closed = std::fclose(file) == 0;
  return encoded && closed;
}

bool CaptureWindowToPng(HWND window, const char* path) {
  WindowImage image;
  return CaptureWindow(window, &image) && WriteWindowImagePng(image, path);
}

}  // namespace vo
