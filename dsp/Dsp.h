// The Dsp filter library: cascades of second-order sections that
// work in place on interleaved double frames.
//
//   Dsp::ChebyIILowPass<6, 2>  sixth-order Chebyshev type II low-pass, two
//                              channels, analog prototype + bilinear transform
//   Dsp::BiquadLowPass<1>      one second-order low-pass section, one channel
//
// The class tree is kept flat: Dsp::Cascade carries the stage list and the
// channel state, Dsp::PoleFilterSpace holds the storage as members rather
// than through further base classes.
#pragma once

#include <complex>
#include <cstddef>

namespace Dsp
{

typedef std::complex<double> complex_t;

constexpr double kPi = 3.1415926535897932384626433832795;

// a * b, computed as (ar*br - ai*bi, ar*bi + ai*br) with no special cases.
complex_t ComplexMultiply(const complex_t& a, const complex_t& b);

// a / b, scaling by the larger of the divisor's two components (Smith's
// method). A divisor that is not a number, or whose scaled magnitude is 0 or
// not a number, gives (NaN, NaN).
complex_t ComplexDivide(const complex_t& a, const complex_t& b);

// The parameters of a pole filter's design.
struct SetupParams
{
  int order = 0;
  double sampleRate = 0.0;
  double cutoffFrequency = 0.0; // same unit as sampleRate
  double unused = 0.0;          // not used by the low-pass
  double stopBandDb = 0.0;      // stop-band attenuation in dB
};

// A pole/zero layout with its normal frequency and gain. The storage belongs
// to a Dsp::LayoutSpace.
class Layout
{
public:
  Layout(const Layout&) = delete;
  Layout& operator=(const Layout&) = delete;

  int GetNumPoles() const { return mNumPoles; }
  int GetNumZeros() const { return mNumZeros; }
  int GetMaxPoles() const { return mMaxPoles; }
  const complex_t& GetPole(int i) const { return mPoles[i]; }
  const complex_t& GetZero(int i) const { return mZeros[i]; }
  double GetNormalW() const { return mNormalW; }
  double GetNormalGain() const { return mNormalGain; }

  // Empties both lists (the capacity stays).
  void Reset();
  // Appends to a list; ignored when the list is full.
  void AddPole(const complex_t& p);
  void AddZero(const complex_t& z);
  void SetNormal(double w, double gain);

protected:
  Layout() = default;
  ~Layout() = default;
  void SetStorage(int maxPoles, complex_t* poles, complex_t* zeros);

private:
  int mNumPoles = 0;
  complex_t* mPoles = nullptr;
  int mNumZeros = 0;
  complex_t* mZeros = nullptr;
  int mMaxPoles = 0;
  double mNormalW = 0.0;
  double mNormalGain = 1.0;
};

// Storage for MaxPoles poles and as many zeros.
template <int MaxPoles>
class LayoutSpace : public Layout
{
public:
  LayoutSpace() { Init(); }
  // Empty lists with capacity MaxPoles each.
  void Init()
  {
    SetStorage(MaxPoles, mPoleSpace, mZeroSpace);
    Reset();
  }

private:
  complex_t mPoleSpace[MaxPoles];
  complex_t mZeroSpace[MaxPoles];
};

// Chebyshev type II family.
struct ChebyII
{
  // The analog prototype of order N with A dB stop-band attenuation:
  // N poles, N zeros, normal frequency 0, normal gain 1.
  static void DesignPrototype(int order, double stopBandDb, Layout& analog);
};

// Low-pass type: the plain bilinear transform.
struct LowPass
{
};

// Analog to digital layout with the record's sampleRate and cutoffFrequency.
void BilinearTransform(const SetupParams& params, const Layout& analog, Layout& digital);

// One second-order section. fb1, fb2 are the denominator stored negated
// (1 - fb1 z^-1 - fb2 z^-2); cfb1 .. cb2 are the coefficients the two-channel
// vector path actually applies (they move towards the design over a block).
struct CascadeStage
{
  double fb1, fb2;
  double b0, b1, b2;
  double cfb1, cfb2;
  double cb0, cb1, cb2;
};

// History of one stage for one channel, newest first (w3 is shifted along and
// never used).
struct StageState
{
  double w1, w2, w3;
};

// A cascade of stages with the state of its channels.
class Cascade
{
public:
  Cascade(const Cascade&) = delete;
  Cascade& operator=(const Cascade&) = delete;

