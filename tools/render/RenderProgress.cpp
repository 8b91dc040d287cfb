#include "RenderProgress.h"

#include <cstdio>
#include <string>

#ifdef _WIN32
#include <io.h>
#define VO_ISATTY _isatty
#define VO_FILENO _fileno
#else
#include <unistd.h>
#define VO_ISATTY isatty
#define VO_FILENO fileno
#endif

namespace vo {
namespace {

std::string MinutesAndSeconds(int64_t frames, int rate) {
  const long long seconds = frames / rate;
  char text[32];
  std::snprintf(text, sizeof text, "%lld:%02lld", seconds / 60, seconds % 60);
  return text;
}

}  // namespace

RenderProgress::RenderProgress(int64_t totalFrames, int sampleRate)
    : mEnabled(VO_ISATTY(VO_FILENO(stderr)) != 0 && totalFrames > 0 && sampleRate > 0),
      mTotal(totalFrames),
      mRate(sampleRate) {}

void RenderProgress::Update(int64_t framesDone) {
  if (!mEnabled) return;
  const Clock::time_point now = Clock::now();
  if (now - mStart < kQuietTime || (mShown && now - mLastShown < kRefresh)) return;
  mShown = true;
  mLastShown = now;
  std::fprintf(stderr, "\rrendering %s of %s (%d%%) ", MinutesAndSeconds(framesDone, mRate).c_str(),
               MinutesAndSeconds(mTotal, mRate).c_str(), static_cast<int>(100 * framesDone / mTotal));
  std::fflush(stderr);
}

void RenderProgress::Finish() {
  if (!mShown) return;
  std::fprintf(stderr, "\r%60s\r", "");
  std::fflush(stderr);
  mShown = false;
}

}  // namespace vo
