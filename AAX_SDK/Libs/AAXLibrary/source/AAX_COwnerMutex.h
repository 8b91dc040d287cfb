#pragma once
// A system mutex that remembers which thread holds it, so that a thread
// already holding it can enter guarded code again without locking (and
// without deadlocking), and only the holder can release it. Guards the
// packet queue of the effect-parameters object.
//
// Lock and Unlock may be called from any thread; Lock waits without a
// time-out. Nothing here allocates except Create.

#include <memory>

class AAX_COwnerMutex {
public:
  // Null when the system mutex cannot be made; users then run unguarded.
  static std::unique_ptr<AAX_COwnerMutex> Create();
  ~AAX_COwnerMutex();
  AAX_COwnerMutex(const AAX_COwnerMutex&) = delete;
  AAX_COwnerMutex& operator=(const AAX_COwnerMutex&) = delete;

  // False when the caller already holds the mutex (nothing is locked);
  // otherwise waits for it, records the caller as owner and answers true.
  bool Lock();
  // Only the recorded owner releases: the owner is cleared first, then the
  // mutex is released. A call from any other thread does nothing.
  void Unlock();

private:
  struct Record;  // the platform's mutex and the owner's identity
  explicit AAX_COwnerMutex(Record* record) : mRecord(record) {}

  Record* mRecord;
};

// Locks for the length of a scope and unlocks only if it did lock, so a
// thread that already holds the mutex passes through. A null mutex guards
// nothing.
class AAX_COwnerMutexScope {
public:
  explicit AAX_COwnerMutexScope(AAX_COwnerMutex* mutex)
      : mMutex(mutex), mLocked(mutex != nullptr && mutex->Lock()) {}
  ~AAX_COwnerMutexScope() {
    if (mLocked) mMutex->Unlock();
  }
  AAX_COwnerMutexScope(const AAX_COwnerMutexScope&) = delete;
  AAX_COwnerMutexScope& operator=(const AAX_COwnerMutexScope&) = delete;

  bool Locked() const { return mLocked; }

private:
  AAX_COwnerMutex* mMutex;
  bool mLocked;
};
