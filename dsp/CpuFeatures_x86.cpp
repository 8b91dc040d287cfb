// DetectCpuFeatures for x86 and x86-64 processors, from the registers that
// ReadCpuidRegisters reads.
#include "CpuFeatures.h"
#include "VectorExtensions.h"

void DetectCpuFeatures()
{
  const CpuidRegisters r = ReadCpuidRegisters();
  if (r.maxLeaf > 0)
  {
    CpuFeatures::MMX = (r.leaf1Edx >> 23) & 1u;
    CpuFeatures::FXSR = (r.leaf1Edx >> 24) & 1u;
    CpuFeatures::SSE = (r.leaf1Edx >> 25) & 1u;
    CpuFeatures::SSE3 = (r.leaf1Ecx >> 0) & 1u;
    CpuFeatures::SSSE3 = (r.leaf1Ecx >> 9) & 1u;
    CpuFeatures::SSE41 = (r.leaf1Ecx >> 19) & 1u;
    CpuFeatures::SSE42 = (r.leaf1Ecx >> 20) & 1u;
  }
}
