// The filter library, checked against exact reference values.
//
// Expected literals were computed independently at 40 significant digits
// (mpmath) from the design formulas; double results must match them to
// within a few units of the last place, hence the 1e-12 tolerances.
#include "CpuFeatures.h"
#include "Dsp.h"
#include "NoiseSignal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace
{

typedef Dsp::ChebyIILowPass<6, 2> AntiAlias;
constexpr double kTol = 1e-12;

// Restores CpuFeatures::SSE3 when a test has forced it.
struct Sse3Flag
{
  bool saved = CpuFeatures::SSE3;
  ~Sse3Flag() { CpuFeatures::SSE3 = saved; }
};

// Every byte a cascade holds, to compare bit for bit.
std::vector<unsigned char> CascadeBytes(const Dsp::Cascade& c)
{
  std::vector<unsigned char> bytes;
  for (int i = 0; i < c.GetNumStages(); ++i)
  {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(&c.GetStage(i));
    bytes.insert(bytes.end(), p, p + sizeof(Dsp::CascadeStage));
    for (int ch = 0; ch < c.GetNumChannels(); ++ch)
    {
      const unsigned char* q = reinterpret_cast<const unsigned char*>(&c.GetState(ch, i));
      bytes.insert(bytes.end(), q, q + sizeof(Dsp::StageState));
    }
  }
  return bytes;
}

// Current coefficients set to the design ones (a settled vector path).
void Settle(Dsp::Cascade& c)
{
  for (int i = 0; i < c.GetNumStages(); ++i)
  {
    Dsp::CascadeStage& s = c.GetStage(i);
    s.cfb1 = s.fb1;
    s.cfb2 = s.fb2;
    s.cb0 = s.b0;
    s.cb1 = s.b1;
    s.cb2 = s.b2;
  }
}

// ----------------------------------------------------------------- design --

TEST(ChebyIIDesign, ConstructedEmptyWithZeroCurrentCoefficientsAndState)
{
  AntiAlias f;
  EXPECT_EQ(f.GetNumStages(), 3);
  EXPECT_EQ(f.GetNumChannels(), 2);
  EXPECT_EQ(f.GetAnalogLayout().GetNumPoles(), 0);
  EXPECT_EQ(f.GetAnalogLayout().GetNumZeros(), 0);
  EXPECT_EQ(f.GetAnalogLayout().GetMaxPoles(), 6);
  EXPECT_EQ(f.GetDigitalLayout().GetNumPoles(), 0);
  EXPECT_EQ(f.GetDigitalLayout().GetMaxPoles(), 6);
  for (int i = 0; i < 3; ++i)
  {
    const Dsp::CascadeStage& s = f.GetStage(i);
    EXPECT_EQ(s.cfb1, 0.0);
    EXPECT_EQ(s.cfb2, 0.0);
    EXPECT_EQ(s.cb0, 0.0);
    EXPECT_EQ(s.cb1, 0.0);
    EXPECT_EQ(s.cb2, 0.0);
    for (int ch = 0; ch < 2; ++ch)
    {
      EXPECT_EQ(f.GetState(ch, i).w1, 0.0);
      EXPECT_EQ(f.GetState(ch, i).w2, 0.0);
      EXPECT_EQ(f.GetState(ch, i).w3, 0.0);
    }
  }
}

TEST(ChebyIIDesign, PrototypePolesAndZeros)
{
  AntiAlias f;
  f.Setup(0.25, 9.0);
  const Dsp::Layout& a = f.GetAnalogLayout();
  ASSERT_EQ(a.GetNumPoles(), 6);
  ASSERT_EQ(a.GetNumZeros(), 6);
  // theta = -5, -3, -1, 1, 3, 5 times pi/12.
  const double poles[6][2] = {{-0.073046253345242910838, -0.98984891290271821189},
                              {-0.34802573539787944213, -1.2636732072192128438},
                              {-1.8564421962113659394, -1.806164497412184279},
                              {-1.8564421962113659394, 1.806164497412184279},
                              {-0.34802573539787944213, 1.2636732072192128438},
                              {-0.073046253345242910838, 0.98984891290271821189}};
  // phi = -9, -5, -1, 3, 7, 11 times pi/12: zero = (0, 1 / cos(phi)).
  const double zeros[6] = {-1.4142135623730950488, 3.863703305156273147,  1.0352761804100830494,
                           1.4142135623730950488,  -3.863703305156273147, -1.0352761804100830494};
  for (int k = 0; k < 6; ++k)
  {
    EXPECT_NEAR(a.GetPole(k).real(), poles[k][0], kTol) << k;
    EXPECT_NEAR(a.GetPole(k).imag(), poles[k][1], kTol) << k;
    EXPECT_EQ(a.GetZero(k).real(), 0.0) << k;
    EXPECT_NEAR(a.GetZero(k).imag(), zeros[k], kTol) << k;
    const double phi = (3 - 12 + 4 * k) * Dsp::kPi / 12;
    EXPECT_DOUBLE_EQ(a.GetZero(k).imag(), 1.0 / std::cos(phi)) << k;
  }
  EXPECT_EQ(a.GetNormalW(), 0.0);
  EXPECT_EQ(a.GetNormalGain(), 1.0);
}

TEST(ChebyIIDesign, BilinearPolesAndZeros)
{
  AntiAlias f;
  f.Setup(0.25, 9.0); // k = tan(pi / 4) = 1
  const Dsp::Layout& d = f.GetDigitalLayout();
  ASSERT_EQ(d.GetNumPoles(), 6);
  ASSERT_EQ(d.GetNumZeros(), 6);
  const double poles[6][2] = {{0.0069740856452331333895, -0.92889957062871053094},
                              {-0.21030543899607418208, -0.74027953059283194006},
                              {-0.49981278397090936277, -0.31627469754137900173},
                              {-0.49981278397090936277, 0.31627469754137900173},
                              {-0.21030543899607418208, 0.74027953059283194006},
                              {0.0069740856452331333895, 0.92889957062871053094}};
  const double zeros[6][2] = {{-0.33333333333333333333, -0.94280904158206336587},
                              {-0.87443655941063691964, 0.48513988041191547543},
                              {-0.034654349680272171266, 0.99939935763849549318},
                              {-0.33333333333333333333, 0.94280904158206336587},
                              {-0.87443655941063691964, -0.48513988041191547543},
                              {-0.034654349680272171266, -0.99939935763849549318}};
  for (int k = 0; k < 6; ++k)
  {
    EXPECT_NEAR(d.GetPole(k).real(), poles[k][0], kTol) << k;
    EXPECT_NEAR(d.GetPole(k).imag(), poles[k][1], kTol) << k;
    EXPECT_NEAR(d.GetZero(k).real(), zeros[k][0], kTol) << k;
    EXPECT_NEAR(d.GetZero(k).imag(), zeros[k][1], kTol) << k;
    // Poles inside, zeros on the unit circle.
    EXPECT_LT(std::abs(d.GetPole(k)), 1.0);
    EXPECT_NEAR(std::abs(d.GetZero(k)), 1.0, kTol);
  }
  EXPECT_EQ(d.GetNormalW(), 0.0);
  EXPECT_EQ(d.GetNormalGain(), 1.0);
}

TEST(ChebyIIDesign, StagesHoldConjugatePairsInReverseGenerationOrder)
{
  AntiAlias f;
  f.Setup(0.25, 9.0);
  const Dsp::Layout& d = f.GetDigitalLayout();
  // Stage 2 holds the first pole with positive imaginary part (index 3),
  // stage 0 the last (index 5); likewise zeros 1, 2, 3 fill stages 2, 1, 0.
  for (int j = 0; j < 3; ++j)
  {
    const Dsp::CascadeStage& s = f.GetStage(2 - j);
    const Dsp::complex_t p = d.GetPole(3 + j);
    EXPECT_EQ(s.fb1, 2 * p.real()) << j;
    EXPECT_EQ(s.fb2, -(p.real() * p.real() + p.imag() * p.imag())) << j;
    const Dsp::complex_t z = d.GetZero(1 + j);
    if (2 - j != 0) // stage 0 carries the gain as well
    {
      EXPECT_EQ(s.b0, z.real() * z.real() + z.imag() * z.imag()) << j;
      EXPECT_EQ(s.b1, -2 * z.real()) << j;
      EXPECT_EQ(s.b2, 1.0) << j;
    }
    else
    {
      EXPECT_NEAR(s.b1 / s.b2, -2 * z.real(), kTol);
      EXPECT_NEAR(s.b0 / s.b2, z.real() * z.real() + z.imag() * z.imag(), kTol);
    }
  }
  const double stages[3][5] = {
    {0.013948171290466266779, -0.86290305018478983093, 0.42268143223947750408, 0.28178762149298500272,
     0.42268143223947750408},
    {-0.42061087799214836417, -0.59224216108607507954, 1.0, 0.069308699360544342532, 1.0},
    {-0.99962556794181872555, -0.34984250332564168, 1.0, 1.7488731188212738393, 1.0}};
  for (int i = 0; i < 3; ++i)
  {
    const Dsp::CascadeStage& s = f.GetStage(i);
    EXPECT_NEAR(s.fb1, stages[i][0], kTol) << i;
    EXPECT_NEAR(s.fb2, stages[i][1], kTol) << i;
    EXPECT_NEAR(s.b0, stages[i][2], kTol) << i;
    EXPECT_NEAR(s.b1, stages[i][3], kTol) << i;
    EXPECT_NEAR(s.b2, stages[i][4], kTol) << i;
  }
}

TEST(ChebyIIDesign, DcGainIsTheNormalGainOne)
{
  AntiAlias f;
  f.Setup(0.25, 9.0);
  const Dsp::complex_t h = f.Response(0.0);
  EXPECT_NEAR(std::hypot(h.real(), h.imag()), 1.0, 1e-14);
  EXPECT_NEAR(h.imag(), 0.0, 1e-14);
  // Low-pass with 9 dB stop band: at and beyond the cutoff (0.25 of the rate,
  // w = pi / 2) at least 9 dB down; zero at the zeros' angles.
  for (double w = Dsp::kPi / 2; w <= Dsp::kPi; w += 0.01)
    EXPECT_LE(std::abs(f.Response(w)), std::pow(10.0, -9.0 / 20) + 1e-9) << w;
  const double zeroAngle = std::arg(f.GetDigitalLayout().GetZero(3));
  EXPECT_LT(std::abs(f.Response(zeroAngle)), 1e-12);
}

TEST(ChebyIIDesign, SetupTwiceGivesTheSameDesignAndKeepsHistory)
{
  AntiAlias f;
  f.Setup(0.25, 9.0);
  std::vector<double> x = Noise(64, 1);
  f.ProcessInterleavedGeneric(32, x.data());
  const double w1 = f.GetState(1, 2).w1;
  const std::vector<unsigned char> before = CascadeBytes(f);
  f.Setup(0.25, 9.0);
  EXPECT_EQ(CascadeBytes(f), before);
  EXPECT_EQ(f.GetState(1, 2).w1, w1);
}

TEST(DspComplex, DivisionScalesByTheLargerComponentAndGivesNaNForZero)
{
  const Dsp::complex_t q = Dsp::ComplexDivide(Dsp::complex_t(1, 2), Dsp::complex_t(3, 4));
  EXPECT_NEAR(q.real(), 0.44, 1e-15);
  EXPECT_NEAR(q.imag(), 0.08, 1e-15);
  const Dsp::complex_t q2 = Dsp::ComplexDivide(Dsp::complex_t(1, 2), Dsp::complex_t(4, 3));
  EXPECT_NEAR(q2.real(), 0.4, 1e-15);
  EXPECT_NEAR(q2.imag(), 0.2, 1e-15);
  // Huge components do not overflow.
  const Dsp::complex_t q3 = Dsp::ComplexDivide(Dsp::complex_t(1e300, 1e300), Dsp::complex_t(1e300, 1e300));
  EXPECT_DOUBLE_EQ(q3.real(), 1.0);
  EXPECT_DOUBLE_EQ(q3.imag(), 0.0);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (const Dsp::complex_t& divisor : {Dsp::complex_t(0, 0), Dsp::complex_t(nan, 1), Dsp::complex_t(1, nan)})
  {
    const Dsp::complex_t r = Dsp::ComplexDivide(Dsp::complex_t(1, 1), divisor);
    EXPECT_TRUE(std::isnan(r.real()));
    EXPECT_TRUE(std::isnan(r.imag()));
  }
}

TEST(DspBilinear, ZeroAtPlusInfinityMapsToMinusOne)
{
  Dsp::LayoutSpace<2> analog;
  Dsp::LayoutSpace<2> digital;
  analog.AddPole(Dsp::complex_t(-1, 1));
  analog.AddZero(Dsp::complex_t(std::numeric_limits<double>::infinity(), 0.0));
  analog.SetNormal(0.0, 2.0);
  Dsp::SetupParams p;
  p.order = 2;
  p.sampleRate = 1.0;
  p.cutoffFrequency = 0.25;
  Dsp::BilinearTransform(p, analog, digital);
  ASSERT_EQ(digital.GetNumZeros(), 1);
  EXPECT_EQ(digital.GetZero(0), Dsp::complex_t(-1.0, 0.0));
  // (1 + s) / (1 - s) with s = -1 + i: (0 + i) / (2 - i) = (-0.2, 0.4).
  EXPECT_NEAR(digital.GetPole(0).real(), -0.2, 1e-15);
  EXPECT_NEAR(digital.GetPole(0).imag(), 0.4, 1e-15);
  EXPECT_EQ(digital.GetNormalGain(), 2.0);
}

TEST(DspCascade, PassThroughResponseIsOne)
{
  AntiAlias f;
  f.ResetStages();
  for (double w : {0.0, 0.3, 1.0, 3.0})
  {
    const Dsp::complex_t h = f.Response(w);
    EXPECT_DOUBLE_EQ(h.real(), 1.0);
    EXPECT_NEAR(h.imag(), 0.0, 1e-16);
  }
}

// ----------------------------------------------------------------- biquad --

TEST(BiquadLowPass, SetupValues)
{
  Dsp::BiquadLowPass<1> a, b;
  a.Setup(9688.04323504 / 44100, 0.549063373606);
  b.Setup(6354.69849804 / 44100, 0.790569415042);
  ASSERT_EQ(a.GetNumStages(), 1);
  ASSERT_EQ(a.GetNumChannels(), 1);
  const Dsp::CascadeStage& s = a.GetStage(0);
  EXPECT_NEAR(s.fb1, 0.19991253020695340231, kTol);
  EXPECT_NEAR(s.fb2, -0.055871078083655276752, kTol);
  EXPECT_NEAR(s.b0, 0.21398963696917546861, kTol);
  EXPECT_NEAR(s.b1, 0.42797927393835093722, kTol);
  EXPECT_NEAR(s.b2, 0.21398963696917546861, kTol);
  const Dsp::CascadeStage& t = b.GetStage(0);
  EXPECT_NEAR(t.fb1, 0.82452738871937093494, kTol);
  EXPECT_NEAR(t.fb2, -0.335530998780263014, kTol);
  EXPECT_NEAR(t.b0, 0.12775090251522301977, kTol);
  EXPECT_NEAR(t.b1, 0.25550180503044603953, kTol);
  EXPECT_NEAR(t.b2, 0.12775090251522301977, kTol);
  EXPECT_NEAR(std::abs(a.Response(0)), 1.0, 1e-14);
  EXPECT_NEAR(std::abs(b.Response(0)), 1.0, 1e-14);
}

// ------------------------------------------------------------------- paths --

TEST(CascadePaths, OneChannelOrNoSse3TakesTheGenericPath)
{
  Sse3Flag restore;
  Dsp::BiquadLowPass<1> biquad;
  AntiAlias f;
  CpuFeatures::SSE3 = true;
  EXPECT_FALSE(biquad.UsesVectorPath());
  EXPECT_TRUE(f.UsesVectorPath()); // both builds are x86-64
  CpuFeatures::SSE3 = false;
  EXPECT_FALSE(biquad.UsesVectorPath());
  EXPECT_FALSE(f.UsesVectorPath());
}

TEST(CascadePaths, CpuFeaturesDetected)
{
  // Every x86-64 processor has MMX, FXSR, SSE and SSE2; the flags must agree
  // with each other as well.
  EXPECT_TRUE(CpuFeatures::MMX);
  EXPECT_TRUE(CpuFeatures::FXSR);
  EXPECT_TRUE(CpuFeatures::SSE);
  EXPECT_TRUE(!CpuFeatures::SSE42 || CpuFeatures::SSE41);
  EXPECT_TRUE(!CpuFeatures::SSE41 || CpuFeatures::SSSE3);
  EXPECT_TRUE(!CpuFeatures::SSSE3 || CpuFeatures::SSE3);
  const bool sse3 = CpuFeatures::SSE3;
  DetectCpuFeatures(); // running it again changes nothing
  EXPECT_EQ(CpuFeatures::SSE3, sse3);
}

// The generic path's recursion written out plainly, for comparison.
void ReferenceGeneric(const Dsp::Cascade& c, std::vector<Dsp::StageState>& st, double* frames, size_t n)
{
  const int ch = c.GetNumChannels();
  for (size_t f = 0; f < n; ++f)
    for (int k = 0; k < ch; ++k)
    {
      double x = frames[f * ch + k];
      for (int i = 0; i < c.GetNumStages(); ++i)
      {
        const Dsp::CascadeStage& s = c.GetStage(i);
        Dsp::StageState& h = st[i * ch + k];
        const double w = x + s.fb1 * h.w1 + s.fb2 * h.w2 + 1e-25;
        const double y = s.b0 * w + s.b1 * h.w1 + s.b2 * h.w2;
        h.w3 = h.w2;
        h.w2 = h.w1;
        h.w1 = w;
        x = y;
      }
      frames[f * ch + k] = x;
    }
}

TEST(GenericPath, MatchesThePlainRecursion)
{
  AntiAlias f;
  f.Setup(0.25, 9.0);
  std::vector<Dsp::StageState> st(6, Dsp::StageState{0, 0, 0});
  std::vector<double> x = Noise(2 * 300, 7);
  std::vector<double> expected = x;
  ReferenceGeneric(f, st, expected.data(), 300);
  f.ProcessInterleavedGeneric(300, x.data());
  EXPECT_EQ(x, expected);
  for (int i = 0; i < 3; ++i)
    for (int ch = 0; ch < 2; ++ch)
    {
      EXPECT_EQ(f.GetState(ch, i).w1, st[i * 2 + ch].w1);
      EXPECT_EQ(f.GetState(ch, i).w3, st[i * 2 + ch].w3);
    }
  // The generic path never reads or moves the current coefficients.
  EXPECT_EQ(f.GetStage(0).cb0, 0.0);
}

TEST(GenericPath, OneChannelBiquadMatchesThePlainRecursion)
{
  Dsp::BiquadLowPass<1> f;
  f.Setup(6354.69849804 / 44100, 0.790569415042);
  std::vector<Dsp::StageState> st(1, Dsp::StageState{0, 0, 0});
  std::vector<double> x = Noise(257, 8);
  std::vector<double> expected = x;
  ReferenceGeneric(f, st, expected.data(), 257);
  for (size_t i = 0; i < 100; ++i)
    f.ProcessInterleaved(1, x.data() + i); // one sample at a time, as the delay line runs it
  f.ProcessInterleaved(157, x.data() + 100);
  EXPECT_EQ(x, expected);
  EXPECT_EQ(f.GetState(0, 0).w1, st[0].w1);
  EXPECT_EQ(f.GetState(0, 0).w2, st[0].w2);
  EXPECT_EQ(f.GetState(0, 0).w3, st[0].w3);
}

TEST(GenericPath, PassThroughAfterResetStages)
{
  Sse3Flag restore;
  CpuFeatures::SSE3 = false;
  AntiAlias f;
  f.Setup(0.25, 9.0);
  std::vector<double> warm = Noise(2 * 100, 3);
  f.ProcessInterleaved(100, warm.data()); // history is not zero now
  const double cb0 = f.GetStage(1).cb0;
  const double w1 = f.GetState(0, 1).w1;
  f.ResetStages();
  for (int i = 0; i < 3; ++i)
  {
    EXPECT_EQ(f.GetStage(i).fb1, 0.0);
    EXPECT_EQ(f.GetStage(i).fb2, 0.0);
    EXPECT_EQ(f.GetStage(i).b0, 1.0);
    EXPECT_EQ(f.GetStage(i).b1, 0.0);
    EXPECT_EQ(f.GetStage(i).b2, 0.0);
  }
  // Current coefficients and state stay as they were.
  EXPECT_EQ(f.GetStage(1).cb0, cb0);
  EXPECT_EQ(f.GetState(0, 1).w1, w1);

  std::vector<double> x = Noise(2 * 500, 4);
  for (double& v : x)
    v = v < 0 ? v - 1e-6 : v + 1e-6; // no sample so small that 1e-25 shows
  std::vector<double> in = x;
  f.ProcessInterleaved(500, x.data());
  EXPECT_EQ(x, in);
  // Only the 1e-25 offsets (three of them) separate a zero input from zero.
  std::vector<double> zeros(2 * 10, 0.0);
  f.ProcessInterleaved(10, zeros.data());
  for (double v : zeros)
    EXPECT_NEAR(v, 3e-25, 1e-39);
}

// The vector path written out plainly: ramp, then both channels.
void ReferenceVector(Dsp::Cascade& c, std::vector<Dsp::StageState>& st, double* frames, size_t n)
{
  if (n == 0)
    return;
  for (int i = 0; i < c.GetNumStages(); ++i)
  {
    Dsp::CascadeStage& s = c.GetStage(i);
    const double step = 1.0 / n;
    const double d[5] = {(s.fb1 - s.cfb1) * step, (s.fb2 - s.cfb2) * step, (s.b0 - s.cb0) * step,
                         (s.b1 - s.cb1) * step, (s.b2 - s.cb2) * step};
    for (size_t f = 0; f < n; ++f)
    {
      if (s.cfb1 != s.fb1 || std::isnan(s.cfb1) || std::isnan(s.fb1))
      {
        s.cfb1 += d[0];
        s.cfb2 += d[1];
        s.cb0 += d[2];
        s.cb1 += d[3];
        s.cb2 += d[4];
      }
      for (int k = 0; k < 2; ++k)
      {
        Dsp::StageState& h = st[i * 2 + k];
        const double x = frames[2 * f + k] + 1e-18;
        const double w = x + s.cfb1 * h.w1 + s.cfb2 * h.w2 + 1e-25;
        const double y = s.cb0 * w + s.cb1 * h.w1 + s.cb2 * h.w2;
        h.w3 = h.w2;
        h.w2 = h.w1;
        h.w1 = w;
        frames[2 * f + k] = y;
      }
    }
  }
}

TEST(VectorPath, FadesInFromZeroCoefficientsOverTheFirstBlock)
{
  AntiAlias f, model;
  f.Setup(0.25, 9.0);
  model.Setup(0.25, 9.0);
  std::vector<Dsp::StageState> st(6, Dsp::StageState{0, 0, 0});
  const size_t n = 64;
  std::vector<double> x(2 * n, 1.0); // a step on both channels
  std::vector<double> expected = x;
  ReferenceVector(model, st, expected.data(), n);
  f.ProcessInterleavedVector(n, x.data());
  EXPECT_EQ(x, expected);
  // Starts from silence: the first frame sees coefficients of 1/n of the
  // design in every stage.
  EXPECT_LT(std::fabs(x[0]), 1e-3);
  EXPECT_EQ(x[0], x[1]);
  EXPECT_GT(x[2 * (n - 1)], 0.5);
  // At the end of the block the current coefficients have reached the design.
  for (int i = 0; i < 3; ++i)
  {
    const Dsp::CascadeStage& s = f.GetStage(i);
    EXPECT_NEAR(s.cfb1, s.fb1, 1e-14);
    EXPECT_NEAR(s.cfb2, s.fb2, 1e-14);
    EXPECT_NEAR(s.cb0, s.b0, 1e-14);
    EXPECT_NEAR(s.cb1, s.b1, 1e-14);
    EXPECT_NEAR(s.cb2, s.b2, 1e-14);
    EXPECT_EQ(s.cfb1, model.GetStage(i).cfb1);
    EXPECT_EQ(s.cb2, model.GetStage(i).cb2);
    for (int ch = 0; ch < 2; ++ch)
    {
      EXPECT_EQ(f.GetState(ch, i).w1, st[i * 2 + ch].w1);
      EXPECT_EQ(f.GetState(ch, i).w2, st[i * 2 + ch].w2);
      EXPECT_EQ(f.GetState(ch, i).w3, st[i * 2 + ch].w3);
    }
  }
  // The next blocks follow the model as well.
  for (int block = 0; block < 3; ++block)
  {
    std::vector<double> y = Noise(2 * 50, 10 + block);
    std::vector<double> e = y;
    ReferenceVector(model, st, e.data(), 50);
    f.ProcessInterleavedVector(50, y.data());
    EXPECT_EQ(y, e);
  }
}

// Blocks of every size, redesigns and resets between them, long runs where
// the ramp has come as close to the design as rounding allows: the vector
// path follows the plain model bit for bit throughout.
TEST(VectorPath, ManyBlocksAndRedesignsFollowTheModel)
{
  AntiAlias f, model;
  f.Setup(0.25, 9.0);
  model.Setup(0.25, 9.0);
  std::vector<Dsp::StageState> st(6, Dsp::StageState{0, 0, 0});
  const size_t sizes[] = {512, 1, 7, 4096, 512, 512, 64, 3, 1024};
  unsigned seed = 40;
  for (int round = 0; round < 4; ++round)
  {
    for (size_t n : sizes)
    {
      std::vector<double> x = Noise(2 * n, seed++);
      std::vector<double> e = x;
      ReferenceVector(model, st, e.data(), n);
      f.ProcessInterleavedVector(n, x.data());
      ASSERT_EQ(x, e) << "round " << round << ", block of " << n;
    }
    for (int i = 0; i < 3; ++i)
      ASSERT_EQ(std::memcmp(&f.GetStage(i), &model.GetStage(i), sizeof(Dsp::CascadeStage)), 0) << round;
    const double cutoffs[] = {0.125, 0.25, 0.0625};
    if (round == 2)
    {
      f.ResetStages();
      model.ResetStages();
    }
    else
    {
      f.Setup(cutoffs[round % 3], 9.0);
      model.Setup(cutoffs[round % 3], 9.0);
    }
  }
  for (int i = 0; i < 3; ++i)
    for (int ch = 0; ch < 2; ++ch)
      EXPECT_EQ(std::memcmp(&f.GetState(ch, i), &st[i * 2 + ch], sizeof(Dsp::StageState)), 0);
}

TEST(VectorPath, ProcessInterleavedTakesItWithSse3)
{
  Sse3Flag restore;
  CpuFeatures::SSE3 = true;
  AntiAlias f;
  f.Setup(0.25, 9.0);
  std::vector<double> x(2 * 16, 1.0);
  f.ProcessInterleaved(16, x.data());
  EXPECT_NE(f.GetStage(0).cfb1, 0.0); // the ramp ran
}

TEST(VectorPath, RedesignKeepingFb1DoesNotMoveTheStage)
{
  AntiAlias f;
  f.Setup(0.25, 9.0);
  Settle(f);
  std::vector<double> warm = Noise(2 * 64, 21);
  f.ProcessInterleavedVector(64, warm.data());
  // A redesign of stage 1 that keeps its fb1: the current coefficients of
  // that stage stay exactly where they were.
  Dsp::CascadeStage& s = f.GetStage(1);
  const Dsp::CascadeStage before = s;
  s.fb2 *= 0.5;
  s.b0 = 0.25;
  s.b1 = -0.5;
  s.b2 = 0.125;
  std::vector<double> x = Noise(2 * 64, 22);
  f.ProcessInterleavedVector(64, x.data());
  EXPECT_EQ(s.cfb1, before.cfb1);
  EXPECT_EQ(s.cfb2, before.cfb2);
  EXPECT_EQ(s.cb0, before.cb0);
  EXPECT_EQ(s.cb1, before.cb1);
  EXPECT_EQ(s.cb2, before.cb2);
  // A redesign that changes fb1 moves all five within one block.
  s.fb1 = -0.3;
  f.ProcessInterleavedVector(64, x.data());
  EXPECT_NEAR(s.cfb1, -0.3, 1e-14);
  EXPECT_NEAR(s.cb0, 0.25, 1e-14);
  EXPECT_NEAR(s.cfb2, s.fb2, 1e-14);
}

TEST(VectorPath, EmptyBlockChangesNothing)
{
  Sse3Flag restore;
  for (bool sse3 : {true, false})
  {
    CpuFeatures::SSE3 = sse3;
    AntiAlias f;
    f.Setup(0.25, 9.0);
    std::vector<double> x = Noise(2 * 20, 5);
    f.ProcessInterleaved(20, x.data()); // mid-ramp state on the vector path
    f.Setup(0.2, 20.0);                 // design differs from the current coefficients
    const std::vector<unsigned char> before = CascadeBytes(f);
    double guard[2] = {0.5, -0.5};
    f.ProcessInterleaved(0, guard);
    f.ProcessInterleavedVector(0, guard);
    f.ProcessInterleavedGeneric(0, guard);
    f.ProcessInterleaved(0, nullptr);
    EXPECT_EQ(CascadeBytes(f), before);
    EXPECT_EQ(guard[0], 0.5);
    EXPECT_EQ(guard[1], -0.5);
  }
}

TEST(VectorPath, SettledMatchesTheGenericPathApartFromTheOffsets)
{
  AntiAlias a, b;
  a.Setup(0.25, 9.0);
  b.Setup(0.25, 9.0);
  Settle(a);
  std::vector<double> x = Noise(2 * 1000, 9);
  std::vector<double> y = x;
  a.ProcessInterleavedVector(1000, x.data());
  b.ProcessInterleavedGeneric(1000, y.data());
  for (size_t i = 0; i < x.size(); ++i)
    ASSERT_NEAR(x[i], y[i], 1e-15) << i;
}

} // namespace
