#pragma once
// A growable byte stream that carries serialised plug-in state. Values are
// written at the end and read from a caller-held position; doubles are stored
// as little-endian IEEE-754 binary64 on every platform.

#include "HeapBuffer.h"

class StateChunk {
 public:
  StateChunk() : mBytes(4096) {}
  StateChunk(const StateChunk&) = delete;
  StateChunk& operator=(const StateChunk&) = delete;

  int Size() const { return mBytes.GetSize(); }
  // The bytes, or null while the chunk is empty.
  const unsigned char* GetBytes() const { return mBytes.GetAs<const unsigned char>(); }
  unsigned char* GetBytes() { return mBytes.GetAs<unsigned char>(); }

  // Appends n bytes; false (and nothing written) when the chunk cannot grow.
  bool PutBytes(const void* bytes, int n);
  // Appends one double; false when the chunk cannot grow.
  bool PutDouble(double value);
  // Reads the double at pos; answers the position after it, or -1 (value
  // untouched) when pos is negative or fewer than 8 bytes remain.
  int GetDouble(double* value, int pos) const;
  // Empties the chunk, keeping its storage.
  void Clear() { mBytes.Resize(0, false); }

 private:
  HeapBuffer mBytes;
};
