#include "calculation/heeled_section.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <utility>
#include <vector>

#include "calculation/section_area.h"
#include "heel_test_hulls.h"

namespace norvika {
namespace {

using heeltest::heelStation;

// Centreline waterline at or below the keel, heel large enough that the line
// enters through the flat bottom and leaves through the deck: the sinking half
// is immersed between the two, the rising half is dry. The width is linear in
// z over the whole range, so the Gauss rule is exact and only rounding is left.
TEST(HeeledSection, WaterlineBelowTheKeelImmersesTheSinkingHalfBetweenBottomAndDeck) {
  struct Case {
    double b, deck, z0, heel;
  };
  const Case cases[] = {{5, 2, 0.0, 30}, {5, 2, -0.5, 30}, {5, 2, -0.3, 45}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.z0);
    const auto s = heelStation(heeltest::boxHull(c.b, c.deck), 1, c.z0, c.heel);
    const double cot = 1.0 / heeltest::tanDeg(c.heel);
    const double u0 = -c.z0;          // line height above the centreline point at the keel
    const double u1 = c.deck - c.z0;  // and at the deck
    EXPECT_NEAR(s.ends.immersedInnerY(1), -cot * u0, 1e-12);
    EXPECT_NEAR(s.ends.immersedOuterY(1), cot * u1, 1e-12);

    // Immersed strip at height z: from y = cot (z - z0) out to b.
    const double d = c.deck;
    EXPECT_NEAR(s.halves.immersedArea(1), c.b * d - cot * (u1 * u1 - u0 * u0) / 2.0, 1e-9);
    EXPECT_NEAR(s.halves.immersedMomentY(1),
                -(c.b * c.b * d - cot * cot * (u1 * u1 * u1 - u0 * u0 * u0) / 3.0) / 2.0, 1e-9);
    EXPECT_NEAR(s.halves.immersedMomentZ(1),
                c.b * d * d / 2.0 - cot * (d * d * d / 3.0 - c.z0 * d * d / 2.0), 1e-9);
    EXPECT_EQ(s.halves.emergedArea(1), 0.0);
  }
}

TEST(HeeledSection, SectionAboveTheInclinedLineIsNotImmersed) {
  // Keel at 5 m; the line through the centreline at 1 m stays below it across
  // the whole half-breadth.
  const auto s = heelStation(heeltest::hullOf(heeltest::boxSection(2, 8, 5), {0}), 1, 1.0, 5.0);
  EXPECT_EQ(s.ends.immersedOuterZ(1), 1.0);
  EXPECT_EQ(s.ends.immersedOuterY(1), 0.0);
  EXPECT_EQ(s.halves.emergedArea(1), 0.0);
  EXPECT_EQ(s.halves.immersedArea(1), 0.0);
}

TEST(HeeledSection, SymmetricSectionLeansTowardsTheSinkingSide) {
  // A round-bilged section with a sharp keel.
  const HullModel hull = heeltest::hullOf(
      {{0, 0}, {0.5, 2.2}, {1, 3.2}, {2, 4.2}, {3, 4.7}, {4, 4.9}, {6, 5}, {8, 5}}, {0.0});
  for (double heel : {2.0, 10.0, 25.0}) {
    SCOPED_TRACE(heel);
    const auto s = heelStation(hull, 1, 3.0, heel);
    EXPECT_GT(s.halves.emergedArea(1), 0.0);
    EXPECT_GT(s.halves.immersedArea(1), s.halves.emergedArea(1));
    EXPECT_LT(s.halves.emergedMomentY(1) + s.halves.immersedMomentY(1), 0.0);
  }
}

// Bulbous bow stations: the half-breadth falls to zero between the bulb and the
// stem. With the waterline's centreline point in that gap the sinking side's
// line starts on the contour and must end there, not a search step up the gap,
// where the strips above the waterline would count with negative width.

// A station ahead of the forward perpendicular of a 355 m ship, drafts 14.5 m,
// all points ordinary; a 0.1 mm move of its keel point took its heeled area
// from +0.268 m2 to -16.035 m2.
TEST(HeeledSection, BulbousBowStationIsContinuousInItsKeelPoint) {
  const double keels[] = {10.1826, 10.1827, 10.1828};
  std::vector<double> areas;
  for (double keel : keels) {
    SCOPED_TRACE(keel);
    std::vector<std::pair<double, double>> points{{keel, 0.0}, {11.0, 0.1189}};
    for (int z = 12; z <= 33; ++z) points.emplace_back(z, 0.0);
    points.emplace_back(33.9999, 1.0535);
    const HullModel hull = heeltest::hullOf(points, {366.021});
    const auto s = heelStation(hull, 1, 14.5, 10.0);
    const double area = s.halves.emergedArea(1) + s.halves.immersedArea(1);
    EXPECT_GE(area, 0.0);
    // The bulb is under water on both sides and the stem dry: the heel moves
    // nothing across the waterline, so both halves and the upright area agree.
    // Three offsets make the bulb too coarse for the polygon to be the
    // reference; the upright rule's four strips differ from the heeled one
    // strip by under 2 %.
    EXPECT_NEAR(s.halves.immersedArea(1), s.halves.emergedArea(1), 1e-5);
    EXPECT_NEAR(area, sectionArea(layOutSection(hull, 1, s.spline), 14.5), 0.02 * area);
    areas.push_back(area);
  }
  for (std::size_t i = 1; i < areas.size(); ++i) {
    EXPECT_NEAR(areas[i], areas[0], 1e-4) << "keel " << keels[i];
  }
}

// A smooth bulb y = 2.5 sin^2(pi z / 10) up to 10 m, offsets every 0.5 m, zero
// half-breadth from 11 to 20 m, a flared stem above. At these heels the stem
// stays dry for every centreline height in the gap, so the heeled area is the
// polygon area of the bulb offsets (25 m2, also its exact area).
TEST(HeeledSection, WaterlineInTheGapOfABulbousSectionImmersesTheWholeBulb) {
  std::vector<std::pair<double, double>> points;
  for (int k = 0; k <= 20; ++k) {
    const double s = std::sin(3.14159265358979 * (0.5 * k) / 10.0);
    points.emplace_back(0.5 * k, 2.5 * s * s);
  }
  double polygonArea = 0.0;
  for (int k = 1; k <= 20; ++k) {
    polygonArea += (points[k - 1].second + points[k].second) * 0.5;  // both sides
  }
  for (int z = 11; z <= 20; ++z) points.emplace_back(z, 0.0);
  for (const auto& stem : {std::pair{21.0, 0.5}, {22.0, 1.2}, {23.0, 2.0}, {24.0, 2.8}}) {
    points.emplace_back(stem);
  }
  const HullModel hull = heeltest::hullOf(points, {0.0});

  for (double heel : {5.0, 10.0, 25.0}) {
    for (double z0 = 10.5; z0 <= 19.5; z0 += 0.5) {
      SCOPED_TRACE(testing::Message() << "heel " << heel << ", waterline " << z0);
      const auto s = heelStation(hull, 1, z0, heel);
      // The sinking side leaves the section where the rising side does: at
      // the centreline point.
      EXPECT_NEAR(s.ends.immersedOuterZ(1), z0, 1e-3);
      EXPECT_NEAR(s.ends.immersedOuterY(1), 0.0, 1e-3);
      // One Gauss strip from the keel to the waterline, with the bulb's
      // closing inside it, is good to 1 %.
      EXPECT_NEAR(s.halves.emergedArea(1) + s.halves.immersedArea(1), polygonArea,
                  0.01 * polygonArea);
    }
  }
}

}  // namespace
}  // namespace norvika
