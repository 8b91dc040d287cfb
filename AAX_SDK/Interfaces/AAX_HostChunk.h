#pragma once
// The host's chunk record: a 56-byte header followed by the chunk's data.

#include <cstddef>
#include <cstdint>

struct AAX_HostChunk {
  int32_t size;       // number of data bytes
  int32_t version;    // version word
  int32_t header[3];  // further header words, left to the host
  uint32_t chunkId;   // four-character code
  char name[32];      // NUL-terminated chunk name
  // the data follows at byte kAAX_HostChunkDataOffset
};

constexpr std::size_t kAAX_HostChunkDataOffset = 56;
static_assert(sizeof(AAX_HostChunk) == kAAX_HostChunkDataOffset, "host chunk header is 56 bytes");
static_assert(offsetof(AAX_HostChunk, chunkId) == 20, "chunk id at byte 20");

inline unsigned char* AAX_HostChunkData(AAX_HostChunk* chunk) {
  return reinterpret_cast<unsigned char*>(chunk) + kAAX_HostChunkDataOffset;
}
inline const unsigned char* AAX_HostChunkData(const AAX_HostChunk* chunk) {
  return reinterpret_cast<const unsigned char*>(chunk) + kAAX_HostChunkDataOffset;
}
