#pragma once
// Counts and prints the failed expectations of the host's check runs.

#include <cstdio>
#include <string>

namespace vo {
namespace vst3host {

class Checker {
 public:
  explicit Checker(bool verbose) : mVerbose(verbose) {}
  bool Expect(bool ok, const std::string& what) {
    if (!ok) {
      ++mFailures;
      std::printf("FAIL: %s\n", what.c_str());
    } else if (mVerbose) {
      std::printf("ok:   %s\n", what.c_str());
    }
    return ok;
  }
  int Failures() const { return mFailures; }

 private:
  bool mVerbose;
  int mFailures = 0;
};

}  // namespace vst3host
}  // namespace vo
