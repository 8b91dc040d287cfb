#include "AAX_CChunkDataParser.h"

#include "AAX_Trace.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <stdexcept>
#include <string>

namespace {

constexpr int64_t kMaxTagTextLength = 255;  // longest tag-and-identifier text read at once

int64_t Align4(int64_t x) { return (x + 3) & ~int64_t{3}; }

void WriteBigEndian(unsigned char* to, uint64_t value, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) {
    to[i] = static_cast<unsigned char>(value & 0xFFu);
    value >>= 8;
  }
}

uint64_t ReadBigEndian(const unsigned char* from, int bytes) {
  uint64_t value = 0;
  for (int i = 0; i < bytes; ++i) value = (value << 8) | from[i];
  return value;
}

const char* TagFor(int32_t type) {
  switch (type) {
    case AAX_CChunkDataParser::kFloat: return "f_";
    case AAX_CChunkDataParser::kInt32: return "l_";
    case AAX_CChunkDataParser::kDouble: return "d_";
    case AAX_CChunkDataParser::kInt16: return "s_";
    case AAX_CChunkDataParser::kString: return "r_";
    default: return nullptr;  // an unrecognised entry keeps its two tag bytes zero
  }
}

// Bytes the entry's value takes in the data area, padding included.
int64_t ValueSpan(const AAX_CChunkDataParser::Entry& entry) {
  switch (entry.type) {
    case AAX_CChunkDataParser::kDouble: return 8;
    case AAX_CChunkDataParser::kFloat:
    case AAX_CChunkDataParser::kInt32:
    case AAX_CChunkDataParser::kInt16: return 4;
    case AAX_CChunkDataParser::kString: return Align4(int64_t{entry.stringValue.Length()} + 1);
    default: return 0;
  }
}

int64_t EntrySpan(const AAX_CChunkDataParser::Entry& entry) {
  return Align4(int64_t{entry.identifier.Length()} + 3) + ValueSpan(entry);
}

}  // namespace

void AAX_CChunkDataParser::RemoveAll() {
  mEntries.clear();
  mLastFoundIndex = -1;
  mChunkVersion = -1;
}

void AAX_CChunkDataParser::AppendDouble(const char* identifier, double value) {
  Entry entry;
  entry.type = kDouble;
  entry.identifier = identifier;
  std::memcpy(&entry.value, &value, sizeof value);
  mEntries.push_back(std::move(entry));
}

void AAX_CChunkDataParser::AppendInt32(const char* identifier, int32_t value) {
  Entry entry;
  entry.type = kInt32;
  entry.identifier = identifier;
  entry.value = static_cast<uint64_t>(static_cast<int64_t>(value));
  mEntries.push_back(std::move(entry));
}

void AAX_CChunkDataParser::AppendString(const char* identifier, const AAX_CString& value) {
  Entry entry;
  entry.type = kString;
  entry.identifier = identifier;
  entry.stringValue = value;
  mEntries.push_back(std::move(entry));
}

int32_t AAX_CChunkDataParser::FindIndex(const char* identifier) {
  const char* wanted = identifier ? identifier : "";
  const int32_t count = NumEntries();
  int32_t start = mLastFoundIndex + 1;
  if (start < 0 || start >= count) start = 0;
  for (int32_t i = 0; i < count; ++i) {
    const int32_t index = (start + i) % count;
    if (std::strcmp(mEntries[static_cast<size_t>(index)].identifier.Get(), wanted) == 0) {
      mLastFoundIndex = index;
      return index;
    }
  }
  return -1;
}

bool AAX_CChunkDataParser::LookUpDouble(const char* identifier, double* out) {
  const int32_t index = FindIndex(identifier);
  if (index < 0 || EntryAt(index).type != kDouble) return false;
  if (out) std::memcpy(out, &EntryAt(index).value, sizeof *out);
  return true;
}

bool AAX_CChunkDataParser::LookUpInt32(const char* identifier, int32_t* out) {
  const int32_t index = FindIndex(identifier);
  if (index < 0 || EntryAt(index).type != kInt32) return false;
  if (out) *out = static_cast<int32_t>(static_cast<uint32_t>(EntryAt(index).value));
  return true;
}

bool AAX_CChunkDataParser::LookUpString(const char* identifier, AAX_CString* out) {
  const int32_t index = FindIndex(identifier);
  if (index < 0 || EntryAt(index).type != kString) return false;
  if (out) *out = EntryAt(index).stringValue;
  return true;
}

bool AAX_CChunkDataParser::LookUpString(const char* identifier, AAX_IString* out) {
  const int32_t index = FindIndex(identifier);
  if (index < 0 || EntryAt(index).type != kString) return false;
  if (out) out->Set(EntryAt(index).stringValue.Get());
  return true;
}

int32_t AAX_CChunkDataParser::ComputeChunkSize() const {
  int64_t size = 4;
  for (const Entry& entry : mEntries) {
    size += EntrySpan(entry);
    if (size > INT32_MAX) return -1;
  }
  return static_cast<int32_t>(size);
}

