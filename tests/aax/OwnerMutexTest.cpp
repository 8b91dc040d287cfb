// The owner-tracking mutex: the holder re-enters without locking, others
// wait until the holder's outermost scope ends.

#include "AAX_COwnerMutex.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

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

TEST(OwnerMutex, ANullMutexGuardsNothing) {
  AAX_COwnerMutexScope scope(nullptr);
  EXPECT_FALSE(scope.Locked());
}

}  // namespace
