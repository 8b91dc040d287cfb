#pragma once
// Turns a list of named, typed values into one block of bytes and back (the
// library's typed chunk format). Every number is stored big-endian, every
// entry starts on a 4-byte boundary, and the block begins with the magic
// 0x01010101.
//
// Belongs to one effect-parameters object and is used on its callers'
// threads under their serialisation; allocates as entries are added.

#include "AAX_CString.h"
#include "AAX_HostChunk.h"
#include "AAX_Result.h"

#include <cstdint>
#include <vector>

class AAX_CChunkDataParser {
public:
  enum EntryType : int32_t {
    kUnknownType = 0,  // a tag that was not recognised while parsing
    kFloat = 1,
    kInt32 = 2,
    kDouble = 3,
    kInt16 = 4,
    kString = 5
  };

  struct Entry {
    int32_t type = kUnknownType;
    AAX_CString identifier;
    uint64_t value = 0;  // the number's bits, zero-extended
    AAX_CString stringValue;
  };

  AAX_CChunkDataParser() = default;

  void RemoveAll();
  // A null identifier is taken as the empty one; an existing identifier is
  // not replaced, a second entry is appended.
  void AppendDouble(const char* identifier, double value);
  void AppendInt32(const char* identifier, int32_t value);
  void AppendString(const char* identifier, const AAX_CString& value);

  // True, and the value written, only when the entry found for the
  // identifier has the asked type. The search resumes after the last hit.
  bool LookUpDouble(const char* identifier, double* out);
  bool LookUpInt32(const char* identifier, int32_t* out);
  bool LookUpString(const char* identifier, AAX_CString* out);
  // A foreign (host) string is written through its interface only.
  bool LookUpString(const char* identifier, AAX_IString* out);

  // Bytes of the data area GetChunkData writes (4 for no entries); negative
  // when the entries would not fit a 32-bit size.
  int32_t ComputeChunkSize() const;
  // Writes the data area and the chunk's size field; the data area must hold
  // ComputeChunkSize() bytes. 0, or -333 when an entry would overflow it.
  AAX_ResultCode GetChunkData(AAX_HostChunk* chunk) const;
  // Replaces the entries by those of the chunk. Untrusted data: every read
  // stays inside the chunk's size, and parsing stops at the first entry
  // that does not fit.
  void ReadChunk(const AAX_HostChunk* chunk);

  int32_t LastFoundIndex() const { return mLastFoundIndex; }
  int32_t ChunkVersion() const { return mChunkVersion; }
  int32_t NumEntries() const { return static_cast<int32_t>(mEntries.size()); }
  const Entry& EntryAt(int32_t index) const { return mEntries[static_cast<size_t>(index)]; }

  static constexpr uint32_t kMagic = 0x01010101u;

private:
  // Index of the entry named identifier, searching after the last hit and
  // wrapping around; -1 when none.
  int32_t FindIndex(const char* identifier);
  void WriteEntries(unsigned char* data, int64_t size) const;

  int32_t mLastFoundIndex = -1;
  int32_t mChunkVersion = -1;
  std::vector<Entry> mEntries;
};
