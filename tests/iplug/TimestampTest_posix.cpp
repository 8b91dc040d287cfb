#include <gtest/gtest.h>

#include <stdlib.h>
#include <time.h>

#include <string>

#include "Trace.h"

namespace {

// The zone suffix comes from the process's own time zone.
TEST(TracePosix, TimestampFollowsTheTimeZone) {
  const char* saved = getenv("TZ");
  const std::string previous = saved ? saved : "";
  setenv("TZ", "XXX-1", 1);  // one hour east of UTC, no summer time
  tzset();
  const std::string east = FormatLogTimestamp();
  setenv("TZ", "YYY+4:30", 1);
  tzset();
  const std::string west = FormatLogTimestamp();
  if (saved) {
    setenv("TZ", previous.c_str(), 1);
  } else {
    unsetenv("TZ");
  }
  tzset();
  EXPECT_EQ("+0100", east.substr(east.size() - 5)) << east;
  EXPECT_EQ("-0430", west.substr(west.size() - 5)) << west;
}

}  // namespace
