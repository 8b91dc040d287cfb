#pragma once
// Reads a RIFF/WAVE file front to back in blocks: the header is checked when
// the file is opened (each problem named), the frames are decoded to doubles
// as they are read. Takes 16-, 24- and 32-bit PCM and 32- and 64-bit float,
// plain or in the extensible format.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "FrameSource.h"

namespace vo {

class WavReader : public FrameSource {
 public:
  WavReader() = default;
  WavReader(const WavReader&) = delete;
  WavReader& operator=(const WavReader&) = delete;
  ~WavReader() override;

  // Opens the file and checks its header. False, with the file and the problem
  // named in *error, when it cannot be read (a folder is named as one), is no
  // WAV file, is of a format not taken, or holds no frames.
  bool Open(const std::string& path, std::string* error);

  int SampleRate() const override { return mRate; }
  int Channels() const override { return mChannels; }
  int64_t Frames() const override { return mFrames; }
  // The frames the data chunk declares; more than Frames() when the file
  // ends before its declared data.
  int64_t DeclaredFrames() const { return mDeclaredFrames; }
  int64_t Read(double* const* channels, int count, int64_t maxFrames) override;

 private:
  struct Format {
    bool seen = false;
    uint32_t tag = 0, channels = 0, rate = 0, bits = 0;
  };
  // Walks the chunks after the RIFF header for the format and data chunks.
  bool FindChunks(const std::string& path, Format* format, std::string* error);
  static bool CheckFormat(const std::string& path, const Format& format, std::string* error);

  FILE* mFile = nullptr;
  int64_t mFileSize = 0;
  int64_t mDataOffset = -1;
  int64_t mDataSize = 0;  // as much of the declared size as the file holds
  int64_t mDeclaredDataSize = 0;
  bool mFloat = false;
  int mRate = 0;
  int mChannels = 0;
  int mBytesPerSample = 0;
  int64_t mFrames = 0;
  int64_t mDeclaredFrames = 0;
  int64_t mPosition = 0;
  std::vector<unsigned char> mRaw;  // one read's bytes, bounded in size
};

}  // namespace vo
