#include "SampleConversion.h"

void CopyDoublesToFloats(float* dest, const double* src, int n) {
  for (int i = 0; i < n; ++i) dest[i] = static_cast<float>(src[i]);
}

void CopyFloatsToDoubles(double* dest, const float* src, int n) {
  for (int i = 0; i < n; ++i) dest[i] = static_cast<double>(src[i]);
}
