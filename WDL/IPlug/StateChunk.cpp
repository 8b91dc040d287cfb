#include "StateChunk.h"

#include <cstdint>
#include <cstring>

namespace {
constexpr int kDoubleBytes = 8;
}

bool StateChunk::PutBytes(const void* bytes, int n) {
  if (n <= 0) return n == 0;
  const int start = Size();
  if (static_cast<long long>(start) + n > 0x7fffffff) return false;
  mBytes.Resize(start + n, false);
  if (Size() != start + n) return false;
  std::memcpy(GetBytes() + start, bytes, static_cast<size_t>(n));
  return true;
}

bool StateChunk::PutDouble(double value) {
  uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  unsigned char bytes[kDoubleBytes];
  for (int i = 0; i < kDoubleBytes; ++i) bytes[i] = static_cast<unsigned char>(bits >> (8 * i));
  return PutBytes(bytes, kDoubleBytes);
}

int StateChunk::GetDouble(double* value, int pos) const {
  if (pos < 0 || static_cast<long long>(pos) + kDoubleBytes > Size()) return -1;
  const unsigned char* bytes = GetBytes() + pos;
  uint64_t bits = 0;
  for (int i = 0; i < kDoubleBytes; ++i) bits |= static_cast<uint64_t>(bytes[i]) << (8 * i);
  std::memcpy(value, &bits, sizeof bits);
  return pos + kDoubleBytes;
}
