#include "calculation/heeled_hull.h"

#include <gtest/gtest.h>

#include <cmath>

#include "heel_test_hulls.h"
#include "numerics/gauss_legendre.h"

namespace norvika {
namespace {

using heeltest::tanDeg;

// Wall-sided box of half-breadth b heeled by phi about its centreline point at
// draft T, the waterline between keel and deck on both sides:
//   area 2bT, TCB = -b^2 tan(phi) / (3T), KB = T/2 + b^2 tan^2(phi) / (6T),
//   KN = KB sin(phi) - TCB cos(phi).
// Each half-section is one Gauss strip, and its width has a kink inside it:
// the rising half's width changes slope by cot(phi) where the line meets the
// side, the sinking half's at the centreline height. The rule integrates the
// linear pieces exactly, so the error is cot(phi) times the rule's error on the
// ramp (z - a)+, and the moments' errors follow from their integrands in the
// same way. Worked out once per row from those integrands (ramp and quadratic
// kink, 10-point rule on [0, T] and on [0, T + b tan(phi)]):
//   b  T  phi | area     TCB       KB        KN
//   5  4  10  | -0.0517  -0.00872  -0.00091  +0.00842
//  10  6  20  | -0.1383  -0.00161  -0.00360  +0.00028
//   3  2  30  | -0.0073  -0.00093  -0.00002  +0.00079
// The tolerances below are these errors plus about a tenth, which also covers
// the 0.0002 m end tolerance of the searches (it moves the area by < 0.0003 m2
// and the centre by < 0.00002 m).
struct BoxCase {
  double b, draft, deck, heel;
  double areaTol, tcbTol, kbTol, knTol;
};
const BoxCase kBoxCases[] = {
    {5, 4, 8, 10, 0.057, 0.0096, 0.0010, 0.0093},
    {10, 6, 12, 20, 0.152, 0.0018, 0.0040, 0.00032},
    {3, 2, 5, 30, 0.0081, 0.0010, 0.000025, 0.00088},
};

TEST(HeeledHull, PrismaticBoxMatchesTheWallSidedClosedForm) {
  const double length = 60.0;
  const double density = 1.025;
  for (const BoxCase& c : kBoxCases) {
    SCOPED_TRACE(c.heel);
    const HullModel hull = heeltest::boxHull(c.b, c.deck, {0.0, 20.0, 45.0, length});
    // No window: the heeled hull is integrated from what the calculation returns.
    Table2<double> stationArea(kMaxStations, kMaxStations);
    HeelMomentTables moments;
    for (int st = 1; st <= hull.stationCount; ++st) {
      const heeltest::StationCut s = heeltest::heelStation(hull, st, c.draft, c.heel);
      stationArea(st, 1) = s.area;
      moments.heelMomentY(st, 1) = s.momentY;
      moments.heelMomentZ(st, 1) = s.momentZ;
    }
    Table<double> heelAngleByStep(1);
    heelAngleByStep(1) = c.heel;
    HeeledHullResults ship;
    integrateHeeledHull(stationArea, moments, hull.stationCount, hull.stationX, heelAngleByStep,
                        density, 1, 1, ship);

    const double phi = c.heel * kDegree;
    const double t = tanDeg(c.heel);
    const double tcb = -c.b * c.b * t / (3.0 * c.draft);
    const double kb = c.draft / 2.0 + c.b * c.b * t * t / (6.0 * c.draft);
    const double kn = kb * std::sin(phi) - tcb * std::cos(phi);
    EXPECT_NEAR(ship.heelDisplacement(1, 1), density * 2.0 * c.b * c.draft * length,
                density * length * c.areaTol);
    EXPECT_NEAR(ship.heelTCB(1, 1), tcb, c.tcbTol);
    EXPECT_NEAR(ship.heelKB(1, 1), kb, c.kbTol);
    EXPECT_NEAR(ship.heelKN(1, 1), kn, c.knTol);
    EXPECT_NEAR(ship.heelLCB(1, 1), length / 2.0, 1e-9);
  }
}

TEST(HeeledHull, NoImmersedVolumeGivesNoDisplacementAndNoLever) {
  Table2<double> stationArea(kMaxStations, kMaxStations);
  HeelMomentTables moments;
  Table<double> stationX(kMaxStations);
  for (int st = 1; st <= 4; ++st) stationX(st) = 10.0 * st;
  Table<double> heelAngleByStep(1);
  heelAngleByStep(1) = 12.0;
  HeeledHullResults ship;
  ship.heelKN(1, 1) = 99.0;
  integrateHeeledHull(stationArea, moments, 4, stationX, heelAngleByStep, 1.025, 1, 1, ship);
  EXPECT_EQ(ship.heelDisplacement(1, 1), 0.0);
  EXPECT_EQ(ship.heelKN(1, 1), 0.0);
  EXPECT_EQ(ship.heelLCB(1, 1), 0.0);
}

}  // namespace
}  // namespace norvika
