#include "WavWriter.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <type_traits>

#include "FloatSample.h"
#include "WavBytes.h"

#ifdef _WIN32
#include <process.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace vo {
namespace {

constexpr size_t kFlushBytes = 1 << 16;

void FillHeader(unsigned char* h, int sampleRate, int channels, uint32_t frames) {
  const uint32_t frameBytes = static_cast<uint32_t>(channels) * 4;
  const uint32_t dataBytes = frames * frameBytes;
  std::memcpy(h, "RIFF", 4);
  wav::PutLE(h + 4, static_cast<uint32_t>(wav::kHeaderBytes - 8) + dataBytes, 4);
  std::memcpy(h + 8, "WAVEfmt ", 8);
  // A float format chunk states the size of its extension, here none.
  wav::PutLE(h + 16, 18, 4);
  wav::PutLE(h + 20, 3, 2);  // IEEE float
  wav::PutLE(h + 22, static_cast<uint32_t>(channels), 2);
  wav::PutLE(h + 24, static_cast<uint32_t>(sampleRate), 4);
  wav::PutLE(h + 28, static_cast<uint32_t>(sampleRate) * frameBytes, 4);
  wav::PutLE(h + 32, frameBytes, 2);
  wav::PutLE(h + 34, 32, 2);
  wav::PutLE(h + 36, 0, 2);
  std::memcpy(h + 38, "fact", 4);
  wav::PutLE(h + 42, 4, 4);
  wav::PutLE(h + 46, frames, 4);
  std::memcpy(h + 50, "data", 4);
  wav::PutLE(h + 54, dataBytes, 4);
}

// A name beside the target that no other writer uses: hidden, and marked
// with the process.
std::string TemporaryBeside(const std::string& path) {
#ifdef _WIN32
  const int process = _getpid();
#else
  const int process = static_cast<int>(getpid());
#endif
  const std::filesystem::path target(path);
  const std::string name = "." + target.filename().string() + "." + std::to_string(process) + ".part";
  return (target.parent_path() / name).string();
}

}  // namespace

int64_t WavWriter::MaxFrames(int channels) { return wav::kMaxDataBytes / (4 * static_cast<int64_t>(channels)); }

WavWriter::~WavWriter() { Discard(); }

void WavWriter::Discard() {
  if (mFile) fclose(mFile);
  mFile = nullptr;
  if (!mTemporary.empty()) std::remove(mTemporary.c_str());
  mTemporary.clear();
}

bool WavWriter::Open(const std::string& path, int sampleRate, int channels, std::string* error) {
  mPath = path;
  mChannels = channels;
  // A device or pipe cannot be replaced by a file: it is written as it is.
  std::error_code ignored;
  const auto status = std::filesystem::status(path, ignored);
  const bool direct = std::filesystem::exists(status) && !std::filesystem::is_regular_file(status);
  // A symbolic link is written through: the file it names is replaced (and
  // keeps its permissions), not the link.
  mTarget = path;
  if (std::filesystem::is_symlink(std::filesystem::symlink_status(path, ignored))) {
    const auto resolved = std::filesystem::weakly_canonical(path, ignored);
    if (!ignored) mTarget = resolved.string();
  }
  mKeepsPermissions = std::filesystem::is_regular_file(status);
  mTemporary = direct ? "" : TemporaryBeside(mTarget);
  mFile = fopen(direct ? path.c_str() : mTemporary.c_str(), "wb");
  if (!mFile) {
    *error = "cannot write " + path + ": " + std::strerror(errno);
    mTemporary.clear();  // nothing was created
    return false;
  }
  // The sizes are filled in on closing; until then the header says "empty".
  unsigned char header[wav::kHeaderBytes];
  FillHeader(header, sampleRate, channels, 0);
  mHeaderRate = sampleRate;
  if (fwrite(header, 1, sizeof header, mFile) != sizeof header) {
    *error = "cannot write " + path + ": " + std::strerror(errno);
    Discard();
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
    const size_t at = mPending.size();
    mPending.resize(at + 4 * static_cast<size_t>(mChannels));
    for (int c = 0; c < mChannels; ++c) {
      float f;
      if constexpr (std::is_same_v<Sample, float>)
        f = channels[c][i];
      else
        f = FloatSample(channels[c][i]);
      uint32_t raw;
      std::memcpy(&raw, &f, 4);
      wav::PutLE(&mPending[at + 4 * static_cast<size_t>(c)], raw, 4);
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

bool WavWriter::Replace() {
  if (mKeepsPermissions) {
    std::error_code ignored;  // the default permissions are no failure
    std::filesystem::permissions(mTemporary, std::filesystem::status(mTarget, ignored).permissions(), ignored);
  }
#ifdef _WIN32
  // rename() will not replace an existing file on Windows.
  const bool moved = MoveFileExA(mTemporary.c_str(), mTarget.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
  if (!moved) mFailure = "cannot replace it (Windows error " + std::to_string(GetLastError()) + ")";
#else
  const bool moved = std::rename(mTemporary.c_str(), mTarget.c_str()) == 0;
  if (!moved) mFailure = std::strerror(errno);
#endif
  if (moved) mTemporary.clear();
  return moved;
}

bool WavWriter::Close(std::string* error) {
  if (!mFile) {
    *error = "cannot write " + mPath;
    return false;
  }
  if (!mFailed) Flush();
  if (!mFailed) {
    unsigned char header[wav::kHeaderBytes];
    FillHeader(header, mHeaderRate, mChannels, static_cast<uint32_t>(mFrames));
    if (!wav::Seek(mFile, 0) || fwrite(header, 1, sizeof header, mFile) != sizeof header) {
      mFailed = true;
      mFailure = std::strerror(errno);
    }
  }
  if (!mFailed) {
    const bool closed = fclose(mFile) == 0;
    mFile = nullptr;
    if (!closed) {
      mFailed = true;
      mFailure = std::strerror(errno);
    }
  }
  if (!mFailed && !mTemporary.empty() && !Replace()) mFailed = true;
  if (mFailed) {
    Discard();
    *error = "cannot write " + mPath + ": " + mFailure;
  }
  return !mFailed;
}

}  // namespace vo
