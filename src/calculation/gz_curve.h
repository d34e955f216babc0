#pragma once

#include <optional>
#include <vector>

#include "numerics/integration_spline.h"

namespace norvika {

/// A curve of righting levers: the samples (heel in degrees, rising from 0;
/// lever in m) and the not-a-knot cubic spline through them, in degrees. A
/// symmetric hull heels alike to both sides, so the curve is odd: at a
/// negative heel the lever is the negated lever at the positive one.
struct GzCurve {
  std::vector<double> heels;   // degrees
  std::vector<double> levers;  // m
  SplineCoefficients spline{0};
  double lastHeel() const { return heels.empty() ? 0.0 : heels.back(); }
};

/// The curve through the samples: heels rising from 0, at least two.
GzCurve fitGzCurve(std::vector<double> heels, std::vector<double> levers);

/// The lever at `heel` (degrees, within -lastHeel..lastHeel), m.
double gzAt(const GzCurve& curve, double heel);

/// The area under the curve from `from` to `to` (degrees, within
/// -lastHeel..lastHeel), m rad: the spline integrated exactly.
double gzArea(const GzCurve& curve, double from, double to);

/// The first heel in (from, to] (degrees, 0 <= from < to <= lastHeel) at which
/// the lever passes `level` (m) downwards (from above to at or below it) or,
/// with downwards false, upwards (from below to at or above it).
std::optional<double> gzCrossing(const GzCurve& curve, double level, double from, double to,
                                 bool downwards);

/// The greatest lever on [from, to] (degrees, 0 <= from <= to <= lastHeel) and
/// the first heel where the curve takes it.
struct GzPeak {
  double heel = 0.0;   // degrees
  double lever = 0.0;  // m
};
GzPeak gzMaximum(const GzCurve& curve, double from, double to);

}  // namespace norvika
