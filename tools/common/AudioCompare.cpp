#include "AudioCompare.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace vo {

int CompareWithWavFile(const AudioData& output, const std::string& referencePath, double tolerance) {
  AudioData reference;
  std::string error;
  if (!ReadWavFile(referencePath, &reference, &error)) {
    std::printf("cannot read %s: %s\n", referencePath.c_str(), error.c_str());
    return 1;
  }
  if (reference.Frames() != output.Frames() || reference.channels != output.channels) {
    std::printf("reference has %d frames x %d channels, output %d x %d\n", reference.Frames(),
                reference.channels, output.Frames(), output.channels);
    return 1;
  }
  double worst = 0.0;
  for (int c = 0; c < output.channels; ++c) {
    for (int i = 0; i < output.Frames(); ++i) {
      const double d = std::fabs(output.samples[c][i] - reference.samples[c][i]);
      worst = std::isnan(d) ? INFINITY : std::max(worst, d);
    }
  }
  std::printf("largest difference from %s: %.3g (tolerance %.3g)\n", referencePath.c_str(), worst,
              tolerance);
  return worst <= tolerance ? 0 : 1;
}

}  // namespace vo