void AAX_CChunkDataParser::WriteEntries(unsigned char* data, int64_t size) const {
  int64_t pos = 4;
  for (const Entry& entry : mEntries) {
    // Check the entry's whole span, padding included, before writing a byte.
    if (pos + EntrySpan(entry) > size)
      throw std::out_of_range("aborting: chunk data will overflow buffer");
    if (const char* tag = TagFor(entry.type)) std::memcpy(data + pos, tag, 2);
    pos += 2;
    const uint32_t n = entry.identifier.Length();
    std::memcpy(data + pos, entry.identifier.Get(), n);
    pos = Align4(pos + n + 1);
    switch (entry.type) {
      case kDouble:
        WriteBigEndian(data + pos, entry.value, 8);
        pos += 8;
        break;
      case kFloat:
      case kInt32:
        WriteBigEndian(data + pos, entry.value & 0xFFFFFFFFu, 4);
        pos += 4;
        break;
      case kInt16:
        WriteBigEndian(data + pos, entry.value & 0xFFFFu, 2);
        pos += 4;
        break;
      case kString: {
        const uint32_t m = entry.stringValue.Length();
        std::memcpy(data + pos, entry.stringValue.Get(), m);
        pos = Align4(pos + m + 1);
        break;
      }
      default:
        break;
    }
  }
}

AAX_ResultCode AAX_CChunkDataParser::GetChunkData(AAX_HostChunk* chunk) const {
  const int32_t size = ComputeChunkSize();
  if (size < 4 || !chunk) return AAX_CHUNK_DATA_OVERFLOW;
  try {
    unsigned char* data = AAX_HostChunkData(chunk);
    std::memset(data, 0, static_cast<size_t>(size));
    WriteBigEndian(data, kMagic, 4);
    WriteEntries(data, size);
  } catch (const std::out_of_range& error) {
    TraceToHost(kAAX_TraceError, "AAX_CChunkDataParser::GetChunkData ERROR: %s", error.what());
    return AAX_CHUNK_DATA_OVERFLOW;
  } catch (...) {
    return AAX_CHUNK_DATA_OVERFLOW;
  }
  chunk->size = size;
  return AAX_SUCCESS;
}

void AAX_CChunkDataParser::ReadChunk(const AAX_HostChunk* chunk) {
  RemoveAll();
  if (!chunk) return;
  mChunkVersion = chunk->version;
  const int64_t size = chunk->size;
  const unsigned char* data = AAX_HostChunkData(chunk);
  if (size <= 4 || ReadBigEndian(data, 4) != kMagic) return;

  try {
    int64_t pos = 4;
    while (pos < size) {
      // Tag and identifier: one NUL-terminated text of at most 255 bytes.
      const unsigned char* text = data + pos;
      const int64_t window = std::min(size - pos, kMaxTagTextLength);
      const void* terminator = std::memchr(text, 0, static_cast<size_t>(window));
      int64_t textLength = kMaxTagTextLength;
      if (terminator) {
        textLength = static_cast<const unsigned char*>(terminator) - text;
      } else if (size - pos <= kMaxTagTextLength) {
        break;  // the text runs to the end of the chunk
      }

      Entry entry;
      // A text shorter than a tag leaves the identifier empty.
      if (textLength > 2)
        entry.identifier = AAX_CString(std::string(reinterpret_cast<const char*>(text) + 2,
                                                   static_cast<size_t>(textLength - 2)));
      const char tag = textLength > 0 ? static_cast<char>(text[0]) : '\0';
      pos = Align4(pos + textLength + 1);

      switch (tag) {
        case 'd':
          if (pos + 8 > size) return;
          entry.type = kDouble;
          entry.value = ReadBigEndian(data + pos, 8);
          pos += 8;
          break;
        case 'f':
        case 'l':
          if (pos + 4 > size) return;
          entry.type = tag == 'f' ? kFloat : kInt32;
          entry.value = ReadBigEndian(data + pos, 4);
          pos += 4;
          break;
        case 's':
          if (pos + 2 > size) return;
          entry.type = kInt16;
          entry.value = ReadBigEndian(data + pos, 2);
          pos += 4;
          break;
        case 'r': {
          if (pos >= size) return;
          const unsigned char* value = data + pos;
          const void* end = std::memchr(value, 0, static_cast<size_t>(size - pos));
          if (!end) return;  // the string runs to the end of the chunk
          const int64_t m = static_cast<const unsigned char*>(end) - value;
          entry.type = kString;
          entry.stringValue = AAX_CString(
              std::string(reinterpret_cast<const char*>(value), static_cast<size_t>(m)));
          pos = Align4(pos + m + 1);
          break;
        }
        default:
          entry.type = kUnknownType;
          break;
      }
      mEntries.push_back(std::move(entry));
    }
  } catch (...) {
    // Out of memory for a huge chunk: keep the entries read so far.
  }
}
