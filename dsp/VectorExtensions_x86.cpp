// VectorExtensions for x86 and x86-64 processors (<cpuid.h> of g++, MinGW and
// clang alike).
#include "VectorExtensions.h"

#include <cpuid.h>

namespace
{
constexpr uint32_t kOsXsave = 1u << 27; // leaf 1, ECX
constexpr uint32_t kAvx = 1u << 28;     // leaf 1, ECX
constexpr uint32_t kAvx2 = 1u << 5;     // leaf 7, EBX
constexpr uint64_t kSseAndAvxState = 0x6; // XCR0 bits 1 and 2

// XGETBV by its mnemonic: the intrinsic would need the whole file compiled
// for XSAVE. Only executed when the system reports OSXSAVE.
uint64_t ReadXcr0()
{
  uint32_t low = 0, high = 0;
  __asm__ volatile("xgetbv" : "=a"(low), "=d"(high) : "c"(0));
  return (static_cast<uint64_t>(high) << 32) | low;
}
}

VectorExtensions VectorExtensionsFrom(const CpuidRegisters& r)
{
  VectorExtensions found;
  const bool systemSavesYmm = r.maxLeaf >= 1 && (r.leaf1Ecx & kOsXsave) != 0 &&
                              (r.xcr0 & kSseAndAvxState) == kSseAndAvxState;
  found.avx = systemSavesYmm && (r.leaf1Ecx & kAvx) != 0;
  found.avx2 = systemSavesYmm && r.maxLeaf >= 7 && (r.leaf7Ebx & kAvx2) != 0;
  return found;
}

CpuidRegisters ReadCpuidRegisters()
{
  CpuidRegisters r;
  unsigned int eax = 0, ebx = 0, ecx = 0, edx = 0;
  __cpuid(0, eax, ebx, ecx, edx);
  r.maxLeaf = eax;
  if (r.maxLeaf >= 1)
  {
    __cpuid(1, eax, ebx, ecx, edx);
    r.leaf1Ecx = ecx;
    r.leaf1Edx = edx;
  }
  if (r.maxLeaf >= 7)
  {
    __cpuid_count(7, 0, eax, ebx, ecx, edx);
    r.leaf7Ebx = ebx;
  }
  if (r.leaf1Ecx & kOsXsave)
    r.xcr0 = ReadXcr0();
  return r;
}

VectorExtensions DetectVectorExtensions()
{
  return VectorExtensionsFrom(ReadCpuidRegisters());
}
