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

// The run's rule along the ship is linear in the values, so it is a weighted
// sum: the weights are the integrals of each station's unit value.
std::vector<double> alongShipWeights(int n, const Table<double>& x) {
  std::vector<double> weights;
  Table<double> unit(n);
  for (int st = 1; st <= n; ++st) {
    unit(st) = 1.0;
    weights.push_back(integrateTabulated(n, x, unit));
    unit(st) = 0.0;
  }
  return weights;
}

}  // namespace

StabilityHull prepareStabilityHull(const HullModel& hull, double shipLength, double density) {
  StabilityHull prepared;
  prepared.shipLength = shipLength;
  prepared.density = density;
  prepared.stationCount = hull.stationCount;
  const std::vector<SectionCurve> curves = layOutStations(hull);
  for (int st = 1; st <= hull.stationCount; ++st) prepared.stationX(st) = hull.stationX(st);
  prepared.weights = alongShipWeights(hull.stationCount, prepared.stationX);
  for (std::size_t i = 0; i < curves.size(); ++i) {
    prepared.outlines.push_back(outlineOfSection(curves[i]));
    prepared.enclosedVolume += prepared.weights[i] * prepared.outlines.back().whole.area;
  }
  return prepared;
}

Immersed immerse(const StabilityHull& hull, const Waterplane& plane) {
  const double midship = hull.shipLength / 2.0;
  const double side = plane.heel < 0.0 ? -1.0 : 1.0;
  const PlaneLines lines(plane, midship);
  Immersed r;
  r.deckEdgeDepth = -INFINITY;
  double momentX = 0.0, momentY = 0.0, momentZ = 0.0;
  for (int st = 1; st <= hull.stationCount; ++st) {
    const auto i = static_cast<std::size_t>(st - 1);
    const double x = hull.stationX(st), w = hull.weights[i];
    const SectionOutline& outline = hull.outlines[i];
    const InclinedWaterline line = lines.at(x);
    const SectionCut cut = cutSection(outline, line);
    r.volume += w * cut.area;
    momentX += w * cut.area * x;
    momentY += w * cut.momentY;
    momentZ += w * cut.momentZ;
    r.volumePerHeight += w * cut.waterlineBreadth;
    r.volumePerTrim += w * cut.waterlineBreadth * (x - midship);
    r.momentXPerHeight += w * cut.waterlineBreadth * x;
    r.momentXPerTrim += w * cut.waterlineBreadth * x * (x - midship);
    const double deckEdgeDepth =
        line.height + line.sinHeel * side * outline.deckEdgeY - line.cosHeel * outline.deckEdgeZ;
    if (deckEdgeDepth > r.deckEdgeDepth) {
      r.deckEdgeDepth = deckEdgeDepth;
      r.deckEdgeStation = st;
    }
  }
  if (r.volume != 0.0) {
    r.lcb = momentX / r.volume;
    r.tcb = momentY / r.volume;
    r.vcb = momentZ / r.volume;
  }
  return r;
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
