#include "calculation/section_area.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <vector>

#include "numerics/gauss_legendre.h"

namespace norvika {
namespace {

// The area by the rule as it reads: four equal sub-intervals from the keel,
// each half-breadth looked up on its own, the pairs summed sub-interval by
// sub-interval, times the last sub-interval's half width.
double areaPointByPoint(const SectionCurve& curve, double zw) {
  const double keel = curve.keel();
  if (zw <= keel) return 0.0;
  const double h = (zw - keel) / 4.0;
  double sum = 0.0;
  double half = 0.0;
  for (int i = 0; i < 4; ++i) {
    const double a = keel + i * h;
    const double b = i == 3 ? zw : a + h;
    const double mid = (a + b) / 2.0;
    half = (b - a) / 2.0;
    for (int g = 1; g <= 5; ++g) {
      sum += kGaussWeight[g] * (halfBreadthAt(curve, mid + kGaussAbscissa[g] * half) +
                                halfBreadthAt(curve, mid - kGaussAbscissa[g] * half));
    }
  }
  return 2.0 * (half * sum);
}

// The area of a section with a vertical side, a knuckle and a flared top, bit
// for bit the rule's at every waterline: a few units of the last place above
// the keel (where the Gauss points crowd and may not rise), at nodes, between
// them, at the deck and above it.
TEST(SectionArea, EveryWaterlineGivesTheRulesBits) {
  HullModel hull(1, 6);
  hull.stationCount = 1;
  const double z[] = {3.0, 3.5, 4.5, 5.5, 7.5, 9.5};
  const double y[] = {0.0, 2.0, 2.0, 3.0, 3.5, 5.0};
  const double code[] = {1, 1, 1, 0, 1, 1};
  for (int j = 1; j <= 6; ++j) {
    hull.pointZ(1, j) = z[j - 1];
    hull.pointY(1, j) = y[j - 1];
    hull.pointCode(1, j) = code[j - 1];
  }
  hull.pointCount(1) = 6;
  const std::vector<SectionCurve> curves = layOutStations(hull);
  std::vector<double> waterlines = {2.5, 3.0, 3.5, 4.0, 5.5, 7.499, 9.5, 10.0};
  for (double w = 3.0, k = 0; k < 64; ++k) waterlines.push_back(w = std::nextafter(w, 9.0));
  for (double w = 3.1; w < 9.5; w += 0.0731) waterlines.push_back(w);
  for (const double zw : waterlines) {
    EXPECT_EQ(std::bit_cast<std::uint64_t>(sectionArea(curves[0], zw)),
              std::bit_cast<std::uint64_t>(areaPointByPoint(curves[0], zw)))
        << "waterline " << zw;
  }
}

}  // namespace
}  // namespace norvika
