#pragma once
// A re-entrant mutex: a thread that holds it may take it again (it must
// release it as often). The platform object lives in fixed storage inside
// this object so that the header pulls in no system headers.

class Mutex {
 public:
  // Any thread; may allocate system resources.
  Mutex();
  ~Mutex();
  Mutex(const Mutex&) = delete;
  Mutex& operator=(const Mutex&) = delete;

  // Any thread; blocks until the mutex is free or already held by this thread.
  void Lock();
  // Releases one hold of the calling thread.
  void Unlock();

  // Room for the largest platform mutex (a POSIX mutex on macOS takes 64 bytes).
  static constexpr int kStorageSize = 64;

 private:
  alignas(16) unsigned char mStorage[kStorageSize];
};

// Holds a Mutex for the lifetime of a scope.
class MutexLock {
 public:
  explicit MutexLock(Mutex& mutex) : mMutex(mutex) { mMutex.Lock(); }
  ~MutexLock() { mMutex.Unlock(); }
  MutexLock(const MutexLock&) = delete;
  MutexLock& operator=(const MutexLock&) = delete;

 private:
  Mutex& mMutex;
};
