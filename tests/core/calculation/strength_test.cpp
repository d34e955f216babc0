#include "calculation/strength.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>

#include "strength_runs.h"

namespace norvika {
namespace {

using testing::BoxRun;
using testing::weightsOf;

constexpr double kPi = 3.14159265358979;

// Row of the table at x; fails the test when there is none.
std::size_t rowAt(const LoadCurves& c, double x) {
  for (std::size_t k = 0; k < c.x.size(); ++k) {
    if (std::fabs(c.x[k] - x) < 1e-9) return k;
  }
  ADD_FAILURE() << "no row at x = " << x;
  return 0;
}

double largest(const std::vector<double>& v) {
  double m = 0.0;
  for (double e : v) m = std::max(m, std::fabs(e));
  return m;
}

// Weight equal to buoyancy everywhere: the ship floats at the draft (and trim)
// that carries each station's own weight, and nothing bends it.
TEST(Strength, WeightMatchingBuoyancyBalancesWithoutLoad) {
  const struct {
    const char* what;
    WeightBlock block;
    double aft, forward, centre;
  } cases[] = {
      {"uniform 102.5 t/m", {0, 100, 102.5, 102.5}, 5.0, 5.0, 50.0},
      // b = rho 2 b z with z running 4 -> 6 m: 82 -> 123 t/m.
      {"82 to 123 t/m", {0, 100, 82, 123}, 4.0, 6.0, 160.0 / 3.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    BoxRun box(1, {"10250", "4"});
    const WeightDistribution w = weightsOf({c.block});
    const Strength r = box.strength(w);
    ASSERT_EQ(r.outcome.stop, BalanceStop::None);
    EXPECT_TRUE(r.condition.balanced);
    EXPECT_NEAR(r.condition.aftDraft, c.aft, 5e-4);
    EXPECT_NEAR(r.condition.forwardDraft, c.forward, 5e-4);
    EXPECT_NEAR(r.condition.centre, c.centre, 1e-4);
    EXPECT_NEAR(r.condition.displacement, 10250.0, 1e-6 * 10250.0);
    EXPECT_LE(largest(r.curves.shear), 1e-6 * w.total);
    EXPECT_LE(largest(r.curves.moment), 1e-6 * w.total * 100.0);
    EXPECT_FALSE(r.hasStillWater);
  }
}

// 80 t/m over the ship and 45 t/m more over its middle half, on 102.5 t/m of
// buoyancy: q = -22.5 t/m at the ends and +22.5 t/m in the middle.
TEST(Strength, MiddleLoadSagsTheBoxBargeAsItsClosedForm) {
  BoxRun box(1, {"10250", "4"});
  const Strength r = box.strength(weightsOf({{0, 100, 80, 80}, {25, 75, 45, 45}}));
  ASSERT_EQ(r.outcome.stop, BalanceStop::None);
  const LoadCurves& c = r.curves;
  const struct {
    double x, shear, moment;
  } rows[] = {{25, -562.5, -7031.25}, {50, 0.0, -14062.5}, {75, 562.5, -7031.25}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.x);
    const std::size_t k = rowAt(c, row.x);
    EXPECT_NEAR(c.shear[k], row.shear, 1e-3 * 562.5);
    EXPECT_NEAR(c.moment[k], row.moment, 1e-3 * std::fabs(row.moment));
  }
  EXPECT_NEAR(c.sagging.value, -14062.5, 1e-3 * 14062.5);
  EXPECT_NEAR(c.sagging.x, 50.0, 0.01);
  EXPECT_NEAR(c.positiveShear.value, 562.5, 1e-3 * 562.5);
  EXPECT_NEAR(c.positiveShear.x, 75.0, 0.01);
  EXPECT_NEAR(c.negativeShear.value, -562.5, 1e-3 * 562.5);
  EXPECT_NEAR(c.negativeShear.x, 25.0, 0.01);
  EXPECT_LE(c.hogging.value, 1e-6 * 10250.0 * 100.0);  // nothing hogs but rounding
  EXPECT_LE(std::fabs(c.endShear), 1e-5 * 10250.0);
  EXPECT_LE(std::fabs(c.endMoment), 1e-5 * 10250.0 * 100.0);
}

// Uniform weight on a sine wave H = 5 m as long as the ship: q = rho 2b H/2
// cos(2 pi x / L), BM(L/2) = rho B H L^2 / (4 pi^2), hogging on the crest and
// sagging in the trough; on still water nothing bends the box.
TEST(Strength, SineWaveMomentOfUniformWeightMatchesItsClosedForm) {
  const double closedForm = 1.025 * 20.0 * 5.0 * 100.0 * 100.0 / (4.0 * kPi * kPi);
  for (const auto& [c, sign] : {std::pair{kSineCrest, 1.0}, std::pair{kSineTrough, -1.0}}) {
    SCOPED_TRACE(c);
    BoxRun box(c, {"10250", "5", "5", "1"});
    const Strength r = box.strength(weightsOf({{0, 100, 102.5, 102.5}}));
    ASSERT_EQ(r.outcome.stop, BalanceStop::None);
    ASSERT_TRUE(r.hasStillWater);
    const std::size_t mid = rowAt(r.curves, 50.0);
    EXPECT_NEAR(r.curves.moment[mid], sign * closedForm, 2e-3 * closedForm);
    EXPECT_NEAR(r.condition.trim, 0.0, 1e-6);
    EXPECT_LE(largest(r.stillCurves.moment), 1e-6 * 10250.0 * 100.0);
    EXPECT_NEAR(r.waveMoment[mid], r.curves.moment[mid], 1e-6 * closedForm);
    const Extreme& waveExtreme = sign > 0 ? r.waveHogging : r.waveSagging;
    EXPECT_NEAR(waveExtreme.value, sign * closedForm, 2e-3 * closedForm);
    EXPECT_NEAR(waveExtreme.x, 50.0, 1e-9);
    EXPECT_LE(std::fabs(r.curves.endMoment), 1e-5 * 10250.0 * 100.0);
  }
}

// The given waterline is not balanced: what is left shows at the forward end.
TEST(Strength, TrimmedWaterlineShowsTheResidualAtTheForwardEnd) {
  BoxRun box(6, {"6", "4"});
  const WeightDistribution w = weightsOf({{0, 100, 100, 100}});
  const Strength r = box.strength(w);
  ASSERT_EQ(r.outcome.stop, BalanceStop::None);
  EXPECT_FALSE(r.condition.balanced);
  EXPECT_NEAR(r.condition.displacement, 10250.0, 1e-6 * 10250.0);
  EXPECT_NEAR(r.curves.endShear, w.total - r.condition.displacement, 1e-6 * w.total);
  // BM at the forward end x_f: x_f (W - D) - (W LCG - D LCB).
  const double expected = 100.0 * (w.total - r.condition.displacement) -
                          (w.total * w.centre - r.condition.displacement * r.condition.centre);
  EXPECT_NEAR(r.curves.endMoment, expected, 1e-6 * w.total * 100.0);
  EXPECT_NEAR(r.condition.centre, 160.0 / 3.0, 1e-4);
}

// Overhangs beyond the end stations carry weight but no buoyancy; the ends
// of the integration are the extremes of both.
TEST(Strength, OverhangsMoveTheEndsAndStillClose) {
  BoxRun box(1, {"10250", "4"});
  const WeightDistribution w =
      weightsOf({{-5, 0, 20, 20}, {0, 100, 100.5, 100.5}, {100, 110, 0, 5}});
  const Strength r = box.strength(w);
  ASSERT_EQ(r.outcome.stop, BalanceStop::None);
  EXPECT_EQ(r.curves.aftEnd, -5.0);
  EXPECT_EQ(r.curves.forwardEnd, 110.0);
  EXPECT_EQ(r.curves.x.front(), -5.0);
  EXPECT_EQ(r.curves.x.back(), 110.0);
  EXPECT_EQ(r.curves.buoyancy.front(), 0.0);
  EXPECT_NEAR(r.condition.centre, w.centre, 1e-6 * 100.0);
  EXPECT_LE(std::fabs(r.curves.endShear), 1e-5 * w.total);
  EXPECT_LE(std::fabs(r.curves.endMoment), 1e-5 * w.total * 100.0);
  // Just aft of the stations only the overhang's weight has acted.
  EXPECT_NEAR(r.curves.shear[rowAt(r.curves, 0.0)], 100.0, 1e-9);
}

// Rows stand every 0.01 L, but never more than kMaxTableSteps of them between
// the ends: a length typed far too short for the stations (0.001 for 100 m)
// would otherwise ask for ten million rows.
TEST(Strength, TableRowsStayBoundedWhateverTheShipLength) {
  BoxRun box(1, {"10250", "4"});
  Table<double> buoyancy(kMaxStations);
  for (int st = 1; st <= box.hull.stationCount; ++st) buoyancy(st) = 102.5;
  const struct {
    double length, spacing;
    std::size_t rows;
  } cases[] = {{100.0, 1.0, 101}, {50.0, 0.5, 201}, {0.5, 0.1, 1001}, {0.001, 0.1, 1001}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.length);
    const LoadCurves curves =
        computeLoadCurves(box.hull, buoyancy, weightsOf({{0, c.length, 1, 1}}), c.length);
    EXPECT_DOUBLE_EQ(curves.rowSpacing, c.spacing);
    EXPECT_EQ(curves.x.size(), c.rows);
    EXPECT_EQ(curves.x.back(), 100.0);
  }
}

// Hundreds of overlapping blocks: the weight per metre at every row is the
// sum, worked out here block by block, of the blocks just forward of the row
// (just aft of it at the forward end), taken at the row.
TEST(Strength, WeightOfManyOverlappingBlocksAtEveryRow) {
  BoxRun box(1, {"10250", "4"});
  Table<double> buoyancy(kMaxStations);
  for (int st = 1; st <= box.hull.stationCount; ++st) buoyancy(st) = 102.5;
  std::vector<WeightBlock> blocks;
  for (int k = 0; k < 500; ++k) {
    const double x1 = -8.0 + 0.37 * (k % 97) + 0.11 * k;
    blocks.push_back({x1, x1 + 3.0 + (k % 13), 1.0 + (k % 7), 0.5 * (k % 5)});
  }
  const WeightDistribution weights = weightsOf(blocks);
  const LoadCurves curves = computeLoadCurves(box.hull, buoyancy, weights, 100.0);
  const std::size_t rows = curves.x.size();
  ASSERT_GT(rows, 100u);
  for (std::size_t k = 0; k < rows; ++k) {
    const double inside = curves.x[k] + (k + 1 < rows ? 1e-7 : -1e-7);
    double w = 0.0;
    for (const WeightBlock& b : blocks) {
      if (b.x1 <= inside && inside <= b.x2) {
        w += b.w1 + (b.w2 - b.w1) * (curves.x[k] - b.x1) / (b.x2 - b.x1);
      }
    }
    EXPECT_NEAR(curves.weight[k], w, 1e-9 * weights.total) << "row at " << curves.x[k];
  }
  EXPECT_NEAR(curves.endShear, weights.total - 102.5 * 100.0, 1e-9 * weights.total);
}

TEST(Strength, RuleWaveMomentsInEachRangeOfLength) {
  // C by hand: 10.75 - ((300 - 150)/100)^1.5 = 10.75 - 1.837117 = 8.912883;
  // 10.75 at 320 m; 10.75 - ((420 - 350)/150)^1.5 = 10.75 - 0.318794 = 10.431206.
  const struct {
    double length, c;
  } cases[] = {{150.0, 8.912883}, {320.0, 10.75}, {420.0, 10.431206}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.length);
    const double B = 30.0, T = 10.0, Cb = 0.7;
    const RuleWaveLoads rule = ruleWaveLoads(c.length, B, T, Cb * c.length * B * T);
    ASSERT_TRUE(rule.applies);
    EXPECT_NEAR(rule.coefficient, c.c, 1e-6);
    EXPECT_NEAR(rule.blockCoefficient, Cb, 1e-12);
    EXPECT_NEAR(rule.hogging, 190.0 * c.c * c.length * c.length * B * Cb * 1e-3,
                1e-6 * rule.hogging);
    EXPECT_NEAR(rule.sagging, -110.0 * c.c * c.length * c.length * B * (Cb + 0.7) * 1e-3,
                1e-6 * -rule.sagging);
  }
  // 150 m: hogging 190 * 8.912883 * 22500 * 30 * 0.7 * 1e-3 = 800 154.0 kN m.
  EXPECT_NEAR(ruleWaveLoads(150.0, 30.0, 10.0, 0.7 * 45000.0).hogging, 800154.0, 0.5);
  EXPECT_EQ(ruleWaveLoads(150.0, 30.0, 10.0, 0.3 * 45000.0).blockCoefficient, 0.6);
  EXPECT_FALSE(ruleWaveLoads(89.0, 15.0, 5.0, 4000.0).applies);
  EXPECT_FALSE(ruleWaveLoads(501.0, 60.0, 20.0, 4e5).applies);
}

