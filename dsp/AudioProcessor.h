// The processor base with optional oversampling between two anti-alias
// low-pass filters.
#pragma once

#include "AlignedBuffer.h"
#include "Dsp.h"
#include "OversamplingRoad.h"

class AudioProcessor
{
public:
  AudioProcessor(const AudioProcessor&) = delete;
  AudioProcessor& operator=(const AudioProcessor&) = delete;

  // Virtual operations in table order. Every operation runs under the
  // plug-in mutex: processing on the audio thread, the set-up operations on
  // whichever thread changes parameters or resets processing. None of them
  // locks anything itself, and only ProcessOversampled and ReserveFrames
  // allocate.

  // A factor below 1 becomes 1; stores it; designs both anti-alias filters
  // (cutoff 0.5 / factor of the raised rate, stop band 9 dB), upsampling
  // filter first; then ConfigureForRate.
  virtual void SetOversampling(int factor);
  // Stores the mix.
  virtual void SetMix(double mix);
  // Both filters pass-through, then designed as SetOversampling does for the
  // stored factor; ConfigureForRate is not called.
  virtual void ResetState();
  // Stores the rate.
  virtual void SetSampleRate(int rate);
  // The derived class's processing of nFrames interleaved stereo frames.
  virtual void ProcessFrames(double* frames, int nFrames) = 0;
  // The derived class's reaction to a new raised rate.
  virtual void ConfigureForRate() = 0;

  // Audio thread. Processes nFrames interleaved stereo frames in place, at
  // the oversampling factor (in pieces where the derived class allows it and
  // the anti-alias filters take their vector path; the results are the same
  // bits as the whole block's). A block of 0 or fewer frames does nothing. The per-block buffers
  // live on between blocks and only grow: after the first block of a given
  // size (at a given factor) nothing is allocated. When a buffer cannot be
  // allocated the block is left unchanged. A NaN or infinite input sample is
  // taken as silence (0) and an absurdly large finite one (beyond 1e100) as
  // +-1e100, so that no bad sample leaves a non-finite value in the engine's
  // lasting state and every output sample is finite.
  void ProcessOversampled(double* frames, int nFrames);

  // Set-up thread; allocates. Grows the per-block buffers for blocks of up to
  // maxFrames at the stored factor now, so that even the first such block
  // allocates nothing. Answers false when the allocation fails.
  bool ReserveFrames(int maxFrames);

  int GetSampleRate() const { return mSampleRate; }
  // The host rate of the last ConfigureForRate (through SetOversampling); 0
  // before the first.
  int GetConfiguredRate() const { return mConfiguredRate; }
  int GetOversampling() const { return mOversampling; }
  double GetMix() const { return mMix; }
  Dsp::ChebyIILowPass<6, 2>& GetUpsamplingFilter() { return mUpsamplingFilter; }
  Dsp::ChebyIILowPass<6, 2>& GetDecimationFilter() { return mDecimationFilter; }

protected:
  AudioProcessor() = default;
  ~AudioProcessor() = default;

  int mSampleRate = 44100;
  int mOversampling = 1;
  double mMix = 1.0;
  Dsp::ChebyIILowPass<6, 2> mUpsamplingFilter;
  Dsp::ChebyIILowPass<6, 2> mDecimationFilter;
  // The host rate the oscillator and the delay lines were last configured
  // for; 0 until then.
  int mConfiguredRate = 0;

  // Set by a derived class (at construction) whose ProcessFrames gives the
  // same results when an oversampled block reaches it in consecutive pieces,
  // as long as it keeps its per-block results (peaks) running while
  // mBlockContinues is set. ProcessOversampled may then interleave the two
  // anti-alias filters over the pieces.
  bool mProcessesInPieces = false;
  // Set by ProcessOversampled while it hands the second or a later piece of
  // one block to ProcessFrames.
  bool mBlockContinues = false;

private:
  void DesignAntiAliasFilters();
  // The oversampled road for a block of n (sanitised) frames in pieces.
  void ProcessInPieces(double* frames, size_t n);

  Dsp::AlignedBuffer mRaised; // the held-up frames (factor 2 or more)
  Dsp::AlignedBuffer mDry;    // the unprocessed copy
  Dsp::FilterRun mUpRun;      // the filters' registers during ProcessInPieces
  Dsp::FilterRun mDownRun;
  Dsp::RoadBlock mRoad;
};
