#pragma once
// The framework's trace hook. Important operations report themselves here
// with their name, a line and a printf-style format; these builds discard the
// events, and a diagnostic build can route them to a log in one place.

#include <ctime>

// Any thread; no allocation, no lock.
inline void TraceEvent(const char* /*function*/, int /*line*/, const char* /*format*/, ...) {}

// The local time as "YYYYMMDD HH:MM +hhmm" (offset from UTC) in one
// process-wide buffer that every call overwrites; not locked. Constructing thread.
const char* FormatLogTimestamp();

// The time stamp of the given local and UTC times of one moment, written into
// out (at least 32 bytes). Across a year boundary the day difference counts
// as one day.
void FormatLogTimestampFrom(const std::tm& local, const std::tm& utc, char* out, int outSize);

// "v<major>.<minor>.<patch>" of a version packed as major << 16 | minor << 8 | patch.
void FormatVersionText(unsigned int version, char* out, int outSize);

// Splits a time into local time and UTC; false when the platform cannot.
// Platform-specific.
bool SplitLocalAndUtcTime(std::time_t time, std::tm* local, std::tm* utc);
