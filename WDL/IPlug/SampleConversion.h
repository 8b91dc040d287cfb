#pragma once
// Conversions between the host's 32-bit samples and the plug-in's doubles:
// plain value conversions (round to nearest when narrowing), in order.
// Audio thread; no allocation, no lock. Nothing happens for n <= 0.

void CopyDoublesToFloats(float* dest, const double* src, int n);
void CopyFloatsToDoubles(double* dest, const float* src, int n);
