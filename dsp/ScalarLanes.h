// The generic lanes of the chorus's per-frame loop (OndelinoKernel.h): two
// plain doubles, each operation done on the left and then the right value,
// and the platform's tanh.
#pragma once

#include <cmath>

namespace Dsp
{

struct ScalarLanes
{
  double left, right;

  struct Mask
  {
    bool left, right;
  };

  static ScalarLanes Both(double v) { return {v, v}; }
  static ScalarLanes Make(double l, double r) { return {l, r}; }
  static ScalarLanes Load(const double* p) { return {p[0], p[1]}; }
  void Store(double* p) const
  {
    p[0] = left;
    p[1] = right;
  }
  double Left() const { return left; }
  double Right() const { return right; }

  static ScalarLanes Gather(const double* p0, int i0, const double* p1, int i1) { return {p0[i0], p1[i1]}; }
  static void Scatter(const ScalarLanes& v, double* p0, int i0, double* p1, int i1)
  {
    p0[i0] = v.left;
    p1[i1] = v.right;
  }

  friend ScalarLanes operator+(const ScalarLanes& a, const ScalarLanes& b) { return {a.left + b.left, a.right + b.right}; }
  friend ScalarLanes operator-(const ScalarLanes& a, const ScalarLanes& b) { return {a.left - b.left, a.right - b.right}; }
  friend ScalarLanes operator*(const ScalarLanes& a, const ScalarLanes& b) { return {a.left * b.left, a.right * b.right}; }

  // a > b ? a : b, lane by lane (a NaN never wins).
  static ScalarLanes Max(const ScalarLanes& a, const ScalarLanes& b)
  {
    return {a.left > b.left ? a.left : b.left, a.right > b.right ? a.right : b.right};
  }

  static Mask MakeMask(bool left, bool right) { return {left, right}; }
  static ScalarLanes Select(const Mask& m, const ScalarLanes& a, const ScalarLanes& b)
  {
    return {m.left ? a.left : b.left, m.right ? a.right : b.right};
  }

  static ScalarLanes Tanh(const ScalarLanes& a) { return {std::tanh(a.left), std::tanh(a.right)}; }
  // No wider form of the saturation passes here.
  static bool InputPass(const double*, double*, int, double, bool, ScalarLanes&) { return false; }
  static bool LinePass(double*, int, bool, bool) { return false; }

  // A delay outside [0, longest] (or not a number) is held at its edge; whole
  // gets its integer part i and the result is the interpolator's
  // a = 1 - (delay - i).
  static ScalarLanes SplitDelay(const ScalarLanes& delay, const ScalarLanes& longest, int whole[2])
  {
    return {SplitOne(delay.left, longest.left, whole[0]), SplitOne(delay.right, longest.right, whole[1])};
  }
  static double SplitOne(double d, double longest, int& whole)
  {
    if (!(d >= 0.0 && d <= longest))
      d = d > 0.0 ? longest : 0.0;
    whole = static_cast<int>(d); // floor: d is not negative
    return 1.0 - (d - whole);
  }

  // Width: side = (L - R) * 0.5 * width, mid = (L + R) * 0.5; L = mid + side,
  // R = mid - side.
  static ScalarLanes MidSide(const ScalarLanes& y, const ScalarLanes& width)
  {
    const double side = (y.left - y.right) * 0.5 * width.left;
    const double mid = (y.left + y.right) * 0.5;
    return {mid + side, mid - side};
  }
};

} // namespace Dsp
