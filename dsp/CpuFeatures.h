// Process-wide processor-feature flags.
#pragma once

// Seven flags, false until DetectCpuFeatures runs. The library's static
// initialisation runs it once (CpuFeatures.cpp); only SSE3 is consulted: it
// selects the two-channel vector path of Dsp::Cascade::ProcessInterleaved.
struct CpuFeatures
{
  static bool MMX;
  static bool FXSR;
  static bool SSE;
  static bool SSE3;
  static bool SSSE3;
  static bool SSE41;
  static bool SSE42;
};

// CPUID leaf 0; when the highest supported leaf is above 0, leaf 1 fills the
// flags (EDX bits 23, 24, 25; ECX bits 0, 9, 19, 20). Otherwise all stay false.
// On processors without CPUID (not x86) every flag stays false.
void DetectCpuFeatures();
