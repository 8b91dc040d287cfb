#include <pthread.h>

#include <new>

#include "Mutex.h"

static_assert(sizeof(pthread_mutex_t) <= Mutex::kStorageSize, "mutex storage too small");
static_assert(alignof(pthread_mutex_t) <= 16, "mutex storage misaligned");

namespace {
pthread_mutex_t* Native(unsigned char* storage) { return std::launder(reinterpret_cast<pthread_mutex_t*>(storage)); }
}  // namespace

Mutex::Mutex() {
  pthread_mutexattr_t attributes;
  pthread_mutexattr_init(&attributes);
  pthread_mutexattr_settype(&attributes, PTHREAD_MUTEX_RECURSIVE);
  pthread_mutex_init(new (mStorage) pthread_mutex_t, &attributes);
  pthread_mutexattr_destroy(&attributes);
}

Mutex::~Mutex() { pthread_mutex_destroy(Native(mStorage)); }

void Mutex::Lock() { pthread_mutex_lock(Native(mStorage)); }

void Mutex::Unlock() { pthread_mutex_unlock(Native(mStorage)); }
