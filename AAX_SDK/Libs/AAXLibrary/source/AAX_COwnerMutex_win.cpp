// The Windows form: an unnamed, initially unowned system mutex and the
// holder's thread identifier (0 = none).

#include "AAX_COwnerMutex.h"

#include <windows.h>

#include <atomic>
#include <new>

struct AAX_COwnerMutex::Record {
  // Read before the mutex is taken; only the holder writes its own identity
  // and clears it before releasing, so another thread never mistakes itself
  // for the holder.
  std::atomic<DWORD> owner{0};
  HANDLE mutex = nullptr;
};

std::unique_ptr<AAX_COwnerMutex> AAX_COwnerMutex::Create() {
  std::unique_ptr<Record> record(new (std::nothrow) Record);
  if (!record) return nullptr;
  record->mutex = CreateMutexW(nullptr, FALSE, nullptr);
  if (!record->mutex) return nullptr;
  std::unique_ptr<AAX_COwnerMutex> mutex(new (std::nothrow) AAX_COwnerMutex(record.get()));
  if (!mutex) {
    CloseHandle(record->mutex);
    return nullptr;
  }
  record.release();
  return mutex;
}

AAX_COwnerMutex::~AAX_COwnerMutex() {
  CloseHandle(mRecord->mutex);
  delete mRecord;
}

bool AAX_COwnerMutex::Lock() {
  const DWORD self = GetCurrentThreadId();
  if (mRecord->owner.load() == self) return false;
  WaitForSingleObject(mRecord->mutex, INFINITE);
  mRecord->owner.store(self);
  return true;
}

void AAX_COwnerMutex::Unlock() {
  if (mRecord->owner.load() != GetCurrentThreadId()) return;
  mRecord->owner.store(0);
  ReleaseMutex(mRecord->mutex);
}
