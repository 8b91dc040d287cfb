#include "Trace.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
constexpr int kTimestampLength = 32;
constexpr int kMinutesPerDay = 1440;
char gLogTimestamp[kTimestampLength];
}  // namespace

void FormatLogTimestampFrom(const std::tm& local, const std::tm& utc, char* out, int outSize) {
  char text[kTimestampLength];
  if (std::strftime(text, sizeof text, "%Y%m%d %H:%M ", &local) == 0) text[0] = 0;

  int offset = (local.tm_hour * 60 + local.tm_min) - (utc.tm_hour * 60 + utc.tm_min);
  if (local.tm_yday != utc.tm_yday) {
    int days = local.tm_yday - utc.tm_yday;
    // Day-of-year wraps at new year: a big difference means one day the other way.
    if (days > 1) days = -1;
    if (days < -1) days = 1;
    offset += days * kMinutesPerDay;
  }
  const int magnitude = std::abs(offset);
  std::snprintf(out, static_cast<size_t>(outSize), "%s%c%02d%02d", text, offset < 0 ? '-' : '+', magnitude / 60,
                magnitude % 60);
}

const char* FormatLogTimestamp() {
  std::tm local{}, utc{};
  if (SplitLocalAndUtcTime(std::time(nullptr), &local, &utc)) {
    FormatLogTimestampFrom(local, utc, gLogTimestamp, kTimestampLength);
  }
  return gLogTimestamp;
}

void FormatVersionText(unsigned int version, char* out, int outSize) {
  std::snprintf(out, static_cast<size_t>(outSize), "v%d.%d.%d", static_cast<int>(version >> 16),
                static_cast<int>((version >> 8) & 255), static_cast<int>(version & 255));
}
