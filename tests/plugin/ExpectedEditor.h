#pragma once
// The editor as it should look, composed without the editor: the module's
// PNG images decoded here with libpng, frames cut from their strips and
// blended with this file's own per-pixel rules, and a pixel-by-pixel
// comparison that names the control under every difference. Test helper;
// any thread; allocates.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vo_test {

// Top-down rows of straight-alpha pixels 0xAARRGGBB.
struct ArgbImage {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;

  uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + x]; }
  uint32_t& At(int x, int y) { return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + x]; }
};

// One of the plug-in's images: on Windows the "PNG" resource id of this
// program, elsewhere the file name under the plug-in's folder. An empty
// image when it cannot be read or decoded.
ArgbImage ReadPluginImage(int resourceId, const char* fileName);

// The two ways the editor combines a frame with what is below it.
enum class Blend {
  kPlainCopy,        // every channel of the source replaces the destination
  kCopySourceAlpha,  // the source's alpha weighs it against the destination
};

// Frame `frame` (1-based) of a strip of `frames` stacked top to bottom,
// blended at full opacity with its top-left corner on (x, y).
void DrawStripFrame(ArgbImage* dest, const ArgbImage& strip, int frames, int frame, int x, int y, Blend blend);

// The 1-based frame a control of `frames` frames shows for a normalised value.
int FrameForValue(int frames, double value);

struct PixelRect {
  int l, t, r, b;  // r and b exclusive
  bool Contains(int x, int y) const { return x >= l && x < r && y >= t && y < b; }
};

struct NamedRect {
  std::string name;
  PixelRect rect;
};

// Compares every pixel of `expected` that lies in no `skip` rect with
// actual(x, y) (0xAARRGGBB; alpha compared only when withAlpha). Empty when
// no channel differs by more than `tolerance`; otherwise a message with the
// number of differing pixels per region (the last of `regions` holding the
// pixel, "background" when none does) and the first differences.
std::string DescribeDifferences(const ArgbImage& expected, const std::function<uint32_t(int, int)>& actual,
                                bool withAlpha, int tolerance, const std::vector<PixelRect>& skip,
                                const std::vector<NamedRect>& regions);

}  // namespace vo_test
