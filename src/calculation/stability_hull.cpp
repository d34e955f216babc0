#include "calculation/stability_hull.h"

#include <cmath>

#include "numerics/gauss_legendre.h"
#include "numerics/integration_spline.h"

namespace norvika {

namespace {

// The waterplane's line in each station's plane, its heel's sine and cosine
// worked once.
struct PlaneLines {
  explicit PlaneLines(const Waterplane& plane, double midship)
      : plane_(plane),
        midship_(midship),
        sin_(std::sin(plane.heel * kDegree)),
        cos_(std::cos(plane.heel * kDegree)) {}
  InclinedWaterline at(double x) const {
    return {sin_, cos_, plane_.height + plane_.trimSlope * (x - midship_)};
  }

 private:
  Waterplane plane_;
  double midship_, sin_, cos_;
};

// What each station gives, to be integrated along the ship.
struct StationValues {
  Table<double> area{kMaxStations};
  Table<double> areaX{kMaxStations};
  Table<double> momentY{kMaxStations};
  Table<double> momentZ{kMaxStations};
  Table<double> breadth{kMaxStations};
  Table<double> breadthLever{kMaxStations};   // breadth (x - L/2)
  Table<double> breadthX{kMaxStations};       // breadth x
  Table<double> breadthXLever{kMaxStations};  // breadth x (x - L/2)
};

}  // namespace

StabilityHull prepareStabilityHull(const HullModel& hull, double shipLength, double density) {
  StabilityHull prepared;
  prepared.shipLength = shipLength;
  prepared.density = density;
  prepared.stationCount = hull.stationCount;
  Table<double> area(kMaxStations);
  const std::vector<SectionCurve> curves = layOutStations(hull);
  for (int st = 1; st <= hull.stationCount; ++st) {
    prepared.stationX(st) = hull.stationX(st);
    prepared.outlines.push_back(outlineOfSection(curves[static_cast<std::size_t>(st - 1)]));
    area(st) = prepared.outlines.back().whole.area;
  }
  prepared.enclosedVolume = integrateTabulated(hull.stationCount, prepared.stationX, area);
  return prepared;
}

Immersed immerse(const StabilityHull& hull, const Waterplane& plane) {
  const int n = hull.stationCount;
  const double midship = hull.shipLength / 2.0;
  const double side = plane.heel < 0.0 ? -1.0 : 1.0;
  const PlaneLines lines(plane, midship);
  StationValues v;
  Immersed result;
  result.deckEdgeDepth = -INFINITY;
  for (int st = 1; st <= n; ++st) {
    const double x = hull.stationX(st);
    const SectionOutline& outline = hull.outlines[static_cast<std::size_t>(st - 1)];
    const InclinedWaterline line = lines.at(x);
    const SectionCut cut = cutSection(outline, line);
    v.area(st) = cut.area;
    v.areaX(st) = cut.area * x;
    v.momentY(st) = cut.momentY;
    v.momentZ(st) = cut.momentZ;
    v.breadth(st) = cut.waterlineBreadth;
    v.breadthLever(st) = cut.waterlineBreadth * (x - midship);
    v.breadthX(st) = cut.waterlineBreadth * x;
    v.breadthXLever(st) = cut.waterlineBreadth * x * (x - midship);
    const double deckEdgeDepth =
        line.height + line.sinHeel * side * outline.deckEdgeY - line.cosHeel * outline.deckEdgeZ;
    if (deckEdgeDepth > result.deckEdgeDepth) {
      result.deckEdgeDepth = deckEdgeDepth;
      result.deckEdgeStation = st;
    }
  }
  auto alongShip = [&](const Table<double>& values) {
    return integrateTabulated(n, hull.stationX, values);
  };
  result.volume = alongShip(v.area);
  if (result.volume != 0.0) {
    result.lcb = alongShip(v.areaX) / result.volume;
    result.tcb = alongShip(v.momentY) / result.volume;
    result.vcb = alongShip(v.momentZ) / result.volume;
  }
  result.volumePerHeight = alongShip(v.breadth);
  result.volumePerTrim = alongShip(v.breadthLever);
  result.momentXPerHeight = alongShip(v.breadthX);
  result.momentXPerTrim = alongShip(v.breadthXLever);
  return result;
}

HeightBounds heightBounds(const StabilityHull& hull, const Waterplane& plane) {
  HeightBounds bounds{INFINITY, -INFINITY};
  const double midship = hull.shipLength / 2.0;
  const PlaneLines lines(plane, midship);
  for (int st = 1; st <= hull.stationCount; ++st) {
    const SectionOutline& outline = hull.outlines[static_cast<std::size_t>(st - 1)];
    if (outline.edges.empty()) continue;
    const double x = hull.stationX(st);
    const InclinedWaterline line = lines.at(x);
    const HeightSpan span = heightSpan(outline, line);
    const double shift = plane.trimSlope * (x - midship);
    bounds.dry = std::fmin(bounds.dry, span.least - shift);
    bounds.submerged = std::fmax(bounds.submerged, span.greatest - shift);
  }
  return bounds;
}

double leverAboutKeel(const Immersed& immersed, double heel) {
  return immersed.tcb * std::cos(heel * kDegree) + immersed.vcb * std::sin(heel * kDegree);
}

}  // namespace norvika
