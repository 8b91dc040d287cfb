#include "AudioCompare.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "WavReader.h"

namespace vo {

int CompareWithWavFile(FrameSource& output, const std::string& referencePath, double tolerance) {
  WavReader reference;
  std::string error;
  if (!reference.Open(referencePath, &error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  // Compared as far as the file goes, and said so as for an input.
  if (!reference.Warning().empty()) std::fprintf(stderr, "%s\n", reference.Warning().c_str());
  if (reference.SampleRate() != output.SampleRate()) {
    std::fprintf(stderr, "reference %s is at %d Hz, the output at %d Hz\n", referencePath.c_str(),
                 reference.SampleRate(), output.SampleRate());
    return 1;
  }
  if (reference.Frames() != output.Frames() || reference.Channels() != output.Channels()) {
    std::fprintf(stderr, "reference has %lld frames x %d channels, output %lld x %d\n",
                 static_cast<long long>(reference.Frames()), reference.Channels(),
                 static_cast<long long>(output.Frames()), output.Channels());
    return 1;
  }
  constexpr int64_t kBlock = 4096;
  const int count = output.Channels();
  std::vector<std::vector<double>> out(static_cast<size_t>(count), std::vector<double>(kBlock));
  std::vector<std::vector<double>> ref(out);
  std::vector<double*> outChannels, refChannels;
  for (int c = 0; c < count; ++c) {
    outChannels.push_back(out[static_cast<size_t>(c)].data());
    refChannels.push_back(ref[static_cast<size_t>(c)].data());
  }
  double worst = 0.0;
  for (int64_t done = 0; done < output.Frames();) {
    const int64_t want = std::min(kBlock, output.Frames() - done);
    if (output.Read(outChannels.data(), count, want) != want ||
        reference.Read(refChannels.data(), count, want) != want) {
      std::fprintf(stderr, "cannot read the output or %s to its end\n", referencePath.c_str());
      return 1;
    }
    for (int c = 0; c < count; ++c) {
      for (int64_t i = 0; i < want; ++i) {
        const double d = std::fabs(outChannels[c][i] - refChannels[c][i]);
        worst = std::isnan(d) ? INFINITY : std::max(worst, d);
      }
    }
    done += want;
  }
  std::fprintf(stderr, "largest difference from %s: %.3g (tolerance %.3g)\n", referencePath.c_str(), worst,
               tolerance);
  return worst <= tolerance ? 0 : 1;
}

int CompareWithWavFile(const AudioData& output, const std::string& referencePath, double tolerance) {
  AudioDataSource source(output);
  return CompareWithWavFile(source, referencePath, tolerance);
}

}  // namespace vo
