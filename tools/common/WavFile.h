#pragma once
// Audio held whole in memory, and WAV files read into it or written from it
// at once (the test hosts' way; the render tool streams with WavReader and
// WavWriter, which these are built on).
#include <string>
#include <vector>

namespace vo {

struct AudioData {
  int sampleRate = 44100;
  int channels = 0;
  std::vector<std::vector<double>> samples;  // one vector per channel
  int Frames() const { return samples.empty() ? 0 : static_cast<int>(samples[0].size()); }
};

// Answers false with a message in *error when the file cannot be read, is not
// a WAV file of a supported format, or holds no frames. What the reader
// tolerated (WavReader::Warning) is said on standard error.
bool ReadWavFile(const std::string& path, AudioData* out, std::string* error);
class WavWriter;
// Appends all of audio to a writer opened before the render (with audio's
// rate and channel count) and closes it; false with a message in *error.
bool FinishWavFile(WavWriter& writer, const AudioData& audio, std::string* error);

}  // namespace vo
