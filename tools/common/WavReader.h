#pragma once
// Reads a RIFF/WAVE file front to back in blocks: the header is checked when
// the file is opened (each problem named), the frames are decoded to doubles
// as they are read. Takes 16-, 24- and 32-bit PCM and 32- and 64-bit float,
// plain or in the extensible format.
//
// Files as recorders and streaming writers leave them are read too: a data
// chunk whose size was never filled in (0, 0xFFFFFFFF, or 0x7FFFF000 beyond
// the file's end) or that claims more
// than the file holds is read to the end of the file, and an odd-sized chunk
// written without its pad byte is stepped over when the next chunk's id
// stands right after it. Warning() says when the data read is not the data
// the header states.
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
  // WAV file, is of a format not taken, holds no frames, or has an odd-sized
  // chunk followed by no chunk id, padded or not.
  bool Open(const std::string& path, std::string* error);
  // One line for the user when the data chunk's size was not taken as
  // stated (see above); empty otherwise. Callers print it once.
  const std::string& Warning() const { return mWarning; }

  int SampleRate() const override { return mRate; }
  int Channels() const override { return mChannels; }
  int64_t Frames() const override { return mFrames; }
  // The frames the data chunk declares; more than Frames() when the file
  // ends before its declared data (the placeholder's worth when its size was
  // never filled in).
  int64_t DeclaredFrames() const { return mDeclaredFrames; }
  int64_t Read(double* const* channels, int count, int64_t maxFrames) override;

 private:
  struct Format {
    bool seen = false;
    uint32_t tag = 0, channels = 0, rate = 0, bits = 0;
  };
  // Walks the chunks after the RIFF header for the format and data chunks.
  bool FindChunks(const std::string& path, Format* format, std::string* error);
  // The position of the chunk after one of `size` bytes ending at `end`,
  // pad byte or not; false with *error when no chunk id reads at either.
  bool StepOverPad(const std::string& path, const unsigned char* id, int64_t size, int64_t end, int64_t* next,
                   std::string* error);
  static bool CheckFormat(const std::string& path, const Format& format, std::string* error);
  void SetWarning(const std::string& path);

  FILE* mFile = nullptr;
  int64_t mFileSize = 0;
  int64_t mDataOffset = -1;
  int64_t mDataSize = 0;  // as much of the declared size as the file holds
  int64_t mDeclaredDataSize = 0;
  bool mDataSizeUnknown = false;  // a placeholder size: read to the end of the file
  std::string mWarning;
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
