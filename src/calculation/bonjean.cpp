#include "calculation/bonjean.h"

#include <algorithm>
#include <cmath>

#include "calculation/section_integrals.h"

namespace norvika {

namespace {

// The heights of a station's curves: equal steps from keel to deck and the
// station's points; a step within a micrometre of a point gives way to it.
std::vector<double> bonjeanHeights(const std::vector<double>& points, int steps) {
  const double keel = points.front();
  const double deck = points.back();
  std::vector<double> heights = points;
  for (int k = 1; k < steps; ++k) {
    const double z = keel + (deck - keel) * k / steps;
    const auto near = std::lower_bound(points.begin(), points.end(), z - 1e-6);
    if (near == points.end() || std::fabs(*near - z) > 1e-6) heights.push_back(z);
  }
  std::sort(heights.begin(), heights.end());
  return heights;
}

}  // namespace

BonjeanCurves computeBonjeanCurves(const HullModel& hull, int steps) {
  BonjeanCurves curves;
  for (int st = 1; st <= hull.stationCount; ++st) {
    StationSection section;
    prepareStationSection(hull, st, section);
    BonjeanStation station;
    station.station = st;
    station.x = hull.stationX(st);
    station.z = bonjeanHeights(section.curve.z, steps);
    for (const double z : station.z) {
      const SectionBelow below = sectionBelow(section, z);
      station.area.push_back(below.area);
      station.moment.push_back(below.moment);
    }
    curves.stations.push_back(std::move(station));
  }
  return curves;
}

}  // namespace norvika
