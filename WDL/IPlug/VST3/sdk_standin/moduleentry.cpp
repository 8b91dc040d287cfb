#include "moduleentry.h"

#include <atomic>

namespace {
std::atomic<int> gInitCount{0};
}  // namespace

bool PLUGIN_API InitDll() {
  ++gInitCount;
  return true;
}

bool PLUGIN_API ExitDll() {
  // An unmatched ExitDll does not drive the count below zero.
  int count = gInitCount.load();
  while (count > 0 && !gInitCount.compare_exchange_weak(count, count - 1)) {
  }
  return true;
}

int ModuleInitCount() { return gInitCount.load(); }
