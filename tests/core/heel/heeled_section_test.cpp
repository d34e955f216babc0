#include "heel/heeled_section.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace norvika
