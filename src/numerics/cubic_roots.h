#pragma once

#include <array>

namespace norvika {

/// A cubic a[0] + a[1] t + a[2] t^2 + a[3] t^3.
using Cubic = std::array<double, 4>;

inline double cubicValue(const Cubic& a, double t) {
  return a[0] + t * (a[1] + t * (a[2] + t * a[3]));
}

inline double cubicSlope(const Cubic& a, double t) {
  return a[1] + t * (2.0 * a[2] + t * 3.0 * a[3]);
}

/// The places where a cubic changes sign inside (lo, hi), rising: at most three.
struct CubicCrossings {
  std::array<double, 3> t{};
  int count = 0;
};

/// Where the cubic a changes sign in (lo, hi): the interval cut at the cubic's
/// turning points into pieces on which it is monotone, each piece whose ends
/// differ in sign solved to the last bit by Newton steps kept inside a
/// halving bracket. A touch without a change of sign is no crossing.
CubicCrossings cubicCrossings(const Cubic& a, double lo, double hi);

/// Where the cubic a takes its least and its greatest value on [lo, hi]: the
/// ends and the turning points inside.
struct CubicRange {
  double least = 0.0;
  double greatest = 0.0;
};
CubicRange cubicRange(const Cubic& a, double lo, double hi);

}  // namespace norvika
