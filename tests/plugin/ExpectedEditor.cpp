#include "ExpectedEditor.h"

#include <png.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>

#ifdef _WIN32
#include <windows.h>
#endif

namespace vo_test {
namespace {

std::vector<unsigned char> ImageBytes(int resourceId, const char* fileName) {
#ifdef _WIN32
  (void)fileName;
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(resourceId), "PNG");
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const auto* data = static_cast<const unsigned char*>(loaded ? LockResource(loaded) : nullptr);
  return data ? std::vector<unsigned char>(data, data + SizeofResource(module, found)) : std::vector<unsigned char>();
#else
  (void)resourceId;
  std::vector<unsigned char> bytes;
  const std::string path = std::string(VO_PLUGIN_IMAGE_ROOT) + "/" + fileName;
  if (FILE* file = std::fopen(path.c_str(), "rb")) {
    unsigned char chunk[65536];
    for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, file)) > 0;) bytes.insert(bytes.end(), chunk, chunk + n);
    std::fclose(file);
  }
  return bytes;
#endif
}

int Channel(uint32_t p, int shift) { return static_cast<int>((p >> shift) & 0xFF); }

uint32_t Pack(int a, int r, int g, int b) {
  return static_cast<uint32_t>(a) << 24 | static_cast<uint32_t>(r) << 16 | static_cast<uint32_t>(g) << 8 |
         static_cast<uint32_t>(b);
}

// Copy with source alpha at full opacity: a transparent source leaves the
// destination, an opaque one replaces it, anything between moves each
// colour channel toward the source by the source alpha and adds the
// alphas (limited to 255).
uint32_t CopyWithSourceAlpha(uint32_t d, uint32_t s) {
  const int sa = Channel(s, 24);
  if (sa == 0) return d;
  if (sa == 255) return s;
  const auto mix = [&](int shift) {
    const int sc = Channel(s, shift), dc = Channel(d, shift);
    return sc + ((dc - sc) * (255 - sa)) / 256;
  };
  return Pack(std::min(255, Channel(d, 24) + sa), mix(16), mix(8), mix(0));
}

std::string Hex(uint32_t p) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(p));
  return text;
}

}  // namespace

ArgbImage ReadPluginImage(int resourceId, const char* fileName) {
  const std::vector<unsigned char> bytes = ImageBytes(resourceId, fileName);
  ArgbImage out;
  png_image png = {};
  png.version = PNG_IMAGE_VERSION;
  if (bytes.empty() || !png_image_begin_read_from_memory(&png, bytes.data(), bytes.size())) return out;
  png.format = PNG_FORMAT_ARGB;  // straight alpha for 8-bit output; opaque when the file has none
  std::vector<unsigned char> argb(PNG_IMAGE_SIZE(png));
  if (!png_image_finish_read(&png, nullptr, argb.data(), 0, nullptr)) return out;
  out.width = static_cast<int>(png.width);
  out.height = static_cast<int>(png.height);
  out.pixels.resize(argb.size() / 4);
  for (size_t i = 0; i < out.pixels.size(); ++i)
    out.pixels[i] = Pack(argb[4 * i], argb[4 * i + 1], argb[4 * i + 2], argb[4 * i + 3]);
  return out;
}

int FrameForValue(int frames, double value) {
  if (frames < 2) return 1;
  const int k = static_cast<int>((frames - 1) * value + 0.5) + 1;
  return std::min(frames, std::max(1, k));
}

void DrawStripFrame(ArgbImage* dest, const ArgbImage& strip, int frames, int frame, int x, int y, Blend blend) {
  const int frameHeight = strip.height / frames;
  const int top = frame < 2 ? 0 : static_cast<int>(static_cast<double>(strip.height) * (frame - 1) / frames + 0.5);
  for (int row = 0; row < frameHeight; ++row) {
    for (int col = 0; col < strip.width; ++col) {
      const int dx = x + col, dy = y + row;
      if (dx < 0 || dy < 0 || dx >= dest->width || dy >= dest->height) continue;
      const uint32_t s = strip.At(col, top + row);
      uint32_t& d = dest->At(dx, dy);
      d = blend == Blend::kPlainCopy ? s : CopyWithSourceAlpha(d, s);
    }
  }
}

std::string DescribeDifferences(const ArgbImage& expected, const std::function<uint32_t(int, int)>& actual,
                                bool withAlpha, int tolerance, const std::vector<PixelRect>& skip,
                                const std::vector<NamedRect>& regions) {
  std::map<std::string, int> perRegion;
  std::ostringstream first;
  int differing = 0;
  for (int y = 0; y < expected.height; ++y) {
    for (int x = 0; x < expected.width; ++x) {
      if (std::any_of(skip.begin(), skip.end(), [&](const PixelRect& r) { return r.Contains(x, y); })) continue;
      const uint32_t compared = withAlpha ? 0xFFFFFFFFu : 0x00FFFFFFu;
      const uint32_t want = expected.At(x, y) & compared, got = actual(x, y) & compared;
      bool same = true;
      for (int shift = 0; shift < 32; shift += 8)
        same &= std::abs(Channel(want, shift) - Channel(got, shift)) <= tolerance;
      if (same) continue;
      std::string region = "background";
      for (const NamedRect& r : regions)
        if (r.rect.Contains(x, y)) region = r.name;
      ++perRegion[region];
      if (++differing <= 3)
        first << "\n  (" << x << ", " << y << ") in " << region << ": expected " << Hex(want) << ", got "
              << Hex(got);
    }
  }
  if (differing == 0) return "";
  std::ostringstream message;
  message << differing << " pixels differ by more than " << tolerance << " in a channel:";
  for (const auto& entry : perRegion) message << "\n  " << entry.second << " in " << entry.first;
  message << "\n first differences:" << first.str();
  return message.str();
}

}  // namespace vo_test
