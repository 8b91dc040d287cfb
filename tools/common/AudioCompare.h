#pragma once
// Checks a render against a reference WAV file, as the --compare option of
// the render tool and the test hosts does. Both are read in blocks.
#include <string>

#include "FrameSource.h"
#include "WavFile.h"

namespace vo {

// Says on standard error the largest sample difference from the reference
// (or why there is none: a reference that cannot be read, or of another
// sample rate, length or channel count) and answers 0 when it is within
// tolerance, 1 otherwise. A NaN sample counts as an infinite difference.
// What the reader tolerated in the reference (WavReader::Warning) is said
// there too.
int CompareWithWavFile(FrameSource& output, const std::string& referencePath, double tolerance);
int CompareWithWavFile(const AudioData& output, const std::string& referencePath, double tolerance);

}  // namespace vo
