#include "DeviceScale.h"

#include <algorithm>
#include <cmath>

namespace DeviceScale {
namespace {
int Down(float value) { return static_cast<int>(std::floor(value)); }
int Up(float value) { return static_cast<int>(std::ceil(value)); }
// Largest step tried: a display scale is logical pixels per inch / 96.
constexpr int kMaxStep = 96;
}  // namespace

IDeviceSize ScaleSize(double scale, int width, int height) {
  return IDeviceSize{static_cast<int>(scale * width), static_cast<int>(scale * height)};
}

int ScaleCoordinate(double scale, int coordinate) {
  if (!(scale > 0.0)) return coordinate;
  // The tolerance keeps a product that should be whole (330 x 1.5, or
  // 3 x 4/3) from rising to the next pixel through rounding.
  return static_cast<int>(std::ceil(static_cast<double>(coordinate) * scale - 1e-9));
}

IRECT ScaleOutward(const IRECT& area, float scale) {
  return IRECT(Down(static_cast<float>(area.L) * scale), Down(static_cast<float>(area.T) * scale),
               Up(static_cast<float>(area.R) * scale), Up(static_cast<float>(area.B) * scale));
}

IRECT UnscaleOutward(const IRECT& device, float scale, int width, int height) {
  if (!(scale > 0.0f)) return IRECT(0, 0, width, height);
  IRECT r(Down(static_cast<float>(device.L) / scale), Down(static_cast<float>(device.T) / scale),
          Up(static_cast<float>(device.R) / scale), Up(static_cast<float>(device.B) / scale));
  r.L = std::clamp(r.L, 0, width);
  r.R = std::clamp(r.R, 0, width);
  r.T = std::clamp(r.T, 0, height);
  r.B = std::clamp(r.B, 0, height);
  return r;
}

int AlignmentStep(float scale) {
  if (!(scale > 0.0f)) return 0;
  for (int step = 1; step <= kMaxStep; ++step) {
    const float device = static_cast<float>(step) * scale;
    if (std::fabs(device - std::round(device)) < 1e-3f) return step;
  }
  return 0;
}

IRECT AlignOutward(const IRECT& area, int step, int width, int height) {
  if (step <= 0) return IRECT(0, 0, width, height);
  auto down = [step](int v) { return v >= 0 ? v / step * step : -((-v + step - 1) / step * step); };
  auto up = [&down](int v) { return -down(-v); };
  return IRECT(std::max(down(area.L), 0), std::max(down(area.T), 0), std::min(up(area.R), width),
               std::min(up(area.B), height));
}

}  // namespace DeviceScale