// The distribution factors worked by hand at points of each stretch, for a
// full ship (Cb 0.8: a = 190 0.8 / (110 1.5) = 152/165) and a fine one (Cb
// 0.55, taken as 0.6: a = 114/143). F1 and F2 are written p + q a.
TEST(Strength, RuleDistributionFactorsAtHandWorkedPoints) {
  const struct {
    double t, m, f1, f1a, f2, f2a;
  } points[] = {
      {-0.1, 0.0, 0.0, 0.0, 0.0, 0.0},         {0.0, 0.0, 0.0, 0.0, 0.0, 0.0},
      {0.1, 0.25, 0.0, 0.46, 0.46, 0.0},       {0.25, 0.625, 0.0, 0.92, 0.92, 0.0},
      {0.35, 0.875, 0.35, 0.46, 0.81, 0.0},    {0.5, 1.0, 0.7, 0.0, 0.7, 0.0},
      {0.65, 1.0, 0.85, 0.0, 0.35, 0.5},       {0.8, 4.0 / 7.0, 1.0, 0.0, 0.0, 1.0},
      {0.925, 3.0 / 14.0, 0.5, 0.0, 0.0, 0.5}, {1.0, 0.0, 0.0, 0.0, 0.0, 0.0},
      {1.1, 0.0, 0.0, 0.0, 0.0, 0.0},
  };
  // L 150 m, B 30 m, T 10 m, C = 10.75 - 1.5^1.5 = 8.912883: Mw = 190 C L2 B Cb
  // 1e-3, -110 C L2 B (Cb + 0.7) 1e-3, Fw = 30 C L B (Cb + 0.7) 1e-2.
  const struct {
    double cb, a, hogging, sagging, shear;
  } ships[] = {{0.8, 152.0 / 165.0, 914461.76, -992672.31, 18048.587},
               {0.55, 114.0 / 143.0, 685846.32, -860316.00, 15642.109}};
  for (const auto& ship : ships) {
    const RuleWaveLoads rule = ruleWaveLoads(150.0, 30.0, 10.0, ship.cb * 45000.0);
    EXPECT_NEAR(rule.hoggingShare, ship.a, 1e-12) << ship.cb;
    EXPECT_NEAR(rule.hogging, ship.hogging, 0.01) << ship.cb;
    EXPECT_NEAR(rule.sagging, ship.sagging, 0.01) << ship.cb;
    EXPECT_NEAR(rule.shear, ship.shear, 0.001) << ship.cb;
    for (const auto& p : points) {
      SCOPED_TRACE("Cb " + std::to_string(ship.cb) + ", x/L " + std::to_string(p.t));
      const double f1 = p.f1 + p.f1a * ship.a, f2 = p.f2 + p.f2a * ship.a;
      EXPECT_NEAR(waveMomentFactor(p.t), p.m, 1e-12);
      EXPECT_NEAR(positiveShearFactor(p.t, ship.a), f1, 1e-12);
      EXPECT_NEAR(negativeShearFactor(p.t, ship.a), f2, 1e-12);
      const RuleWaveLoadsAt at = ruleWaveLoadsAt(rule, p.t * 150.0);
      EXPECT_NEAR(at.hogging, p.m * ship.hogging, 0.01);
      EXPECT_NEAR(at.sagging, p.m * ship.sagging, 0.01);
      EXPECT_NEAR(at.positiveShear, f1 * ship.shear, 0.001);
      EXPECT_NEAR(at.negativeShear, -f2 * ship.shear, 0.001);
    }
  }
}

