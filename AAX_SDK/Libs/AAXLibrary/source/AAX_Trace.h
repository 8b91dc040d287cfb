#pragma once
// The library's only diagnostics: traces and assertion reports sent to the
// host through the one global host-services proxy, dropped while the module
// is not started.

#include "AAX_Result.h"

#include <cstdint>

class AAX_VHostServices;
class IACFUnknown;

// Owned; set only by module start-up and shut-down, which the host
// serialises with every other use of the module.
extern AAX_VHostServices* gHostServices;

// Trace priorities this library uses.
constexpr uint32_t kAAX_TraceCheckedResult = 0x4000000;  // a failing AAX_CheckedResult
constexpr uint32_t kAAX_TraceError = 0x8000000;          // caught exceptions and errors

// Longest trace text, the terminator included; longer texts are cut.
constexpr int kAAX_TraceBufferSize = 512;

#if defined(__MINGW32__)
#define AAX_PRINTF_LIKE(f, a) __attribute__((format(gnu_printf, f, a)))
#elif defined(__GNUC__)
#define AAX_PRINTF_LIKE(f, a) __attribute__((format(printf, f, a)))
#else
#define AAX_PRINTF_LIKE(f, a)
#endif

// Host's start-up and shut-down thread. A first non-null unknown creates the
// proxy, null deletes it, anything else changes nothing. Always 0. Allocates.
AAX_ResultCode SetHostServices(IACFUnknown* hostUnknown);

// Any thread, the audio thread included: formats into a stack buffer, no
// allocation, no lock. 0 without host services; -20004 when the host has no
// trace interface; else the host's answer.
AAX_ResultCode TraceToHost(uint32_t priority, const char* format, ...) AAX_PRINTF_LIKE(2, 3);

// Any thread; no allocation, no lock. Execution goes on after the report.
// 0 without host services; -20004 when the host has no assertion interface.
AAX_ResultCode ReportAssertFailure(const char* file, int32_t line, const char* condition,
                                   int32_t flags);
