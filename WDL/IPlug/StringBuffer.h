#pragma once
// NUL-terminated text in a HeapBuffer. Once text has been set the buffer holds
// the text plus one NUL; before that it is empty and Get() answers null.
// A failed allocation keeps the old text.

#include "HeapBuffer.h"

class StringBuffer {
 public:
  StringBuffer() : mBuffer(128) {}

  // Replaces the text. maxLen <= 0 takes all of text; otherwise at most maxLen
  // characters (fewer when a NUL comes first). A null text counts as empty.
  // text may point into this buffer's own text. Allocates when the text grows.
  void Set(const char* text, int maxLen = 0);
  // Appends under the same length rule.
  void Append(const char* text, int maxLen = 0);
  // Replaces the text with printf-style output of at most maxLen characters
  // (longer output is cut; an encoding error leaves what was written, cut
  // likewise). Answers the text. When the buffer cannot hold maxLen + 1
  // bytes nothing changes. Allocates.
  const char* SetFormatted(int maxLen, const char* format, ...)
#if defined(__GNUC__)
      __attribute__((format(printf, 3, 4)))
#endif
      ;

  // The text, or null before any text was set.
  const char* Get() const { return mBuffer.GetAs<const char>(); }
  // Characters before the first NUL (0 before any text was set).
  int GetLength() const;

 private:
  // Writes n characters of text at offset `at` and terminates them, growing
  // the buffer as needed.
  void WriteAt(int at, const char* text, int n);

  HeapBuffer mBuffer;
};
