#pragma once
// A linear taper between two bounds; positions map to values truncated to
// RealPrecision decimals (0: whole numbers). Equal bounds put every value at
// the middle position 0.5.

#include "AAX_ITaperDelegate.h"

#include <algorithm>
#include <cmath>

template <typename T, int RealPrecision = 0>
class AAX_CLinearTaperDelegate final : public AAX_ITaperDelegate<T> {
public:
  AAX_CLinearTaperDelegate(T minValue, T maxValue) : mMin(minValue), mMax(maxValue) {}

  AAX_CLinearTaperDelegate* Clone() const override { return new AAX_CLinearTaperDelegate(*this); }
  T GetMaximumValue() const override { return mMax; }
  T GetMinimumValue() const override { return mMin; }

  T ConstrainRealValue(T value) const override {
    if (mMin == mMax) return mMin;
    const T low = std::min(mMin, mMax);
    const T high = std::max(mMin, mMax);
    return std::min(std::max(value, low), high);
  }

  T NormalizedToReal(double normalized) const override {
    double real = (static_cast<double>(mMax) - static_cast<double>(mMin)) * normalized +
                  static_cast<double>(mMin);
    const double scale = std::pow(10.0, RealPrecision);
    real = std::trunc(real * scale) / scale;
    // The position comes from the host: keep the value inside the bounds
    // before it becomes a T, so that no position (NaN included) overflows.
    const double low = static_cast<double>(std::min(mMin, mMax));
    const double high = static_cast<double>(std::max(mMin, mMax));
    if (!(real >= low)) real = low;
    if (real > high) real = high;
    return ConstrainRealValue(static_cast<T>(real));
  }

  double RealToNormalized(T value) const override {
    const T constrained = ConstrainRealValue(value);
    if (mMin == mMax) return 0.5;
    return (static_cast<double>(constrained) - static_cast<double>(mMin)) /
           (static_cast<double>(mMax) - static_cast<double>(mMin));
  }

private:
  T mMin;
  T mMax;
};
