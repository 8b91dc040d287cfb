#pragma once
// Audio read front to back in blocks, so that a consumer needs memory for
// one block whatever the length: a WAV file being read, or audio in memory.
#include <cstdint>

namespace vo {

struct AudioData;

class FrameSource {
 public:
  virtual ~FrameSource() = default;
  virtual int SampleRate() const = 0;
  virtual int Channels() const = 0;
  virtual int64_t Frames() const = 0;  // all of them, known before reading
  // Reads the next frames of the first `count` channels (at most Channels())
  // into channels[0 .. count-1], at most maxFrames each. Answers how many were
  // read: fewer than asked only at the end, or when reading failed.
  virtual int64_t Read(double* const* channels, int count, int64_t maxFrames) = 0;
};

// Audio held in memory as a source (the built-in test signal, a host's render).
class AudioDataSource : public FrameSource {
 public:
  explicit AudioDataSource(const AudioData& audio) : mAudio(audio) {}
  int SampleRate() const override;
  int Channels() const override;
  int64_t Frames() const override;
  int64_t Read(double* const* channels, int count, int64_t maxFrames) override;

 private:
  const AudioData& mAudio;
  int64_t mPosition = 0;
};

}  // namespace vo
