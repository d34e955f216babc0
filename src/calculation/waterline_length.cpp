#include "calculation/waterline_length.h"

#include <cmath>
#include <optional>

namespace norvika {

namespace {

// Heights a contour is looked at for its crossings before each is narrowed.
constexpr int kContourSamples = 400;

// Where the waterline z = aft + slope x meets contour `curve` (x of the
// contour as a function of height): the aftmost or the foremost crossing.
std::optional<double> contourCrossing(const HullModel& hull, int curve, double aft, double slope,
                                      bool foremost) {
  const int count = hull.pointCount(curve);
  if (count < 2) return std::nullopt;
  StationSpline spline;
  fitCurveSpline(hull, curve, spline);
  const double low = spline.nodeZ(1);
  const double high = spline.nodeZ(spline.n);
  const double top = hull.pointY(curve, count);
  const auto xAt = [&](double z) { return splineOffset(spline, z, top); };
  const auto above = [&](double z) { return z - (aft + slope * xAt(z)); };
  std::optional<double> found;
  double z0 = low;
  double g0 = above(z0);
  for (int i = 1; i <= kContourSamples; ++i) {
    const double z1 = low + (high - low) * i / kContourSamples;
    const double g1 = above(z1);
    if (g0 == 0.0 || (g0 < 0.0) != (g1 < 0.0)) {
      double a = z0, b = z1, ga = g0;
      for (int step = 0; step < 100 && ga != 0.0 && b - a > 1e-12 * (1.0 + std::fabs(b)); ++step) {
        const double m = 0.5 * (a + b);
        const double gm = above(m);
        if ((gm < 0.0) == (ga < 0.0) && gm != 0.0) {
          a = m;
          ga = gm;
        } else {
          b = m;
        }
      }
      const double x = xAt(ga == 0.0 ? a : 0.5 * (a + b));
      if (!found || (foremost ? x > *found : x < *found)) found = x;
    }
    z0 = z1;
    g0 = g1;
  }
  if (g0 == 0.0) {
    const double x = xAt(high);
    if (!found || (foremost ? x > *found : x < *found)) found = x;
  }
  return found;
}

}  // namespace

WaterlineEnds waterlineEnds(const HullModel& hull, double shipLength, double aftDraft,
                            double forwardDraft) {
  const double slope = (forwardDraft - aftDraft) / shipLength;
  WaterlineEnds ends;
  int first = 0, last = 0;
  for (int st = 1; st <= hull.stationCount; ++st) {
    if (hull.keelHeight(st) < aftDraft + slope * hull.stationX(st)) {
      if (first == 0) first = st;
      last = st;
    }
  }
  if (first != 0) {
    ends.aft = hull.stationX(first);
    ends.forward = hull.stationX(last);
  }
  if (const auto x = contourCrossing(hull, hull.sternCurve(), aftDraft, slope, false)) {
    ends.aft = *x;
    ends.aftOnContour = true;
  }
  if (const auto x = contourCrossing(hull, hull.bowCurve(), aftDraft, slope, true)) {
    ends.forward = *x;
    ends.forwardOnContour = true;
  }
  return ends;
}

}  // namespace norvika
