#include <time.h>

#include "Trace.h"

bool SplitLocalAndUtcTime(std::time_t time, std::tm* local, std::tm* utc) {
  return localtime_r(&time, local) && gmtime_r(&time, utc);
}
