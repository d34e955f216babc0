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
  const double* z = curve.z.data();
  const std::size_t top = curve.z.size() - 1;
  // Half-breadth at height t: the node's own half-breadth at the lowest and
  // highest node, nothing outside the section, else the piece holding t,
  // walked to from the piece of the height before: heights asked in rising
  // order cost one walk up the section.
  std::size_t k = 0;
  const auto halfBreadthAt = [&](double t) {
    if (t == z[0]) return curve.bottomHalfBreadth;
    if (t == z[top]) return curve.topHalfBreadth;
    if (top == 0 || !(z[0] <= t && t < z[top])) return 0.0;
    while (t < z[k]) --k;
    while (t >= z[k + 1]) ++k;
    const SectionCurve::Piece& p = curve.pieces[k];
    if (p.vertical) return p.halfBreadth;
    const double d = t - z[k];
    return p.c1 + d * (p.c2 + d * (p.c3 + d * p.c4 / 3.0) / 2.0);
  };

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
      below[i][g - 1] = halfBreadthAt(mid - kGaussAbscissa[g] * half);
    for (std::size_t g = 1; g <= 5; ++g)
      above[i][g - 1] = halfBreadthAt(mid + kGaussAbscissa[g] * half);
  }
  double sum = 0.0;
  for (std::size_t i = 0; i < 4; ++i) {
    for (std::size_t g = 0; g < 5; ++g) sum += kGaussWeight[g + 1] * (above[i][g] + below[i][g]);
  }
  return 2.0 * (half * sum);
}

}  // namespace norvika
