// The piecewise oversampling road's 256-bit form (compiled with -mavx, run
// only on processors and systems with AVX): one register carries both
// anti-alias filters, the upsampling filter's left and right in the low half
// and the decimation filter's in the high half. Each stage step is the
// arithmetic of ProcessThreeStagesSse with still coefficients, lane for lane,
// so the results are the same bits as the 128-bit form's, at half the
// operations.
#include "OversamplingRoad.h"

#include <immintrin.h>

namespace Dsp
{
namespace
{

inline __m256d Halves(const double* low, const double* high)
{
  return _mm256_insertf128_pd(_mm256_castpd128_pd256(_mm_loadu_pd(low)), _mm_loadu_pd(high), 1);
}

// Coefficients of both filters as (up left, up right, down left, down right),
// in plain doubles: nothing here needs more than the stack's 16-byte
// alignment (which is all the Windows x64 convention promises).
struct PairedCoefficients
{
  double fb1[3][4], fb2[3][4], b0[3][4], b1[3][4], b2[3][4];
  double offsetIn[4], offsetW[4];
};

inline void SetHalves(double* quad, const double* low, const double* high)
{
  quad[0] = low[0];
  quad[1] = low[1];
  quad[2] = high[0];
  quad[3] = high[1];
}

template <size_t kFactor>
void RunFused(const RoadBlock& b, FilterRun& up, size_t upFirst, FilterRun& down, size_t downFirst, size_t count,
              const PairedCoefficients& c)
{
  const size_t f = b.factor;
  const size_t perFrame = kFactor ? kFactor : f;
  __m256d w1[3], w2[3];
  for (int i = 0; i < 3; ++i)
  {
    w1[i] = Halves(up.w1[i], down.w1[i]);
    w2[i] = Halves(up.w2[i], down.w2[i]);
  }
  const __m128d mix = _mm_load_pd(b.mix);
  const __m128d dryGain = _mm_load_pd(b.dryGain);
  for (size_t n = 0; n < count; ++n)
  {
    const size_t hu = upFirst + n, hd = downFirst + n;
    const __m128d held = _mm_loadu_pd(b.host + 2 * hu);
    double* upRaised = b.raised + 2 * hu * f;
    double* upDry = b.dry + 2 * hu * f;
    const double* downRaised = b.raised + 2 * hd * f;
    const double* downDry = b.dry + 2 * hd * f;
    for (size_t j = 0; j < perFrame; ++j)
    {
      // The blend of the processed frame with its dry copy, as the
      // whole-block road does it before the decimation filter.
      const __m128d blended = _mm_add_pd(_mm_mul_pd(_mm_loadu_pd(downRaised + 2 * j), mix),
                                         _mm_mul_pd(_mm_loadu_pd(downDry + 2 * j), dryGain));
      __m256d y = _mm256_insertf128_pd(_mm256_castpd128_pd256(held), blended, 1);
      for (int i = 0; i < 3; ++i)
      {
        const __m256d x = _mm256_add_pd(y, _mm256_loadu_pd(c.offsetIn));
        const __m256d w = _mm256_add_pd(_mm256_add_pd(_mm256_add_pd(x, _mm256_mul_pd(_mm256_loadu_pd(c.fb1[i]), w1[i])),
                                                      _mm256_mul_pd(_mm256_loadu_pd(c.fb2[i]), w2[i])),
                                        _mm256_loadu_pd(c.offsetW));
        y = _mm256_add_pd(
          _mm256_add_pd(_mm256_mul_pd(_mm256_loadu_pd(c.b0[i]), w), _mm256_mul_pd(_mm256_loadu_pd(c.b1[i]), w1[i])),
          _mm256_mul_pd(_mm256_loadu_pd(c.b2[i]), w2[i]));
        w2[i] = w1[i];
        w1[i] = w;
      }
      const __m128d upOut = _mm256_castpd256_pd128(y);
      _mm_storeu_pd(upRaised + 2 * j, upOut);
      _mm_storeu_pd(upDry + 2 * j, upOut);
      if (j == 0)
        _mm_storeu_pd(b.host + 2 * hd, _mm256_extractf128_pd(y, 1));
    }
  }
  // w3 is not kept here: the caller gives each filter's last frame of a step
  // to the 128-bit form, which keeps it.
  for (int i = 0; i < 3; ++i)
  {
    _mm_store_pd(up.w1[i], _mm256_castpd256_pd128(w1[i]));
    _mm_store_pd(down.w1[i], _mm256_extractf128_pd(w1[i], 1));
    _mm_store_pd(up.w2[i], _mm256_castpd256_pd128(w2[i]));
    _mm_store_pd(down.w2[i], _mm256_extractf128_pd(w2[i], 1));
  }
}

} // namespace

void RunFusedFramesAvx(const RoadBlock& b, FilterRun& up, size_t upFirst, FilterRun& down, size_t downFirst,
                       size_t count)
{
  PairedCoefficients c;
  for (int i = 0; i < 3; ++i)
  {
    SetHalves(c.fb1[i], up.fb1[i], down.fb1[i]);
    SetHalves(c.fb2[i], up.fb2[i], down.fb2[i]);
    SetHalves(c.b0[i], up.b0[i], down.b0[i]);
    SetHalves(c.b1[i], up.b1[i], down.b1[i]);
    SetHalves(c.b2[i], up.b2[i], down.b2[i]);
  }
  SetHalves(c.offsetIn, b.offsetIn, b.offsetIn);
  SetHalves(c.offsetW, b.offsetW, b.offsetW);
  if (b.factor == 2)
    RunFused<2>(b, up, upFirst, down, downFirst, count, c);
  else
    RunFused<0>(b, up, upFirst, down, downFirst, count, c);
}

} // namespace Dsp
