// The replaced global operator new and delete, and the counts behind
// AllocationCounter. They live in this one file so that any program that uses
// AllocationCounter also gets the replacements.
#include "AllocationCounter.h"

#include "AlignedAlloc.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace
{
// Plain integers in thread-local storage: no constructor runs and nothing is
// allocated through operator new when a thread first touches them.
thread_local long long tAllocations = 0;
thread_local long long tBytes = 0;
thread_local long long tDeallocations = 0;
std::atomic<long long> gTotalAllocations{0};
thread_local bool tFailing = false;

void Count(std::size_t size)
{
  ++tAllocations;
  tBytes += static_cast<long long>(size);
  gTotalAllocations.fetch_add(1, std::memory_order_relaxed);
}

void CountFree(void* p)
{
  if (p)
    ++tDeallocations;
}

void* Allocate(std::size_t size) noexcept
{
  if (tFailing)
    return nullptr;
  Count(size);
  return std::malloc(size ? size : 1);
}

void* AllocateAligned(std::size_t size, std::align_val_t alignment) noexcept
{
  if (tFailing)
    return nullptr;
  Count(size);
  return VoAlignedAlloc(size, static_cast<std::size_t>(alignment));
}

void* AllocateOrThrow(std::size_t size)
{
  for (;;)
  {
    if (void* p = Allocate(size))
      return p;
    std::new_handler handler = std::get_new_handler();
    if (!handler || tFailing)
      throw std::bad_alloc();
    handler();
  }
}

void* AllocateAlignedOrThrow(std::size_t size, std::align_val_t alignment)
{
  for (;;)
  {
    if (void* p = AllocateAligned(size, alignment))
      return p;
    std::new_handler handler = std::get_new_handler();
    if (!handler || tFailing)
      throw std::bad_alloc();
    handler();
  }
}

void Free(void* p) noexcept
{
  CountFree(p);
  std::free(p);
}

void FreeAligned(void* p) noexcept
{
  CountFree(p);
  if (p)
    VoAlignedFree(p);
}
}

void AllocationCounter::Restart()
{
  mStartAllocations = tAllocations;
  mStartBytes = tBytes;
  mStartDeallocations = tDeallocations;
}

long long AllocationCounter::Allocations() const { return tAllocations - mStartAllocations; }
long long AllocationCounter::Bytes() const { return tBytes - mStartBytes; }
long long AllocationCounter::Deallocations() const { return tDeallocations - mStartDeallocations; }
long long AllocationCounter::ThreadAllocations() { return tAllocations; }
long long AllocationCounter::ThreadBytes() { return tBytes; }
long long AllocationCounter::ThreadDeallocations() { return tDeallocations; }
AllocationFailure::AllocationFailure() : mWasFailing(tFailing) { tFailing = true; }
AllocationFailure::~AllocationFailure() { tFailing = mWasFailing; }

long long AllocationCounter::TotalAllocations() { return gTotalAllocations.load(std::memory_order_relaxed); }

// ------------------------------------------------------- the replacements --

void* operator new(std::size_t size) { return AllocateOrThrow(size); }
void* operator new[](std::size_t size) { return AllocateOrThrow(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new(std::size_t size, std::align_val_t a) { return AllocateAlignedOrThrow(size, a); }
void* operator new[](std::size_t size, std::align_val_t a) { return AllocateAlignedOrThrow(size, a); }
void* operator new(std::size_t size, std::align_val_t a, const std::nothrow_t&) noexcept
{
  return AllocateAligned(size, a);
}
void* operator new[](std::size_t size, std::align_val_t a, const std::nothrow_t&) noexcept
{
  return AllocateAligned(size, a);
}

void operator delete(void* p) noexcept { Free(p); }
void operator delete[](void* p) noexcept { Free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { Free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { Free(p); }
void operator delete(void* p, std::size_t) noexcept { Free(p); }
void operator delete[](void* p, std::size_t) noexcept { Free(p); }
void operator delete(void* p, std::align_val_t) noexcept { FreeAligned(p); }
void operator delete[](void* p, std::align_val_t) noexcept { FreeAligned(p); }
void operator delete(void* p, std::align_val_t, const std::nothrow_t&) noexcept { FreeAligned(p); }
void operator delete[](void* p, std::align_val_t, const std::nothrow_t&) noexcept { FreeAligned(p); }
void operator delete(void* p, std::size_t, std::align_val_t) noexcept { FreeAligned(p); }
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept { FreeAligned(p); }
