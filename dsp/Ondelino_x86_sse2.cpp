// The chorus's vector path for x86 processors: the per-frame loop with left
// and right in the two lanes of one SSE2 register (low lane left). SSE2 is
// part of every x86-64 processor; the path runs when CpuFeatures::SSE3 is
// set, the same switch as the anti-alias filters' vector path.
#include "OndelinoKernel.h"
#include "OndelinoSaturation.h"
#include "VectorTanh.h"
#include "VectorTanh_x86.h"

#include <emmintrin.h>

namespace Dsp
{
namespace
{

struct Sse2Lanes
{
  __m128d v;

  typedef __m128d Mask;

  static Sse2Lanes Both(double x) { return {_mm_set1_pd(x)}; }
  static Sse2Lanes Make(double l, double r) { return {_mm_set_pd(r, l)}; }
  static Sse2Lanes Load(const double* p) { return {_mm_loadu_pd(p)}; }
  void Store(double* p) const { _mm_storeu_pd(p, v); }
  double Left() const { return _mm_cvtsd_f64(v); }
  double Right() const { return _mm_cvtsd_f64(_mm_unpackhi_pd(v, v)); }

  static Sse2Lanes Gather(const double* p0, int i0, const double* p1, int i1)
  {
    return {_mm_loadh_pd(_mm_load_sd(p0 + i0), p1 + i1)};
  }
  static void Scatter(const Sse2Lanes& x, double* p0, int i0, double* p1, int i1)
  {
    _mm_storel_pd(p0 + i0, x.v);
    _mm_storeh_pd(p1 + i1, x.v);
  }

  friend Sse2Lanes operator+(const Sse2Lanes& a, const Sse2Lanes& b) { return {_mm_add_pd(a.v, b.v)}; }
  friend Sse2Lanes operator-(const Sse2Lanes& a, const Sse2Lanes& b) { return {_mm_sub_pd(a.v, b.v)}; }
  friend Sse2Lanes operator*(const Sse2Lanes& a, const Sse2Lanes& b) { return {_mm_mul_pd(a.v, b.v)}; }

  // maxpd gives its first operand only when it is greater: a > b ? a : b.
  static Sse2Lanes Max(const Sse2Lanes& a, const Sse2Lanes& b) { return {_mm_max_pd(a.v, b.v)}; }

  static Mask MakeMask(bool left, bool right)
  {
    return _mm_castsi128_pd(_mm_set_epi64x(right ? -1 : 0, left ? -1 : 0));
  }
  static Sse2Lanes Select(const Mask& m, const Sse2Lanes& a, const Sse2Lanes& b)
  {
    return {_mm_or_pd(_mm_and_pd(m, a.v), _mm_andnot_pd(m, b.v))};
  }

  static Sse2Lanes Tanh(const Sse2Lanes& a) { return {TanhPd(a.v)}; }

  // Where AVX2 is there, the two saturation passes take two frames at a time.
  static bool InputPass(const double* frames, double* dry, int n, double gain, bool saturate, Sse2Lanes& peak)
  {
    if (!gSaturationUsesAvx2)
      return false;
    alignas(16) double p[2];
    InputPassAvx2(frames, dry, n, gain, saturate, p);
    peak = Load(p);
    return true;
  }
  static bool LinePass(double* line, int n, bool left, bool right)
  {
    if (!gSaturationUsesAvx2)
      return false;
    LinePassAvx2(line, n, left, right);
    return true;
  }

  // The delay held within [0, longest]: maxpd gives its second operand for a
  // NaN, so NaN and anything below 0 become 0, and minpd holds the rest at
  // longest, as the scalar test does (-0.0 becomes +0.0, which gives the same
  // i and a). Truncation is the floor of a delay that is not negative.
  static Sse2Lanes SplitDelay(const Sse2Lanes& delay, const Sse2Lanes& longest, int whole[2])
  {
    const __m128d d = _mm_min_pd(_mm_max_pd(delay.v, _mm_setzero_pd()), longest.v);
    const __m128i i = _mm_cvttpd_epi32(d);
    whole[0] = _mm_cvtsi128_si32(i);
    whole[1] = _mm_cvtsi128_si32(_mm_shuffle_epi32(i, 1));
    return {_mm_sub_pd(_mm_set1_pd(1.0), _mm_sub_pd(d, _mm_cvtepi32_pd(i)))};
  }

  // side = (L - R) * 0.5 * width in the low lane, copied to both; the high
  // lane's sign flipped, so L = mid + side and R = mid + (-side), which is
  // mid - side exactly.
  static Sse2Lanes MidSide(const Sse2Lanes& y, const Sse2Lanes& width)
  {
    const __m128d swapped = _mm_shuffle_pd(y.v, y.v, 1);
    const __m128d mid = _mm_mul_pd(_mm_add_pd(y.v, swapped), _mm_set1_pd(0.5));
    const __m128d side = _mm_mul_pd(_mm_mul_pd(_mm_sub_pd(y.v, swapped), _mm_set1_pd(0.5)), width.v);
    const __m128d sides = _mm_xor_pd(_mm_unpacklo_pd(side, side), _mm_set_pd(-0.0, 0.0));
    return {_mm_add_pd(mid, sides)};
  }
};

} // namespace

void RunOndelinoChunkSse2(OndelinoBlock& b, OndelinoChunk& chunk, double* frames, int n)
{
  RunOndelinoChunk<Sse2Lanes>(b, chunk, frames, n);
}

bool VectorTanh(const double in[2], double out[2])
{
  _mm_storeu_pd(out, TanhPd(_mm_loadu_pd(in)));
  return true;
}

} // namespace Dsp
