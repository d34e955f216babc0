#include "numerics/cubic_roots.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace norvika {

namespace {

// The turning points of the cubic inside (lo, hi), rising: the roots of its
// slope, a quadratic (a straight line when the cubic term vanishes).
int turningPoints(const Cubic& a, double lo, double hi, std::array<double, 2>& at) {
  const double qa = 3.0 * a[3], qb = 2.0 * a[2], qc = a[1];
  std::array<double, 2> roots{};
  int found = 0;
  if (qa == 0.0) {
    if (qb != 0.0) roots[found++] = -qc / qb;
  } else {
    const double disc = qb * qb - 4.0 * qa * qc;
    if (disc >= 0.0) {
      // The root of larger size first, the other from the product, so
      // neither loses its digits to a cancellation.
      const double q = -0.5 * (qb + std::copysign(std::sqrt(disc), qb));
      roots[found++] = q / qa;
      if (q != 0.0) roots[found++] = qc / q;
    }
  }
  std::sort(roots.begin(), roots.begin() + found);
  int inside = 0;
  for (int i = 0; i < found; ++i) {
    if (roots[i] > lo && roots[i] < hi && (inside == 0 || roots[i] > at[inside - 1])) {
      at[inside++] = roots[i];
    }
  }
  return inside;
}

// The sign change of the cubic on [lo, hi], where it is monotone and its ends
// differ in sign: Newton from the bracket's middle, a halving wherever a step
// would leave the bracket. Ends when a step no longer moves the root beyond
// rounding, or the bracket can shrink no further.
double rootInBracket(const Cubic& a, double lo, double hi) {
  const bool risingSign = cubicValue(a, lo) < 0.0;
  const double resolution = 4.0 * std::numeric_limits<double>::epsilon() *
                            std::fmax(std::fmax(std::fabs(lo), std::fabs(hi)), hi - lo);
  double t = 0.5 * (lo + hi);
  for (int i = 0; i < 200; ++i) {
    const double f = cubicValue(a, t);
    if (f == 0.0) return t;
    if ((f < 0.0) == risingSign) {
      lo = t;
    } else {
      hi = t;
    }
    const double mid = 0.5 * (lo + hi);
    if (!(mid > lo && mid < hi)) break;
    const double slope = cubicSlope(a, t);
    const double newton = slope != 0.0 ? t - f / slope : mid;
    if (!(newton > lo && newton < hi)) {
      t = mid;
    } else if (std::fabs(newton - t) <= resolution) {
      return newton;
    } else {
      t = newton;
    }
  }
  return t;
}

}  // namespace

CubicCrossings cubicCrossings(const Cubic& a, double lo, double hi) {
  CubicCrossings crossings;
  std::array<double, 2> turns{};
  const int turnCount = turningPoints(a, lo, hi, turns);
  double from = lo;
  double fromValue = cubicValue(a, lo);
  for (int i = 0; i <= turnCount; ++i) {
    const double to = i < turnCount ? turns[i] : hi;
    const double toValue = cubicValue(a, to);
    if ((fromValue < 0.0 && toValue > 0.0) || (fromValue > 0.0 && toValue < 0.0)) {
      crossings.t[crossings.count++] = rootInBracket(a, from, to);
    }
    // A value of exactly zero at a turning point: the sign is taken up on the
    // far side of it.
    if (toValue != 0.0) {
      from = to;
      fromValue = toValue;
    }
  }
  return crossings;
}

CubicRange cubicRange(const Cubic& a, double lo, double hi) {
  CubicRange range{std::fmin(cubicValue(a, lo), cubicValue(a, hi)),
                   std::fmax(cubicValue(a, lo), cubicValue(a, hi))};
  std::array<double, 2> turns{};
  const int turnCount = turningPoints(a, lo, hi, turns);
  for (int i = 0; i < turnCount; ++i) {
    const double value = cubicValue(a, turns[i]);
    range.least = std::fmin(range.least, value);
    range.greatest = std::fmax(range.greatest, value);
  }
  return range;
}

}  // namespace norvika
