// The owner-tracking mutex: the holder re-enters without locking, others
// wait until the holder's outermost scope ends.

#include "AAX_COwnerMutex.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

namespace {

TEST(OwnerMutex, TheOwnerEntersAgainWithoutLocking) {
  std::unique_ptr<AAX_COwnerMutex> mutex = AAX_COwnerMutex::Create();
  ASSERT_NE(nullptr, mutex);
  {
    AAX_COwnerMutexScope outer(mutex.get());
    EXPECT_TRUE(outer.Locked());
    AAX_COwnerMutexScope inner(mutex.get());
    EXPECT_FALSE(inner.Locked());
  }
  // Released exactly once: it can be taken again.
  EXPECT_TRUE(mutex->Lock());
  mutex->Unlock();
}

TEST(OwnerMutex, AnotherThreadWaitsUntilTheOwnerLeaves) {
  std::unique_ptr<AAX_COwnerMutex> mutex = AAX_COwnerMutex::Create();
  ASSERT_NE(nullptr, mutex);
  std::atomic<bool> started{false};
  std::atomic<bool> acquired{false};
  std::thread other;
  {
    AAX_COwnerMutexScope outer(mutex.get());
    {
      AAX_COwnerMutexScope inner(mutex.get());
    }  // the inner scope's end releases nothing
    other = std::thread([&] {
      started = true;
      AAX_COwnerMutexScope scope(mutex.get());
      acquired = true;
      // Not the owner here: an unlock from this thread is the other's.
    });
    while (!started) std::this_thread::yield();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(acquired);
  }
  other.join();
  EXPECT_TRUE(acquired);
}

TEST(OwnerMutex, OnlyTheHolderReleases) {
  std::unique_ptr<AAX_COwnerMutex> mutex = AAX_COwnerMutex::Create();
  ASSERT_TRUE(mutex->Lock());
  std::atomic<bool> lockedThere{false};
  std::thread([&] { mutex->Unlock(); }).join();  // not the holder: nothing happens
  std::thread other([&] {
    lockedThere = mutex->Lock();
    mutex->Unlock();
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_FALSE(lockedThere);
  mutex->Unlock();
  other.join();
  EXPECT_TRUE(lockedThere);
}

TEST(OwnerMutex, ContendingThreadsWithNestedScopesTakeTurns) {
  // Every thread reads the owner before it takes the mutex; with nested
  // scopes on all of them that read meets the holder's writes all the time.
  std::unique_ptr<AAX_COwnerMutex> mutex = AAX_COwnerMutex::Create();
  int inside = 0;  // guarded by the mutex alone
  int entries = 0;
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t)
    threads.emplace_back([&] {
      for (int i = 0; i < 2000; ++i) {
        AAX_COwnerMutexScope outer(mutex.get());
        AAX_COwnerMutexScope inner(mutex.get());
        EXPECT_TRUE(outer.Locked());
        EXPECT_FALSE(inner.Locked());
        EXPECT_EQ(0, inside++);
        ++entries;
        --inside;
      }
    });
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(8000, entries);
}

TEST(OwnerMutex, ANullMutexGuardsNothing) {
  AAX_COwnerMutexScope scope(nullptr);
  EXPECT_FALSE(scope.Locked());
}

}  // namespace
