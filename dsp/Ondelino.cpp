#include "Ondelino.h"

#include "CpuFeatures.h"
#include "OndelinoKernel.h"
#include "ScalarLanes.h"
#include "VectorTanh.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

const double kOndelinoHissGain = std::exp(-11.0524084463712);

namespace
{
// The delay lines' centre delay and the LFO's sweep around it, in ms.
constexpr double kCentreDelayMs = 3.2813306;
constexpr double kSweepMs = 1.5;

// A delay of ms milliseconds in samples of the line (its length is one
// second's worth).
double DelaySamples(const DelayLine& line, double ms)
{
  return (line.mLength / 1000.0) * ms;
}
}

Ondelino::Ondelino()
{
  for (DelayLine& line : mDelayLines)
    line.mDelay = DelaySamples(line, kCentreDelayMs);
  mProcessesInPieces = true;
}

void Ondelino::SetMix(double x)
{
  mWetGain = x;
  mDryGain = 1.0 - x;
  mMix = 1.0;
}

void Ondelino::ConfigureForRate()
{
  const int r = static_cast<int>(static_cast<unsigned>(static_cast<long long>(mSampleRate) * mOversampling));
  mLfo.SetSampleRate(r);
  mDelayLines[0].SetupAnalogFilters(r);
  mDelayLines[1].SetupAnalogFilters(r);
}

void Ondelino::UpdateMode()
{
  mWetMuted = false;
  mBothModes = false;
  if (mModeI && mModeII)
  {
    mLfo.SetFrequency(mModeBothRate);
    mLfo.mExtraSmoothing = true;
    mBothModes = true;
  }
  else if (mModeI)
  {
    mLfo.SetFrequency(mModeIRate);
    mLfo.mExtraSmoothing = false;
  }
  else if (mModeII)
  {
    mLfo.SetFrequency(mModeIIRate);
    mLfo.mExtraSmoothing = false;
  }
  else
  {
    mWetMuted = true;
  }
}

void Ondelino::SetAnalogEmu(bool on)
{
  mAnalogEmu = on;
  mDelayLines[0].mAnalog = on;
  mDelayLines[1].mAnalog = on;
}

void Ondelino::SetAnalogHiss(bool on)
{
  mAnalogHiss = on;
  mDelayLines[0].mHiss = on;
  mDelayLines[1].mHiss = on;
}

namespace
{
void LoadSection(Dsp::SectionPair& pair, const Dsp::BiquadLowPass<1>& left, const Dsp::BiquadLowPass<1>& right)
{
  const Dsp::BiquadLowPass<1>* sections[2] = {&left, &right};
  for (int c = 0; c < 2; ++c)
  {
    const Dsp::CascadeStage& s = sections[c]->GetStage(0);
    const Dsp::StageState& st = sections[c]->GetState(0, 0);
    pair.fb1[c] = s.fb1;
    pair.fb2[c] = s.fb2;
    pair.b0[c] = s.b0;
    pair.b1[c] = s.b1;
    pair.b2[c] = s.b2;
    pair.w1[c] = st.w1;
    pair.w2[c] = st.w2;
    pair.w3[c] = st.w3;
  }
}

void StoreSectionHistory(const Dsp::SectionPair& pair, Dsp::BiquadLowPass<1>& left, Dsp::BiquadLowPass<1>& right)
{
  Dsp::BiquadLowPass<1>* sections[2] = {&left, &right};
  for (int c = 0; c < 2; ++c)
  {
    Dsp::StageState& st = sections[c]->GetState(0, 0);
    st.w1 = pair.w1[c];
    st.w2 = pair.w2[c];
    st.w3 = pair.w3[c];
  }
}
}

#if defined(VO_DSP_VECTOR_PATH)
namespace Dsp
{
// Ondelino_x86_sse2.cpp
void RunOndelinoChunkSse2(OndelinoBlock& b, OndelinoChunk& chunk, double* frames, int n);
}

namespace
{
void RunVectorChunk(Dsp::OndelinoBlock& b, Dsp::OndelinoChunk& chunk, double* frames, int n)
{
  Dsp::RunOndelinoChunkSse2(b, chunk, frames, n);
}
}
#else
bool Dsp::VectorTanh(const double*, double*)
{
  return false;
}

namespace
{
// Never called: UsesVectorPath answers false in this build.
void RunVectorChunk(Dsp::OndelinoBlock& b, Dsp::OndelinoChunk& chunk, double* frames, int n)
{
  Dsp::RunOndelinoChunk<Dsp::ScalarLanes>(b, chunk, frames, n);
}
}
#endif

bool Ondelino::UsesVectorPath()
{
#if defined(VO_DSP_VECTOR_PATH)
  return CpuFeatures::SSE3;
#else
  return false;
#endif
}

