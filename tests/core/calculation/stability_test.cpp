// The large-angle stability of whole hulls against closed forms: the box
// barge's wall-sided GZ, its deck-edge angle and, beyond it, an independent
// polygon clipping; the Wigley hull's initial stability and its free and
// fixed trim; the DTMB 5415's GM and its heel to both sides; the stops.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "calculation/righting_levers.h"
#include "dtmb5415_hull.h"
#include "hydrostatic_hulls.h"
#include "numerics/gauss_legendre.h"
#include "polygon_clip.h"

namespace norvika {
namespace {

constexpr double kRho = 1.025;

double radians(double degrees) { return degrees * kDegree; }

// 100 x 20 m, 10 m deep, floating at T = 5 m.
struct BoxBarge {
  static constexpr double L = 100.0, B = 20.0, D = 10.0, T = 5.0;
  std::unique_ptr<HullModel> model = hydrotest::boxBarge(21, L, B / 2.0, D);
  StabilityHull hull = prepareStabilityHull(*model, L, kRho);
  double displacement(double draft = T) const { return kRho * L * B * draft; }
};

TEST(Stability, BoxBargeIsWallSidedUntilItsDeckEdgeImmerses) {
  const BoxBarge box;
  const double bm = BoxBarge::B * BoxBarge::B / (12.0 * BoxBarge::T);
  const double deckEdgeAngle = std::atan((BoxBarge::D - BoxBarge::T) / (BoxBarge::B / 2.0));
  for (const double kg : {6.0, 8.0}) {
    LoadingCondition condition;
    condition.displacement = box.displacement();
    condition.kg = kg;
    const RightingLevers levers = computeRightingLevers(box.hull, *box.model, condition);
    ASSERT_EQ(levers.outcome.stop, EquilibriumStop::None);
    const double gm = BoxBarge::T / 2.0 + bm - kg;
    EXPECT_NEAR(levers.gm0, gm, 1e-9);
    ASSERT_TRUE(levers.deckEdgeAngle.has_value());
    EXPECT_NEAR(*levers.deckEdgeAngle, deckEdgeAngle / kDegree, 1e-6);
    for (const GzPoint& point : levers.table) {
      if (!(radians(point.heel) < deckEdgeAngle) || point.heel == 0.0) continue;
      const double t = std::tan(radians(point.heel));
      const double closedForm = std::sin(radians(point.heel)) * (gm + bm * t * t / 2.0);
      EXPECT_NEAR(point.gz, closedForm, 1e-3 * closedForm) << "KG " << kg << " heel " << point.heel;
    }
    // The dynamic stability to 20 degrees, GM (1 - cos) + BM/2 (sec + cos - 2).
    const double f = radians(20.0);
    const double area =
        gm * (1.0 - std::cos(f)) + bm / 2.0 * (1.0 / std::cos(f) + std::cos(f) - 2.0);
    EXPECT_NEAR(gzArea(levers.curve, 0.0, 20.0), area, 1e-6 * area) << "KG " << kg;
  }
}

// Half full and with G at half its depth, the closed box is the same ship on
// its side as upright: its lever vanishes at 90 degrees, a heel of the samples.
TEST(Stability, HalfFullBoxLosesItsStabilityOnItsSide) {
  const BoxBarge box;
  LoadingCondition condition;
  condition.displacement = box.displacement();
  condition.kg = BoxBarge::D / 2.0;
  const RightingLevers levers = computeRightingLevers(box.hull, *box.model, condition);
  ASSERT_TRUE(levers.vanishingAngle.has_value());
  EXPECT_NEAR(*levers.vanishingAngle, 90.0, 1e-6);
}

// Past the deck edge, or with the bilge out of the water, to upside down.
TEST(Stability, BoxBargeBeyondTheDeckEdgeClipsAsItsRectangle) {
  const BoxBarge box;
  const double b = BoxBarge::B / 2.0;
  const cliptest::Polygon rectangle{{b, 0.0}, {b, BoxBarge::D}, {-b, BoxBarge::D}, {-b, 0.0}};
  for (const double draft : {2.0, 5.0, 8.0}) {
    CrossCurvesInput input;
    input.displacements = {box.displacement(draft)};
    input.heels = {30, 45, 60, 90, 120, 150, 179};
    const std::vector<CrossCurve> curves = computeCrossCurves(box.hull, input);
    ASSERT_EQ(curves.front().points.size(), input.heels.size()) << "T " << draft;
    for (const CrossCurvePoint& point : curves.front().points) {
      EXPECT_NEAR(point.kn, cliptest::prismKn(rectangle, point.heel, BoxBarge::B * draft), 1e-8)
          << "T " << draft << " heel " << point.heel;
    }
  }
}

// The Wigley hull of the hydrostatics tests: KN = KMt sin(heel) to first
// order, the error of second order (a quarter at half the heel).
TEST(Stability, WigleyHullStartsWithItsMetacentricHeight) {
  const double L = 100.0, draft = 6.0;
  const auto model = hydrotest::wigleyHull(21, L, 10.0, draft);
  const StabilityHull hull = prepareStabilityHull(*model, L, kRho);
  Hydrostatics table;
  ASSERT_EQ(computeHydrostatics(*model, {L, kRho, 0.0, {draft}}, table).stop,
            HydrostaticsStop::None);
  const double kmt = table.rows.front().kmt;
  CrossCurvesInput input;
  input.displacements = {kRho * volumeAtDraft(hull, draft)};
  input.heels = {0.5, 1.0, 2.0};
  const CrossCurve curve = computeCrossCurves(hull, input).front();
  ASSERT_EQ(curve.points.size(), 3u);
  double error[3];
  for (std::size_t i = 0; i < 3; ++i) {
    const CrossCurvePoint& p = curve.points[i];
    error[i] = p.kn / std::sin(radians(p.heel)) - kmt;
    EXPECT_NEAR(error[i], 0.0, 1e-3 * kmt) << "heel " << p.heel;
  }
  EXPECT_NEAR(error[0] / error[1], 0.25, 0.01);
  EXPECT_NEAR(error[1] / error[2], 0.25, 0.01);
}

// Fore-and-aft symmetric, the Wigley hull heels without trimming: free and
// fixed trim give one KN, with the deck edge and the bilge in the water. The
// run's rule along the ship leans on the station aft, so the LCB of 21
// stations moves by millimetres as the waterplane changes, and the free ship
// trims by about a centimetre: KN to a tenth of a millimetre.
TEST(Stability, FreeAndFixedTrimAgreeOnAForeAndAftSymmetricHull) {
  const auto model = hydrotest::wigleyHull(21, 100.0, 10.0, 6.0);
  const StabilityHull hull = prepareStabilityHull(*model, 100.0, kRho);
  CrossCurvesInput input;
  input.displacements = {kRho * volumeAtDraft(hull, 4.0), kRho * volumeAtDraft(hull, 7.0)};
  input.heels = {10, 30, 50, 70};
  const std::vector<CrossCurve> free = computeCrossCurves(hull, input);
  input.trimMode = TrimMode::Fixed;
  const std::vector<CrossCurve> fixed = computeCrossCurves(hull, input);
  for (std::size_t c = 0; c < 2; ++c) {
    ASSERT_EQ(free[c].points.size(), 4u);
    ASSERT_EQ(fixed[c].points.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
      SCOPED_TRACE("displacement " + std::to_string(c) + " heel " +
                   std::to_string(free[c].points[i].heel));
      EXPECT_NEAR(free[c].points[i].kn, fixed[c].points[i].kn, 1e-4);
      EXPECT_NEAR(free[c].points[i].equilibrium.plane.trimSlope * 100.0, 0.0, 0.02);
    }
  }
}

using stabilitytest::dtmb5415;

// The published GMt of the DTMB 5415 at its design draught with KG 7.555 m is
// 1.95 m; heeled to port it rights itself as to starboard, at any heel.
TEST(Stability, Dtmb5415HasItsPublishedGmAndHeelsAlikeToBothSides) {
  const auto model = dtmb5415();
  const StabilityHull hull = prepareStabilityHull(*model, 142.0, kRho);
  LoadingCondition condition;
  condition.displacement = kRho * volumeAtDraft(hull, 6.15);
  condition.kg = 7.555;
  const RightingLevers levers = computeRightingLevers(hull, *model, condition);
  EXPECT_NEAR(levers.gm0, 1.95, 0.05);

  CrossCurvesInput input;
  input.displacements = {condition.displacement};
  input.heels = {8, 40, 75, 110};
  const CrossCurve starboard = computeCrossCurves(hull, input).front();
  input.heels = {-8, -40, -75, -110};
  const CrossCurve port = computeCrossCurves(hull, input).front();
  ASSERT_EQ(starboard.points.size(), 4u);
  ASSERT_EQ(port.points.size(), 4u);
  for (std::size_t i = 0; i < 4; ++i) {
    const Equilibrium& s = starboard.points[i].equilibrium;
    const Equilibrium& p = port.points[i].equilibrium;
    SCOPED_TRACE("heel " + std::to_string(starboard.points[i].heel));
    EXPECT_NEAR(port.points[i].kn, -starboard.points[i].kn, 1e-8);
    EXPECT_NEAR(p.immersed.tcb, -s.immersed.tcb, 1e-8);
    EXPECT_NEAR(p.plane.trimSlope, s.plane.trimSlope, 1e-9);
    EXPECT_NEAR(p.immersed.deckEdgeDepth, s.immersed.deckEdgeDepth, 1e-8);
  }
}

TEST(Stability, StopsWhereNoEquilibriumCanBe) {
  const BoxBarge box;
  struct Case {
    const char* name;
    double displacement;
    std::optional<double> lcg;
    EquilibriumStop stop;
  };
  const Case cases[] = {
      {"no displacement", 0.0, std::nullopt, EquilibriumStop::VolumeOutsideHull},
      {"more than the whole hull", box.displacement(10.01), std::nullopt,
       EquilibriumStop::VolumeOutsideHull},
      // G far forward of the bow: no trim brings B under it.
      {"LCG beyond the bow", box.displacement(), 130.0, EquilibriumStop::TrimOutOfReach},
  };
  for (const Case& c : cases) {
    CrossCurvesInput input;
    input.displacements = {c.displacement};
    input.heels = {0, 30};
    input.lcg = c.lcg;
    const CrossCurve curve = computeCrossCurves(box.hull, input).front();
    EXPECT_EQ(curve.stop, c.stop) << c.name;
    EXPECT_TRUE(curve.points.empty()) << c.name;
  }
}

}  // namespace
}  // namespace norvika
