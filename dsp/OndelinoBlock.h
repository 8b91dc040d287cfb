// What Ondelino::ProcessFrames hands to its per-frame loop: the settings it
// decides once per block, the per-channel state the loop carries (left and
// right side by side, so that the two channels can run in the two lanes of
// one vector register), and the scratch of one chunk of frames that the
// oscillator and the random generator fill before the loop runs.
#pragma once

namespace Dsp
{

// Frames per chunk: the oscillator and the hiss are prepared for this many
// frames at a time, so the scratch stays small and in the first-level cache.
constexpr int kOndelinoChunkFrames = 256;

// One second-order section for both channels: coefficients and history, each
// as a (left, right) pair.
struct SectionPair
{
  alignas(16) double fb1[2];
  alignas(16) double fb2[2];
  alignas(16) double b0[2];
  alignas(16) double b1[2];
  alignas(16) double b2[2];
  alignas(16) double w1[2];
  alignas(16) double w2[2];
  alignas(16) double w3[2];
};

struct OndelinoBlock
{
  // Settings, fixed for the block.
  double inputGain;
  double outputGain;
  double wetGain;
  double dryGain;
  double width;
  bool inputSaturates;   // the chorus's saturation
  bool lineSaturates[2]; // each delay line's saturation
  bool wetMuted;
  bool hiss; // some hiss is on: the chunk's noise terms are added

  // Carried from frame to frame (and stored back after the block).
  SectionPair sectionA;
  SectionPair sectionB;
  alignas(16) double lastOutput[2];
  double* buffer[2];
  int writePosition[2];
  int length[2];
  double inputPeak;  // of the left and right lanes together
  double outputPeak;
};

// Filled for each chunk before the per-frame loop, plus its working space. Index 2 * f + c holds
// channel c of frame f.
struct OndelinoChunk
{
  alignas(16) double delay[2 * kOndelinoChunkFrames]; // each frame's delays from the oscillator, in samples
  // The hiss terms (noise times level), -0.0 where that hiss is off: adding
  // -0.0 leaves every value, signed zeros included, exactly as it was.
  alignas(16) double lineNoise[2 * kOndelinoChunkFrames];
  alignas(16) double outputNoise[2 * kOndelinoChunkFrames];
  // The chunk's draws from the random generator, in the order taken, and
  // their uniform values.
  alignas(16) int draws[4 * kOndelinoChunkFrames];
  alignas(16) float uniform[4 * kOndelinoChunkFrames];
  // Between the passes of the per-frame loop: the input after gain and
  // saturation (the dry path), and the delay lines' filtered input.
  alignas(16) double dry[2 * kOndelinoChunkFrames];
  alignas(16) double line[2 * kOndelinoChunkFrames];
};

} // namespace Dsp
