#include "WavWriter.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "WavBytes.h"

namespace vo {
namespace {

constexpr size_t kFlushBytes = 1 << 16;

void FillHeader(unsigned char* h, int sampleRate, int channels, uint32_t dataBytes) {
  const uint32_t frameBytes = static_cast<uint32_t>(channels) * 4;
  std::memcpy(h, "RIFF", 4);
  wav::PutLE(h + 4, static_cast<uint32_t>(wav::kHeaderBytes - 8) + dataBytes, 4);
  std::memcpy(h + 8, "WAVEfmt ", 8);
  wav::PutLE(h + 16, 16, 4);
  wav::PutLE(h + 20, 3, 2);  // IEEE float
  wav::PutLE(h + 22, static_cast<uint32_t>(channels), 2);
  wav::PutLE(h + 24, static_cast<uint32_t>(sampleRate), 4);
  wav::PutLE(h + 28, static_cast<uint32_t>(sampleRate) * frameBytes, 4);
  wav::PutLE(h + 32, frameBytes, 2);
  wav::PutLE(h + 34, 32, 2);
  std::memcpy(h + 36, "data", 4);
  wav::PutLE(h + 40, dataBytes, 4);
}

}  // namespace

int64_t WavWriter::MaxFrames(int channels) { return wav::kMaxDataBytes / (4 * static_cast<int64_t>(channels)); }

WavWriter::~WavWriter() {
  if (mFile) Discard();
}

void WavWriter::Discard() {
  if (mFile) fclose(mFile);
  mFile = nullptr;
  RemoveFile();
}

void WavWriter::RemoveFile() const {
  // Only a file of our own making: never a device or pipe named as output.
  std::error_code ignored;
  if (std::filesystem::is_regular_file(mPath, ignored)) std::filesystem::remove(mPath, ignored);
}

bool WavWriter::Open(const std::string& path, int sampleRate, int channels, std::string* error) {
  mPath = path;
  mChannels = channels;
  mFile = fopen(path.c_str(), "wb");
  if (!mFile) {
    *error = "cannot write " + path + ": " + std::strerror(errno);
    return false;
  }
  // The sizes are filled in on closing; until then the header says "empty".
  unsigned char header[wav::kHeaderBytes];
  FillHeader(header, sampleRate, channels, 0);
  mHeaderRate = sampleRate;
  if (fwrite(header, 1, sizeof header, mFile) != sizeof header) {
    *error = "cannot write " + path + ": " + std::strerror(errno);
    return false;
  }
  return true;
}

bool WavWriter::Write(const float* const* channels, int64_t frames) { return Append(channels, frames); }
bool WavWriter::Write(const double* const* channels, int64_t frames) { return Append(channels, frames); }

template <class Sample>
bool WavWriter::Append(const Sample* const* channels, int64_t frames) {
  if (mFailed || !mFile) return false;
  if (frames > MaxFrames(mChannels) - mFrames) {
    mFailed = true;
    mFailure = "more audio than a WAV file can hold";
    return false;
  }
  for (int64_t i = 0; i < frames; ++i) {
    for (int c = 0; c < mChannels; ++c) {
      const float f = static_cast<float>(channels[c][i]);
      uint32_t raw;
      std::memcpy(&raw, &f, 4);
      unsigned char bytes[4];
      wav::PutLE(bytes, raw, 4);
      mPending.insert(mPending.end(), bytes, bytes + 4);
    }
    if (mPending.size() >= kFlushBytes && !Flush()) return false;
  }
  mFrames += frames;
  return true;
}

bool WavWriter::Flush() {
  if (!mPending.empty() && fwrite(mPending.data(), 1, mPending.size(), mFile) != mPending.size()) {
    mFailed = true;
    mFailure = std::strerror(errno);
  }
  mPending.clear();
  return !mFailed;
}

bool WavWriter::Close(std::string* error) {
  if (!mFile) {
    *error = "cannot write " + mPath;
    return false;
  }
  if (!mFailed) Flush();
  if (!mFailed) {
    unsigned char header[wav::kHeaderBytes];
    FillHeader(header, mHeaderRate, mChannels, static_cast<uint32_t>(mFrames * mChannels * 4));
    if (!wav::Seek(mFile, 0) || fwrite(header, 1, sizeof header, mFile) != sizeof header) {
      mFailed = true;
      mFailure = std::strerror(errno);
    }
  }
  if (mFailed) {
    Discard();
  } else {
    const bool closed = fclose(mFile) == 0;
    mFile = nullptr;
    if (!closed) {
      mFailed = true;
      mFailure = std::strerror(errno);
      RemoveFile();
    }
  }
  if (mFailed) *error = "cannot write " + mPath + ": " + mFailure;
  return !mFailed;
}

}  // namespace vo
