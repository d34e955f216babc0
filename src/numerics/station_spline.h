#pragma once

#include "hull/hull_model.h"
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

/// Fits curve `curve` of the hull (a station, or an end contour) as separate
/// cubic pieces between its break points (code 0); two-point pieces are lines.
void fitStationSpline(int curve, const HullModel& hull, StationSpline& spline);

/// Offset of a fitted curve at height z by evaluateSpline; `fallback` when z
/// lies outside the node range.
double splineOffset(const StationSpline& spline, double z, double fallback = 0.0);

}  // namespace norvika
