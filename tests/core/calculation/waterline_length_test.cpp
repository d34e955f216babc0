#include "calculation/waterline_length.h"

#include <gtest/gtest.h>

#include "hydrostatic_hulls.h"

namespace norvika {
namespace {

// A box 100 m between its end stations, 10 m deep, with a stem raked forward
// by 0.8 m and a stern raked aft by 0.3 m per metre of height: the waterline
// z = Ta + s x meets the stem at z = (Ta + s L) / (1 - 0.8 s), x = L + 0.8 z,
// and the stern at z = Ta / (1 - 0.3 s), x = -0.3 z.
TEST(WaterlineLength, RakedStemAndSternAtThreeDraftsAndTrimmed) {
  auto hull = hydrotest::boxBarge(21, 100.0, 8.0, 10.0);
  const auto contour = [&](int curve, double rake) {
    hull->pointCount(curve) = 2;
    for (const int k : {1, 2}) {
      const double z = k == 1 ? 0.0 : 10.0;
      hull->pointZ(curve, k) = z;
      hull->pointY(curve, k) = (curve == hull->bowCurve() ? 100.0 : 0.0) + rake * z;
      hull->pointCode(curve, k) = 1.0;
    }
  };
  contour(hull->bowCurve(), 0.8);
  contour(hull->sternCurve(), -0.3);
  const struct {
    double aft, forward;
  } waterlines[] = {{2.0, 2.0}, {5.0, 5.0}, {8.5, 8.5}, {4.0, 6.0}};
  for (const auto& w : waterlines) {
    SCOPED_TRACE(w.aft + w.forward);
    const double s = (w.forward - w.aft) / 100.0;
    const double bowZ = (w.aft + s * 100.0) / (1.0 - 0.8 * s);
    const double sternZ = w.aft / (1.0 + 0.3 * s);
    const WaterlineEnds ends = waterlineEnds(*hull, 100.0, w.aft, w.forward);
    EXPECT_TRUE(ends.aftOnContour && ends.forwardOnContour);
    // The contour's spline gives its straight lines to a micron.
    EXPECT_NEAR(ends.forward, 100.0 + 0.8 * bowZ, 1e-6);
    EXPECT_NEAR(ends.aft, -0.3 * sternZ, 1e-6);
    EXPECT_NEAR(ends.length(), 100.0 + 0.8 * bowZ + 0.3 * sternZ, 1e-6);
  }
  // Above the contours' tops the end stations the waterline stands over.
  const WaterlineEnds high = waterlineEnds(*hull, 100.0, 10.5, 10.5);
  EXPECT_FALSE(high.aftOnContour || high.forwardOnContour);
  EXPECT_EQ(high.length(), 100.0);
}

}  // namespace
}  // namespace norvika
