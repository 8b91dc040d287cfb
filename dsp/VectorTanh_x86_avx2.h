// tanh for the four lanes of an AVX register: TanhPd (VectorTanh_x86.h)
// operation for operation, so each lane gives the same bits as TanhPd does.
// Needs -mavx2 (the exponent bits are put together with 256-bit integer
// operations) and no fused multiply-add.
#pragma once

#include <immintrin.h>

namespace Dsp
{

inline __m256d TanhPd4(__m256d x)
{
  const __m256d signBit = _mm256_set1_pd(-0.0);
  const __m256d sign = _mm256_and_pd(x, signBit);
  // min returns its second operand when one is NaN, so a NaN passes on.
  const __m256d ax = _mm256_min_pd(_mm256_set1_pd(22.0), _mm256_andnot_pd(signBit, x));
  const __m256d y = _mm256_add_pd(ax, ax);

  // k = round(y / ln 2) by adding 1.5 * 2^52, which leaves k in the low bits
  // of the sum's mantissa; subtracting it again gives k as a double.
  const __m256d shifter = _mm256_set1_pd(6755399441055744.0);
  const __m256d kBits = _mm256_add_pd(_mm256_mul_pd(y, _mm256_set1_pd(1.4426950408889634074)), shifter);
  const __m256d k = _mm256_sub_pd(kBits, shifter);
  const __m256d ln2Hi = _mm256_set1_pd(6.93147180369123816490e-01);
  const __m256d ln2Lo = _mm256_set1_pd(1.90821492927058770002e-10);
  const __m256d r = _mm256_sub_pd(_mm256_sub_pd(y, _mm256_mul_pd(k, ln2Hi)), _mm256_mul_pd(k, ln2Lo));

  // P(r) = sum of r^j / (j + 2)! for j = 0 .. 11, by Estrin's scheme: pairs,
  // then pairs of pairs, so that the terms are summed in a short chain.
  const __m256d r2 = _mm256_mul_pd(r, r);
  const __m256d r4 = _mm256_mul_pd(r2, r2);
  const __m256d r8 = _mm256_mul_pd(r4, r4);
  const __m256d q0 = _mm256_add_pd(_mm256_set1_pd(1.0 / 2.0), _mm256_mul_pd(_mm256_set1_pd(1.0 / 6.0), r));
  const __m256d q1 = _mm256_add_pd(_mm256_set1_pd(1.0 / 24.0), _mm256_mul_pd(_mm256_set1_pd(1.0 / 120.0), r));
  const __m256d q2 = _mm256_add_pd(_mm256_set1_pd(1.0 / 720.0), _mm256_mul_pd(_mm256_set1_pd(1.0 / 5040.0), r));
  const __m256d q3 = _mm256_add_pd(_mm256_set1_pd(1.0 / 40320.0), _mm256_mul_pd(_mm256_set1_pd(1.0 / 362880.0), r));
  const __m256d q4 = _mm256_add_pd(_mm256_set1_pd(1.0 / 3628800.0), _mm256_mul_pd(_mm256_set1_pd(1.0 / 39916800.0), r));
  const __m256d q5 = _mm256_add_pd(_mm256_set1_pd(1.0 / 479001600.0), _mm256_mul_pd(_mm256_set1_pd(1.0 / 6227020800.0), r));
  const __m256d s0 = _mm256_add_pd(q0, _mm256_mul_pd(q1, r2));
  const __m256d s1 = _mm256_add_pd(q2, _mm256_mul_pd(q3, r2));
  const __m256d s2 = _mm256_add_pd(q4, _mm256_mul_pd(q5, r2));
  const __m256d p = _mm256_add_pd(_mm256_add_pd(s0, _mm256_mul_pd(s1, r4)), _mm256_mul_pd(s2, r8));
  const __m256d em1 = _mm256_add_pd(r, _mm256_mul_pd(r2, p)); // expm1(r)

  // 2^k from its exponent bits (0 <= k <= 64 here): the shift keeps only the
  // low 12 bits of k + 1023.
  const __m256d scale =
    _mm256_castsi256_pd(_mm256_slli_epi64(_mm256_add_epi64(_mm256_castpd_si256(kBits), _mm256_set1_epi64x(1023)), 52));
  const __m256d e = _mm256_add_pd(_mm256_sub_pd(scale, _mm256_set1_pd(1.0)), _mm256_mul_pd(scale, em1));

  const __m256d t = _mm256_div_pd(e, _mm256_add_pd(e, _mm256_set1_pd(2.0)));
  return _mm256_or_pd(t, sign);
}

} // namespace Dsp
