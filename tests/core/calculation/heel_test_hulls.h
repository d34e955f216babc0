#pragma once

#include <cmath>
#include <utility>
#include <vector>

#include "plots/heel_plot.h"
#include "calculation/heeled_station.h"
#include "model/hull_model.h"
#include "numerics/station_spline.h"

namespace norvika::heeltest {

inline double tanDeg(double degrees) { return std::tan(degrees * 0.0174532925199433); }

// Stations of one shape at the given positions; each station is the polyline
// of (height, half-breadth) points, all smooth (no break points).
inline HullModel hullOf(const std::vector<std::pair<double, double>>& points,
                        const std::vector<double>& stationX) {
  HullModel hull;
  hull.stationCount = static_cast<int>(stationX.size());
  for (int st = 1; st <= hull.stationCount; ++st) {
    hull.stationX(st) = stationX[st - 1];
    hull.pointCount(st) = static_cast<int>(points.size());
    for (int k = 1; k <= hull.pointCount(st); ++k) {
      hull.pointZ(st, k) = points[k - 1].first;
      hull.pointY(st, k) = points[k - 1].second;
      hull.pointCode(st, k) = 1.0;
    }
  }
  computeHullExtents(hull);
  return hull;
}

// A wall-sided box section: flat bottom of half-breadth b at z = keel, sides up
// to the deck at z = deck.
inline std::vector<std::pair<double, double>> boxSection(double b, double deck, double keel = 0.0) {
  std::vector<std::pair<double, double>> points;
  for (int k = 0; k <= 4; ++k) points.emplace_back(keel + (deck - keel) * k / 4.0, b);
  return points;
}

inline HullModel boxHull(double b, double deck, const std::vector<double>& stationX = {0.0}) {
  return hullOf(boxSection(b, deck), stationX);
}

// One station through the heeled pipeline: ends, mirror, half-section
// integrals, area and moments, with the fitted spline it was cut from.
struct StationCut : HeeledStation {
  StationSpline spline;
};

inline StationCut heelStation(const HullModel& hull, int station, double z0, double heel) {
  StationCut s;
  fitCurveSpline(hull, station, s.spline);
  computeHeeledStation(s.spline, heel, z0, s);
  return s;
}

}  // namespace norvika::heeltest