// The rule length of the 100 m box barge (B 20 m, uniform weight, 5 m draft):
// its waterline is 100 m long at every draft, so L = 0.97 Lwl = 97 m from
// 3 m forward of AP to the stem, unless given; T is the still-water draft
// unless a scantling draft is given, Cb = volume at T / (L B T). Mw and Fw
// from the formulas of UR S11.
TEST(Strength, RuleLengthAndDraftFromTheWaterlineOrAsGiven) {
  const struct {
    std::optional<double> length, draft;
    double L, T, aftEnd;
  } cases[] = {
      {std::nullopt, std::nullopt, 97.0, 5.0, 3.0},
      {120.0, std::nullopt, 120.0, 5.0, -20.0},
      {std::nullopt, 6.0, 97.0, 6.0, 3.0},
      {120.0, 6.0, 120.0, 6.0, -20.0},
  };
  BoxRun box(1, {"10250", "4"});
  for (const auto& c : cases) {
    SCOPED_TRACE(c.L + c.T);
    const Strength s = box.strength(weightsOf({{0, 100, 102.5, 102.5}}), {c.length, c.draft});
    ASSERT_EQ(s.outcome.stop, BalanceStop::None);
    const RuleWaveLoads& r = s.rule;
    EXPECT_NEAR(s.ruleSource.waterline, 100.0, 1e-9);
    EXPECT_NEAR(r.length, c.L, 1e-9);
    EXPECT_NEAR(r.draft, c.T, 1e-6);
    EXPECT_NEAR(r.aftEnd, c.aftEnd, 1e-9);
    const double cb = std::max(100.0 / c.L, 0.6);
    const double C = 10.75 - std::pow((300.0 - c.L) / 100.0, 1.5);
    EXPECT_NEAR(r.computedBlockCoefficient, 100.0 / c.L, 1e-6);
    EXPECT_NEAR(r.hogging, 190.0 * C * c.L * c.L * 20.0 * cb * 1e-3, 1e-6 * r.hogging);
    EXPECT_NEAR(r.sagging, -110.0 * C * c.L * c.L * 20.0 * (cb + 0.7) * 1e-3, -1e-6 * r.sagging);
    EXPECT_NEAR(r.shear, 30.0 * C * c.L * 20.0 * (cb + 0.7) * 1e-2, 1e-6 * r.shear);
    EXPECT_EQ(s.ruleSource.lengthGiven, c.length.has_value());
    EXPECT_EQ(s.ruleSource.draftGiven, c.draft.has_value());
  }
}

