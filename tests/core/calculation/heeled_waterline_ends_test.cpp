#include "calculation/heeled_waterline_ends.h"

#include <gtest/gtest.h>

#include "heel_test_hulls.h"

namespace norvika {
namespace {

using heeltest::boxHull;
using heeltest::tanDeg;

TEST(HeeledWaterlineEnds, RisingSideLeavesThroughTheBottomOrIsPulledBackToTheDeckEdge) {
  const double b = 5.0;
  const double cot = 1.0 / tanDeg(10.0);
  StationSpline spline;
  fitCurveSpline(boxHull(b, 8.0), 1, spline);
  struct Case {
    double z0, outerZ, outerY;
  };
  const Case cases[] = {
      // Shallow: the line meets the flat bottom inside its half-breadth.
      {0.5, 0.0, 0.5 * cot},
      // Centreline point above the deck: the end moves to the deck edge, at the
      // height where the line passes the half-breadth b.
      {9.5, 9.5 - b * tanDeg(10.0), b},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.z0);
    HeeledWaterlineEnds ends;
    findHeeledWaterlineEnds(10.0, c.z0, c.z0, 1, spline, ends);
    EXPECT_NEAR(ends.emergedOuterZ(1), c.outerZ, 1e-12);
    EXPECT_NEAR(ends.emergedOuterY(1), c.outerY, 1e-12);
  }
}

TEST(HeeledWaterlineEnds, NegativeHeelExchangesTheSides) {
  StationSpline spline;
  fitCurveSpline(boxHull(5.0, 8.0), 1, spline);
  for (double heel : {10.0, 25.0}) {
    SCOPED_TRACE(heel);
    HeeledWaterlineEnds starboard;
    findHeeledWaterlineEnds(heel, 4.0, 4.0, 1, spline, starboard);
    mirrorForNegativeHeel(heel, 1, starboard);
    HeeledWaterlineEnds port;
    findHeeledWaterlineEnds(-heel, 4.0, 4.0, 1, spline, port);
    mirrorForNegativeHeel(-heel, 1, port);
    // The sinking side is now drawn at positive half-breadths.
    EXPECT_NEAR(port.emergedOuterZ(1), 4.0 + 5.0 * tanDeg(heel), 2e-4);
    EXPECT_NEAR(port.emergedOuterZ(1), starboard.immersedOuterZ(1), 1e-9);
    EXPECT_NEAR(port.emergedOuterY(1), starboard.immersedOuterY(1), 1e-9);
    EXPECT_NEAR(port.immersedOuterZ(1), starboard.emergedOuterZ(1), 1e-9);
    EXPECT_NEAR(port.immersedOuterY(1), starboard.emergedOuterY(1), 1e-9);
    EXPECT_EQ(port.emergedInnerZ(1), 4.0);
    EXPECT_EQ(port.immersedInnerZ(1), 4.0);
  }
}

}  // namespace
}  // namespace norvika
