// Reproducible white noise for the DSP tests.
#pragma once

#include <cstddef>
#include <random>
#include <vector>

// count samples uniform in [-amplitude, amplitude], the same for the same seed.
inline std::vector<double> Noise(size_t count, unsigned seed, double amplitude = 1.0)
{
  std::mt19937 gen(seed);
  std::uniform_real_distribution<double> dist(-amplitude, amplitude);
  std::vector<double> v(count);
  for (double& x : v)
    x = dist(gen);
  return v;
}
