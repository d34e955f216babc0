#include "calculation/section_integrals.h"

#include <cmath>

#include "numerics/gauss_legendre.h"

namespace norvika {

namespace {

// The 10-point Gauss-Legendre rule on [a, b]. Within one piece of a station
// the moment is a polynomial of degree four, which the rule integrates
// exactly; the girth's integrand is smooth there.
template <typename Integrand>
double integrateOnPiece(double a, double b, const Integrand& f) {
  const double half = (b - a) / 2.0;
  double sum = 0.0;
  forEachGaussPair((a + b) / 2.0, half, [&](double weight, double zPlus, double zMinus) {
    sum += weight * (f(zPlus) + f(zMinus));
  });
  return half * sum;
}

// Within piece k, by the rule the area integration follows: a piece between
// equal half-breadths is vertical. The piece is known, so no search for it.
bool isVertical(const HullModel& hull, int st, int k) {
  return hull.pointY(st, k + 1) == hull.pointY(st, k);
}

double pieceOffset(const HullModel& hull, int st, const StationSpline& spline, int k, double z) {
  if (isVertical(hull, st, k)) return hull.pointY(st, k);
  return cubicPieceValue(spline.coef, k, z - spline.nodeZ(k));
}

double pieceSlope(const HullModel& hull, int st, const StationSpline& spline, int k, double z) {
  if (isVertical(hull, st, k)) return 0.0;
  return cubicPieceSlope(spline.coef, k, z - spline.nodeZ(k));
}

double pieceMoment(const HullModel& hull, int st, const StationSpline& spline, int k, double a,
                   double b) {
  return integrateOnPiece(a, b, [&](double z) { return z * pieceOffset(hull, st, spline, k, z); });
}

double pieceGirth(const HullModel& hull, int st, const StationSpline& spline, int k, double a,
                  double b) {
  return integrateOnPiece(a, b, [&](double z) {
    const double slope = pieceSlope(hull, st, spline, k, z);
    return std::sqrt(1.0 + slope * slope);
  });
}

// One side's running integral up to zw: the sum to the point below it and the
// part of the piece it cuts.
template <typename PartOfPiece>
double runningIntegral(const StationSpline& spline, const std::vector<double>& toPoint, double zw,
                       const PartOfPiece& part) {
  if (zw <= spline.nodeZ(1)) return 0.0;
  if (zw >= spline.nodeZ(spline.n)) return toPoint[static_cast<std::size_t>(spline.n - 1)];
  const int k = findInterval(spline, zw);
  return toPoint[static_cast<std::size_t>(k - 1)] + part(k, spline.nodeZ(k), zw);
}

}  // namespace

void prepareStationSection(const HullModel& hull, int st, StationSection& section) {
  StationSpline& spline = section.spline;
  fitCurveSpline(hull, st, spline);
  section.curve = layOutSection(hull, st, spline);
  const auto n = static_cast<std::size_t>(spline.n);
  section.momentToPoint.assign(n, 0.0);
  section.girthToPoint.assign(n, 0.0);
  section.girthToPoint[0] = std::fabs(hull.pointY(st, 1));
  for (int k = 1; k < spline.n; ++k) {
    const auto i = static_cast<std::size_t>(k);
    const double a = spline.nodeZ(k);
    const double b = spline.nodeZ(k + 1);
    section.momentToPoint[i] =
        section.momentToPoint[i - 1] + pieceMoment(hull, st, spline, k, a, b);
    section.girthToPoint[i] = section.girthToPoint[i - 1] + pieceGirth(hull, st, spline, k, a, b);
  }
}

double sectionMomentAboutBase(const HullModel& hull, int st, const StationSection& section,
                              double zw) {
  const StationSpline& spline = section.spline;
  return 2.0 * runningIntegral(spline, section.momentToPoint, zw, [&](int k, double a, double b) {
           return pieceMoment(hull, st, spline, k, a, b);
         });
}

double sectionGirth(const HullModel& hull, int st, const StationSection& section, double zw) {
  const StationSpline& spline = section.spline;
  return 2.0 * runningIntegral(spline, section.girthToPoint, zw, [&](int k, double a, double b) {
           return pieceGirth(hull, st, spline, k, a, b);
         });
}

double waterlineHalfBreadth(const SectionCurve& curve, double zw) {
  if (zw < curve.keel()) return 0.0;
  const double y = halfBreadthAt(curve, std::fmin(zw, curve.deck()));
  return y > 0.0 ? y : 0.0;
}

}  // namespace norvika
