// The two-channel vector path of Dsp::Cascade::ProcessInterleaved for x86
// processors. Compiled with -msse3; it runs only when
// CpuFeatures::SSE3 is set. The two channels of a stage travel side by side
// in one SSE register (low lane channel 0, high lane channel 1).
#include "Dsp.h"

#include <pmmintrin.h>

namespace Dsp
{

namespace
{
// One stage's recursion on both channels, the histories moved on:
// w = (x + 1e-18) + fb1 w1 + fb2 w2 + 1e-25, y = b0 w + b1 w1 + b2 w2.
inline __m128d StageStep(__m128d in, __m128d fb1, __m128d fb2, __m128d b0, __m128d b1, __m128d b2, __m128d& w1,
                         __m128d& w2, __m128d& w3)
{
  const __m128d x = _mm_add_pd(in, _mm_set1_pd(1e-18));
  const __m128d w =
    _mm_add_pd(_mm_add_pd(_mm_add_pd(x, _mm_mul_pd(fb1, w1)), _mm_mul_pd(fb2, w2)), _mm_set1_pd(1e-25));
  const __m128d y = _mm_add_pd(_mm_add_pd(_mm_mul_pd(b0, w), _mm_mul_pd(b1, w1)), _mm_mul_pd(b2, w2));
  w3 = w2;
  w2 = w1;
  w1 = w;
  return y;
}
} // namespace

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
    _mm_storeu_pd(p, StageStep(_mm_loadu_pd(p), _mm_set1_pd(cfb1), _mm_set1_pd(cfb2), _mm_set1_pd(cb0),
                               _mm_set1_pd(cb1), _mm_set1_pd(cb2), w1, w2, w3));
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
    _mm_storeu_pd(p, StageStep(_mm_loadu_pd(p), fb1v, fb2v, b0v, b1v, b2v, w1, w2, w3));
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

// Whether a stage's coefficients stand still for a block of 1 / step frames:
// its current fb1 is the design's, or it has come as close to its design as
// rounding lets it (none of its deltas changes a current coefficient).
bool StageStandsStill(const CascadeStage& s, double step)
{
  const double step1 = (s.fb1 - s.cfb1) * step, step2 = (s.fb2 - s.cfb2) * step;
  const double step3 = (s.b0 - s.cb0) * step, step4 = (s.b1 - s.cb1) * step, step5 = (s.b2 - s.cb2) * step;
  const bool still = s.cfb1 + step1 == s.cfb1 && s.cfb2 + step2 == s.cfb2 && s.cb0 + step3 == s.cb0 &&
                     s.cb1 + step4 == s.cb1 && s.cb2 + step5 == s.cb2;
  return s.cfb1 == s.fb1 || still;
}

// Three stages in one pass: the same arithmetic as three passes of
// ProcessStagePairSse (each stage's coefficients move by its own deltas in
// every frame where its current fb1 differs from the design), with the stages
// taking each frame in turn. The three recursions are independent chains, so
// the processor overlaps them instead of waiting on one at a time.
void ProcessThreeStagesSse(CascadeStage* stages, StageState* state, size_t nFrames, double* frames)
{
  const double step = 1.0 / static_cast<double>(nFrames);
  __m128d fb1[3], fb2[3], b0[3], b1[3], b2[3], w1[3], w2[3], w3[3];
  __m128d dfb1[3], dfb2[3], db0[3], db1[3], db2[3];
  double designFb1[3];
  for (int i = 0; i < 3; ++i)
  {
    const CascadeStage& s = stages[i];
    dfb1[i] = _mm_set1_pd((s.fb1 - s.cfb1) * step);
    dfb2[i] = _mm_set1_pd((s.fb2 - s.cfb2) * step);
    db0[i] = _mm_set1_pd((s.b0 - s.cb0) * step);
    db1[i] = _mm_set1_pd((s.b1 - s.cb1) * step);
    db2[i] = _mm_set1_pd((s.b2 - s.cb2) * step);
    designFb1[i] = s.fb1;
    fb1[i] = _mm_set1_pd(s.cfb1);
    fb2[i] = _mm_set1_pd(s.cfb2);
    b0[i] = _mm_set1_pd(s.cb0);
    b1[i] = _mm_set1_pd(s.cb1);
    b2[i] = _mm_set1_pd(s.cb2);
    const StageState& left = state[2 * i];
    const StageState& right = state[2 * i + 1];
    w1[i] = _mm_set_pd(right.w1, left.w1);
    w2[i] = _mm_set_pd(right.w2, left.w2);
    w3[i] = _mm_set_pd(right.w3, left.w3);
  }
  // Once a stage has come as close to its design as rounding lets it, its
  // deltas no longer change the current coefficients: the moves are then left
  // out for the block, which changes no result.
  bool moving = false;
  for (int i = 0; i < 3; ++i)
    if (!StageStandsStill(stages[i], step))
      moving = true;
  if (!moving)
  {
    for (size_t f = 0; f < nFrames; ++f)
    {
      double* p = frames + 2 * f;
      __m128d y = _mm_loadu_pd(p);
      for (int i = 0; i < 3; ++i)
      {
        y = StageStep(y, fb1[i], fb2[i], b0[i], b1[i], b2[i], w1[i], w2[i], w3[i]);
      }
      _mm_storeu_pd(p, y);
    }
    nFrames = 0; // done: only the state is stored below
  }
  for (size_t f = 0; f < nFrames; ++f)
  {
    double* p = frames + 2 * f;
    __m128d y = _mm_loadu_pd(p);
    for (int i = 0; i < 3; ++i)
    {
      if (!(_mm_cvtsd_f64(fb1[i]) == designFb1[i]))
      {
        fb1[i] = _mm_add_pd(fb1[i], dfb1[i]);
        fb2[i] = _mm_add_pd(fb2[i], dfb2[i]);
        b0[i] = _mm_add_pd(b0[i], db0[i]);
        b1[i] = _mm_add_pd(b1[i], db1[i]);
        b2[i] = _mm_add_pd(b2[i], db2[i]);
      }
      y = StageStep(y, fb1[i], fb2[i], b0[i], b1[i], b2[i], w1[i], w2[i], w3[i]);
    }
    _mm_storeu_pd(p, y);
  }
  for (int i = 0; i < 3; ++i)
  {
    CascadeStage& s = stages[i];
    s.cfb1 = _mm_cvtsd_f64(fb1[i]);
    s.cfb2 = _mm_cvtsd_f64(fb2[i]);
    s.cb0 = _mm_cvtsd_f64(b0[i]);
    s.cb1 = _mm_cvtsd_f64(b1[i]);
    s.cb2 = _mm_cvtsd_f64(b2[i]);
    double tmp[2];
    _mm_storeu_pd(tmp, w1[i]);
    state[2 * i].w1 = tmp[0];
    state[2 * i + 1].w1 = tmp[1];
    _mm_storeu_pd(tmp, w2[i]);
    state[2 * i].w2 = tmp[0];
    state[2 * i + 1].w2 = tmp[1];
    _mm_storeu_pd(tmp, w3[i]);
    state[2 * i].w3 = tmp[0];
    state[2 * i + 1].w3 = tmp[1];
  }
}

} // namespace Dsp
