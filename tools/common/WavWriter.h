#pragma once
// Writes a 32-bit float RIFF/WAVE file front to back: opened (and so checked
// for being writable) before any audio exists, frames appended block by
// block, the sizes in the header filled in when it is closed. A file not
// completed by a successful Close is removed, so that no partial render is
// mistaken for a whole one.
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
  ~WavWriter();

  // Creates (or empties) the file and writes a header. False, with the file
  // and the reason in *error, when it cannot.
  bool Open(const std::string& path, int sampleRate, int channels, std::string* error);
  // Appends frames from one array per channel. False once writing failed or
  // the file would grow beyond what its header can state.
  bool Write(const float* const* channels, int64_t frames);
  bool Write(const double* const* channels, int64_t frames);
  // Completes the header and closes the file; false with *error (and the
  // file removed) when any write failed.
  bool Close(std::string* error);

 private:
  template <class Sample>
  bool Append(const Sample* const* channels, int64_t frames);
  bool Flush();
  void Discard();
  void RemoveFile() const;

  FILE* mFile = nullptr;
  std::string mPath;
  int mChannels = 0;
  int mHeaderRate = 0;
  int64_t mFrames = 0;
  bool mFailed = false;
  std::string mFailure;
  std::vector<unsigned char> mPending;  // encoded frames not yet written
};

}  // namespace vo
