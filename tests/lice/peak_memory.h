#pragma once
// The most memory this process has held at once so far, in bytes (its peak
// resident set; its peak working set on Windows).

#include <cstdint>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// After windows.h; version 2 takes the call from kernel32 (no psapi.dll).
#ifndef PSAPI_VERSION
#define PSAPI_VERSION 2
#endif
#include <psapi.h>
#else
#include <sys/resource.h>
#endif

namespace lice_test
{
inline uint64_t PeakMemoryBytes()
{
#ifdef _WIN32
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  return GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters) ? counters.PeakWorkingSetSize : 0;
#else
  rusage usage = {};
  getrusage(RUSAGE_SELF, &usage);
#ifdef __APPLE__
  return uint64_t(usage.ru_maxrss);  // bytes there
#else
  return uint64_t(usage.ru_maxrss) * 1024;  // kibibytes here
#endif
#endif
}
}  // namespace lice_test
