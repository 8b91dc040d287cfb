#include "HeapBuffer.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <new>

namespace {
constexpr long long kPage = 4096;
// Room left in every page-sized block for the allocator's own bookkeeping.
constexpr long long kAllocatorAllowance = 96;
constexpr long long kMaxExtraRoom = 4194304;
}  // namespace

HeapBuffer::HeapBuffer(int granularity) : mGranularity(std::max(granularity, 1)) {}

HeapBuffer::~HeapBuffer() { Release(); }

void HeapBuffer::Release() {
  ::operator delete(mData);
  mData = nullptr;
  mAllocated = 0;
  mSize = 0;
}

long long HeapBuffer::CapacityFor(int newSize) const {
  if (newSize == 0) return 0;
  const long long size = newSize;
  const long long extra = std::max<long long>(size / 2, mGranularity);
  if (mGranularity < kPage) return size + extra;
  // Large buffers become whole pages less the allocator's allowance, with the
  // extra room capped so that huge buffers do not double.
  long long room = extra / kPage * kPage;
  room = std::min(std::max(room, kPage), kMaxExtraRoom);
  return (size + kAllocatorAllowance + room) / kPage * kPage - kAllocatorAllowance;
}

bool HeapBuffer::Reallocate(int capacity, int bytesToKeep) {
  // Memory comes from the global operator new so that allocation counters in
  // tests see every block the framework takes.
  void* block = ::operator new(static_cast<size_t>(capacity), std::nothrow);
  if (!block) return false;
  if (mData && bytesToKeep > 0) std::memcpy(block, mData, static_cast<size_t>(bytesToKeep));
  ::operator delete(mData);
  mData = block;
  mAllocated = capacity;
  return true;
}

void* HeapBuffer::Resize(int newSize, bool allowShrink) {
  newSize = std::max(newSize, 0);
  if (newSize == mSize) return Get();

  long long shrinkBelow = 0;
  if (allowShrink && newSize < mSize) {
    shrinkBelow = std::min<long long>(mAllocated / 2, mAllocated - 4LL * mGranularity);
    shrinkBelow = std::max<long long>(shrinkBelow, 1);
  }

  if (newSize > mAllocated || newSize < shrinkBelow) {
    const long long capacity = CapacityFor(newSize);
    if (capacity != mAllocated) {
      if (capacity == 0) {
        Release();
        return nullptr;
      }
      if (capacity > INT_MAX) return Get();
      if (!Reallocate(static_cast<int>(capacity), std::min(mSize, newSize))) return Get();
    }
  }
  mSize = newSize;
  return Get();
}
