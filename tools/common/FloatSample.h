#pragma once
// The one conversion of a 64-bit sample to 32-bit float that the render tool
// and the test hosts make: for the 32-bit input a host hands the plug-in,
// and for the 32-bit float WAV files they write. A plain cast is undefined
// for a finite value beyond the float range and would at best make it an
// infinity; here it is clamped to the largest float, sign kept. NaN and the
// infinities pass as they are (the plug-in takes them as silence).
//
// Inline: it runs on every sample of a render.
#include <cfloat>
#include <cmath>
#include <cstdint>

namespace vo {

// What a conversion met that was not an ordinary sample.
struct FloatSampleTally {
  int64_t nonFinite = 0;  // NaN or infinite, passed on
  int64_t clamped = 0;    // finite, beyond +-FLT_MAX, clamped to it
};

inline float FloatSample(double value, FloatSampleTally* tally = nullptr) {
  if (std::fabs(value) <= FLT_MAX) return static_cast<float>(value);  // every ordinary sample
  const bool finite = std::isfinite(value);
  if (tally) ++(finite ? tally->clamped : tally->nonFinite);
  if (!finite) return static_cast<float>(value);
  return value > 0.0 ? FLT_MAX : -FLT_MAX;
}

}  // namespace vo
