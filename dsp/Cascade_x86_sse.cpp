// The two-channel vector path of Dsp::Cascade::ProcessInterleaved for x86
// processors. Compiled with -msse3; it runs only when
// CpuFeatures::SSE3 is set. The two channels of a stage travel side by side
// in one SSE register (low lane channel 0, high lane channel 1).
#include "Dsp.h"

#include <pmmintrin.h>

namespace Dsp
{

void ProcessStagePairSse(CascadeStage& s, StageState& left, StageState& right, size_t nFrames, double* frames)
{
  // The current coefficients travel in a straight line towards the design
  // within this block: each frame moves all five by their delta while the
  // current fb1 differs from the design fb1 (or either is not a number).
  const double step = 1.0 / static_cast<double>(nFrames);
  const double dfb1 = (s.fb1 - s.cfb1) * step;
  const double dfb2 = (s.fb2 - s.cfb2) * step;
  const double db0 = (s.b0 - s.cb0) * step;
  const double db1 = (s.b1 - s.cb1) * step;
  const double db2 = (s.b2 - s.cb2) * step;
  double cfb1 = s.cfb1, cfb2 = s.cfb2, cb0 = s.cb0, cb1 = s.cb1, cb2 = s.cb2;
  const double designFb1 = s.fb1;

  __m128d w1 = _mm_set_pd(right.w1, left.w1);
  __m128d w2 = _mm_set_pd(right.w2, left.w2);
  __m128d w3 = _mm_set_pd(right.w3, left.w3);
  const __m128d offsetIn = _mm_set1_pd(1e-18);
  const __m128d offsetW = _mm_set1_pd(1e-25);

  size_t f = 0;
  // Frames while the coefficients move.
  for (; f < nFrames && !(cfb1 == designFb1); ++f)
  {
    cfb1 += dfb1;
    cfb2 += dfb2;
    cb0 += db0;
    cb1 += db1;
    cb2 += db2;
    double* p = frames + 2 * f;
    const __m128d x = _mm_add_pd(_mm_loadu_pd(p), offsetIn);
    const __m128d w = _mm_add_pd(
      _mm_add_pd(_mm_add_pd(x, _mm_mul_pd(_mm_set1_pd(cfb1), w1)), _mm_mul_pd(_mm_set1_pd(cfb2), w2)), offsetW);
    const __m128d y = _mm_add_pd(_mm_add_pd(_mm_mul_pd(_mm_set1_pd(cb0), w), _mm_mul_pd(_mm_set1_pd(cb1), w1)),
                                 _mm_mul_pd(_mm_set1_pd(cb2), w2));
    w3 = w2;
    w2 = w1;
    w1 = w;
    _mm_storeu_pd(p, y);
  }

  // The rest of the block with the coefficients standing still.
  const __m128d fb1v = _mm_set1_pd(cfb1);
  const __m128d fb2v = _mm_set1_pd(cfb2);
  const __m128d b0v = _mm_set1_pd(cb0);
  const __m128d b1v = _mm_set1_pd(cb1);
  const __m128d b2v = _mm_set1_pd(cb2);
  for (; f < nFrames; ++f)
  {
    double* p = frames + 2 * f;
    const __m128d x = _mm_add_pd(_mm_loadu_pd(p), offsetIn);
    const __m128d w = _mm_add_pd(_mm_add_pd(_mm_add_pd(x, _mm_mul_pd(fb1v, w1)), _mm_mul_pd(fb2v, w2)), offsetW);
    const __m128d y = _mm_add_pd(_mm_add_pd(_mm_mul_pd(b0v, w), _mm_mul_pd(b1v, w1)), _mm_mul_pd(b2v, w2));
    w3 = w2;
    w2 = w1;
    w1 = w;
    _mm_storeu_pd(p, y);
  }

  s.cfb1 = cfb1;
  s.cfb2 = cfb2;
  s.cb0 = cb0;
  s.cb1 = cb1;
  s.cb2 = cb2;
  double tmp[2];
  _mm_storeu_pd(tmp, w1);
  left.w1 = tmp[0];
  right.w1 = tmp[1];
  _mm_storeu_pd(tmp, w2);
  left.w2 = tmp[0];
  right.w2 = tmp[1];
  _mm_storeu_pd(tmp, w3);
  left.w3 = tmp[0];
  right.w3 = tmp[1];
}

} // namespace Dsp
