#pragma once
// Input files for the tests that run the deliverables at several host
// rates: the built-in chords at any rate, a click train whose echoes show
// the chorus's delay click by click, and the chords with NaN and infinite
// samples (with the same chords silenced at those samples beside them).
#include "WavFile.h"

namespace vo {

// The spacing of ClickTrain's clicks: longer than the longest echo (the
// delay reaches 211 samples, 4.8 ms at 44.1 kHz), short enough to follow
// the sweep closely.
constexpr double kClickSpacingSeconds = 0.010;

// Frame of click k at rate: k spacings, to the nearest frame.
int ClickFrame(int k, int sampleRate);

// Stereo single-frame clicks of 0.5, the first at frame 0.
AudioData MakeClickTrain(int sampleRate, double seconds);

// Writes NaN, +inf and -inf into both channels of audio in short runs spread
// over it; with `silence`, writes 0 there instead.
void PutNonFiniteSamples(AudioData* audio, bool silence);

// Writes audio as a 32-bit float WAV file; false with *error when it cannot.
bool WriteWavFile(const std::string& path, const AudioData& audio, std::string* error);

}  // namespace vo
