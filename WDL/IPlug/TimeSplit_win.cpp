#include <time.h>

#include "Trace.h"

bool SplitLocalAndUtcTime(std::time_t time, std::tm* local, std::tm* utc) {
  return localtime_s(local, &time) == 0 && gmtime_s(utc, &time) == 0;
}
