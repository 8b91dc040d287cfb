// The POSIX form: a mutex with default attributes (not recursive by itself)
// and the holder's thread (or none).

#include "AAX_COwnerMutex.h"

#include <pthread.h>

#include <atomic>
#include <new>

struct AAX_COwnerMutex::Record {
  // Read before the mutex is taken; only the holder writes its own identity
  // and clears it before releasing, so another thread never mistakes itself
  // for the holder.
  std::atomic<bool> held{false};
  std::atomic<pthread_t> owner{};
  pthread_mutex_t mutex;
};

std::unique_ptr<AAX_COwnerMutex> AAX_COwnerMutex::Create() {
  std::unique_ptr<Record> record(new (std::nothrow) Record);
  if (!record) return nullptr;
  if (pthread_mutex_init(&record->mutex, nullptr) != 0) return nullptr;
  std::unique_ptr<AAX_COwnerMutex> mutex(new (std::nothrow) AAX_COwnerMutex(record.get()));
  if (!mutex) {
    pthread_mutex_destroy(&record->mutex);
    return nullptr;
  }
  record.release();
  return mutex;
}

AAX_COwnerMutex::~AAX_COwnerMutex() {
  pthread_mutex_destroy(&mRecord->mutex);
  delete mRecord;
}

namespace {
// Whether the calling thread is the recorded holder.
template <class Record>
bool HeldByCaller(const Record& record) {
  return record.held.load() && pthread_equal(record.owner.load(), pthread_self());
}
}  // namespace

bool AAX_COwnerMutex::Lock() {
  if (HeldByCaller(*mRecord)) return false;
  pthread_mutex_lock(&mRecord->mutex);
  mRecord->owner.store(pthread_self());
  mRecord->held.store(true);
  return true;
}

void AAX_COwnerMutex::Unlock() {
  if (!HeldByCaller(*mRecord)) return;
  mRecord->held.store(false);
  pthread_mutex_unlock(&mRecord->mutex);
}
