#pragma once

#include "numerics/station_spline.h"
#include "support/capacities.h"
#include "support/table.h"

namespace norvika {

/// The hull geometry as read from the hull data file. Rows 1..stationCount of
/// the point tables are the stations (height z, half-breadth y), row
/// stationCount+1 the stern contour and row stationCount+2 the bow contour
/// (height z, longitudinal position x from AP in pointY). Metres throughout.
struct HullModel {
  /// Room for `curves` curves of `records` points each: a hull as read holds
  /// just its own; the default takes the largest hull file.
  explicit HullModel(int curves = kMaxCurves, int records = kMaxRecords)
      : pointZ(curves, records), pointY(curves, records), pointCode(curves, records) {}

  int stationCount = 0;
  Table<double> stationX{kMaxStations};
  Table2<double> pointZ;
  Table2<double> pointY;
  Table2<double> pointCode;
  Table<int> pointCount{kMaxCurves};
  double maxHalfBreadth = 0.0;  // B: largest station half-breadth, not below 0
  double maxHeight = 0.0;       // D: largest station height, not below 0

  // Derived by computeHullExtents.
  Table<double> keelHeight{kMaxStations};
  Table<double> topHeight{kMaxStations};
  double minTopHeight = 0.0;

  int sternCurve() const { return stationCount + 1; }
  int bowCurve() const { return stationCount + 2; }
};

/// Fits curve `curve` of the hull (a station, or an end contour): see fitStationSpline.
void fitCurveSpline(const HullModel& hull, int curve, StationSpline& spline);

/// Derives keelHeight, topHeight, minTopHeight and sets maxHalfBreadth and
/// maxHeight from the stations (the end contours take no part).
void computeHullExtents(HullModel& hull);

}  // namespace norvika
