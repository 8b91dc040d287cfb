#pragma once
// Shows how far a long render has come on standard error, on one line that
// is rewritten in place. Only for a person watching: nothing is shown when
// standard error is not a terminal, nor for a render that ends within a few
// seconds.
#include <chrono>
#include <cstdint>

namespace vo {

class RenderProgress {
 public:
  RenderProgress(int64_t totalFrames, int sampleRate);
  // After each block, with the frames rendered so far.
  void Update(int64_t framesDone);
  // Clears the line, so that what follows starts on a clean one.
  void Finish();

 private:
  using Clock = std::chrono::steady_clock;
  static constexpr std::chrono::milliseconds kQuietTime{2000};  // renders shorter than this show nothing
  static constexpr std::chrono::milliseconds kRefresh{250};

  bool mEnabled;
  bool mShown = false;
  int64_t mTotal;
  int mRate;
  Clock::time_point mStart = Clock::now();
  Clock::time_point mLastShown;
};

}  // namespace vo
