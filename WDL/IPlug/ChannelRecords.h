#pragma once
// Per-channel bookkeeping between the host's buffers and the double-precision
// slot arrays that the plug-in's block processing reads and writes. Each
// record is bound for life to its entry in the slot array.

#include "HeapBuffer.h"
#include "StringBuffer.h"

struct InputChannel {
  explicit InputChannel(double** slot) : mDestination(slot), mScratch(4096) {}

  // Samples the scratch buffer holds.
  int ScratchFrames() const { return mScratch.GetSize() / static_cast<int>(sizeof(double)); }
  double* ScratchData() const { return mScratch.GetAs<double>(); }

  // The host supplies this channel in the current block.
  bool mConnected = false;
  // The entry of the input slot array that the plug-in reads as this channel.
  double** mDestination;
  // Conversion buffer of 32-bit input, and the silence of an unconnected channel.
  HeapBuffer mScratch;
  StringBuffer mLabel;
};

struct OutputChannel {
  explicit OutputChannel(double** slot) : mDestination(slot), mScratch(4096) {}

  int ScratchFrames() const { return mScratch.GetSize() / static_cast<int>(sizeof(double)); }
  double* ScratchData() const { return mScratch.GetAs<double>(); }

  bool mConnected = false;
  double** mDestination;
  // The host's 32-bit output buffer for the current block, when attached.
  float* mHostBuffer = nullptr;
  HeapBuffer mScratch;
  StringBuffer mLabel;
};
