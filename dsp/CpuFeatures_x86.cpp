// DetectCpuFeatures for x86 and x86-64 processors (g++ and MinGW: <cpuid.h>).
#include "CpuFeatures.h"

#include <cpuid.h>

void DetectCpuFeatures()
{
  unsigned int eax = 0, ebx = 0, ecx = 0, edx = 0;
  __cpuid(0, eax, ebx, ecx, edx);
  if (eax > 0)
  {
    __cpuid(1, eax, ebx, ecx, edx);
    CpuFeatures::MMX = (edx >> 23) & 1u;
    CpuFeatures::FXSR = (edx >> 24) & 1u;
    CpuFeatures::SSE = (edx >> 25) & 1u;
    CpuFeatures::SSE3 = (ecx >> 0) & 1u;
    CpuFeatures::SSSE3 = (ecx >> 9) & 1u;
    CpuFeatures::SSE41 = (ecx >> 19) & 1u;
    CpuFeatures::SSE42 = (ecx >> 20) & 1u;
  }
}
