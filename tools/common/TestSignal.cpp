#include "TestSignal.h"

#include <cmath>

namespace vo {

AudioData MakeTestSignal(int sampleRate, double seconds) {
  // Two chords (C major, then A minor), each struck with a fast attack and an
  // exponential decay; every note is a band-limited saw of eight harmonics.
  static const double kChords[2][4] = {{130.81, 261.63, 329.63, 392.00},
                                       {110.00, 220.00, 261.63, 329.63}};
  const double kPi = 3.14159265358979323846;
  const int frames = static_cast<int>(sampleRate * seconds);
  const int chordFrames = frames / 2;
  AudioData audio;
  audio.sampleRate = sampleRate;
  audio.channels = 2;
  audio.samples.assign(2, std::vector<double>(frames, 0.0));
  for (int i = 0; i < frames; ++i) {
    const int chord = i < chordFrames ? 0 : 1;
    const double t = (i - chord * chordFrames) / static_cast<double>(sampleRate);
    const double attack = std::fmin(1.0, t / 0.004);
    const double envelope = attack * std::exp(-t * 1.6);
    double left = 0.0, right = 0.0;
    for (int note = 0; note < 4; ++note) {
      const double f = kChords[chord][note];
      double saw = 0.0;
      for (int h = 1; h <= 8 && f * h < sampleRate * 0.45; ++h)
        saw += std::sin(2.0 * kPi * f * h * t) / h;
      // Spread the notes a little across the stereo field.
      const double pan = 0.35 + 0.1 * note;
      left += saw * (1.0 - pan);
      right += saw * pan;
    }
    audio.samples[0][i] = 0.18 * envelope * left;
    audio.samples[1][i] = 0.18 * envelope * right;
  }
  return audio;
}

}  // namespace vo
