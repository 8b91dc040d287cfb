#pragma once
// A rectangle in unscaled editor pixels; right and bottom are exclusive.
// "Empty" means all four edges are 0: a zero-width rect at another place is
// not empty (it still contains no point). Plain value type, any thread.

struct IRECT {
  int L = 0, T = 0, R = 0, B = 0;

  IRECT() = default;
  IRECT(int l, int t, int r, int b) : L(l), T(t), R(r), B(b) {}

  bool IsEmpty() const { return L == 0 && T == 0 && R == 0 && B == 0; }
  int W() const { return R - L; }
  int H() const { return B - T; }

  // Both non-empty and overlapping. The right and bottom tests are inclusive,
  // so a rect touches its right neighbour but not its left one: every caller
  // states which rect comes first.
  bool Intersects(const IRECT& other) const {
    return !IsEmpty() && !other.IsEmpty() && R >= other.L && L < other.R && B >= other.T && T < other.B;
  }
  // The common part when Intersects holds; otherwise the empty rect.
  IRECT Intersect(const IRECT& other) const {
    if (!Intersects(other)) return IRECT();
    return IRECT(L > other.L ? L : other.L, T > other.T ? T : other.T, R < other.R ? R : other.R,
                 B < other.B ? B : other.B);
  }
  // The bounding rect of both; an empty side yields the other one.
  IRECT Union(const IRECT& other) const {
    if (IsEmpty()) return other;
    if (other.IsEmpty()) return *this;
    return IRECT(L < other.L ? L : other.L, T < other.T ? T : other.T, R > other.R ? R : other.R,
                 B > other.B ? B : other.B);
  }
  // Half-open point test; an empty rect contains nothing.
  bool Contains(int x, int y) const { return !IsEmpty() && x >= L && x < R && y >= T && y < B; }

  bool operator==(const IRECT& o) const { return L == o.L && T == o.T && R == o.R && B == o.B; }
  bool operator!=(const IRECT& o) const { return !(*this == o); }
};
