#include "numerics/station_spline.h"

namespace norvika {

namespace {

// The first break point (code 0) in from..n, 1-based; a break on the curve's
// first point is ignored, since no piece can end there. Returns 0 when there is none.
int nextBreak(std::span<const double> code, int from, int n) {
  for (int k = from < 2 ? 2 : from; k <= n; ++k) {
    if (code[static_cast<std::size_t>(k - 1)] == 0.0) return k;
  }
  return 0;
}

}  // namespace

void fitStationSpline(std::span<const double> zs, std::span<const double> ys,
                      std::span<const double> code, StationSpline& spline) {
  const int n = static_cast<int>(zs.size());
  spline.n = n;
  auto y = [&](int k) { return ys[static_cast<std::size_t>(k - 1)]; };
  auto z = [&](int k) { return zs[static_cast<std::size_t>(k - 1)]; };
  for (int k = 1; k <= n; ++k) spline.nodeZ(k) = z(k);
  SplineCoefficients& coef = spline.coef;

  int k1 = nextBreak(code, 1, n);
  if (k1 == 0) {
    for (int k = 1; k <= n; ++k) coef(1, k) = y(k);
    fitCubicSpline(n, spline.nodeZ, coef, kNotAKnot, kNotAKnot);
    return;
  }

  if (k1 == 2) {
    coef(1, 1) = y(1);
    coef(2, 1) = (y(2) - y(1)) / (z(2) - z(1) + 1e-7);
    coef(3, 1) = 0.0;
    coef(4, 1) = 0.0;
    coef(1, 2) = y(2);
  } else {
    for (int k = 1; k <= k1; ++k) coef(1, k) = y(k);
    fitCubicSpline(k1, spline.nodeZ, coef, kNotAKnot, kNotAKnot);
  }

  Table<double> pieceZ(kMaxRecords);
  SplineCoefficients piece(kMaxRecords);
  while (k1 < n) {
    int k2 = nextBreak(code, k1 + 1, n);
    if (k2 == 0) k2 = n;
    const int m = k2 - k1 + 1;
    for (int k = k1; k <= k2; ++k) {
      piece(1, k - k1 + 1) = y(k);
      pieceZ(k - k1 + 1) = z(k);
    }
    if (m == 2) {
      piece(1, 1) = y(k1);
      piece(2, 1) = (y(k1 + 1) - y(k1)) / (z(k1 + 1) - z(k1) + 1e-4);
      piece(3, 1) = 0.0;
      piece(4, 1) = 0.0;
    } else {
      fitCubicSpline(m, pieceZ, piece, kNotAKnot, kNotAKnot);
    }
    // The break node takes the coefficients of the piece above it.
    for (int k = k1; k <= k2; ++k) {
      for (int row = 1; row <= 4; ++row) coef(row, k) = piece(row, k - k1 + 1);
    }
    const int next = nextBreak(code, k2, n);
    if (next == 0) break;
    k1 = next;
  }
}

double splineOffset(const StationSpline& spline, double z, double fallback) {
  double result = fallback;
  evaluateSpline(spline.n, z, result, spline.nodeZ, spline.coef);
  return result;
}

}  // namespace norvika
