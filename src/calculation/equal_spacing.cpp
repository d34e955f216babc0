#include "calculation/equal_spacing.h"

#include <cmath>
#include <limits>

#include "numerics/table_interpolation.h"

namespace norvika {

namespace {

// Each correction closes the gap by the share of points inside the stations;
// even one point inside among 2500 converges long before this.
constexpr int kCorrectionLimit = 100000;

double pointPosition(const TaskParameters& task, int k) {
  const double spacing =
      (task.equalEnd - task.equalStart) / static_cast<double>(task.equalPointCount - 1);
  return task.equalStart + (k - 1) * spacing;
}

bool outsideStations(const HullModel& hull, double x) {
  return x < hull.stationX(1) || x > hull.stationX(hull.stationCount);
}

}  // namespace

bool equalRangeMeetsStations(const TaskParameters& task, const HullModel& hull) {
  for (int k = 1; k <= task.equalPointCount; ++k) {
    if (!outsideStations(hull, pointPosition(task, k))) return true;
  }
  return task.equalPointCount == 0;
}

std::optional<EqualSpacing> resampleEqualSpacing(const TaskParameters& task, const HullModel& hull,
                                                 const Table<double>& stationArea,
                                                 double displacement) {
  const int n = task.equalPointCount;
  const int stations = hull.stationCount;
  Table<double> stationX(kMaxStations);
  Table<double> buoyancy(kMaxStations);
  for (int st = 1; st <= stations; ++st) {
    stationX(st) = hull.stationX(st);
    buoyancy(st) = task.waterDensity * stationArea(st);
  }

  // The spline through all stations, fitted once for every point.
  const SplineTable spline(stations, stationX, buoyancy);
  EqualSpacing out;
  out.count = n;
  for (int k = 1; k <= n; ++k) {
    out.x(k) = pointPosition(task, k);
    out.v(k) = 0.0;
    if (!outsideStations(hull, out.x(k))) {
      spline.interpolate(out.x(k), out.v(k));
    }
  }

  const double target = displacement;
  // Values that are all non-negative are moved by a common shift that closes
  // part of the gap and never overshoots: a gap that then stops shrinking can
  // never be closed (values held at zero, or a displacement too large for
  // 0.01 t to be told apart). Values below zero, where the spline through the
  // stations dips between dry end stations, are lifted to zero by the first
  // correction, which may widen the gap once; that correction is not judged.
  // The share of the gap a correction leaves never falls as the values come
  // down to zero, so it also tells early whether the correction limit would
  // be reached first.
  double previousGap = std::numeric_limits<double>::infinity();
  bool negativeValues = false;
  for (int k = 1; k <= n; ++k) negativeValues = negativeValues || out.v(k) < 0.0;
  for (int correction = 0;; ++correction) {
    out.span = out.x(n) - out.x(1);
    double running = 0.0;
    for (int k = 1; k <= n - 1; ++k) running += (out.v(k) + out.v(k + 1)) / 2.0;
    out.displacement = out.span * running / (n - 1);
    const double diff = target - out.displacement;
    const double gap = std::fabs(diff);
    if (gap < 0.01) break;
    const bool judged = !negativeValues && std::isfinite(previousGap);
    const bool narrowing = !judged || gap < previousGap;
    const double correctionsNeeded =
        judged && narrowing ? std::log(0.01 / gap) / std::log(gap / previousGap) : 0.0;
    if (correction >= kCorrectionLimit || !narrowing ||
        correctionsNeeded > 1.1 * (kCorrectionLimit - correction)) {
      return std::nullopt;
    }
    previousGap = negativeValues ? std::numeric_limits<double>::infinity() : gap;
    negativeValues = false;
    for (int k = 1; k <= n; ++k) {
      out.v(k) += diff / out.span;
      if (out.v(k) < 0.0) out.v(k) = 0.0;
      if (outsideStations(hull, out.x(k))) out.v(k) = 0.0;
    }
  }

  double moment = 0.0;
  double sum = 0.0;
  for (int k = 1; k <= n; ++k) {
    moment += out.x(k) * out.v(k);
    sum += out.v(k);
  }
  // No buoyancy at any point leaves no centre to speak of; report the AP.
  out.centre = sum != 0.0 ? moment / sum : 0.0;
  return out;
}

}  // namespace norvika
