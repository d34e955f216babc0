// Bonjean curves: the heights each station is taken at, and its area and
// moment about the base line against closed forms.

#include "calculation/bonjean.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calculation/section_area.h"
#include "hydrostatic_hulls.h"

namespace norvika {
namespace {

using hydrotest::hullOf;
using hydrotest::Section;

// A rectangle of half-breadth 10 from 0 to 10 m has 20 z of area and 10 z^2 of
// moment at every height; a triangle y = z (a V of 45 degrees) z^2 and 2 z^3/3.
TEST(BonjeanCurves, AreasAndMomentsOfRectangleAndVSections) {
  const auto hull = hullOf(2, 10.0, [](double x) {
    if (x == 0.0) return Section{{0.0, 10.0}, {10.0, 10.0}};
    return Section{{0.0, 0.0}, {5.0, 5.0}, {10.0, 10.0}};
  });
  const BonjeanCurves curves = computeBonjeanCurves(*hull, 20);
  ASSERT_EQ(curves.stations.size(), 2u);
  for (const BonjeanStation& s : curves.stations) {
    SCOPED_TRACE("station " + std::to_string(s.station));
    ASSERT_EQ(s.z.size(), 21u) << "keel, deck and 19 steps between; the V's middle point is a step";
    for (std::size_t k = 0; k < s.z.size(); ++k) {
      const double z = s.z[k];
      EXPECT_NEAR(z, 0.5 * static_cast<double>(k), 1e-12);
      const bool box = s.station == 1;
      // The station spline divides by each height step plus 1e-6 m, which
      // takes some 1e-7 of the V's slope.
      const double area = box ? 20.0 * z : z * z;
      const double moment = box ? 10.0 * z * z : 2.0 * z * z * z / 3.0;
      EXPECT_NEAR(s.area[k], area, 1e-6 * area) << "z = " << z;
      EXPECT_NEAR(s.moment[k], moment, 1e-6 * moment) << "z = " << z;
    }
  }
}

// The station's own points are kept beside the equal steps, in height order;
// a step within a micrometre of a point gives way to it. The four points make
// one cubic (but for the fit's guard of a micrometre), which the run's area
// rule integrates all but exactly: the areas are the run's within 1e-7.
TEST(BonjeanCurves, PointHeightsJoinTheEqualSteps) {
  const auto hull = hullOf(2, 10.0, [](double) {
    return Section{{1.0, 0.0}, {1.3, 2.0}, {3.0000004, 3.0}, {5.0, 3.5}};
  });
  const BonjeanCurves curves = computeBonjeanCurves(*hull, 4);
  const std::vector<double> expected = {1.0, 1.3, 2.0, 3.0000004, 4.0, 5.0};
  ASSERT_EQ(curves.stations[0].z, expected);
  const SectionCurve section = layOutStations(*hull).front();
  for (std::size_t k = 0; k < expected.size(); ++k) {
    const double run = sectionArea(section, expected[k]);
    EXPECT_NEAR(curves.stations[0].area[k], run, 1e-7 * run) << "z = " << expected[k];
  }
  EXPECT_EQ(curves.stations[0].area[0], 0.0);
  EXPECT_EQ(curves.stations[0].moment[0], 0.0);
}

}  // namespace
}  // namespace norvika
