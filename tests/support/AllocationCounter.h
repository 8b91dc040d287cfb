// Counts heap allocations made through operator new (every form: plain,
// array, nothrow, aligned). Linking this library replaces the global
// operator new and delete for the whole test program; the replacements
// allocate with malloc (aligned forms: the platform's aligned allocator), so
// AddressSanitizer still checks every block.
//
//   AllocationCounter counter;          // starts at 0 on this thread
//   ... run blocks ...
//   EXPECT_EQ(counter.Allocations(), 0);
//
// Counts are kept per thread (so a counter sees only the work of the thread
// that made it) and in total over all threads.
#pragma once

#include <cstddef>

class AllocationCounter
{
public:
  AllocationCounter() { Restart(); }

  // Starts counting again from 0.
  void Restart();

  // Allocations and bytes asked for on the constructing thread since the
  // counter was made or restarted.
  long long Allocations() const;
  long long Bytes() const;
  // Deallocations of non-null pointers on the constructing thread.
  long long Deallocations() const;

  // Totals since the program started: for the calling thread, for all threads.
  static long long ThreadAllocations();
  static long long ThreadBytes();
  static long long ThreadDeallocations();
  static long long TotalAllocations();

private:
  long long mStartAllocations = 0;
  long long mStartBytes = 0;
  long long mStartDeallocations = 0;
};

// While one lives, every allocation through operator new on the constructing
// thread fails: the non-throwing forms answer null, the others throw
// std::bad_alloc. Lets a test show what code does when memory runs out.
class AllocationFailure
{
public:
  AllocationFailure();
  ~AllocationFailure();
  AllocationFailure(const AllocationFailure&) = delete;
  AllocationFailure& operator=(const AllocationFailure&) = delete;

private:
  bool mWasFailing;
};
