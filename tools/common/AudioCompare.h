#pragma once
// Checks a render against a reference WAV file, as the --compare option of
// the render tool and the test hosts does. Both are read in blocks.
#include <string>

#include "FrameSource.h"
#include "WavFile.h"

namespace vo {

// Prints the largest sample difference from the reference (or why there is
// none) and answers 0 when it is within tolerance, 1 otherwise. A NaN sample
// counts as an infinite difference. What the reader tolerated in the
// reference (WavReader::Warning) is said on standard error.
int CompareWithWavFile(FrameSource& output, const std::string& referencePath, double tolerance);
int CompareWithWavFile(const AudioData& output, const std::string& referencePath, double tolerance);

}  // namespace vo
