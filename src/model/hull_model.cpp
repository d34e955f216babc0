#include "model/hull_model.h"

namespace norvika {

void fitCurveSpline(const HullModel& hull, int curve, StationSpline& spline) {
  const auto n = static_cast<std::size_t>(hull.pointCount(curve));
  fitStationSpline({&hull.pointZ(curve, 1), n}, {&hull.pointY(curve, 1), n},
                   {&hull.pointCode(curve, 1), n}, spline);
}

void computeHullExtents(HullModel& hull) {
  for (int i = 1; i <= hull.stationCount; ++i) {
    hull.keelHeight(i) = hull.pointZ(i, 1);
    hull.topHeight(i) = hull.pointZ(i, hull.pointCount(i));
  }
  hull.maxHalfBreadth = 0.0;
  hull.maxHeight = 0.0;
  hull.minTopHeight = hull.topHeight(1);
  for (int i = 1; i <= hull.stationCount; ++i) {
    for (int j = 1; j <= hull.pointCount(i); ++j) {
      if (hull.pointY(i, j) > hull.maxHalfBreadth) hull.maxHalfBreadth = hull.pointY(i, j);
      if (hull.pointZ(i, j) > hull.maxHeight) hull.maxHeight = hull.pointZ(i, j);
    }
    if (hull.topHeight(i) < hull.minTopHeight) hull.minTopHeight = hull.topHeight(i);
  }
}

}  // namespace norvika
