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

// The 40 Gauss points of sectionArea, bottom to top: per sub-interval the
// five below its middle, then the five above.
using GaussHeights = std::array<double, 40>;

// Half-breadths at the heights, each as halfBreadthWalking gives it. Where
// they rise and lie strictly between the lowest and the highest node, one
// walk up finds each height's piece and the checks at the ends are left out:
// the same pieces, so the same bits.
void halfBreadthsAt(const SectionCurve& curve, const GaussHeights& t, bool rising,
                    GaussHeights& y) {
  const double* z = curve.z.data();
  const std::size_t top = curve.z.size() - 1;
  std::size_t k = 0;
  if (rising && top > 0 && t.front() > z[0] && t.back() < z[top]) {
    for (std::size_t i = 0; i < t.size(); ++i) {
      while (t[i] >= z[k + 1]) ++k;
      y[i] = pieceHalfBreadth(curve.pieces[k], t[i] - z[k]);
    }
    return;
  }
  for (std::size_t i = 0; i < t.size(); ++i) y[i] = halfBreadthWalking(curve, t[i], k);
}

}  // namespace

double sectionArea(const SectionCurve& curve, double zw) {
  const double keel = curve.keel();
  if (zw <= keel) return 0.0;
  // The half-breadths at the 40 Gauss points of the four sub-intervals first,
  // bottom to top; then summed pair by pair, sub-interval by sub-interval, as
  // the rule adds them.
  const double h = (zw - keel) / 4.0;
  GaussHeights heights;
  double half = 0.0;
  // Within a sub-interval of half >= 0 the points rise, rounding being
  // monotonic; then they rise throughout where each sub-interval's top point
  // is not above the next one's bottom point. Only a waterline a few units
  // of the last place above the keel can fail that.
  bool rising = true;
  for (std::size_t i = 0; i < 4; ++i) {
    const double a = keel + static_cast<int>(i) * h;
    const double b = i == 3 ? zw : a + h;
    const double mid = (a + b) / 2.0;
    half = (b - a) / 2.0;
    for (std::size_t g = 1; g <= 5; ++g) {
      heights[10 * i + 5 - g] = mid - kGaussAbscissa[g] * half;
      heights[10 * i + 4 + g] = mid + kGaussAbscissa[g] * half;
    }
    rising = rising && half >= 0.0 && (i == 0 || heights[10 * i - 1] <= heights[10 * i]);
  }
  GaussHeights breadths;
  halfBreadthsAt(curve, heights, rising, breadths);
  double sum = 0.0;
  for (std::size_t i = 0; i < 4; ++i) {
    for (std::size_t g = 1; g <= 5; ++g) {
      sum += kGaussWeight[g] * (breadths[10 * i + 4 + g] + breadths[10 * i + 5 - g]);
    }
  }
  return 2.0 * (half * sum);
}

}  // namespace norvika
