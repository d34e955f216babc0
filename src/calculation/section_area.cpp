#include "calculation/section_area.h"

#include <algorithm>
#include <array>

#include "numerics/gauss_legendre.h"

namespace norvika {

SectionCurve layOutSection(const HullModel& hull, int st, const StationSpline& spline) {
  SectionCurve curve;
  const int n = spline.n;
  curve.z.resize(static_cast<std::size_t>(n));
  curve.pieces.resize(static_cast<std::size_t>(std::max(n - 1, 0)));
  for (int k = 1; k <= n; ++k) curve.z[static_cast<std::size_t>(k - 1)] = spline.nodeZ(k);
  for (int k = 1; k < n; ++k) {
    SectionCurve::Piece& piece = curve.pieces[static_cast<std::size_t>(k - 1)];
    piece.vertical = hull.pointY(st, k + 1) == hull.pointY(st, k);
    piece.halfBreadth = hull.pointY(st, k);
    piece.c1 = spline.coef(1, k);
    piece.c2 = spline.coef(2, k);
    piece.c3 = spline.coef(3, k);
    piece.c4 = spline.coef(4, k);
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

namespace {

// One of sectionArea's four equal sub-intervals: its middle and half width (m).
struct SubInterval {
  double mid = 0.0;
  double half = 0.0;
  double lowest() const { return mid - kGaussAbscissa[5] * half; }
  double highest() const { return mid + kGaussAbscissa[5] * half; }
};

// The rule's sum over the sub-intervals with the half-breadths halfBreadth(t)
// gives: the pairs weighted and added pair by pair, sub-interval by
// sub-interval. The points are taken bottom to top (the five below a middle
// first), so that a walk up the section finds each one's piece.
template <typename HalfBreadth>
double gaussSum(const std::array<SubInterval, 4>& parts, HalfBreadth halfBreadth) {
  double sum = 0.0;
  for (const SubInterval& s : parts) {
    std::array<double, 6> below;
    for (std::size_t g = 5; g >= 1; --g) below[g] = halfBreadth(s.mid - kGaussAbscissa[g] * s.half);
    for (std::size_t g = 1; g <= 5; ++g) {
      sum += kGaussWeight[g] * (halfBreadth(s.mid + kGaussAbscissa[g] * s.half) + below[g]);
    }
  }
  return sum;
}

}  // namespace

double sectionArea(const SectionCurve& curve, double zw) {
  const double keel = curve.keel();
  if (zw <= keel) return 0.0;
  const double h = (zw - keel) / 4.0;
  std::array<SubInterval, 4> parts;
  for (std::size_t i = 0; i < 4; ++i) {
    const double a = keel + static_cast<int>(i) * h;
    const double b = i == 3 ? zw : a + h;
    parts[i] = {(a + b) / 2.0, (b - a) / 2.0};
  }
  // Where the points rise and lie strictly between the lowest and the highest
  // node, one walk up finds each point's piece and the checks at the ends are
  // left out: the same pieces as halfBreadthWalking finds, so the same bits.
  // Within a sub-interval of half >= 0 the points rise, rounding being
  // monotonic; then they rise throughout where each sub-interval's highest
  // point is not above the next one's lowest. Only a waterline a few units of
  // the last place above the keel can fail that.
  const double* z = curve.z.data();
  const std::size_t top = curve.z.size() - 1;
  bool inside = top > 0 && parts[0].lowest() > z[0] && parts[3].highest() < z[top];
  for (std::size_t i = 0; i < 4; ++i) {
    inside =
        inside && parts[i].half >= 0.0 && (i == 0 || parts[i - 1].highest() <= parts[i].lowest());
  }
  std::size_t k = 0;
  const double sum =
      inside ? gaussSum(parts,
                        [&](double t) {
                          while (t >= z[k + 1]) ++k;
                          return pieceHalfBreadth(curve.pieces[k], t - z[k]);
                        })
             : gaussSum(parts, [&](double t) { return halfBreadthWalking(curve, t, k); });
  return 2.0 * (parts[3].half * sum);
}

}  // namespace norvika
