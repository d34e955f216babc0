#include "model/hull_model.h"
#include "numerics/station_spline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace norvika {
namespace {

struct Point {
  double z, y, code;
};

HullModel oneStation(const std::vector<Point>& points) {
  HullModel hull;
  hull.stationCount = 1;
  for (std::size_t j = 0; j < points.size(); ++j) {
    const int k = static_cast<int>(j) + 1;
    hull.pointZ(1, k) = points[j].z;
    hull.pointY(1, k) = points[j].y;
    hull.pointCode(1, k) = points[j].code;
  }
  hull.pointCount(1) = static_cast<int>(points.size());
  return hull;
}

double slopeAt(const StationSpline& s, double z) {
  const double h = 1e-4;
  return (splineOffset(s, z + h) - splineOffset(s, z - h)) / (2 * h);
}

TEST(StationSpline, BreakPointKeepsTheCorner) {
  // A hard chine at z = 2: vertical-ish sides above, a sloped bottom below.
  const std::vector<Point> smooth = {{0, 0, 1}, {1, 1, 1}, {2, 2, 1}, {3, 2.2, 1}, {4, 2.4, 1}};
  std::vector<Point> chine = smooth;
  chine[2].code = 0;
  StationSpline s;
  fitCurveSpline(oneStation(chine), 1, s);
  EXPECT_NEAR(slopeAt(s, 1.5), 1.0, 1e-3);
  EXPECT_NEAR(slopeAt(s, 2.5), 0.2, 1e-3);
  EXPECT_NEAR(splineOffset(s, 2.0), 2.0, 1e-5);  // the lower piece at its end, shifted by the width guard

  StationSpline unbroken;
  fitCurveSpline(oneStation(smooth), 1, unbroken);
  EXPECT_GT(std::fabs(slopeAt(unbroken, 2.5) - 0.2), 0.02) << "without the break the corner is rounded";
}

TEST(StationSpline, TwoPointPiecesAreStraight) {
  struct Case {
    std::vector<Point> points;
    double z, expected;
  };
  const Case cases[] = {
      // code 0 on the second point: straight from point 1 to 2 (guard 1e-7)
      {{{0, 0, 1}, {2, 1, 0}, {3, 2, 1}, {4, 2.5, 1}}, 1.0, 1.0 / (2 + 1e-7)},
      // neighbouring breaks: the piece between them is a line (guard 1e-4)
      {{{0, 0, 1}, {1, 1, 1}, {2, 2, 0}, {3, 4, 0}, {4, 5, 1}, {5, 5.5, 1}},
       2.5, 2.0 + 0.5 * 2.0 / (1 + 1e-4)},
  };
  for (const auto& c : cases) {
    StationSpline s;
    fitCurveSpline(oneStation(c.points), 1, s);
    EXPECT_NEAR(splineOffset(s, c.z), c.expected, 1e-12) << c.z;
  }
}

TEST(StationSpline, BreakOnFirstOrLastPointChangesNothing) {
  const std::vector<Point> plain = {{0, 1, 1}, {1, 2, 1}, {2, 2.5, 1}, {3, 2.7, 1}, {4, 3, 1}};
  StationSpline reference;
  fitCurveSpline(oneStation(plain), 1, reference);
  for (int marked : {0, 4}) {
    std::vector<Point> points = plain;
    points[static_cast<std::size_t>(marked)].code = 0;
    StationSpline s;
    fitCurveSpline(oneStation(points), 1, s);
    for (double z = 0; z <= 4; z += 0.1) EXPECT_EQ(splineOffset(s, z), splineOffset(reference, z));
  }
}

TEST(StationSpline, BreakNodeTakesThePieceAbove) {
  const std::vector<Point> points = {{0, 0, 1}, {1, 1, 1}, {2, 2, 0}, {3, 2.2, 1}, {4, 2.4, 1}};
  StationSpline s;
  fitCurveSpline(oneStation(points), 1, s);
  // Column 3 holds the upper piece: its slope is the upper straight side's.
  EXPECT_NEAR(s.coef(2, 3), 0.2, 1e-4);
  EXPECT_EQ(s.n, 5);
  EXPECT_EQ(s.nodeZ(5), 4.0);
}

}  // namespace
}  // namespace norvika
