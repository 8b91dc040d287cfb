// The chorus computed the plain way, one sample at a time, over an Ondelino's
// own state: the oracle that the engine's block-wise, two-lane processing is
// measured against. It runs the same chain in the same order with the
// platform's tanh and rand, and shares nothing with the engine's processing
// code except the anti-alias filters (whose own tests have their own oracle).
#pragma once

#include "Ondelino.h"

// In place, as AudioProcessor::ProcessOversampled does.
void ReferenceProcessOversampled(Ondelino& chorus, double* frames, int nFrames);

// In place, as Ondelino::ProcessFrames does (at the processing rate).
void ReferenceProcessFrames(Ondelino& chorus, double* frames, int nFrames);
