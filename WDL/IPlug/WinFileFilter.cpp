#include "WinFileFilter.h"

#include <cstring>

namespace {
bool IsSeparator(char c) { return c == ' '; }
}  // namespace

bool WinFileFilter::Build(const char* extensions) {
  std::memset(mFilter, 0, sizeof mFilter);
  std::memset(mDefaultExtension, 0, sizeof mDefaultExtension);
  if (!extensions) return true;

  // The pattern is written once; the description and the pattern field of
  // the filter are the same text, so it may use at most half the buffer
  // minus the two separating NULs and the final one.
  constexpr int kPatternMax = (kFilterCapacity - 3) / 2;
  int length = 0;
  bool first = true;
  for (const char* p = extensions; *p;) {
    while (IsSeparator(*p)) ++p;
    const char* start = p;
    while (*p && !IsSeparator(*p)) ++p;
    const int n = static_cast<int>(p - start);
    if (n == 0) break;
    if (first) {
      if (n >= kDefaultExtensionCapacity) {
        Build(nullptr);
        return false;
      }
      std::memcpy(mDefaultExtension, start, static_cast<size_t>(n));
    }
    const int needed = (first ? 0 : 1) + 2 + n;  // ";" "*." ext
    if (length + needed > kPatternMax) {
      Build(nullptr);
      return false;
    }
    if (!first) mFilter[length++] = ';';
    mFilter[length++] = '*';
    mFilter[length++] = '.';
    std::memcpy(mFilter + length, start, static_cast<size_t>(n));
    length += n;
    first = false;
  }
  if (length == 0) return true;
  // Pattern NUL pattern NUL NUL: the buffer is zeroed, so the copy after the
  // first NUL leaves both terminators in place.
  std::memcpy(mFilter + length + 1, mFilter, static_cast<size_t>(length));
  return true;
}
