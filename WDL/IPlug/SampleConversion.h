#pragma once
// Conversions between the host's 32-bit samples and the plug-in's doubles:
// value conversions in order, rounding to nearest when narrowing; a double
// beyond the float range (infinities too) narrows to the largest float of its
// sign, a NaN stays NaN.
// Audio thread; no allocation, no lock. Nothing happens for n <= 0.

void CopyDoublesToFloats(float* dest, const double* src, int n);
void CopyFloatsToDoubles(double* dest, const float* src, int n);
