#include "AudioProcessor.h"

#include "OversamplingRoad.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace
{
// The int32 product of rate and factor (wrapping as the 32-bit product does,
// without the undefined behaviour of a signed overflow).
int Int32Product(int a, int b)
{
  return static_cast<int>(static_cast<uint32_t>(static_cast<int64_t>(a) * b));
}

// Far above any real signal (+2000 dB), yet far enough below the largest
// double that no filter or delay stage can overflow on it.
constexpr double kLargestInput = 1e100;

// The sample the engine takes for a host sample. Filter histories, delay
// buffers and the interpolator's last output are never cleared, so a single
// NaN or infinite sample would silence the instance for good, and an infinity
// held as a huge value would ring out of the filters for hundreds of samples:
// such samples are silence. Absurd finite magnitudes are held at the largest
// input, sign kept; real signals pass untouched.
inline double SanitisedSample(double v)
{
  if (std::fabs(v) <= kLargestInput)
    return v;
  if (!std::isfinite(v))
    return 0.0;
  return std::copysign(kLargestInput, v);
}

void SanitiseInput(double* samples, size_t count)
{
  for (size_t i = 0; i < count; ++i)
    samples[i] = SanitisedSample(samples[i]);
}

// SanitiseInput and a copy of the result into dry, in one pass.
void SanitiseAndCopy(double* samples, double* dry, size_t count)
{
  for (size_t i = 0; i < count; ++i)
  {
    const double v = SanitisedSample(samples[i]);
    samples[i] = v;
    dry[i] = v;
  }
}

// wet = wet * mix + dry * (1 - mix), sample by sample.
void BlendWithDry(double* wet, const double* dry, size_t count, double mix)
{
  const double dryGain = 1.0 - mix;
  for (size_t i = 0; i < count; ++i)
  {
    wet[i] *= mix;
    wet[i] += dry[i] * dryGain;
  }
}
}

void AudioProcessor::DesignAntiAliasFilters()
{
  const double cutoff = (mSampleRate * 0.5) / static_cast<double>(Int32Product(mSampleRate, mOversampling));
  mUpsamplingFilter.Setup(cutoff, 9.0);
  mDecimationFilter.Setup(cutoff, 9.0);
}

void AudioProcessor::SetOversampling(int factor)
{
  if (factor < 1)
    factor = 1;
  mOversampling = factor;
  DesignAntiAliasFilters();
  mConfiguredRate = mSampleRate;
  ConfigureForRate();
}

void AudioProcessor::SetMix(double mix)
{
  mMix = mix;
}

void AudioProcessor::ResetState()
{
  mUpsamplingFilter.ResetStages();
  mDecimationFilter.ResetStages();
  DesignAntiAliasFilters();
}

void AudioProcessor::SetSampleRate(int rate)
{
  mSampleRate = rate;
}

bool AudioProcessor::ReserveFrames(int maxFrames)
{
  if (maxFrames <= 0)
    return true;
  const size_t n = static_cast<size_t>(maxFrames);
  if (mOversampling < 2)
    return mDry.Reserve(2 * n);
  const size_t raised = n * static_cast<size_t>(mOversampling);
  return mRaised.Reserve(2 * raised) && mDry.Reserve(2 * raised);
}

void AudioProcessor::ProcessOversampled(double* frames, int nFrames)
{
  if (nFrames <= 0 || !frames)
    return;
  const size_t n = static_cast<size_t>(nFrames);
  const int factor = mOversampling;

  if (factor < 2)
  {
    if (!mDry.Reserve(2 * n))
      return;
    double* dry = mDry.Data();
    SanitiseAndCopy(frames, dry, 2 * n);
    ProcessFrames(frames, nFrames);
    BlendWithDry(frames, dry, 2 * n, mMix);
    return;
  }

  const size_t f = static_cast<size_t>(factor);
  const size_t raisedFrames = n * f;
  if (raisedFrames / f != n || raisedFrames > 2147483647u) // ProcessFrames counts in int
    return;
  if (!mRaised.Reserve(2 * raisedFrames) || !mDry.Reserve(2 * raisedFrames))
    return;
  SanitiseInput(frames, 2 * n);
  double* raised = mRaised.Data();
  double* dry = mDry.Data();

  if (mProcessesInPieces && Dsp::PiecewiseRoadTakes(mUpsamplingFilter, raisedFrames) &&
      Dsp::PiecewiseRoadTakes(mDecimationFilter, raisedFrames))
  {
    ProcessInPieces(frames, n);
    return;
  }

  // Zero-order hold: each frame f times in a row, no gain correction.
  for (size_t i = 0; i < n; ++i)
  {
    const double l = frames[2 * i];
    const double r = frames[2 * i + 1];
    double* out = raised + 2 * i * f;
    for (size_t j = 0; j < f; ++j)
    {
      out[2 * j] = l;
      out[2 * j + 1] = r;
    }
  }
  mUpsamplingFilter.ProcessInterleaved(raisedFrames, raised);
  std::memcpy(dry, raised, sizeof(double) * 2 * raisedFrames);
  ProcessFrames(raised, static_cast<int>(raisedFrames));
  BlendWithDry(raised, dry, 2 * raisedFrames, mMix);
  mDecimationFilter.ProcessInterleaved(raisedFrames, raised);
  // Decimation: the first frame of every group of f.
  for (size_t i = 0; i < n; ++i)
  {
    frames[2 * i] = raised[2 * i * f];
    frames[2 * i + 1] = raised[2 * i * f + 1];
  }
}

void AudioProcessor::ProcessInPieces(double* frames, size_t n)
{
  // Pieces of about one chunk of the derived class's work at the raised rate;
  // small enough that a piece's raised and dry frames stay in the first-level
  // cache between the filters and the derived class.
  const size_t f = static_cast<size_t>(mOversampling);
  const size_t piece = f < 64 ? 64 / f : 1;
  Dsp::FilterRun& up = mUpRun;
  Dsp::FilterRun& down = mDownRun;
  Dsp::BeginFilterRun(mUpsamplingFilter, up);
  Dsp::BeginFilterRun(mDecimationFilter, down);
  Dsp::RoadBlock& road = mRoad;
  Dsp::SetUpRoad(road, frames, mRaised.Data(), mDry.Data(), f, mMix);

  // Each step filters the next piece up while it filters the previous one
  // (already processed) down.
  size_t previousFirst = 0, previousCount = 0;
  for (size_t first = 0; first < n; first += piece)
  {
    const size_t count = n - first < piece ? n - first : piece;
    Dsp::RunRoadStep(road, up, first, count, down, previousFirst, previousCount);
    mBlockContinues = first > 0;
    ProcessFrames(road.raised + 2 * first * f, static_cast<int>(count * f));
    previousFirst = first;
    previousCount = count;
  }
  mBlockContinues = false;
  Dsp::RunRoadStep(road, up, 0, 0, down, previousFirst, previousCount);
  Dsp::EndFilterRun(mUpsamplingFilter, up);
  Dsp::EndFilterRun(mDecimationFilter, down);
}
