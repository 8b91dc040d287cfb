#include "TestInputs.h"

#include <cmath>
#include <limits>

#include "WavWriter.h"

namespace vo {

int ClickFrame(int k, int sampleRate) {
  return static_cast<int>(std::lround(k * kClickSpacingSeconds * sampleRate));
}

AudioData MakeClickTrain(int sampleRate, double seconds) {
  AudioData audio;
  audio.sampleRate = sampleRate;
  audio.channels = 2;
  const int frames = static_cast<int>(sampleRate * seconds);
  audio.samples.assign(2, std::vector<double>(static_cast<size_t>(frames), 0.0));
  for (int k = 0; ClickFrame(k, sampleRate) < frames; ++k)
    for (auto& channel : audio.samples) channel[static_cast<size_t>(ClickFrame(k, sampleRate))] = 0.5;
  return audio;
}

void PutNonFiniteSamples(AudioData* audio, bool silence) {
  const double inf = std::numeric_limits<double>::infinity();
  const double bad[3] = {std::numeric_limits<double>::quiet_NaN(), inf, -inf};
  // Nine runs of three, each of the three values first once per channel.
  const int frames = audio->Frames();
  for (int run = 0; run < 9; ++run) {
    const int start = (run + 1) * (frames / 10);
    for (int i = 0; i < 3; ++i)
      for (int c = 0; c < audio->channels; ++c)
        audio->samples[static_cast<size_t>(c)][static_cast<size_t>(start + i)] =
            silence ? 0.0 : bad[(run + i + c) % 3];
  }
}

bool WriteWavFile(const std::string& path, const AudioData& audio, std::string* error) {
  WavWriter writer;
  return writer.Open(path, audio.sampleRate, audio.channels, error) && FinishWavFile(writer, audio, error);
}

}  // namespace vo