  int GetNumStages() const { return mNumStages; }
  int GetNumChannels() const { return mNumChannels; }
  const CascadeStage& GetStage(int i) const { return mStages[i]; }
  CascadeStage& GetStage(int i) { return mStages[i]; }
  // State of one stage for one channel.
  const StageState& GetState(int channel, int stage) const
  {
    return mState[stage * mNumChannels + channel];
  }
  StageState& GetState(int channel, int stage) { return mState[stage * mNumChannels + channel]; }

  // Every stage pass-through; current coefficients and state stay.
  void ResetStages();

  // The stages from a digital layout, normalised to the layout's gain at its
  // normal frequency.
  void SetLayout(const Layout& digital);

  // Frequency response at w radians per sample.
  complex_t Response(double w) const;

  // Runs nFrames interleaved frames through all stages, in place: the vector
  // path when the filter has exactly 2 channels and CpuFeatures::SSE3 is set
  // (and the build has the path), the generic path otherwise.
  void ProcessInterleaved(size_t nFrames, double* frames);

  // Which path ProcessInterleaved takes now.
  bool UsesVectorPath() const;

  // The two paths, callable on their own (tests compare them). The vector path
  // falls back to the generic one for a channel count other than 2 or in a
  // build without it.
  void ProcessInterleavedGeneric(size_t nFrames, double* frames);
  void ProcessInterleavedVector(size_t nFrames, double* frames);

protected:
  Cascade() = default;
  ~Cascade() = default;
  // Points the cascade at its owner's storage; stages pass-through, current
  // coefficients and state zero.
  void SetStorage(CascadeStage* stages, int numStages, StageState* state, int numChannels);

private:
  int mNumStages = 0;
  CascadeStage* mStages = nullptr;
  int mNumChannels = 0;
  StageState* mState = nullptr;
};

// A cascade designed from a pole/zero layout; one virtual operation.
class PoleFilter : public Cascade
{
public:
  virtual void Setup(const SetupParams& params) = 0;

protected:
  PoleFilter() = default;
  ~PoleFilter() = default;
};

// Prototype of a family with its own (analog) layout.
template <class Family, int MaxOrder>
class PrototypeSpace : public LayoutSpace<MaxOrder>
{
public:
  void Design(const SetupParams& params) { Family::DesignPrototype(params.order, params.stopBandDb, *this); }
};

template <class Family, class Type, int MaxOrder, int Channels>
class PoleFilterSpace : public PoleFilter
{
public:
  static constexpr int kStages = (MaxOrder + 1) / 2;

  PoleFilterSpace()
  {
    SetStorage(mStageSpace, kStages, mStateSpace, Channels);
  }

  // Prototype into the analog layout, bilinear transform into the digital
  // layout, stages from the digital layout.
  void Setup(const SetupParams& params) override
  {
    mAnalog.Design(params);
    BilinearTransform(params, mAnalog, mDigital);
    SetLayout(mDigital);
  }

  const Layout& GetAnalogLayout() const { return mAnalog; }
  const Layout& GetDigitalLayout() const { return mDigital; }

private:
  PrototypeSpace<Family, MaxOrder> mAnalog;
  LayoutSpace<MaxOrder> mDigital;
  CascadeStage mStageSpace[kStages];
  StageState mStateSpace[Channels * kStages];
};

template <int Order, int Channels>
class ChebyIILowPass : public PoleFilterSpace<ChebyII, LowPass, Order, Channels>
{
public:
  typedef PoleFilterSpace<ChebyII, LowPass, Order, Channels> Base;
  using Base::Setup;

  // normalisedCutoff is a fraction of the sample rate (sample rate 1.0).
  void Setup(double normalisedCutoff, double stopBandDb)
  {
    SetupParams params;
    params.order = Order;
    params.sampleRate = 1.0;
    params.cutoffFrequency = normalisedCutoff;
    params.stopBandDb = stopBandDb;
    Base::Setup(params);
  }
};

// Direct digital design of one low-pass section.
void DesignBiquadLowPass(CascadeStage& stage, double normalisedFrequency, double q);

template <int Channels>
class BiquadLowPass : public Cascade
{
public:
  BiquadLowPass() { SetStorage(&mStage, 1, mStateSpace, Channels); }

  // f as a fraction of the sample rate, Q.
  void Setup(double normalisedFrequency, double q) { DesignBiquadLowPass(GetStage(0), normalisedFrequency, q); }

private:
  CascadeStage mStage;
  StageState mStateSpace[Channels];
};

} // namespace Dsp
