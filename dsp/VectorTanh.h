// The vector path's tanh (VectorTanh_x86.h), callable on its own so that its
// accuracy can be measured.
#pragma once

namespace Dsp
{

// Any thread; no allocation. out[i] = tanh(in[i]) for i = 0, 1 through the
// SSE2 function. Answers false (and leaves out alone) in a build without the
// vector path.
bool VectorTanh(const double in[2], double out[2]);

} // namespace Dsp
