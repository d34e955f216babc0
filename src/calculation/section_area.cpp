#include "calculation/section_area.h"

#include <array>

#include "numerics/gauss_legendre.h"

namespace norvika {

SectionCurve layOutSection(const HullModel& hull, int st, const StationSpline& spline) {
  SectionCurve curve;
  const int n = spline.n;
  for (int k = 1; k <= n; ++k) curve.z.push_back(spline.nodeZ(k));
  for (int k = 1; k < n; ++k) {
    SectionCurve::Piece piece;
    piece.vertical = hull.pointY(st, k + 1) == hull.pointY(st, k);
    piece.halfBreadth = hull.pointY(st, k);
    piece.c1 = spline.coef(1, k);
    piece.c2 = spline.coef(2, k);
    piece.c3 = spline.coef(3, k);
    piece.c4 = spline.coef(4, k);
    curve.pieces.push_back(piece);
  }
  curve.bottomHalfBreadth = hull.pointY(st, 1);
  curve.topHalfBreadth = hull.pointY(st, n);
  return curve;
}

std::vector<SectionCurve> layOutStations(const HullModel& hull) {
  std::vector<SectionCurve> curves;
  curves.reserve(static_cast<std::size_t>(hull.stationCount));
  for (int st = 1; st <= hull.stationCount; ++st) {
    StationSpline spline(hull.pointCount(st));
    fitCurveSpline(hull, st, spline);
    curves.push_back(layOutSection(hull, st, spline));
  }
  return curves;
}

double sectionArea(const SectionCurve& curve, double zw) {
  const double keel = curve.keel();
  if (zw <= keel) return 0.0;
  std::size_t k = 0;
  // The half-breadths at the 40 Gauss points of the four sub-intervals first,
  // bottom to top; then summed pair by pair, sub-interval by sub-interval, as
  // the rule adds them.
  const double h = (zw - keel) / 4.0;
  std::array<std::array<double, 5>, 4> above;  // at mid + x_g half
  std::array<std::array<double, 5>, 4> below;  // at mid - x_g half
  double half = 0.0;
  for (std::size_t i = 0; i < 4; ++i) {
    const double a = keel + static_cast<int>(i) * h;
    const double b = i == 3 ? zw : a + h;
    const double mid = (a + b) / 2.0;
    half = (b - a) / 2.0;
    for (std::size_t g = 5; g >= 1; --g)
      below[i][g - 1] = halfBreadthWalking(curve, mid - kGaussAbscissa[g] * half, k);
    for (std::size_t g = 1; g <= 5; ++g)
      above[i][g - 1] = halfBreadthWalking(curve, mid + kGaussAbscissa[g] * half, k);
  }
  double sum = 0.0;
  for (std::size_t i = 0; i < 4; ++i) {
    for (std::size_t g = 0; g < 5; ++g) sum += kGaussWeight[g + 1] * (above[i][g] + below[i][g]);
  }
  return 2.0 * (half * sum);
}

}  // namespace norvika
