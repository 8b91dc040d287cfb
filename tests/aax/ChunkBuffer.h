#pragma once
// A host chunk record whose data area is exactly as long as the given bytes,
// so that AddressSanitizer reports any read or write past it.

#include "AAX_HostChunk.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

class ChunkBuffer {
public:
  // The size field says data.size().
  explicit ChunkBuffer(const std::vector<uint8_t>& data)
      : ChunkBuffer(data, static_cast<int32_t>(data.size())) {}
  ChunkBuffer(const std::vector<uint8_t>& data, int32_t declaredSize)
      : mLength(data.size()), mBytes(new unsigned char[kAAX_HostChunkDataOffset + data.size()]) {
    std::memset(mBytes.get(), 0xEE, kAAX_HostChunkDataOffset);
    if (!data.empty()) std::memcpy(mBytes.get() + kAAX_HostChunkDataOffset, data.data(), data.size());
    Chunk()->size = declaredSize;
    Chunk()->version = 7;
  }
  // A record with room for size data bytes.
  static ChunkBuffer WithRoom(size_t size) { return ChunkBuffer(std::vector<uint8_t>(size, 0xCC)); }

  AAX_HostChunk* Chunk() { return reinterpret_cast<AAX_HostChunk*>(mBytes.get()); }
  std::vector<uint8_t> Data(size_t count) const {
    const unsigned char* data = mBytes.get() + kAAX_HostChunkDataOffset;
    return std::vector<uint8_t>(data, data + count);
  }
  size_t Length() const { return mLength; }

private:
  size_t mLength;
  std::unique_ptr<unsigned char[]> mBytes;
};
