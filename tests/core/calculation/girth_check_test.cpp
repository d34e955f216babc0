#include "calculation/girth_check.h"

#include <gtest/gtest.h>

#include <cmath>

#include "hydrostatic_hulls.h"

namespace norvika {
namespace {

// A box section (girth 20 m, its own convex outline), a round bilge (a little
// longer than its chords' hull, never 1.5 times) and a section that zigzags
// between half-breadths 10 and 2 m every metre of height, as a seamed mesh
// cuts: ten slants of sqrt(65) m and the 10 m flat against the box's 20 m.
TEST(GirthCheck, OnlyAZigzagSectionIsSeamed) {
  const auto hull = hydrotest::hullOf(3, 100.0, [](double x) {
    hydrotest::Section s;
    if (x == 0.0) return hydrotest::Section{{0.0, 10.0}, {10.0, 10.0}};
    if (x == 50.0) {
      for (int k = 0; k <= 8; ++k) {
        const double a = k * 3.14159265358979 / 16.0;
        s.emplace_back(3.0 - 3.0 * std::cos(a), 7.0 + 3.0 * std::sin(a));
      }
      s.emplace_back(10.0, 10.0);
      return s;
    }
    for (int k = 0; k <= 10; ++k) s.emplace_back(k, k % 2 == 0 ? 10.0 : 2.0);
    return s;
  });
  const std::vector<SeamedStation> seamed = seamedStations(*hull);
  ASSERT_EQ(seamed.size(), 1u);
  EXPECT_EQ(seamed[0].station, 3);
  EXPECT_NEAR(seamed[0].girth, 10.0 + 10.0 * std::sqrt(65.0), 1e-9);
  EXPECT_NEAR(seamed[0].convexGirth, 20.0, 1e-9);
}

}  // namespace
}  // namespace norvika
