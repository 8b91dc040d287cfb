#include "SampleConversion.h"

#include <algorithm>
#include <cfloat>

void CopyDoublesToFloats(float* dest, const double* src, int n) {
  // A double beyond the float range would become an infinity (and the plain
  // conversion of a finite one is undefined): it saturates instead.
  constexpr double kLargest = FLT_MAX;
  for (int i = 0; i < n; ++i) dest[i] = static_cast<float>(std::min(std::max(src[i], -kLargest), kLargest));
}

void CopyFloatsToDoubles(double* dest, const float* src, int n) {
  for (int i = 0; i < n; ++i) dest[i] = static_cast<double>(src[i]);
}
