// The chorus's two saturation passes in 256-bit form (Ondelino_x86_avx2.cpp),
// which the vector path takes where gSaturationUsesAvx2 is set.
#pragma once

namespace Dsp
{

// Set at load time where the processor and the system support AVX2 (x86
// builds); tests clear it to run the 128-bit passes. Both give the same bits.
extern bool gSaturationUsesAvx2;

// Audio thread; no allocation. dry = frames * gain, saturated when saturate
// is set, for n interleaved stereo frames; peak gets each channel's running
// maximum of frames * gain (from 0, a value replacing it only when greater).
void InputPassAvx2(const double* frames, double* dry, int n, double gain, bool saturate, double peak[2]);

// Audio thread; no allocation. The delay lines' saturation in place over n
// frames, for the channels whose flag is set.
void LinePassAvx2(double* line, int n, bool left, bool right);

} // namespace Dsp