void Ondelino::ProcessFrames(double* frames, int nFrames)
{
  // A later piece of one oversampled block carries the peaks on (a running
  // maximum comes out the same in pieces as over the whole block).
  if (!mBlockContinues)
  {
    mInputPeak = 0.0;
    mOutputPeak = 0.0;
  }
  if (nFrames <= 0)
    return;
  if (!mDelayLines[0].mBuffer || !mDelayLines[1].mBuffer)
  {
    ProcessFramesOneByOne(frames, nFrames);
    return;
  }

  // Everything that holds for the whole block is read once.
  Dsp::OndelinoBlock& b = mBlock;
  b.inputGain = mInputGain;
  b.outputGain = mOutputGain;
  b.wetGain = mWetGain;
  b.dryGain = mDryGain;
  b.width = mWidth;
  b.inputSaturates = mAnalogEmu;
  b.wetMuted = mWetMuted;
  b.hiss = mAnalogHiss || mDelayLines[0].mHiss || mDelayLines[1].mHiss;
  for (int c = 0; c < 2; ++c)
  {
    const DelayLine& line = mDelayLines[c];
    b.lineSaturates[c] = line.mAnalog;
    b.lastOutput[c] = line.mLastOutput;
    b.buffer[c] = line.mBuffer;
    b.writePosition[c] = line.mWritePosition;
    b.length[c] = line.mLength;
  }
  LoadSection(b.sectionA, mDelayLines[0].mSectionA, mDelayLines[1].mSectionA);
  LoadSection(b.sectionB, mDelayLines[0].mSectionB, mDelayLines[1].mSectionB);
  b.inputPeak = mInputPeak;
  b.outputPeak = mOutputPeak;
  const bool vector = UsesVectorPath();

  for (int start = 0; start < nFrames; start += Dsp::kOndelinoChunkFrames)
  {
    const int n = std::min(Dsp::kOndelinoChunkFrames, nFrames - start);
    PrepareChunk(n);
    double* chunkFrames = frames + 2 * static_cast<size_t>(start);
    if (vector)
      RunVectorChunk(b, mChunk, chunkFrames, n);
    else
      Dsp::RunOndelinoChunk<Dsp::ScalarLanes>(b, mChunk, chunkFrames, n);
  }

  for (int c = 0; c < 2; ++c)
  {
    mDelayLines[c].mLastOutput = b.lastOutput[c];
    mDelayLines[c].mWritePosition = b.writePosition[c];
  }
  StoreSectionHistory(b.sectionA, mDelayLines[0].mSectionA, mDelayLines[1].mSectionA);
  StoreSectionHistory(b.sectionB, mDelayLines[0].mSectionB, mDelayLines[1].mSectionB);
  mInputPeak = b.inputPeak;
  mOutputPeak = b.outputPeak;
}

// The serial part of n frames: the oscillator's steps give each frame's
// delays; then the hiss values, drawn in the order of the per-sample chain
// (per frame: the left delay line, the left output, the right delay line, the
// right output).
void Ondelino::PrepareChunk(int n)
{
  Dsp::OndelinoChunk& chunk = mChunk;
  const double samplesPerMs[2] = {mDelayLines[0].mLength / 1000.0, mDelayLines[1].mLength / 1000.0};
  const bool bothModes = mBothModes;
  for (int f = 0; f < n; ++f)
  {
    const int phase = mLfo.AdvancePhase();
    const double m = mLfo.LFO::NextSample(phase);
    chunk.delay[2 * f] = samplesPerMs[0] * (kCentreDelayMs + kSweepMs * m);
    chunk.delay[2 * f + 1] = samplesPerMs[1] * (bothModes ? kCentreDelayMs : kCentreDelayMs - kSweepMs * m);
  }
  mDelayLines[0].mDelay = chunk.delay[2 * (n - 1)];
  mDelayLines[1].mDelay = chunk.delay[2 * (n - 1) + 1];

  if (mBlock.hiss)
  {
    // The draws first, in their order, with nothing else between the calls;
    // then their values, four at a time where the compiler vectorises the
    // conversion (the same single-precision operations per value).
    const bool lineHiss[2] = {mDelayLines[0].mHiss, mDelayLines[1].mHiss};
    const bool outputHiss = mAnalogHiss;
    int count = 0;
    for (int f = 0; f < n; ++f)
    {
      for (int c = 0; c < 2; ++c)
      {
        if (lineHiss[c])
          chunk.draws[count++] = std::rand();
        if (outputHiss)
          chunk.draws[count++] = std::rand();
      }
    }
    for (int k = 0; k < count; ++k)
      chunk.uniform[k] = UniformFromDraw(chunk.draws[k]);
    int k = 0;
    for (int f = 0; f < n; ++f)
    {
      for (int c = 0; c < 2; ++c)
      {
        chunk.lineNoise[2 * f + c] = lineHiss[c] ? chunk.uniform[k++] * kDelayLineHissGain : -0.0;
        chunk.outputNoise[2 * f + c] = outputHiss ? chunk.uniform[k++] * kOndelinoHissGain : -0.0;
      }
    }
  }
}

// The chain frame by frame through DelayLine::Process, for a delay line
// whose buffer could not be allocated (its filtered input passes through).
void Ondelino::ProcessFramesOneByOne(double* frames, int nFrames)
{
  for (int f = 0; f < nFrames; ++f)
  {
    const int phase = mLfo.AdvancePhase();
    const double m = mLfo.NextSample(phase);

    mDelayLines[0].mDelay = DelaySamples(mDelayLines[0], kCentreDelayMs + kSweepMs * m);
    mDelayLines[1].mDelay = DelaySamples(mDelayLines[1], mBothModes ? kCentreDelayMs : kCentreDelayMs - kSweepMs * m);

    double* frame = frames + 2 * static_cast<size_t>(f);
    for (int c = 0; c < 2; ++c)
    {
      double x = frame[c] * mInputGain;
      if (x > mInputPeak)
        mInputPeak = x;
      if (mAnalogEmu)
        x = std::tanh(x * 0.251189) * 3.98107;
      double d = x;
      mDelayLines[c].Process(&d, 1);
      if (mWetMuted)
        d = 0.0;
      double y = d * 1.25 * mWetGain + x * mDryGain;
      if (mAnalogHiss)
        y += RandomUniform() * kOndelinoHissGain;
      y = y * mOutputGain;
      frame[c] = y;
      if (y > mOutputPeak)
        mOutputPeak = y;
    }
    const double side = (frame[0] - frame[1]) * 0.5 * mWidth;
    const double mid = (frame[0] + frame[1]) * 0.5;
    frame[0] = mid + side;
    frame[1] = mid - side;
  }
}
