#include "WavFile.h"

#include <algorithm>
#include <cstdio>

#include "WavReader.h"
#include "WavWriter.h"

namespace vo {

bool ReadWavFile(const std::string& path, AudioData* out, std::string* error) {
  WavReader reader;
  if (!reader.Open(path, error)) return false;
  if (!reader.Warning().empty()) std::fprintf(stderr, "%s\n", reader.Warning().c_str());
  // The test hosts render from memory; an int frame count is what they take.
  if (reader.Frames() > 0x7FFFFFFF) {
    *error = path + " holds more frames than can be rendered from memory";
    return false;
  }
  out->sampleRate = reader.SampleRate();
  out->channels = reader.Channels();
  out->samples.assign(static_cast<size_t>(out->channels), std::vector<double>(static_cast<size_t>(reader.Frames())));
  std::vector<double*> channels;
  for (auto& samples : out->samples) channels.push_back(samples.data());
  if (reader.Read(channels.data(), out->channels, reader.Frames()) != reader.Frames()) {
    *error = "cannot read " + path + " to its end";
    return false;
  }
  return true;
}

bool FinishWavFile(WavWriter& writer, const AudioData& audio, std::string* error) {
  std::vector<const double*> channels;
  for (const auto& samples : audio.samples) channels.push_back(samples.data());
  writer.Write(channels.data(), audio.Frames());
  return writer.Close(error);
}

int AudioDataSource::SampleRate() const { return mAudio.sampleRate; }
int AudioDataSource::Channels() const { return mAudio.channels; }
int64_t AudioDataSource::Frames() const { return mAudio.Frames(); }

int64_t AudioDataSource::Read(double* const* channels, int count, int64_t maxFrames) {
  const int64_t n = std::min(maxFrames, Frames() - mPosition);
  for (int c = 0; c < std::min(count, mAudio.channels); ++c)
    std::copy_n(mAudio.samples[static_cast<size_t>(c)].begin() + mPosition, n, channels[c]);
  mPosition += n;
  return n;
}

}  // namespace vo
