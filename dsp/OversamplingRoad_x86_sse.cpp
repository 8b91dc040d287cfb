// The piecewise oversampling road for x86 processors (compiled with -msse3,
// run only where the anti-alias filters take their vector path). Each stage
// step is the arithmetic of ProcessThreeStagesSse with still coefficients.
#include "OversamplingRoad.h"

#include <pmmintrin.h>

namespace Dsp
{

// OversamplingRoad_x86_avx.cpp: both filters over count host frames in one
// 256-bit register; each filter's history w3 is left as it was.
void RunFusedFramesAvx(const RoadBlock& b, FilterRun& up, size_t upFirst, FilterRun& down, size_t downFirst,
                       size_t count);

namespace
{

// A filter's history within one call of RunRoadStep. The coefficients stay
// in the FilterRun and are read from memory as operands: the registers are
// kept for the six recursions' history, which a spill would put a store and a
// load into the chain of.
struct Stages
{
  const FilterRun& run;
  __m128d w1[3], w2[3], w3[3];

  explicit Stages(const FilterRun& r) : run(r)
  {
    for (int i = 0; i < 3; ++i)
    {
      w1[i] = _mm_load_pd(run.w1[i]);
      w2[i] = _mm_load_pd(run.w2[i]);
      w3[i] = _mm_load_pd(run.w3[i]);
    }
  }

  void StoreHistory(FilterRun& out) const
  {
    for (int i = 0; i < 3; ++i)
    {
      _mm_store_pd(out.w1[i], w1[i]);
      _mm_store_pd(out.w2[i], w2[i]);
      _mm_store_pd(out.w3[i], w3[i]);
    }
  }

  // One frame through the three stages. The oldest history value (w3) is
  // only ever stored, so it is kept only for a call's last frame (kLast).
  template <bool kLast>
  __m128d Step(__m128d y, const RoadBlock& b)
  {
    for (int i = 0; i < 3; ++i)
    {
      const __m128d x = _mm_add_pd(y, _mm_load_pd(b.offsetIn));
      const __m128d w = _mm_add_pd(
        _mm_add_pd(_mm_add_pd(x, _mm_mul_pd(_mm_load_pd(run.fb1[i]), w1[i])), _mm_mul_pd(_mm_load_pd(run.fb2[i]), w2[i])),
        _mm_load_pd(b.offsetW));
      y = _mm_add_pd(_mm_add_pd(_mm_mul_pd(_mm_load_pd(run.b0[i]), w), _mm_mul_pd(_mm_load_pd(run.b1[i]), w1[i])),
                     _mm_mul_pd(_mm_load_pd(run.b2[i]), w2[i]));
      if (kLast)
        w3[i] = w2[i];
      w2[i] = w1[i];
      w1[i] = w;
    }
    return y;
  }
};

// Host frame h held f times and filtered into the raised and dry buffers
// (kLast: the last frame this call filters up).
template <size_t kFactor, bool kLast>
inline void UpFrame(const RoadBlock& b, size_t f, Stages& up, size_t h)
{
  const size_t count = kFactor ? kFactor : f;
  const __m128d x = _mm_loadu_pd(b.host + 2 * h);
  double* raised = b.raised + 2 * h * f;
  double* dry = b.dry + 2 * h * f;
  for (size_t j = 0; j + 1 < count; ++j)
  {
    const __m128d y = up.Step<false>(x, b);
    _mm_storeu_pd(raised + 2 * j, y);
    _mm_storeu_pd(dry + 2 * j, y);
  }
  const __m128d y = up.Step<kLast>(x, b);
  _mm_storeu_pd(raised + 2 * (count - 1), y);
  _mm_storeu_pd(dry + 2 * (count - 1), y);
}

// The group of host frame h blended with its dry copy, filtered, and its
// first frame kept.
template <size_t kFactor, bool kLast>
inline void DownFrame(const RoadBlock& b, size_t f, Stages& down, size_t h)
{
  const size_t count = kFactor ? kFactor : f;
  const double* raised = b.raised + 2 * h * f;
  const double* dry = b.dry + 2 * h * f;
  for (size_t j = 0; j < count; ++j)
  {
    const __m128d v =
      _mm_add_pd(_mm_mul_pd(_mm_loadu_pd(raised + 2 * j), _mm_load_pd(b.mix)),
                 _mm_mul_pd(_mm_loadu_pd(dry + 2 * j), _mm_load_pd(b.dryGain)));
    const __m128d y = (kLast && j + 1 == count) ? down.Step<true>(v, b) : down.Step<false>(v, b);
    if (j == 0)
      _mm_storeu_pd(b.host + 2 * h, y);
  }
}

template <size_t kFactor>
void RunRoadStepFor(const RoadBlock& b, FilterRun& upRun, size_t upFirst, size_t upCount, FilterRun& downRun,
                    size_t downFirst, size_t downCount)
{
  const size_t f = b.factor;
  // Both filters frame by frame while both have frames, each filter's last
  // frame on its own (it keeps w3).
  const size_t upBody = upCount ? upCount - 1 : 0;
  const size_t downBody = downCount ? downCount - 1 : 0;
  const size_t common = upBody < downBody ? upBody : downBody;
  size_t done = 0;
  if (gRoadUsesAvx && common > 0)
  {
    RunFusedFramesAvx(b, upRun, upFirst, downRun, downFirst, common);
    done = common;
  }
  Stages up(upRun);
  Stages down(downRun);
  for (size_t i = done; i < common; ++i)
  {
    UpFrame<kFactor, false>(b, f, up, upFirst + i);
    DownFrame<kFactor, false>(b, f, down, downFirst + i);
  }
  for (size_t i = common; i < upBody; ++i)
    UpFrame<kFactor, false>(b, f, up, upFirst + i);
  if (upCount)
    UpFrame<kFactor, true>(b, f, up, upFirst + upBody);
  for (size_t i = common; i < downBody; ++i)
    DownFrame<kFactor, false>(b, f, down, downFirst + i);
  if (downCount)
    DownFrame<kFactor, true>(b, f, down, downFirst + downBody);
  up.StoreHistory(upRun);
  down.StoreHistory(downRun);
}

} // namespace

void RunRoadStep(const RoadBlock& block, FilterRun& up, size_t upFirst, size_t upCount, FilterRun& down,
                 size_t downFirst, size_t downCount)
{
  if (block.factor == 2)
    RunRoadStepFor<2>(block, up, upFirst, upCount, down, downFirst, downCount);
  else
    RunRoadStepFor<0>(block, up, upFirst, upCount, down, downFirst, downCount);
}

} // namespace Dsp
