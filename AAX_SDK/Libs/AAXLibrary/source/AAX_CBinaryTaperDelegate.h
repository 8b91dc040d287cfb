#pragma once
// The taper of a two-state parameter: any position above 0 is true.

#include "AAX_ITaperDelegate.h"

template <typename T>
class AAX_CBinaryTaperDelegate final : public AAX_ITaperDelegate<T> {
public:
  AAX_CBinaryTaperDelegate* Clone() const override { return new AAX_CBinaryTaperDelegate(*this); }
  T GetMaximumValue() const override { return static_cast<T>(true); }
  T GetMinimumValue() const override { return static_cast<T>(false); }
  T ConstrainRealValue(T value) const override { return value; }
  // A NaN position is not above 0: false.
  T NormalizedToReal(double normalized) const override { return static_cast<T>(normalized > 0.0); }
  double RealToNormalized(T value) const override { return value ? 1.0 : 0.0; }
};
