#include "WavFile.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>

namespace vo {
namespace {

struct FileCloser {
  void operator()(FILE* f) const { if (f) fclose(f); }
};
using File = std::unique_ptr<FILE, FileCloser>;

uint32_t ReadLE(const unsigned char* p, int bytes) {
  uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | p[i];
  return v;
}

void PutLE(std::vector<unsigned char>& out, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<unsigned char>(v >> (8 * i)));
}

double DecodeSample(const unsigned char* p, int format, int bits) {
  if (format == 3 && bits == 32) {
    float f;
    std::memcpy(&f, p, 4);
    return f;
  }
  if (format == 3 && bits == 64) {
    double d;
    std::memcpy(&d, p, 8);
    return d;
  }
  const int bytes = bits / 8;
  uint32_t raw = ReadLE(p, bytes);
  const int shift = 32 - bits;
  const int32_t value = static_cast<int32_t>(raw << shift) >> shift;  // sign-extend
  return value / static_cast<double>(1u << (bits - 1));
}

}  // namespace

bool ReadWavFile(const std::string& path, AudioData* out, std::string* error) {
  File file(fopen(path.c_str(), "rb"));
  if (!file) { *error = "cannot open " + path; return false; }
  std::vector<unsigned char> bytes;
  unsigned char chunk[65536];
  size_t n;
  while ((n = fread(chunk, 1, sizeof chunk, file.get())) > 0) bytes.insert(bytes.end(), chunk, chunk + n);
  if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) || std::memcmp(bytes.data() + 8, "WAVE", 4)) {
    *error = path + " is not a WAV file";
    return false;
  }
  int format = 0, channels = 0, bits = 0, rate = 0;
  const unsigned char* data = nullptr;
  size_t dataSize = 0;
  for (size_t pos = 12; pos + 8 <= bytes.size();) {
    const uint32_t size = ReadLE(&bytes[pos + 4], 4);
    const size_t body = pos + 8;
    const size_t avail = bytes.size() - body;
    const size_t used = size < avail ? size : avail;
    if (!std::memcmp(&bytes[pos], "fmt ", 4) && used >= 16) {
      format = static_cast<int>(ReadLE(&bytes[body], 2));
      channels = static_cast<int>(ReadLE(&bytes[body + 2], 2));
      rate = static_cast<int>(ReadLE(&bytes[body + 4], 4));
      bits = static_cast<int>(ReadLE(&bytes[body + 14], 2));
      if (format == 0xFFFE && used >= 26) format = static_cast<int>(ReadLE(&bytes[body + 24], 2));
    } else if (!std::memcmp(&bytes[pos], "data", 4)) {
      data = &bytes[body];
      dataSize = used;
    }
    pos = body + used + (used & 1);
  }
  const bool pcm = format == 1 && (bits == 16 || bits == 24 || bits == 32);
  const bool flt = format == 3 && (bits == 32 || bits == 64);
  if (!data || channels < 1 || rate < 1 || !(pcm || flt)) {
    *error = path + ": unsupported WAV format";
    return false;
  }
  const size_t frameBytes = static_cast<size_t>(channels) * (bits / 8);
  const size_t frames = dataSize / frameBytes;
  out->sampleRate = rate;
  out->channels = channels;
  out->samples.assign(channels, std::vector<double>(frames));
  for (size_t i = 0; i < frames; ++i)
    for (int c = 0; c < channels; ++c)
      out->samples[c][i] = DecodeSample(data + i * frameBytes + c * (bits / 8), format, bits);
  return true;
}

bool WriteWavFile(const std::string& path, const AudioData& audio, std::string* error) {
  const uint32_t frames = static_cast<uint32_t>(audio.Frames());
  const uint32_t channels = static_cast<uint32_t>(audio.channels);
  const uint32_t dataBytes = frames * channels * 4;
  std::vector<unsigned char> out;
  out.reserve(44 + dataBytes);
  out.insert(out.end(), {'R', 'I', 'F', 'F'});
  PutLE(out, 36 + dataBytes, 4);
  out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  PutLE(out, 16, 4);
  PutLE(out, 3, 2);  // IEEE float
  PutLE(out, channels, 2);
  PutLE(out, static_cast<uint32_t>(audio.sampleRate), 4);
  PutLE(out, static_cast<uint32_t>(audio.sampleRate) * channels * 4, 4);
  PutLE(out, channels * 4, 2);
  PutLE(out, 32, 2);
  out.insert(out.end(), {'d', 'a', 't', 'a'});
  PutLE(out, dataBytes, 4);
  for (uint32_t i = 0; i < frames; ++i)
    for (uint32_t c = 0; c < channels; ++c) {
      const float f = static_cast<float>(audio.samples[c][i]);
      uint32_t raw;
      std::memcpy(&raw, &f, 4);
      PutLE(out, raw, 4);
    }
  File file(fopen(path.c_str(), "wb"));
  if (!file || fwrite(out.data(), 1, out.size(), file.get()) != out.size()) {
    *error = "cannot write " + path;
    return false;
  }
  return true;
}

}  // namespace vo
