#pragma once
// A taper maps between a parameter's plain value and its normalised
// position 0..1. Parameters own clones of their tapers; the host never sees
// them. Any thread that holds the parameter; no lock, no allocation except
// Clone.

class AAX_ITaperDelegateBase {
public:
  virtual ~AAX_ITaperDelegateBase() = default;
};

template <typename T>
class AAX_ITaperDelegate : public AAX_ITaperDelegateBase {
public:
  // A new taper equal to this one; the caller owns it.
  virtual AAX_ITaperDelegate* Clone() const = 0;
  virtual T GetMaximumValue() const = 0;
  virtual T GetMinimumValue() const = 0;
  // The value brought into the taper's range.
  virtual T ConstrainRealValue(T value) const = 0;
  virtual T NormalizedToReal(double normalized) const = 0;
  virtual double RealToNormalized(T value) const = 0;
};
