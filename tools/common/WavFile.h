#pragma once
// Minimal RIFF/WAVE reading and writing for the render tool and test hosts.
// Reads 16-, 24- and 32-bit PCM and 32/64-bit float; writes 32-bit float.
#include <string>
#include <vector>

namespace vo {

struct AudioData {
  int sampleRate = 44100;
  int channels = 0;
  std::vector<std::vector<double>> samples;  // one vector per channel
  int Frames() const { return samples.empty() ? 0 : static_cast<int>(samples[0].size()); }
};

// Answers false with a message in *error when the file cannot be read or is
// not a WAV file of a supported format.
bool ReadWavFile(const std::string& path, AudioData* out, std::string* error);
bool WriteWavFile(const std::string& path, const AudioData& audio, std::string* error);

}  // namespace vo
