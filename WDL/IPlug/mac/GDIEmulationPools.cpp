// Free pools of context and object records under one recursive lock. Head
// and count are only ever read under the lock.

#include "GDIEmulationRecords.h"

#include <pthread.h>

#include <cstdlib>
#include <cstring>

namespace
{
#ifdef PTHREAD_RECURSIVE_MUTEX_INITIALIZER_NP
pthread_mutex_t poolLock = PTHREAD_RECURSIVE_MUTEX_INITIALIZER_NP;
#else
pthread_mutex_t poolLock = PTHREAD_RECURSIVE_MUTEX_INITIALIZER;
#endif

const int kMaxPooledContexts = 100;
const int kMaxPooledObjects = 200;

template <class Record>
struct Pool
{
  Record* head;
  int count;
};
Pool<GDIEmu_DC> contextPool;
Pool<GDIEmu_Object> objectPool;

template <class Record>
Record* Take(Pool<Record>& pool)
{
  pthread_mutex_lock(&poolLock);
  Record* record = pool.head;
  if (record)
  {
    pool.head = record->next;
    --pool.count;
  }
  pthread_mutex_unlock(&poolLock);
  if (!record) return static_cast<Record*>(std::calloc(1, sizeof(Record)));
  std::memset(record, 0, sizeof(Record));
  return record;
}

template <class Record>
void Return(Pool<Record>& pool, int maxPooled, Record* record)
{
  std::memset(record, 0, sizeof(Record));
  pthread_mutex_lock(&poolLock);
  const bool full = pool.count >= maxPooled;
  if (!full)
  {
    record->pooled = 1;
    record->next = pool.head;
    pool.head = record;
    ++pool.count;
  }
  pthread_mutex_unlock(&poolLock);
  if (full) std::free(record);
}

template <class Record>
int Count(const Pool<Record>& pool)
{
  pthread_mutex_lock(&poolLock);
  const int count = pool.count;
  pthread_mutex_unlock(&poolLock);
  return count;
}
}  // namespace

GDIEmu_DC* GDIEmu_TakeContextRecord() { return Take(contextPool); }
GDIEmu_Object* GDIEmu_TakeObjectRecord() { return Take(objectPool); }
void GDIEmu_ReturnContextRecord(GDIEmu_DC* record) { Return(contextPool, kMaxPooledContexts, record); }
void GDIEmu_ReturnObjectRecord(GDIEmu_Object* record) { Return(objectPool, kMaxPooledObjects, record); }
int GDIEmu_PooledContextCount() { return Count(contextPool); }
int GDIEmu_PooledObjectCount() { return Count(objectPool); }
