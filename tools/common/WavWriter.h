#pragma once
// Writes a 32-bit float RIFF/WAVE file front to back: opened (and so checked
// for being writable) before any audio exists, frames appended block by
// block, the sizes in the header filled in when it is closed.
//
// The frames go to a temporary file beside the target, which a successful
// Close moves over it: until then an earlier file of that name stays as it
// was, and a render that fails or is abandoned leaves neither a partial file
// nor the temporary. A target that exists and is no regular file (a device
// such as /dev/null, a pipe) is written directly; a symbolic link is written
// through, and a replaced file keeps its permissions.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace vo {

class WavWriter {
 public:
  // The most frames of `channels` channels whose size the header can state.
  static int64_t MaxFrames(int channels);

  WavWriter() = default;
  WavWriter(const WavWriter&) = delete;
  WavWriter& operator=(const WavWriter&) = delete;
  // Discards what was not completed by Close.
  ~WavWriter();

  // Creates the temporary file and writes a header. False, with the target
  // and the reason in *error, when it cannot.
  bool Open(const std::string& path, int sampleRate, int channels, std::string* error);
  // Appends frames from one array per channel; 64-bit samples are converted
  // as FloatSample does (never an infinity for a finite value). False once
  // writing failed or the file would grow beyond what its header can state.
  bool Write(const float* const* channels, int64_t frames);
  bool Write(const double* const* channels, int64_t frames);
  // Completes the header, closes the file and moves it over the target;
  // false with *error (and the temporary removed) when any step failed.
  bool Close(std::string* error);
  // Gives the file up: the temporary is removed, the target left untouched.
  void Discard();
  // The temporary being written ("" when writing the target directly).
  const std::string& TemporaryPath() const { return mTemporary; }

 private:
  template <class Sample>
  bool Append(const Sample* const* channels, int64_t frames);
  bool Flush();
  // Moves the completed temporary over the target; false with mFailure.
  bool Replace();

  FILE* mFile = nullptr;
  std::string mPath;       // the target as given
  std::string mTarget;     // the file replaced: mPath, or the file its link names
  bool mKeepsPermissions = false;  // the target exists: the new file takes its permissions
  std::string mTemporary;  // written instead of the target; "" when none
  int mChannels = 0;
  int mHeaderRate = 0;
  int64_t mFrames = 0;
  bool mFailed = false;
  std::string mFailure;
  std::vector<unsigned char> mPending;  // encoded frames not yet written
};

}  // namespace vo
