#pragma once
// The built-in test signal: a few seconds of stereo chords with sharp attacks,
// rich enough in harmonics that a chorus is plainly audible on it.
#include "WavFile.h"

namespace vo {

AudioData MakeTestSignal(int sampleRate = 44100, double seconds = 4.0);

}  // namespace vo
