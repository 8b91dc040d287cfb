// A block of doubles aligned to 16 bytes (for the filters' vector path) that
// only ever grows. Allocation goes through the aligned, non-throwing
// operator new[], so an allocation counter that replaces operator new sees it.
#pragma once

#include <cstddef>

namespace Dsp
{

class AlignedBuffer
{
public:
  AlignedBuffer() = default;
  ~AlignedBuffer();
  AlignedBuffer(const AlignedBuffer&) = delete;
  AlignedBuffer& operator=(const AlignedBuffer&) = delete;

  // Makes room for at least count doubles. A buffer that is already large
  // enough is kept as it is (contents included) and nothing is allocated; a
  // larger one replaces it (contents not kept). Answers false, keeping the old
  // buffer, when the allocation fails.
  bool Reserve(size_t count);

  double* Data() const { return mData; }
  size_t Capacity() const { return mCapacity; }

private:
  double* mData = nullptr;
  size_t mCapacity = 0;
};

} // namespace Dsp
