#pragma once
// The delay line of the bypass path: while bypassed, a plug-in with latency
// passes its inputs through delayed by exactly that latency, so that hosts
// that compensate for it stay aligned.

#include "HeapBuffer.h"

class LatencyDelay {
 public:
  // Constructing thread; allocates length x inputs doubles, all zero.
  LatencyDelay(int inputs, int outputs, int length);

  // Host or audio thread (through ChangeLatency). A new length: the ring is
  // resized (allocates when it grows) and cleared, the write position starts
  // again at 0. No lock.
  void SetLength(int length);
  // True when the ring holds length frames for every input channel.
  bool IsReady() const;
  // Writes each output its input delayed by length frames, for channels the
  // delay has as inputs and outputs; other outputs are not written. Does
  // nothing unless IsReady(). Audio thread; no allocation, no lock.
  void Process(double* const* inputs, double* const* outputs, int frames);

  int Length() const { return mLength; }
  int WritePosition() const { return mWritePosition; }

 private:
  HeapBuffer mRing;
  int mWritePosition = 0;
  int mInputs;
  int mOutputs;
  int mLength = 0;
};
