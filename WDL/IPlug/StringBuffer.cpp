#include "StringBuffer.h"

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {
int TextLength(const char* text, int maxLen) {
  if (!text) return 0;
  if (maxLen <= 0) return static_cast<int>(std::strlen(text));
  const void* nul = std::memchr(text, 0, static_cast<size_t>(maxLen));
  return nul ? static_cast<int>(static_cast<const char*>(nul) - text) : maxLen;
}

bool PointsInto(const char* p, const char* block, int size) {
  const auto at = reinterpret_cast<uintptr_t>(p);
  const auto begin = reinterpret_cast<uintptr_t>(block);
  return block && at >= begin && at < begin + static_cast<uintptr_t>(size);
}
}  // namespace

int StringBuffer::GetLength() const {
  const char* text = Get();
  if (!text) return 0;
  const void* nul = std::memchr(text, 0, static_cast<size_t>(mBuffer.GetSize()));
  return nul ? static_cast<int>(static_cast<const char*>(nul) - text) : mBuffer.GetSize();
}

void StringBuffer::WriteAt(int at, const char* text, int n) {
  const int need = at + n + 1;
  const int sizeBefore = mBuffer.GetSize();
  if (sizeBefore < need) {
    const char* oldBlock = mBuffer.GetAs<const char>();
    const bool ownText = PointsInto(text, oldBlock, sizeBefore);
    const char* newBlock = static_cast<const char*>(mBuffer.Resize(need, false));
    if (mBuffer.GetSize() < need) return;
    // The source may have been part of the block that just moved.
    if (ownText && newBlock != oldBlock) text = newBlock + (text - oldBlock);
  }
  char* data = mBuffer.GetAs<char>();
  std::memmove(data + at, text, static_cast<size_t>(n));
  data[at + n] = 0;
  if (need < sizeBefore) mBuffer.Resize(need, false);
}

void StringBuffer::Set(const char* text, int maxLen) {
  const int n = TextLength(text, maxLen);
  if (n == 0) {
    if (char* data = static_cast<char*>(mBuffer.Resize(1, false))) data[0] = 0;
    return;
  }
  WriteAt(0, text, n);
}

void StringBuffer::Append(const char* text, int maxLen) {
  const int n = TextLength(text, maxLen);
  if (n == 0) {
    if (mBuffer.GetSize() == 0) Set(nullptr);
    return;
  }
  WriteAt(GetLength(), text, n);
}

const char* StringBuffer::SetFormatted(int maxLen, const char* format, ...) {
  if (maxLen < 0) maxLen = 0;
  const int size = maxLen + 1;
  char* data = static_cast<char*>(mBuffer.Resize(size, false));
  if (mBuffer.GetSize() != size) return Get();
  va_list args;
  va_start(args, format);
  std::vsnprintf(data, static_cast<size_t>(size), format, args);
  va_end(args);
  // Cut output, or whatever an encoding error left, ends at maxLen.
  data[maxLen] = 0;
  mBuffer.Resize(static_cast<int>(std::strlen(data)) + 1, false);
  return Get();
}
