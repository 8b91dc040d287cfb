// The 256-bit instruction sets the vector path may take, read from the
// processor itself (CPUID and XGETBV) by our own code, the same way on every
// platform: no compiler-runtime helper is needed, which the macOS toolchain
// does not provide.
#pragma once

#include <cstdint>

struct VectorExtensions
{
  bool avx = false;  // AVX usable: the road carries both filters in one register
  bool avx2 = false; // AVX2 usable: the saturation passes take two frames at a time
};

// The registers the choice rests on.
struct CpuidRegisters
{
  uint32_t maxLeaf = 0;  // CPUID leaf 0, EAX: the highest leaf the processor answers
  uint32_t leaf1Ecx = 0; // CPUID leaf 1, ECX (0 when maxLeaf < 1)
  uint32_t leaf7Ebx = 0; // CPUID leaf 7, sub-leaf 0, EBX (0 when maxLeaf < 7)
  uint64_t xcr0 = 0;     // XGETBV with ECX 0 (0 unless leaf 1 reports OSXSAVE)
  uint32_t leaf1Edx = 0; // CPUID leaf 1, EDX (0 when maxLeaf < 1): the older features
};

// Any thread; no allocation. An extension counts only when the processor has
// it and the system saves the YMM registers across task switches: leaf 1
// reports OSXSAVE (ECX bit 27) and AVX (bit 28), XCR0 enables the SSE and AVX
// state (bits 1 and 2); AVX2 needs all that plus leaf 7's EBX bit 5.
VectorExtensions VectorExtensionsFrom(const CpuidRegisters& r);

// Any thread; no allocation. The registers above as this processor answers
// them (x86 builds only): the one place that reads CPUID and XGETBV, for
// DetectCpuFeatures and DetectVectorExtensions alike.
CpuidRegisters ReadCpuidRegisters();

// Any thread (the DSP library's static initialisation); no allocation.
// VectorExtensionsFrom (ReadCpuidRegisters ()) (x86 builds only).
VectorExtensions DetectVectorExtensions();
