// The chorus's two saturation passes with two frames (four lanes: left,
// right, left, right) in one AVX register, for processors and systems with
// AVX2 (checked at run time). Each lane does the 128-bit path's operations in
// the same order, and TanhPd4 gives TanhPd's bits, so the results are the
// same.
#include "OndelinoSaturation.h"

#include "VectorTanh_x86_avx2.h"

#include <immintrin.h>

namespace Dsp
{
namespace
{

constexpr double kDrive = 0.251189;  // -12 dB into the saturation
constexpr double kMakeup = 3.98107;  // +12 dB out of it

inline __m256d Saturate(__m256d x)
{
  return _mm256_mul_pd(TanhPd4(_mm256_mul_pd(x, _mm256_set1_pd(kDrive))), _mm256_set1_pd(kMakeup));
}

// One frame in the low half (the high half repeats it and is dropped).
inline __m128d SaturateOne(__m128d x)
{
  return _mm256_castpd256_pd128(Saturate(_mm256_insertf128_pd(_mm256_castpd128_pd256(x), x, 1)));
}

} // namespace

void InputPassAvx2(const double* frames, double* dry, int n, double gain, bool saturate, double peak[2])
{
  const __m256d gain4 = _mm256_set1_pd(gain);
  __m256d peak4 = _mm256_setzero_pd();
  int f = 0;
  for (; f + 2 <= n; f += 2)
  {
    __m256d x = _mm256_mul_pd(_mm256_loadu_pd(frames + 2 * f), gain4);
    peak4 = _mm256_max_pd(x, peak4);
    if (saturate)
      x = Saturate(x);
    _mm256_storeu_pd(dry + 2 * f, x);
  }
  // The running maximum of each channel over both halves (and the last frame
  // of an odd count): maxpd keeps the greater, as the frame-by-frame maximum
  // does.
  __m128d peak2 = _mm_max_pd(_mm256_extractf128_pd(peak4, 1), _mm256_castpd256_pd128(peak4));
  if (f < n)
  {
    __m128d x = _mm_mul_pd(_mm_loadu_pd(frames + 2 * f), _mm256_castpd256_pd128(gain4));
    peak2 = _mm_max_pd(x, peak2);
    if (saturate)
      x = SaturateOne(x);
    _mm_storeu_pd(dry + 2 * f, x);
  }
  _mm_storeu_pd(peak, peak2);
}

void LinePassAvx2(double* line, int n, bool left, bool right)
{
  const __m256d mask =
    _mm256_castsi256_pd(_mm256_set_epi64x(right ? -1 : 0, left ? -1 : 0, right ? -1 : 0, left ? -1 : 0));
  int f = 0;
  for (; f + 2 <= n; f += 2)
  {
    const __m256d v = _mm256_loadu_pd(line + 2 * f);
    _mm256_storeu_pd(line + 2 * f, _mm256_blendv_pd(v, Saturate(v), mask));
  }
  if (f < n)
  {
    const __m128d v = _mm_loadu_pd(line + 2 * f);
    _mm_storeu_pd(line + 2 * f, _mm_blendv_pd(v, SaturateOne(v), _mm256_castpd256_pd128(mask)));
  }
}

} // namespace Dsp
