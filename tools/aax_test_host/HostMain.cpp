// The simulated AAX host: loads the module named by --module=PATH and runs
// the host scenarios against it.

#include "EntryPoints.h"

#include <gtest/gtest.h>

#include <cstring>

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  for (int i = 1; i < argc; ++i)
    if (std::strncmp(argv[i], "--module=", 9) == 0) fakehost::SetModulePath(argv[i] + 9);
  return RUN_ALL_TESTS();
}
