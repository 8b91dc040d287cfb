#pragma once
// A growable block of bytes. Growth is geometric so that appending one element
// at a time costs amortised constant time; shrinking is hysteretic so that a
// buffer that oscillates around one size does not reallocate every time.
// Nothing here throws: a failed allocation leaves block, size and capacity as
// they were, and callers see the failure by comparing GetSize() afterwards.

class HeapBuffer {
 public:
  // Buffers of the framework use 4096; strings use 128.
  explicit HeapBuffer(int granularity = 4096);
  ~HeapBuffer();
  HeapBuffer(const HeapBuffer&) = delete;
  HeapBuffer& operator=(const HeapBuffer&) = delete;

  // Sets the size in bytes (negative counts as 0), growing the block when
  // needed. Without allowShrink the block never gets smaller. Answers the data
  // (null when the new size is 0). Allocates only when the size leaves the
  // block's bounds; never locks.
  void* Resize(int newSize, bool allowShrink);

  // The block, or null while the size is 0 (even when a block is held).
  void* Get() const { return mSize > 0 ? mData : nullptr; }
  template <class T>
  T* GetAs() const {
    return static_cast<T*>(Get());
  }
  int GetSize() const { return mSize; }
  int GetAllocated() const { return mAllocated; }
  int GetGranularity() const { return mGranularity; }

 private:
  // Capacity for a new size (64-bit so that sizes near the int limit cannot
  // wrap around; anything above the int range is refused by Resize).
  long long CapacityFor(int newSize) const;
  // Moves the contents into a fresh block of the given capacity; false when
  // no memory could be had (the old block is then untouched).
  bool Reallocate(int capacity, int bytesToKeep);
  void Release();

  void* mData = nullptr;
  int mAllocated = 0;
  int mSize = 0;
  int mGranularity;
};
