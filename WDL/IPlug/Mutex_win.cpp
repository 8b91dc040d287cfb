#include <windows.h>

#include <new>

#include "Mutex.h"

// A critical section is re-entrant by nature.
static_assert(sizeof(CRITICAL_SECTION) <= Mutex::kStorageSize, "mutex storage too small");
static_assert(alignof(CRITICAL_SECTION) <= 16, "mutex storage misaligned");

namespace {
CRITICAL_SECTION* Native(unsigned char* storage) { return std::launder(reinterpret_cast<CRITICAL_SECTION*>(storage)); }
}  // namespace

Mutex::Mutex() { InitializeCriticalSection(new (mStorage) CRITICAL_SECTION); }

Mutex::~Mutex() { DeleteCriticalSection(Native(mStorage)); }

void Mutex::Lock() { EnterCriticalSection(Native(mStorage)); }

void Mutex::Unlock() { LeaveCriticalSection(Native(mStorage)); }
