#include "WavReader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "WavBytes.h"

namespace vo {
namespace {

constexpr uint32_t kTagPcm = 1, kTagFloat = 3, kTagExtensible = 0xFFFE;
// Bytes decoded per read: large enough to read efficiently, small enough that
// memory stays the same whatever the file's length (at least one frame is
// read, however many channels it has).
constexpr size_t kReadBytes = 1 << 16;
// Data sizes a writer leaves when it never comes back to fill in the header:
// nothing yet, the largest size, and the largest a signed 32-bit size holds
// rounded down to 4096 bytes (what writers streaming to a pipe put there).
constexpr int64_t kSizeNotWritten = 0, kSizeStreaming = 0xFFFFFFFFLL, kSizeStreamingSigned = 0x7FFFF000LL;

std::string SizeText(int64_t size) {
  char text[16];
  std::snprintf(text, sizeof text, size == 0 ? "0" : "0x%llX", static_cast<unsigned long long>(size));
  return text;
}

// Four characters of printable ASCII, as every chunk id is.
bool IsChunkId(const unsigned char* p) {
  for (int i = 0; i < 4; ++i)
    if (p[i] < 0x20 || p[i] > 0x7E) return false;
  return true;
}

// A chunk id as it can be shown in a message.
std::string IdText(const unsigned char* p) {
  std::string text;
  for (int i = 0; i < 4; ++i) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "\\x%02X", p[i]);
    text += (p[i] >= 0x20 && p[i] <= 0x7E) ? std::string(1, static_cast<char>(p[i])) : std::string(hex);
  }
  return text;
}

std::string FrameCount(int64_t n) { return std::to_string(n) + (n == 1 ? " frame" : " frames"); }

double DecodeSample(const unsigned char* p, bool isFloat, int bytes) {
  if (isFloat && bytes == 4) {
    float f;
    std::memcpy(&f, p, 4);
    return f;
  }
  if (isFloat) {
    double d;
    std::memcpy(&d, p, 8);
    return d;
  }
  const int bits = bytes * 8;
  const uint32_t raw = wav::ReadLE(p, bytes);
  const int shift = 32 - bits;
  const int32_t value = static_cast<int32_t>(raw << shift) >> shift;  // sign-extend
  return value / static_cast<double>(1u << (bits - 1));
}

}  // namespace

WavReader::~WavReader() {
  if (mFile) fclose(mFile);
}

bool WavReader::Open(const std::string& path, std::string* error) {
  // Some systems open a folder for reading and fail only at the first read.
  std::error_code ignored;
  if (std::filesystem::is_directory(path, ignored)) {
    *error = path + " is a folder, not a WAV file";
    return false;
  }
  mFile = fopen(path.c_str(), "rb");
  if (!mFile) {
    *error = "cannot open " + path + ": " + std::strerror(errno);
    return false;
  }
  mFileSize = wav::Size(mFile);
  unsigned char riff[12];
  if (mFileSize < 0 || !wav::Seek(mFile, 0)) {
    *error = "cannot read " + path;
    return false;
  }
  const size_t got = fread(riff, 1, sizeof riff, mFile);
  const bool riffStart = got >= 4 && !std::memcmp(riff, "RIFF", 4);
  if (riffStart && got < sizeof riff) {
    *error = path + ": the WAV header is truncated";
    return false;
  }
  if (got == sizeof riff && !std::memcmp(riff, "RF64", 4)) {
    *error = path + " is an RF64 file, which is not read (WAV files up to 4 GB are)";
    return false;
  }
  if (!riffStart || std::memcmp(riff + 8, "WAVE", 4)) {
    *error = path + " is not a WAV file";
    return false;
  }
  Format format;
  if (!FindChunks(path, &format, error) || !CheckFormat(path, format, error)) return false;

  mFloat = format.tag == kTagFloat;
  mRate = static_cast<int>(format.rate);
  mChannels = static_cast<int>(format.channels);
  mBytesPerSample = static_cast<int>(format.bits / 8);
  const int64_t frameBytes = static_cast<int64_t>(mChannels) * mBytesPerSample;
  mFrames = mDataSize / frameBytes;
  mDeclaredFrames = mDeclaredDataSize / frameBytes;
  if (mFrames == 0) {
    *error = path + " has no audio frames";
    return false;
  }
  SetWarning(path);
  if (!wav::Seek(mFile, mDataOffset)) {
    *error = "cannot read " + path;
    return false;
  }
  return true;
}

