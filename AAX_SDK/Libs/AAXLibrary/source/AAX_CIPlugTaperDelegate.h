#pragma once
// The framework's own taper: position = ((value - min) / (max - min)) raised
// to 1 / shape, value = position raised to shape over the range. Shape 1 is
// linear; larger shapes give the lower part of the range more travel.

#include "AAX_ITaperDelegate.h"

#include <cmath>
#include <type_traits>

template <typename T>
class AAX_CIPlugTaperDelegate final : public AAX_ITaperDelegate<T> {
  static_assert(std::is_floating_point_v<T>, "the framework's taper is for continuous values");

public:
  AAX_CIPlugTaperDelegate(T minValue, T maxValue, double shape)
      : mMin(minValue), mMax(maxValue), mShape(shape) {}

  AAX_CIPlugTaperDelegate* Clone() const override { return new AAX_CIPlugTaperDelegate(*this); }
  T GetMaximumValue() const override { return mMax; }
  T GetMinimumValue() const override { return mMin; }

  // Clamped to [min, max]; a NaN becomes the minimum, so no undefined value
  // reaches a parameter.
  T ConstrainRealValue(T value) const override {
    if (!(value >= mMin)) return mMin;
    if (value > mMax) return mMax;
    return value;
  }

  T NormalizedToReal(double normalized) const override {
    const double real = std::pow(normalized, mShape) * (static_cast<double>(mMax) - mMin) + mMin;
    return ConstrainRealValue(static_cast<T>(real));
  }

  // Clamped to [0, 1]; a NaN (an empty range) gives 0.
  double RealToNormalized(T value) const override {
    const double fraction =
        (static_cast<double>(ConstrainRealValue(value)) - mMin) / (static_cast<double>(mMax) - mMin);
    const double normalized = std::pow(fraction, 1.0 / mShape);
    if (!(normalized >= 0.0)) return 0.0;
    return normalized > 1.0 ? 1.0 : normalized;
  }

private:
  T mMin;
  T mMax;
  double mShape;
};
