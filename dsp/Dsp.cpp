#include "Dsp.h"

#include "CpuFeatures.h"

#include <cmath>
#include <limits>

namespace Dsp
{

// ---------------------------------------------------------------- complex --

complex_t ComplexMultiply(const complex_t& a, const complex_t& b)
{
  return complex_t(a.real() * b.real() - a.imag() * b.imag(), a.real() * b.imag() + a.imag() * b.real());
}

complex_t ComplexDivide(const complex_t& a, const complex_t& b)
{
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double ar = a.real(), ai = a.imag();
  const double br = b.real(), bi = b.imag();
  if (std::isnan(br) || std::isnan(bi))
    return complex_t(nan, nan);
  if (std::fabs(bi) < std::fabs(br))
  {
    const double wr = bi / br;
    const double wd = br + wr * bi;
    if (std::isnan(wd) || wd == 0.0)
      return complex_t(nan, nan);
    return complex_t((ar + ai * wr) / wd, (ai - ar * wr) / wd);
  }
  if (bi == 0.0)
    return complex_t(nan, nan);
  const double wr = br / bi;
  const double wd = bi + wr * br;
  if (std::isnan(wd) || wd == 0.0)
    return complex_t(nan, nan);
  return complex_t((ar * wr + ai) / wd, (ai * wr - ar) / wd);
}

// ----------------------------------------------------------------- layout --

void Layout::SetStorage(int maxPoles, complex_t* poles, complex_t* zeros)
{
  mMaxPoles = maxPoles;
  mPoles = poles;
  mZeros = zeros;
  mNumPoles = 0;
  mNumZeros = 0;
}

void Layout::Reset()
{
  mNumPoles = 0;
  mNumZeros = 0;
}

void Layout::AddPole(const complex_t& p)
{
  if (mNumPoles < mMaxPoles)
    mPoles[mNumPoles++] = p;
}

void Layout::AddZero(const complex_t& z)
{
  if (mNumZeros < mMaxPoles)
    mZeros[mNumZeros++] = z;
}

void Layout::SetNormal(double w, double gain)
{
  mNormalW = w;
  mNormalGain = gain;
}

// ---------------------------------------------------- Chebyshev II design --

void ChebyII::DesignPrototype(int order, double stopBandDb, Layout& analog)
{
  analog.Reset();
  const int n = order;
  const double e = std::exp(0.1 * stopBandDb * std::log(10.0));
  const double r = 1.0 / std::sqrt(1.0 / (e - 1.0));
  const double mu = std::log(r + std::sqrt(r * r + 1.0)) / n;
  const double sinhMu = std::sinh(mu);
  const double coshMu = std::cosh(mu);
  for (int k = 0; k < n; ++k)
  {
    const double theta = (1 - n + 2 * k) * kPi / (2 * n);
    const double re = -sinhMu * std::cos(theta);
    const double im = coshMu * std::sin(theta);
    const double d = re * re + im * im;
    analog.AddPole(complex_t(re / d, im / d));

    const double phi = (3 - 2 * n + 4 * k) * kPi / (2 * n);
    analog.AddZero(complex_t(0.0, 1.0 / std::cos(phi)));
  }
  analog.SetNormal(0.0, 1.0);
}

namespace
{
complex_t Bilinear(double k, const complex_t& s)
{
  if (s.real() == std::numeric_limits<double>::infinity() && s.imag() == 0.0)
    return complex_t(-1.0, 0.0);
  const complex_t ks(k * s.real(), k * s.imag());
  return ComplexDivide(complex_t(1.0 + ks.real(), ks.imag()), complex_t(1.0 - ks.real(), -ks.imag()));
}
}

void BilinearTransform(const SetupParams& params, const Layout& analog, Layout& digital)
{
  const double k = std::tan(params.cutoffFrequency * 2 * kPi / params.sampleRate * 0.5);
  digital.Reset();
  for (int i = 0; i < analog.GetNumPoles(); ++i)
    digital.AddPole(Bilinear(k, analog.GetPole(i)));
  for (int i = 0; i < analog.GetNumZeros(); ++i)
    digital.AddZero(Bilinear(k, analog.GetZero(i)));
  digital.SetNormal(analog.GetNormalW(), analog.GetNormalGain());
}

// ---------------------------------------------------------------- cascade --

namespace
{
void SetPassThrough(CascadeStage& s)
{
  s.fb1 = 0.0;
  s.fb2 = 0.0;
  s.b0 = 1.0;
  s.b1 = 0.0;
  s.b2 = 0.0;
}

// A pole or zero counts as real (see SetLayout) when its
// imaginary part is below 1e-6 in magnitude or not a number.
bool IsReal(const complex_t& c)
{
  return std::isnan(c.imag()) || std::fabs(c.imag()) < 1e-6;
}
}

void Cascade::SetStorage(CascadeStage* stages, int numStages, StageState* state, int numChannels)
{
  mStages = stages;
  mNumStages = numStages;
  mState = state;
  mNumChannels = numChannels;
  for (int i = 0; i < numStages; ++i)
  {
    CascadeStage& s = stages[i];
    SetPassThrough(s);
    s.cfb1 = s.cfb2 = s.cb0 = s.cb1 = s.cb2 = 0.0;
  }
  for (int i = 0; i < numStages * numChannels; ++i)
    state[i].w1 = state[i].w2 = state[i].w3 = 0.0;
}

void Cascade::ResetStages()
{
  for (int i = 0; i < mNumStages; ++i)
    SetPassThrough(mStages[i]);
}

// Real poles and zeros (they never occur in this
// program's filters): two real poles share a stage (fb1 = p1 + p2,
// fb2 = -p1 p2), a lone one makes a first-order stage (fb1 = p, fb2 = 0);
// likewise real zeros give b0 = z1 z2, b1 = -(z1 + z2), b2 = 1, a lone one
// b0 = -z, b1 = 1, b2 = 0 (the same ordering as the complex pairs). They take
// the next free stage from the end, like the complex pairs; what does not fit
// into the stage count is dropped.
void Cascade::SetLayout(const Layout& digital)
{
  const int numStages = (digital.GetNumPoles() + 1) / 2 > (digital.GetNumZeros() + 1) / 2
                          ? (digital.GetNumPoles() + 1) / 2
                          : (digital.GetNumZeros() + 1) / 2;
  const int stages = numStages < mNumStages ? numStages : mNumStages;
  for (int i = 0; i < mNumStages; ++i)
    SetPassThrough(mStages[i]);

  int j = 0;
  int pendingReal = -1; // stage holding a lone real pole
  for (int i = 0; i < digital.GetNumPoles(); ++i)
  {
    const complex_t& p = digital.GetPole(i);
    if (IsReal(p))
    {
      if (pendingReal >= 0)
      {
        CascadeStage& s = mStages[pendingReal];
        const double p1 = s.fb1;
        s.fb1 = p1 + p.real();
        s.fb2 = -(p1 * p.real());
        pendingReal = -1;
      }
      else if (j < stages)
      {
        pendingReal = stages - 1 - j;
        CascadeStage& s = mStages[pendingReal];
        s.fb1 = p.real();
        s.fb2 = 0.0;
        ++j;
      }
    }
    else if (p.imag() > 0.0)
    {
      if (j < stages)
      {
        CascadeStage& s = mStages[stages - 1 - j];
        s.fb1 = 2 * p.real();
        s.fb2 = -(p.real() * p.real() + p.imag() * p.imag());
        ++j;
      }
    }
  }

  j = 0;
  pendingReal = -1;
  for (int i = 0; i < digital.GetNumZeros(); ++i)
  {
    const complex_t& z = digital.GetZero(i);
    if (IsReal(z))
    {
      if (pendingReal >= 0)
      {
        CascadeStage& s = mStages[pendingReal];
        const double z1 = -s.b0;
        s.b0 = z1 * z.real();
        s.b1 = -(z1 + z.real());
        s.b2 = 1.0;
        pendingReal = -1;
      }
      else if (j < stages)
      {
        pendingReal = stages - 1 - j;
        CascadeStage& s = mStages[pendingReal];
        s.b0 = -z.real();
        s.b1 = 1.0;
        s.b2 = 0.0;
        ++j;
      }
    }
    else if (z.imag() > 0.0)
    {
      if (j < stages)
      {
        CascadeStage& s = mStages[stages - 1 - j];
        s.b0 = z.real() * z.real() + z.imag() * z.imag();
        s.b1 = -2 * z.real();
        s.b2 = 1.0;
        ++j;
      }
    }
  }

  const complex_t h = Response(digital.GetNormalW());
  const double scale = digital.GetNormalGain() / std::hypot(h.real(), h.imag());
  if (mNumStages > 0)
  {
    mStages[0].b0 *= scale;
    mStages[0].b1 *= scale;
    mStages[0].b2 *= scale;
  }
}

complex_t Cascade::Response(double w) const
{
  const complex_t z1(std::cos(-w), std::sin(-w));
  const complex_t z2(std::cos(-2 * w), std::sin(-2 * w));
  complex_t num(1.0, 0.0);
  complex_t den(1.0, 0.0);
  for (int i = 0; i < mNumStages; ++i)
  {
    const CascadeStage& s = mStages[i];
    const complex_t cb(s.b0 + s.b1 * z1.real() + s.b2 * z2.real(), s.b1 * z1.imag() + s.b2 * z2.imag());
    num = ComplexMultiply(num, cb);
    const complex_t ca(1.0 - s.fb1 * z1.real() - s.fb2 * z2.real(), -s.fb1 * z1.imag() - s.fb2 * z2.imag());
    den = ComplexMultiply(den, ca);
  }
  return ComplexDivide(num, den);
}

void DesignBiquadLowPass(CascadeStage& stage, double normalisedFrequency, double q)
{
  const double w = 2 * kPi * normalisedFrequency;
  const double cs = std::cos(w);
  const double alpha = std::sin(w) / (2 * q);
  const double a0 = 1 + alpha;
  stage.fb1 = 2 * cs / a0;
  stage.fb2 = (alpha - 1) / a0;
  stage.b1 = (1 - cs) / a0;
  stage.b0 = stage.b1 / 2;
  stage.b2 = stage.b1 / 2;
}

// ------------------------------------------------------------- processing --

void Cascade::ProcessInterleavedGeneric(size_t nFrames, double* frames)
{
  if (mNumChannels == 1 && mNumStages == 1)
  {
    // One section, one channel (the delay lines' sections, one sample at a
    // time): the same arithmetic with the history kept in registers.
    const CascadeStage& s = mStages[0];
    const double fb1 = s.fb1, fb2 = s.fb2, b0 = s.b0, b1 = s.b1, b2 = s.b2;
    double w1 = mState[0].w1, w2 = mState[0].w2, w3 = mState[0].w3;
    for (size_t f = 0; f < nFrames; ++f)
    {
      const double w = frames[f] + fb1 * w1 + fb2 * w2 + 1e-25;
      frames[f] = b0 * w + b1 * w1 + b2 * w2;
      w3 = w2;
      w2 = w1;
      w1 = w;
    }
    mState[0].w1 = w1;
    mState[0].w2 = w2;
    mState[0].w3 = w3;
    return;
  }
  const int channels = mNumChannels;
  const int stages = mNumStages;
  for (size_t f = 0; f < nFrames; ++f)
  {
    double* frame = frames + f * static_cast<size_t>(channels);
    for (int c = 0; c < channels; ++c)
    {
      double x = frame[c];
      for (int i = 0; i < stages; ++i)
      {
        const CascadeStage& s = mStages[i];
        StageState& st = mState[i * channels + c];
        const double w = x + s.fb1 * st.w1 + s.fb2 * st.w2 + 1e-25;
        const double y = s.b0 * w + s.b1 * st.w1 + s.b2 * st.w2;
        st.w3 = st.w2;
        st.w2 = st.w1;
        st.w1 = w;
        x = y;
      }
      frame[c] = x;
    }
  }
}

#if defined(VO_DSP_VECTOR_PATH)
// Cascade_x86_sse.cpp
void ProcessStagePairSse(CascadeStage& stage, StageState& left, StageState& right, size_t nFrames, double* frames);
void ProcessThreeStagesSse(CascadeStage* stages, StageState* state, size_t nFrames, double* frames);
#endif

bool Cascade::UsesVectorPath() const
{
#if defined(VO_DSP_VECTOR_PATH)
  return mNumChannels == 2 && CpuFeatures::SSE3;
#else
  return false;
#endif
}

void Cascade::ProcessInterleavedVector(size_t nFrames, double* frames)
{
#if defined(VO_DSP_VECTOR_PATH)
  if (mNumChannels == 2)
  {
    if (nFrames == 0)
      return;
    if (mNumStages == 3) // the anti-alias filters: all stages in one pass
    {
      ProcessThreeStagesSse(mStages, mState, nFrames, frames);
      return;
    }
    for (int i = 0; i < mNumStages; ++i)
      ProcessStagePairSse(mStages[i], mState[i * 2], mState[i * 2 + 1], nFrames, frames);
    return;
  }
#endif
  ProcessInterleavedGeneric(nFrames, frames);
}

void Cascade::ProcessInterleaved(size_t nFrames, double* frames)
{
  if (UsesVectorPath())
    ProcessInterleavedVector(nFrames, frames);
  else
    ProcessInterleavedGeneric(nFrames, frames);
}

} // namespace Dsp
