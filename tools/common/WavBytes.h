#pragma once
// Little-endian fields and 64-bit file positions, for the WAV reader and
// writer (a WAV file may be larger than a 32-bit long can address).
#include <cstdint>
#include <cstdio>

namespace vo {
namespace wav {

inline uint32_t ReadLE(const unsigned char* p, int bytes) {
  uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | p[i];
  return v;
}

inline void PutLE(unsigned char* p, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) p[i] = static_cast<unsigned char>(v >> (8 * i));
}

inline bool Seek(FILE* file, int64_t position) {
#ifdef _WIN32
  return _fseeki64(file, position, SEEK_SET) == 0;
#else
  return fseeko(file, static_cast<off_t>(position), SEEK_SET) == 0;
#endif
}

inline int64_t Size(FILE* file) {
#ifdef _WIN32
  if (_fseeki64(file, 0, SEEK_END) != 0) return -1;
  return _ftelli64(file);
#else
  if (fseeko(file, 0, SEEK_END) != 0) return -1;
  return static_cast<int64_t>(ftello(file));
#endif
}

// What the writer puts before the samples: the RIFF header, an 18-byte float
// format chunk, a fact chunk (the frame count, which non-PCM files carry) and
// the data chunk's header.
constexpr int kHeaderBytes = 58;
// The RIFF size field counts everything after itself and is 32-bit.
constexpr int64_t kMaxDataBytes = 0xFFFFFFFFLL - (kHeaderBytes - 8);

}  // namespace wav
}  // namespace vo
