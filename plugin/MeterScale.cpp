#include "MeterScale.h"

#include <cmath>

namespace {
constexpr double kTwelveDecibels = 3.98107;          // 10^(12 / 20)
constexpr double kNepersToDecibels = 8.685889638065037;  // 20 / ln(10)
constexpr double kFloorDecibels = -20.0;
constexpr double kSpanDecibels = 23.0;
}  // namespace

double MeterValueOfLevel(double level) {
  const double dB = std::log(std::fabs(level * kTwelveDecibels)) * kNepersToDecibels;
  const double value = (dB - kFloorDecibels) / kSpanDecibels;
  // Silence gives minus infinity; a level that is not a number shows nothing.
  if (!(value > 0.0)) return 0.0;
  return value < 1.0 ? value : 1.0;
}
