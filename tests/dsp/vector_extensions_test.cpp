// Which 256-bit forms the chorus may take, decided from CPUID and XGETBV.
#include "VectorExtensions.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#if defined(__x86_64__) || defined(__i386__)
namespace
{

constexpr uint32_t kOsXsave = 1u << 27, kAvx = 1u << 28, kAvx2 = 1u << 5;

TEST(VectorExtensions, UsableOnlyWhereTheSystemSavesTheYmmRegisters)
{
  struct Case
  {
    const char* what;
    CpuidRegisters r;
    bool avx, avx2;
  };
  const Case cases[] = {
    {"both", {13, kOsXsave | kAvx, kAvx2, 0x7}, true, true},
    {"AVX only", {13, kOsXsave | kAvx, 0, 0x7}, true, false},
    {"no OSXSAVE", {13, kAvx, kAvx2, 0}, false, false},
    {"XCR0 without the AVX state", {13, kOsXsave | kAvx, kAvx2, 0x3}, false, false},
    {"XCR0 without the SSE state", {13, kOsXsave | kAvx, kAvx2, 0x5}, false, false},
    {"no leaf 7", {6, kOsXsave | kAvx, kAvx2, 0x7}, true, false},
    {"AVX2 without the AVX bit", {13, kOsXsave, kAvx2, 0x7}, false, true},
    {"no leaf 1", {0, kOsXsave | kAvx, kAvx2, 0x7}, false, false},
  };
  for (const Case& c : cases)
  {
    const VectorExtensions found = VectorExtensionsFrom(c.r);
    EXPECT_EQ(c.avx, found.avx) << c.what;
    EXPECT_EQ(c.avx2, found.avx2) << c.what;
  }
}

// Linux lists avx and avx2 only where the kernel enabled their state.
TEST(VectorExtensions, DetectionAgreesWithTheSystemsFlags)
{
  std::ifstream cpuinfo("/proc/cpuinfo");
  std::string line;
  while (std::getline(cpuinfo, line) && line.rfind("flags", 0) != 0)
  {
  }
  if (line.empty())
    GTEST_SKIP() << "no /proc/cpuinfo";
  bool avx = false, avx2 = false;
  std::istringstream flags(line.substr(line.find(':') + 1));
  for (std::string flag; flags >> flag;)
  {
    avx = avx || flag == "avx";
    avx2 = avx2 || flag == "avx2";
  }
  const VectorExtensions found = DetectVectorExtensions();
  EXPECT_EQ(avx, found.avx);
  EXPECT_EQ(avx2, found.avx2);
}

} // namespace
#endif
