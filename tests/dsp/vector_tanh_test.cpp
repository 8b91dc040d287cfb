// The vector path's tanh against the platform's: the largest error in ulps
// over the whole double range, and the values whose result is fixed exactly.
#include "VectorTanh.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

namespace
{

// The distance between got and want in units of want's last place (the
// spacing of doubles just above |want|; for a want of 0 the smallest
// subnormal).
double UlpError(double got, double want)
{
  const double a = std::fabs(want);
  const double ulp = std::nextafter(a, std::numeric_limits<double>::infinity()) - a;
  return std::fabs(got - want) / ulp;
}

struct Worst
{
  double ulps = 0.0;
  double at = 0.0;
};

void Check(const std::vector<double>& xs, Worst& worst)
{
  for (size_t i = 0; i + 1 < xs.size(); i += 2)
  {
    const double in[2] = {xs[i], xs[i + 1]}; // two different values, one per lane
    double out[2];
    ASSERT_TRUE(Dsp::VectorTanh(in, out));
    for (int lane = 0; lane < 2; ++lane)
    {
      const double e = UlpError(out[lane], std::tanh(in[lane]));
      if (!(e <= worst.ulps)) // a NaN error counts as the worst
      {
        worst.ulps = std::isnan(e) ? std::numeric_limits<double>::infinity() : e;
        worst.at = in[lane];
      }
    }
  }
}

} // namespace

TEST(VectorTanh, WithinFourUlpsOfTheLibraryOverTheWholeRange)
{
  double probe[2] = {0.5, 0.5}, result[2];
  if (!Dsp::VectorTanh(probe, result))
    GTEST_SKIP() << "this build has no vector path";

  std::mt19937_64 gen(20);
  std::vector<double> xs;
  // Every binary exponent of the double range, subnormals included, with
  // random mantissas and both signs.
  std::uniform_int_distribution<uint64_t> mantissa(0, (uint64_t(1) << 52) - 1);
  for (int exponent = 0; exponent < 2047; ++exponent)
    for (int i = 0; i < 64; ++i)
    {
      const uint64_t bits = (uint64_t(i & 1) << 63) | (uint64_t(exponent) << 52) | mantissa(gen);
      double x;
      std::memcpy(&x, &bits, sizeof x);
      xs.push_back(x);
    }
  // Densely where tanh is neither x nor +-1, and where the reduction steps
  // from one power of two to the next.
  std::uniform_real_distribution<double> moderate(-23.0, 23.0);
  for (int i = 0; i < 2000000; ++i)
    xs.push_back(moderate(gen));
  for (int k = 1; k <= 64; ++k)
    for (double d : {-1e-12, -1e-15, 0.0, 1e-15, 1e-12})
      xs.push_back((k + 0.5) * 0.34657359027997264 + d);
  if (xs.size() % 2)
    xs.push_back(1.0);

  Worst worst;
  Check(xs, worst);
  std::printf("vector tanh: largest error %.3f ulp (at %.17g) over %zu arguments\n", worst.ulps, worst.at, xs.size());
  RecordProperty("largest_error_ulp", std::to_string(worst.ulps));
  EXPECT_LE(worst.ulps, 4.0) << "at " << worst.at;
}

TEST(VectorTanh, ExactValues)
{
  const double inf = std::numeric_limits<double>::infinity();
  const double in[][2] = {{0.0, -0.0}, {inf, -inf}, {22.0, -1000.0}, {1e-300, -4.9e-324}};
  double out[2];
  if (!Dsp::VectorTanh(in[0], out))
    GTEST_SKIP() << "this build has no vector path";
  EXPECT_EQ(out[0], 0.0);
  EXPECT_FALSE(std::signbit(out[0]));
  EXPECT_TRUE(std::signbit(out[1]));
  Dsp::VectorTanh(in[1], out);
  EXPECT_EQ(out[0], 1.0);
  EXPECT_EQ(out[1], -1.0);
  Dsp::VectorTanh(in[2], out);
  EXPECT_EQ(out[0], 1.0);
  EXPECT_EQ(out[1], -1.0);
  Dsp::VectorTanh(in[3], out); // tanh(x) rounds to x for tiny x
  EXPECT_EQ(out[0], 1e-300);
  EXPECT_EQ(out[1], -4.9e-324);
  const double nan[2] = {std::numeric_limits<double>::quiet_NaN(), 0.25};
  Dsp::VectorTanh(nan, out);
  EXPECT_TRUE(std::isnan(out[0]));
  EXPECT_EQ(out[1], std::tanh(0.25)) << "lanes are independent";
}
