#include "calculation/gz_curve.h"

#include <algorithm>
#include <cmath>

#include "numerics/cubic_roots.h"
#include "numerics/gauss_legendre.h"

namespace norvika {

namespace {

int pieceCount(const GzCurve& curve) { return static_cast<int>(curve.heels.size()) - 1; }

double nodeHeel(const GzCurve& curve, int k) {
  return curve.heels[static_cast<std::size_t>(k - 1)];
}

// The piece (1-based) holding heel: the last whose node is at or below it.
int pieceOf(const GzCurve& curve, double heel) {
  const auto above = std::upper_bound(curve.heels.begin(), curve.heels.end(), heel);
  const int k = static_cast<int>(above - curve.heels.begin());
  return std::clamp(k, 1, pieceCount(curve));
}

// Piece k as a cubic in the distance from its node, less `level`.
Cubic pieceCubic(const GzCurve& curve, int k, double level) {
  const SplineCoefficients& c = curve.spline;
  return {c(1, k) - level, c(2, k), c(3, k) / 2.0, c(4, k) / 6.0};
}

// The area from 0 to heel >= 0, in degree metres.
double areaFromUpright(const GzCurve& curve, double heel) {
  double sum = 0.0;
  const int last = pieceOf(curve, heel);
  for (int k = 1; k <= last; ++k) {
    const double d = std::fmin(heel, k < last ? nodeHeel(curve, k + 1) : heel) - nodeHeel(curve, k);
    const Cubic p = pieceCubic(curve, k, 0.0);
    sum += d * (p[0] + d * (p[1] / 2.0 + d * (p[2] / 3.0 + d * p[3] / 4.0)));
  }
  return sum;
}

}  // namespace

GzCurve fitGzCurve(std::vector<double> heels, std::vector<double> levers) {
  GzCurve curve;
  const int n = static_cast<int>(heels.size());
  curve.heels = std::move(heels);
  curve.levers = std::move(levers);
  Table<double> x(n);
  curve.spline = SplineCoefficients(n);
  for (int k = 1; k <= n; ++k) {
    x(k) = curve.heels[static_cast<std::size_t>(k - 1)];
    curve.spline(1, k) = curve.levers[static_cast<std::size_t>(k - 1)];
  }
  fitCubicSpline(n, x, curve.spline, kNotAKnot, kNotAKnot);
  return curve;
}

double gzAt(const GzCurve& curve, double heel) {
  if (heel < 0.0) return -gzAt(curve, -heel);
  const int k = pieceOf(curve, heel);
  return cubicValue(pieceCubic(curve, k, 0.0), heel - nodeHeel(curve, k));
}

double gzArea(const GzCurve& curve, double from, double to) {
  // The area from upright is even in the heel, the curve being odd.
  return (areaFromUpright(curve, std::fabs(to)) - areaFromUpright(curve, std::fabs(from))) *
         kDegree;
}

std::optional<double> gzCrossing(const GzCurve& curve, double level, double from, double to,
                                 bool downwards) {
  auto wanted = [&](double before) { return downwards ? before > 0.0 : before < 0.0; };
  // Whether the curve came to the piece's start from the side the crossing
  // leaves: a piece may end a rounding error short of the level its neighbour
  // starts on (a lever of zero at a sample), and the crossing is that node.
  bool cameWanted = false;
  for (int k = pieceOf(curve, from); k <= pieceCount(curve); ++k) {
    const double node = nodeHeel(curve, k);
    if (node >= to) break;
    const double lo = std::fmax(from, node) - node;
    const double hi = std::fmin(to, nodeHeel(curve, k + 1)) - node;
    const Cubic p = pieceCubic(curve, k, level);
    if (cameWanted && lo == 0.0 && !wanted(cubicValue(p, 0.0))) {
      return node;
    }
    const CubicCrossings crossings = cubicCrossings(p, lo, hi);
    double previous = lo;
    for (int i = 0; i < crossings.count; ++i) {
      const double t = crossings.t[static_cast<std::size_t>(i)];
      if (wanted(cubicValue(p, (previous + t) / 2.0))) return node + t;
      previous = t;
    }
    if (cubicValue(p, hi) == 0.0 && hi > previous && wanted(cubicValue(p, (previous + hi) / 2.0))) {
      return node + hi;
    }
    cameWanted = hi > previous && wanted(cubicValue(p, (previous + hi) / 2.0));
  }
  return std::nullopt;
}

GzPeak gzMaximum(const GzCurve& curve, double from, double to) {
  GzPeak peak{from, gzAt(curve, from)};
  auto consider = [&](double heel) {
    const double lever = gzAt(curve, heel);
    if (lever > peak.lever) peak = {heel, lever};
  };
  for (int k = pieceOf(curve, from); k <= pieceCount(curve); ++k) {
    const double node = nodeHeel(curve, k);
    if (node >= to) break;
    const double lo = std::fmax(from, node) - node;
    const double hi = std::fmin(to, nodeHeel(curve, k + 1)) - node;
    const Cubic p = pieceCubic(curve, k, 0.0);
    const Cubic slope{p[1], 2.0 * p[2], 3.0 * p[3], 0.0};
    const CubicCrossings turns = cubicCrossings(slope, lo, hi);
    for (int i = 0; i < turns.count; ++i) consider(node + turns.t[static_cast<std::size_t>(i)]);
    consider(node + hi);
  }
  return peak;
}

}  // namespace norvika
