// The chorus's per-channel delay line.
#pragma once

#include "AlignedBuffer.h"
#include <cstdlib>
#include "Dsp.h"

// A random value u = rand() / (RAND_MAX / 2) - 1 in single precision, uniform
// in [-1, 1], from the platform's process-wide generator (seeded with srand).
float RandomUniform();

// The same value from a draw r already taken from the generator.
inline float UniformFromDraw(int r)
{
  return static_cast<float>(r) / (static_cast<float>(RAND_MAX) / 2.0f) - 1.0f;
}

// -88 dB: the hiss level of a delay line, exp(-10.1313744091736).
extern const double kDelayLineHissGain;

class DelayLine
{
public:
  // Buffer of 44100 zeros (16-byte aligned); seeds the random generator with
  // the current time.
  DelayLine();
  ~DelayLine() = default; // the buffer frees itself
  DelayLine(const DelayLine&) = delete;
  DelayLine& operator=(const DelayLine&) = delete;

  // Set-up thread, under the plug-in mutex; no allocation. Section A:
  // (9688.04323504 / rate, Q 0.549063373606); section B:
  // (6354.69849804 / rate, Q 0.790569415042); each frequency at most 0.49 of
  // the rate (and 0.49 for a rate of 0 or below).
  void SetupAnalogFilters(int rate);

  // In place. The chorus calls it with one sample per channel and frame.
  void Process(double* samples, int count);

  bool mAnalog = true; // saturate the filtered sample before storing it
  bool mHiss = true;   // add hiss to the delayed signal
  int mLength = 44100;
  int mWritePosition = 0;
  double mDelay = (44100 / 1000.0) * 3.2813306; // 144.70667946 samples
  double* mBuffer = nullptr;                     // mLength doubles (storage: mStorage)
  double mLastOutput = 0.0;
  // The sections are pass-through until the first SetupAnalogFilters, so a
  // delay line processed before then is not coloured by undefined values.
  Dsp::BiquadLowPass<1> mSectionA;
  Dsp::BiquadLowPass<1> mSectionB;

private:
  Dsp::AlignedBuffer mStorage;
};