// Computed wave loads against the rule's value of the same sign; a value
// within the noise is none, and nothing is compared where the rule's value is
// below the threshold of its sign.
TEST(Strength, RuleRatioTakesTheRuleValueOfTheComputedSign) {
  const struct {
    double computed, positive, negative;
    bool hasRatio;
    double rule, ratio;
  } cases[] = {
      {500.0, 1000.0, -2000.0, true, 1000.0, 0.5},  {-500.0, 1000.0, -2000.0, true, -2000.0, 0.25},
      {-0.5, 1000.0, -2000.0, true, 1000.0, 0.0},    // within the noise of 1: none
      {500.0, 0.0, 0.0, false, 0.0, 0.0},            // beyond the rule's reach
      {500.0, 99.0, -2000.0, false, 99.0, 0.0},      // below the threshold of 100
      {-500.0, 1000.0, -199.0, false, -199.0, 0.0},  // below the threshold of -200
      {-500.0, 1000.0, -200.0, true, -200.0, 2.5},   // at it
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.computed);
    const RuleRatio r = compareWithRule(c.computed, c.positive, c.negative, 1.0, 100.0, -200.0);
    EXPECT_EQ(r.hasRatio, c.hasRatio);
    if (c.hasRatio) {
      EXPECT_EQ(r.rule, c.rule);
      EXPECT_NEAR(r.ratio, c.ratio, 1e-15);
    }
  }
}

}  // namespace
}  // namespace norvika
