#pragma once

// Hulls of closed form for the hydrostatics tests, built in memory.

#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "model/hull_model.h"

namespace norvika::hydrotest {

using Section = std::vector<std::pair<double, double>>;  // (height, half-breadth) from the keel up

// `stations` equally spaced from 0 to `length`, each with the section
// `sectionAt(x)`; a point after which the curve turns (a knuckle) is marked by
// a negative height in the section, stored as its absolute value with code 0.
inline std::unique_ptr<HullModel> hullOf(int stations, double length,
                                         const std::function<Section(double)>& sectionAt) {
  auto hull = std::make_unique<HullModel>();
  hull->stationCount = stations;
  for (int st = 1; st <= stations; ++st) {
    const double x = length * (st - 1) / (stations - 1);
    const Section section = sectionAt(x);
    hull->stationX(st) = x;
    hull->pointCount(st) = static_cast<int>(section.size());
    for (int k = 1; k <= hull->pointCount(st); ++k) {
      const auto [z, y] = section[static_cast<std::size_t>(k - 1)];
      hull->pointZ(st, k) = z < 0.0 ? -z : z;
      hull->pointY(st, k) = y;
      hull->pointCode(st, k) = z < 0.0 ? 0.0 : 1.0;
    }
  }
  for (const int curve : {hull->sternCurve(), hull->bowCurve()}) {
    hull->pointCount(curve) = 1;
    hull->pointY(curve, 1) = curve == hull->sternCurve() ? 0.0 : length;
  }
  computeHullExtents(*hull);
  return hull;
}

// A box barge: rectangles of half-breadth b from the keel at 0 to the deck.
inline std::unique_ptr<HullModel> boxBarge(int stations, double length, double b, double deck) {
  return hullOf(stations, length, [&](double) { return Section{{0.0, b}, {deck, b}}; });
}

// The Wigley hull y = (B/2)(1 - (2x'/L)^2)(1 - (d/T)^2), x' from L/2 and d the
// depth below the waterline at T: seven heights from the keel to T on that
// parabola (a knuckle at T), wall-sided above it to the deck at 1.5 T.
inline std::unique_ptr<HullModel> wigleyHull(int stations, double length, double breadth,
                                             double draft) {
  return hullOf(stations, length, [=](double x) {
    const double u = 2.0 * x / length - 1.0;
    const double b = breadth / 2.0 * (1.0 - u * u);
    Section section;
    for (int k = 0; k <= 6; ++k) {
      const double h = draft * k / 6.0;
      const double d = 1.0 - h / draft;
      section.emplace_back(k == 6 ? -h : h, b * (1.0 - d * d));
    }
    section.emplace_back(1.25 * draft, b);
    section.emplace_back(1.5 * draft, b);
    return section;
  });
}

}  // namespace norvika::hydrotest
