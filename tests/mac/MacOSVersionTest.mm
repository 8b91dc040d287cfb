// The macOS version number from the system version file. A program of its
// own: the number is read once per process.

#include "IGraphicsMac.h"
#include "MacSeamScripts.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

TEST(MacOSVersion, ProductVersionTextsBecomeNumbers)
{
  EXPECT_EQ(MacOSVersionFromText("10.9"), 0x1090);
  EXPECT_EQ(MacOSVersionFromText("10.8.5"), 0x1085);
  EXPECT_EQ(MacOSVersionFromText("10.10"), 0x10100);
  EXPECT_EQ(MacOSVersionFromText("10.7"), 0x1070);
  EXPECT_EQ(MacOSVersionFromText(nullptr), 0);
}

// The editor's constructor loads the shared application before anything
// is presented, and with it GNUstep's one-time set-up (which the leak check
// leaves out); the version is first read after that.
class MacOSVersionFile : public testing::Test
{
protected:
  static void SetUpTestSuite() { NSApplicationLoad(); }
};

TEST_F(MacOSVersionFile, ReadOnceForTheProcess)
{
  NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
  const std::filesystem::path file =
      std::filesystem::temp_directory_path() / ("vo-version-" + std::to_string(getpid()) + ".plist");
  std::ofstream(file) << "{ ProductName = \"Mac OS X\"; ProductVersion = \"10.10\"; }";
  MacSeamSetSystemVersionPath(file.c_str());
  EXPECT_EQ(GetMacOSVersion(), 0x10100);
  std::filesystem::remove(file);
  MacSeamSetSystemVersionPath("/nonexistent/SystemVersion.plist");
  EXPECT_EQ(GetMacOSVersion(), 0x10100) << "kept for the process";
  [pool release];
}
