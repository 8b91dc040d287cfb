// tanh for the two lanes of an SSE2 register, for the chorus's vector path.
// Accurate to a few ulps over the whole double range (the test suite
// measures the largest error against the platform's tanh); odd, NaN in gives
// NaN out, +-0 and the signs are kept.
//
// tanh(x) = E / (E + 2) with E = exp(2|x|) - 1, the sign put back at the end.
// This is exact in real numbers for every x, and every step below has a small
// relative error, so there is no cancellation near 0 and no separate form for
// large arguments: beyond |x| = 22 the result rounds to 1 anyway, so |x| is
// held there.
//
// E comes from the reduction 2|x| = k ln 2 + r, |r| <= ln 2 / 2 (ln 2 in two
// parts, the first with enough trailing zero bits that k times it is exact):
// E = (2^k - 1) + 2^k * expm1(r), with expm1(r) = r + r^2 P(r) from its
// Taylor series up to r^13 / 13! (the next term is below 0.2 ulp).
#pragma once

#include <emmintrin.h>

namespace Dsp
{

inline __m128d TanhPd(__m128d x)
{
  const __m128d signBit = _mm_set1_pd(-0.0);
  const __m128d sign = _mm_and_pd(x, signBit);
  // min returns its second operand when one is NaN, so a NaN passes on.
  const __m128d ax = _mm_min_pd(_mm_set1_pd(22.0), _mm_andnot_pd(signBit, x));
  const __m128d y = _mm_add_pd(ax, ax);

  // k = round(y / ln 2) by adding 1.5 * 2^52, which leaves k in the low bits
  // of the sum's mantissa; subtracting it again gives k as a double.
  const __m128d shifter = _mm_set1_pd(6755399441055744.0);
  const __m128d kBits = _mm_add_pd(_mm_mul_pd(y, _mm_set1_pd(1.4426950408889634074)), shifter);
  const __m128d k = _mm_sub_pd(kBits, shifter);
  const __m128d ln2Hi = _mm_set1_pd(6.93147180369123816490e-01);
  const __m128d ln2Lo = _mm_set1_pd(1.90821492927058770002e-10);
  const __m128d r = _mm_sub_pd(_mm_sub_pd(y, _mm_mul_pd(k, ln2Hi)), _mm_mul_pd(k, ln2Lo));

  // P(r) = sum of r^j / (j + 2)! for j = 0 .. 11, by Estrin's scheme: pairs,
  // then pairs of pairs, so that the terms are summed in a short chain.
  const __m128d r2 = _mm_mul_pd(r, r);
  const __m128d r4 = _mm_mul_pd(r2, r2);
  const __m128d r8 = _mm_mul_pd(r4, r4);
  const __m128d q0 = _mm_add_pd(_mm_set1_pd(1.0 / 2.0), _mm_mul_pd(_mm_set1_pd(1.0 / 6.0), r));
  const __m128d q1 = _mm_add_pd(_mm_set1_pd(1.0 / 24.0), _mm_mul_pd(_mm_set1_pd(1.0 / 120.0), r));
  const __m128d q2 = _mm_add_pd(_mm_set1_pd(1.0 / 720.0), _mm_mul_pd(_mm_set1_pd(1.0 / 5040.0), r));
  const __m128d q3 = _mm_add_pd(_mm_set1_pd(1.0 / 40320.0), _mm_mul_pd(_mm_set1_pd(1.0 / 362880.0), r));
  const __m128d q4 = _mm_add_pd(_mm_set1_pd(1.0 / 3628800.0), _mm_mul_pd(_mm_set1_pd(1.0 / 39916800.0), r));
  const __m128d q5 = _mm_add_pd(_mm_set1_pd(1.0 / 479001600.0), _mm_mul_pd(_mm_set1_pd(1.0 / 6227020800.0), r));
  const __m128d s0 = _mm_add_pd(q0, _mm_mul_pd(q1, r2));
  const __m128d s1 = _mm_add_pd(q2, _mm_mul_pd(q3, r2));
  const __m128d s2 = _mm_add_pd(q4, _mm_mul_pd(q5, r2));
  const __m128d p = _mm_add_pd(_mm_add_pd(s0, _mm_mul_pd(s1, r4)), _mm_mul_pd(s2, r8));
  const __m128d em1 = _mm_add_pd(r, _mm_mul_pd(r2, p)); // expm1(r)

  // 2^k from its exponent bits (0 <= k <= 64 here): the shift keeps only the
  // low 12 bits of k + 1023.
  const __m128d scale =
    _mm_castsi128_pd(_mm_slli_epi64(_mm_add_epi64(_mm_castpd_si128(kBits), _mm_set1_epi64x(1023)), 52));
  const __m128d e = _mm_add_pd(_mm_sub_pd(scale, _mm_set1_pd(1.0)), _mm_mul_pd(scale, em1));

  const __m128d t = _mm_div_pd(e, _mm_add_pd(e, _mm_set1_pd(2.0)));
  return _mm_or_pd(t, sign);
}

} // namespace Dsp
