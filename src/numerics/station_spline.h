#pragma once

#include <span>

#include "numerics/integration_spline.h"

namespace norvika {

/// One curve of the hull as a piecewise cubic of height: node count n, node
/// heights nodeZ(1..n) and coefficients (coef(1, k) is the offset at nodeZ(k)).
struct StationSpline {
  /// Room for curves of up to `capacity` points.
  explicit StationSpline(int capacity = kMaxRecords) : nodeZ(capacity), coef(capacity) {}
  int n = 0;
  Table<double> nodeZ;
  SplineCoefficients coef;
};

/// Fits a curve of the hull (a station, or an end contour) given by its point
/// heights z (m, strictly rising), offsets y (m) and point codes, all of one
/// length, as separate cubic pieces between its break points (code 0);
/// two-point pieces are lines.
void fitStationSpline(std::span<const double> z, std::span<const double> y,
                      std::span<const double> code, StationSpline& spline);

/// The piece of a fitted curve holding z: the k in 1..n-1 with
/// nodeZ(k) <= z < nodeZ(k+1), or 0 when there is none. The node heights rise
/// strictly, so at most one piece holds z, and halving the range finds it.
/// Inline: the area integration asks for it forty times per station and step.
inline int findInterval(const StationSpline& spline, double z) {
  const Table<double>& nodeZ = spline.nodeZ;
  const int n = spline.n;
  if (n < 2 || !(nodeZ(1) <= z && z < nodeZ(n))) return 0;
  int low = 1;
  int high = n;  // nodeZ(low) <= z < nodeZ(high)
  while (high - low > 1) {
    const int middle = (low + high) / 2;
    if (nodeZ(middle) <= z) {
      low = middle;
    } else {
      high = middle;
    }
  }
  return low;
}

/// Offset of a fitted curve at height z by evaluateSpline; `fallback` when z
/// lies outside the node range.
double splineOffset(const StationSpline& spline, double z, double fallback = 0.0);

}  // namespace norvika