bool WavReader::FindChunks(const std::string& path, Format* format, std::string* error) {
  int64_t pos = 12;
  while (pos + 8 <= mFileSize) {
    unsigned char header[8];
    if (!wav::Seek(mFile, pos) || fread(header, 1, 8, mFile) != 8) break;
    const int64_t declared = wav::ReadLE(header + 4, 4);
    const int64_t body = pos + 8;
    const bool data = !std::memcmp(header, "data", 4) && mDataOffset < 0;
    // A chunk cut off by the end of the file holds what is there; a data
    // chunk whose size was never written holds everything to the end. The
    // signed placeholder is a size a file can really have: it is taken as
    // one only when the file holds less.
    const bool unknown = data && (declared == kSizeNotWritten || declared == kSizeStreaming ||
                                  (declared == kSizeStreamingSigned && declared > mFileSize - body));
    const int64_t size = unknown ? mFileSize - body : std::min(declared, mFileSize - body);
    if (!std::memcmp(header, "fmt ", 4)) {
      unsigned char fmt[26] = {};
      const size_t wanted = static_cast<size_t>(std::min<int64_t>(size, sizeof fmt));
      if (size < 16 || fread(fmt, 1, wanted, mFile) != wanted) {
        *error = path + ": the WAV header is truncated (its format chunk is cut short)";
        return false;
      }
      format->seen = true;
      format->tag = wav::ReadLE(fmt, 2);
      format->channels = wav::ReadLE(fmt + 2, 2);
      format->rate = wav::ReadLE(fmt + 4, 4);
      format->bits = wav::ReadLE(fmt + 14, 2);
      if (format->tag == kTagExtensible) {
        // The sample format's tag opens the sub-format identifier.
        if (size < 26) {
          *error = path + ": the WAV header is truncated (its extensible format chunk is cut short)";
          return false;
        }
        format->tag = wav::ReadLE(fmt + 24, 2);
      }
    } else if (data) {
      mDataOffset = body;
      mDataSize = size;
      mDeclaredDataSize = declared;
      mDataSizeUnknown = unknown;
    }
    if (format->seen && mDataOffset >= 0) return true;
    if (!StepOverPad(path, header, size, body + size, &pos, error)) return false;
  }
  if (!format->seen) {
    *error = path + ": the WAV header is truncated (it has no format chunk)";
    return false;
  }
  *error = path + " has no data chunk";
  return false;
}

bool WavReader::StepOverPad(const std::string& path, const unsigned char* id, int64_t size, int64_t end,
                            int64_t* next, std::string* error) {
  *next = end + (size & 1);
  // An even chunk has no pad byte; with less than a chunk header left, no
  // chunk follows either way.
  if (!(size & 1) || end + 8 > mFileSize) return true;
  unsigned char after[5];
  if (!wav::Seek(mFile, end) || fread(after, 1, sizeof after, mFile) != sizeof after) return true;  // the walk ends
  if (after[0] == 0) return true;  // the pad byte, as it should be
  // Some writers leave the pad byte out: the next id then starts at once (no
  // id starts with a 0 byte, so a written pad byte is never taken for one).
  if (IsChunkId(after)) {
    *next = end;
    return true;
  }
  if (IsChunkId(after + 1)) return true;  // a pad byte other than 0
  *error = path + ": no chunk id follows the \"" + IdText(id) + "\" chunk of odd size " + std::to_string(size) +
           ", with or without a pad byte";
  return false;
}

void WavReader::SetWarning(const std::string& path) {
  if (mDataSizeUnknown) {
    mWarning = path + ": the data chunk's size was never written (it states " +
               SizeText(mDeclaredDataSize) + "); the " + FrameCount(mFrames) +
               " to the end of the file are read";
  } else if (mDeclaredFrames > mFrames) {
    mWarning = path + " ends before its declared data: it holds " + std::to_string(mFrames) + " of " +
               FrameCount(mDeclaredFrames);
  }
}

bool WavReader::CheckFormat(const std::string& path, const Format& format, std::string* error) {
  const std::string taken = " (16-, 24- and 32-bit PCM and 32- and 64-bit float are)";
  if (format.tag == kTagPcm && format.bits != 16 && format.bits != 24 && format.bits != 32) {
    *error = path + ": " + std::to_string(format.bits) + "-bit PCM is not supported" + taken;
    return false;
  }
  if (format.tag == kTagFloat && format.bits != 32 && format.bits != 64) {
    *error = path + ": " + std::to_string(format.bits) + "-bit float is not supported" + taken;
    return false;
  }
  if (format.tag != kTagPcm && format.tag != kTagFloat) {
    *error = path + ": sample format " + std::to_string(format.tag) + " is not supported" + taken;
    return false;
  }
  if (format.channels == 0) {
    *error = path + " has 0 channels";
    return false;
  }
  if (format.rate == 0) {
    *error = path + " has a sample rate of 0 Hz";
    return false;
  }
  if (format.rate > 2147483647u) {
    *error = path + " has a sample rate of " + std::to_string(format.rate) + " Hz, beyond 2147483647 Hz";
    return false;
  }
  return true;
}

int64_t WavReader::Read(double* const* channels, int count, int64_t maxFrames) {
  const int64_t frameBytes = static_cast<int64_t>(mChannels) * mBytesPerSample;
  const int64_t perRead = std::max<int64_t>(1, static_cast<int64_t>(kReadBytes) / frameBytes);
  count = std::min(count, mChannels);
  int64_t done = 0;
  while (done < maxFrames && mPosition < mFrames) {
    const int64_t frames = std::min({perRead, maxFrames - done, mFrames - mPosition});
    mRaw.resize(static_cast<size_t>(frames * frameBytes));
    const size_t got = fread(mRaw.data(), 1, mRaw.size(), mFile);
    const int64_t whole = static_cast<int64_t>(got) / frameBytes;
    for (int64_t i = 0; i < whole; ++i)
      for (int c = 0; c < count; ++c)
        channels[c][done + i] = DecodeSample(&mRaw[static_cast<size_t>(i * frameBytes + c * mBytesPerSample)],
                                             mFloat, mBytesPerSample);
    done += whole;
    mPosition += whole;
    if (whole < frames) break;  // the file could not be read further
  }
  return done;
}

}  // namespace vo
