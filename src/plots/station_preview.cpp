#include "plots/station_preview.h"

#include <string>

#include "numerics/gauss_legendre.h"
#include "numerics/integration_spline.h"
#include "numerics/station_spline.h"
#include "platform/colour.h"
#include "plots/check_plots.h"
#include "plots/curve_sampling.h"
#include "plots/drawing_texts.h"
#include "plots/sampled_section.h"
#include "text/text_format.h"
#include "words/catalogue.h"

namespace norvika {

namespace {

// Levels from the base line up to the lowest deck edge of the ship.
constexpr int kLevelGrid = 30;

// The fitted section of one station, read as a half-breadth at any height.
struct SectionOffsets {
  const StationSpline& spline;
  double keel;  // m, lowest point
  double top;   // m, highest point
  double topOffset;

  // Half-breadth at height z (m): 0 below the keel, the top offset above the
  // deck edge, else the cubic of the first interval holding z, both ends
  // included. Increasing node heights always give an interval.
  double at(double z) const {
    if (z < keel) return 0;
    if (z > top) return topOffset;
    const Table<double>& nodeZ = spline.nodeZ;
    for (int j = 1; j <= spline.n - 1; ++j) {
      if (nodeZ(j) <= z && z <= nodeZ(j + 1)) {
        const double d = z - nodeZ(j);
        return cubicPieceValue(spline.coef, j, d);
      }
    }
    return 0;
  }
};

struct GaussResult {
  double area;    // m2, both sides
  double moment;  // m3 about the base line, both sides
};

// 10-point Gauss-Legendre rule for area and moment of the section between lo
// and hi (m). `sampled` is told every sample height with its half-breadth.
template <typename Sampled>
GaussResult integrateSection(const SectionOffsets& offsets, double lo, double hi, Sampled sampled) {
  const double mid = (lo + hi) / 2;
  const double h = (hi - lo) / 2;
  double S = 0;
  double Q = 0;
  forEachGaussPair(mid, h, [&](double weight, double zPlus, double zMinus) {
    const double yPlus = offsets.at(zPlus);
    sampled(zPlus, yPlus);
    const double yMinus = offsets.at(zMinus);
    sampled(zMinus, yMinus);
    S = S + weight * (yPlus + yMinus);
    Q = Q + weight * (zPlus * yPlus + zMinus * yMinus);
  });
  return {2 * h * S, 2 * h * Q};
}

void fillLevelGrid(const HullModel& hull, int station, StationLevels& levels) {
  levels.levelCount = kLevelGrid;
  for (int k = 1; k <= kLevelGrid; ++k) {
    levels.levelZ(k) = (k - 1) * hull.minTopHeight / (kLevelGrid - 1);
  }
  levels.levelZ(1) = 0;
  levels.levelZ(kLevelGrid) = hull.minTopHeight;
  // A station reaching above the lowest deck edge gets one more level at its own top.
  if (hull.topHeight(station) > hull.minTopHeight) {
    levels.levelCount = kLevelGrid + 1;
    levels.levelZ(kLevelGrid + 1) = hull.topHeight(station);
  }
}

void drawSection(Window& window, const StationSpline& spline, double topOffset, double step) {
  const Colour curve = qbColor(13);
  const SectionPoint last = drawSampledSection(window, spline, step, curve);
  // Close the curve to the top node, then the deck across the centre line.
  const double zTop = spline.nodeZ(spline.n);
  window.line(topOffset, zTop, last.y, last.z, curve);
  window.line(-topOffset, zTop, -last.y, last.z, curve);
  window.line(topOffset, zTop, -topOffset, zTop, qbColor(9));
}

}  // namespace

StationLevels showStationPreview(Platform& platform, const HullModel& hull, int station,
                                 double shipLength, double stationDivisions) {
  const double B = drawableExtent(hull.maxHalfBreadth);
  const double D = drawableExtent(hull.maxHeight);
  const double L = drawableExtent(shipLength);

  Window& window = platform.window(WindowId::Report);
  drawCheckFrame(window, B, D);
  window.describe(std::string(text(Text::DrawingPreviewCaption)) + " " + std::to_string(station),
                  std::string(texts::steps::kPreviewName) + (station < 10 ? "-0" : "-") +
                      std::to_string(station),
                  FrameRole::Step);
  const double x = hull.stationX(station);
  window.setCurrent(-2.5 * B, -0.15 * D);
  window.print(text(
      Text::StationPreviewLine,
      {padInteger(station, 2), formatFixed(stationDivisions * x / L, 3, 3), formatFixed(x, 3, 3)}));
  window.drawWidth(1);
  StationLevels levels;
  if (!window.keepsDrawing()) return levels;

  StationSpline spline;
  fitCurveSpline(hull, station, spline);
  const int n = spline.n;
  const SectionOffsets offsets{spline, hull.keelHeight(station), hull.topHeight(station),
                               hull.pointY(station, n)};
  fillLevelGrid(hull, station, levels);
  if (n >= 1) drawSection(window, spline, offsets.topOffset, D / 50);

  // The part under the base line is filled with its sample lines and joins
  // level 1 only after level 1's marker.
  GaussResult bottom{0, 0};
  if (n >= 1 && spline.nodeZ(1) < 0) {
    bottom = integrateSection(offsets, spline.nodeZ(1), 0,
                              [&](double z, double y) { window.line(-y, z, y, z, qbColor(9)); });
  }

  for (int k = 1; k <= levels.levelCount; ++k) {
    const double z = levels.levelZ(k);
    double deltaArea = 0;
    double deltaMoment = 0;
    const Colour colour = static_cast<Colour>(2000 * k);
    if (n >= 1 && !(z < spline.nodeZ(1)) && !(z > spline.nodeZ(n))) {
      double lo = k == 1 ? 0.0 : levels.levelZ(k - 1);
      if (lo < offsets.keel) lo = offsets.keel;
      const double hi = z;
      if (hi > offsets.keel) window.line(-offsets.at(hi), hi, offsets.at(hi), hi, colour);
      const GaussResult slice = integrateSection(offsets, lo, hi, [](double, double) {});
      deltaArea = slice.area < 0 ? 0 : slice.area;
      deltaMoment = slice.moment < 0 ? 0 : slice.moment;
    }
    levels.levelArea(k) = levels.levelArea(k - 1) + deltaArea;
    levels.levelMoment(k) = levels.levelMoment(k - 1) + deltaMoment;

    if (levels.levelArea(k) > 0) {
      const double R = B / 75;
      const double zc = levels.levelMoment(k) / levels.levelArea(k);
      window.circle(0, zc, R / 2, colour);
      window.circle(0, zc, R, colour);
      window.circle(0, zc, R / 4, colour);
    }
    if (k == 1) {
      levels.levelArea(1) = levels.levelArea(1) + bottom.area;
      levels.levelMoment(1) = levels.levelMoment(1) + bottom.moment;
    }
  }
  return levels;
}

}  // namespace norvika
