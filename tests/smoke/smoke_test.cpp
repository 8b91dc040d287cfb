#include <gtest/gtest.h>
#include <png.h>
TEST(Smoke, LinksLibpng) { EXPECT_GT(png_access_version_number(), 10600u); }
