// The curves of form against closed forms (a box barge level and trimmed, the
// Wigley hull), against a trimmed-waterline run of the same hull bit for bit,
// and the stops at a deck under water, no volume and no waterplane.

#include "calculation/hydrostatics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>

#include "calculation/displacement_balance.h"
#include "hydrostatic_hulls.h"
#include "model/hull_data_file.h"
#include "quantities/hydrostatic_quantities.h"

namespace norvika {
namespace {

using hydrotest::boxBarge;
using hydrotest::hullOf;
using hydrotest::Section;
using hydrotest::wigleyHull;

constexpr double kRho = 1.025;

Hydrostatics computed(const HullModel& hull, double length, std::vector<double> drafts,
                      double trim = 0.0) {
  Hydrostatics table;
  const HydrostaticsOutcome outcome =
      computeHydrostatics(hull, {length, kRho, trim, std::move(drafts)}, table);
  EXPECT_EQ(outcome.stop, HydrostaticsStop::None) << "at draft " << outcome.draft;
  return table;
}

struct Expected {
  const char* name;
  double HydrostaticRow::*value;
  double closedForm;
};

void expectClosedForms(const HydrostaticRow& row, const std::vector<Expected>& expected,
                       double relative) {
  for (const Expected& e : expected) {
    EXPECT_NEAR(row.*e.value, e.closedForm, relative * std::fabs(e.closedForm)) << e.name;
  }
}

// The value the report gives the quantity named `pythonName` at `row`.
double reported(const Hydrostatics& table, const HydrostaticRow& row, std::string_view pythonName) {
  for (const HydrostaticQuantity& q : hydrostaticQuantities()) {
    if (q.python.name == pythonName) return valueAt(q, table, row);
  }
  ADD_FAILURE() << "no quantity " << pythonName;
  return NAN;
}

// 100 x 20 m, 10 m deep, on 21 stations: every quantity has its closed form,
// exact for the station integration (all are polynomials of degree two or less
// along the ship).
TEST(Hydrostatics, BoxBargeOnAnEvenKeelMeetsItsClosedForms) {
  const double L = 100.0, B = 20.0;
  const auto hull = boxBarge(21, L, B / 2.0, 10.0);
  const Hydrostatics table = computed(*hull, L, {2.0, 5.0, 10.0});
  ASSERT_EQ(table.rows.size(), 3u);
  for (const HydrostaticRow& row : table.rows) {
    const double T = row.draft;
    SCOPED_TRACE("T = " + std::to_string(T));
    const double V = L * B * T;
    expectClosedForms(row,
                      {{"volume", &HydrostaticRow::volume, V},
                       {"displacement", &HydrostaticRow::displacement, kRho * V},
                       {"LCB", &HydrostaticRow::lcb, L / 2},
                       {"KB", &HydrostaticRow::kb, T / 2},
                       {"Awp", &HydrostaticRow::waterplaneArea, L * B},
                       {"LCF", &HydrostaticRow::lcf, L / 2},
                       {"TPC", &HydrostaticRow::tpc, kRho * L * B / 100},
                       {"BMt", &HydrostaticRow::bmt, B * B / (12 * T)},
                       {"BMl", &HydrostaticRow::bml, L * L / (12 * T)},
                       {"KMt", &HydrostaticRow::kmt, T / 2 + B * B / (12 * T)},
                       {"KMl", &HydrostaticRow::kml, T / 2 + L * L / (12 * T)},
                       {"MCT", &HydrostaticRow::mct, kRho * V * L * L / (12 * T) / (100 * L)},
                       {"Lwl", &HydrostaticRow::waterlineLength, L},
                       {"Bwl", &HydrostaticRow::waterlineBreadth, B},
                       {"Am", &HydrostaticRow::midshipArea, B * T},
                       {"Cb", &HydrostaticRow::blockCoefficient, 1},
                       {"Cp", &HydrostaticRow::prismaticCoefficient, 1},
                       {"Cm", &HydrostaticRow::midshipCoefficient, 1},
                       {"Cwp", &HydrostaticRow::waterplaneCoefficient, 1},
                       {"S", &HydrostaticRow::wettedSurface, L * (B + 2 * T)}},
                      1e-6);
  }
}

// The same box with its stem raked forward by 0.8 m and its stern aft by 0.3
// m per metre of height (contours beyond the end stations, the volume still
// between them): Lwl = L + 1.1 T, and the coefficients on it, the centres from
// amidships, the largest section and the fresh-water displacement.
TEST(Hydrostatics, RakedBoxOnItsWaterlineLength) {
  const double L = 100.0, B = 20.0;
  const auto hull = boxBarge(21, L, B / 2.0, 10.0);
  for (const int curve : {hull->sternCurve(), hull->bowCurve()}) {
    const double rake = curve == hull->bowCurve() ? 0.8 : -0.3;
    hull->pointCount(curve) = 2;
    for (const int k : {1, 2}) {
      hull->pointZ(curve, k) = k == 1 ? 0.0 : 10.0;
      hull->pointY(curve, k) =
          (curve == hull->bowCurve() ? L : 0.0) + rake * hull->pointZ(curve, k);
      hull->pointCode(curve, k) = 1.0;
    }
  }
  const Hydrostatics table = computed(*hull, L, {2.0, 5.0, 8.0});
  ASSERT_EQ(table.rows.size(), 3u);
  for (const HydrostaticRow& row : table.rows) {
    const double T = row.draft;
    SCOPED_TRACE("T = " + std::to_string(T));
    const double Lwl = L + 1.1 * T;
    for (const auto& [name, closedForm] : {std::pair{"waterline_length", Lwl},
                                           {"cb_wl", L / Lwl},
                                           {"cp_wl", L / Lwl},
                                           {"cwp_wl", L / Lwl},
                                           {"largest_section_area", B * T},
                                           {"fresh_water_displacement", L * B * T}}) {
      EXPECT_NEAR(reported(table, row, name), closedForm, 1e-6 * closedForm) << name;
    }
    EXPECT_NEAR(reported(table, row, "lcb_from_midship"), 0.0, 1e-9);
    EXPECT_NEAR(reported(table, row, "lcf_percent"), 0.0, 1e-9);
  }
  // Trimmed by the head, the centres from amidships are t L / (12 T) forward.
  const Hydrostatics trimmed = computed(*hull, L, {5.0}, 1.0);
  EXPECT_NEAR(reported(trimmed, trimmed.rows.at(0), "lcb_from_midship"), L / (12.0 * 5.0), 1e-6);
  EXPECT_NEAR(reported(trimmed, trimmed.rows.at(0), "lcb_percent"), 100.0 / (12.0 * 5.0), 1e-6);
}

// With KG given, GMt = KB + BMt - KG, GMl = KB + BMl - KG and MCT from GMl.
TEST(Hydrostatics, MetacentricHeightsAndTrimMomentWithKg) {
  const double L = 100.0, B = 20.0, KG = 6.0;
  const auto hull = boxBarge(21, L, B / 2.0, 10.0);
  Hydrostatics table;
  HydrostaticsInput input{L, kRho, 0.0, {2.0, 5.0, 8.0}};
  input.kg = KG;
  ASSERT_EQ(computeHydrostatics(*hull, input, table).stop, HydrostaticsStop::None);
  for (const HydrostaticRow& row : table.rows) {
    const double T = row.draft;
    SCOPED_TRACE("T = " + std::to_string(T));
    const double gml = T / 2 + L * L / (12 * T) - KG;
    EXPECT_NEAR(row.gmt, T / 2 + B * B / (12 * T) - KG, 1e-6);
    EXPECT_NEAR(row.gml, gml, 1e-6 * gml);
    EXPECT_NEAR(row.mct, kRho * L * B * T * gml / (100 * L), 1e-6 * row.mct);
  }
}

// Trimmed by t about L/2, the waterline is z = T + t (x/L - 1/2): the volume
// stays L B T, the centre moves forward by t L / (12 T) and rises to
// (T^2 + t^2/12) / 2T; the waterplane and its inertia do not change.
TEST(Hydrostatics, TrimmedBoxMeetsItsClosedForms) {
  const double L = 100.0, B = 20.0, T = 5.0;
  const auto hull = boxBarge(21, L, B / 2.0, 10.0);
  for (const double t : {2.0, -3.0}) {
    SCOPED_TRACE("trim " + std::to_string(t));
    const Hydrostatics table = computed(*hull, L, {T}, t);
    ASSERT_EQ(table.rows.size(), 1u);
    const double V = L * B * T;
    expectClosedForms(table.rows[0],
                      {{"Tf", &HydrostaticRow::forwardDraft, T + t / 2},
                       {"Ta", &HydrostaticRow::aftDraft, T - t / 2},
                       {"volume", &HydrostaticRow::volume, V},
                       {"LCB", &HydrostaticRow::lcb, L / 2 + t * L / (12 * T)},
                       {"KB", &HydrostaticRow::kb, (T * T + t * t / 12) / (2 * T)},
                       {"Awp", &HydrostaticRow::waterplaneArea, L * B},
                       {"LCF", &HydrostaticRow::lcf, L / 2},
                       {"BMt", &HydrostaticRow::bmt, B * B / (12 * T)},
                       {"BMl", &HydrostaticRow::bml, L * L / (12 * T)},
                       {"Am", &HydrostaticRow::midshipArea, B * T},
                       {"Cb", &HydrostaticRow::blockCoefficient, 1},
                       {"Cm", &HydrostaticRow::midshipCoefficient, 1},
                       {"S", &HydrostaticRow::wettedSurface, L * (B + 2 * T)}},
                      1e-6);
  }
}

// On 100 stations the integration along the ship is within 0.1 % of the
// Wigley hull's closed forms; the sections themselves are parabolas, which
// the station splines follow exactly.
TEST(Hydrostatics, WigleyHullMeetsItsClosedFormsWithinAThousandth) {
  const double L = 100.0, B = 10.0, T = 6.0;
  const auto hull = wigleyHull(100, L, B, T);
  const Hydrostatics table = computed(*hull, L, {T});
  ASSERT_EQ(table.rows.size(), 1u);
  const double V = 4.0 / 9.0 * L * B * T;
  expectClosedForms(table.rows[0],
                    {{"volume", &HydrostaticRow::volume, V},
                     {"LCB", &HydrostaticRow::lcb, L / 2},
                     {"KB", &HydrostaticRow::kb, 5.0 * T / 8.0},
                     {"Awp", &HydrostaticRow::waterplaneArea, 2.0 / 3.0 * L * B},
                     {"LCF", &HydrostaticRow::lcf, L / 2},
                     {"BMt", &HydrostaticRow::bmt, 3.0 / 35.0 * B * B / T},
                     {"BMl", &HydrostaticRow::bml, 3.0 * L * L / (40.0 * T)},
                     {"Lwl", &HydrostaticRow::waterlineLength, L},
                     {"Bwl", &HydrostaticRow::waterlineBreadth, B},
                     {"Cb", &HydrostaticRow::blockCoefficient, 4.0 / 9.0},
                     {"Cp", &HydrostaticRow::prismaticCoefficient, 2.0 / 3.0},
                     {"Cm", &HydrostaticRow::midshipCoefficient, 2.0 / 3.0},
                     {"Cwp", &HydrostaticRow::waterplaneCoefficient, 2.0 / 3.0}},
                    1e-3);
}

// The girth of a Wigley section below T, one side: the arc of the parabola
// y = b (1 - (d/T)^2) over d in [0, T], by Simpson's rule on many panels; both
// sides, integrated along the ship the same way.
double wigleyGirthSurface(double L, double B, double T) {
  const int n = 2000;
  const auto simpson = [n](double a, double b, const std::function<double(double)>& f) {
    const double h = (b - a) / n;
    double sum = f(a) + f(b);
    for (int k = 1; k < n; ++k) sum += (k % 2 == 1 ? 4.0 : 2.0) * f(a + k * h);
    return sum * h / 3.0;
  };
  return simpson(0.0, L, [&](double x) {
    const double u = 2.0 * x / L - 1.0;
    const double b = B / 2.0 * (1.0 - u * u);
    return 2.0 * simpson(0.0, T, [&](double d) {
             const double slope = 2.0 * b * d / (T * T);
             return std::sqrt(1.0 + slope * slope);
           });
  });
}

TEST(Hydrostatics, WettedSurfaceIsTheGirthIntegratedAlongTheShip) {
  const double L = 100.0, B = 10.0, T = 6.0;
  const auto hull = wigleyHull(100, L, B, T);
  const Hydrostatics table = computed(*hull, L, {T});
  ASSERT_EQ(table.rows.size(), 1u);
  const double expected = wigleyGirthSurface(L, B, T);
  EXPECT_NEAR(table.rows[0].wettedSurface, expected, 1e-3 * expected);
}

// A trimmed-waterline run (case 6) at Tf and Ta, without its windows: the
// displacement and the LCB it reports.
struct TrimmedRun {
  double displacement = 0.0;  // t
  double lcb = 0.0;           // m from AP
};
TrimmedRun trimmedWaterlineRun(const HullModel& hull, double length, double forward, double aft) {
  TaskParameters task;
  task.caseNumber = kTrimmedWaterline;
  task.shipLength = length;
  task.waterDensity = kRho;
  task.forwardDraft = forward;
  task.aftDraft = aft;
  const Balance balance = balanceDisplacement(task, hull, [](const Balance&) {});
  EXPECT_EQ(balance.outcome.stop, BalanceStop::None);
  const Immersion& immersion = balance.immersion;
  return {immersion.displacement,
          longitudinalCentre(hull, immersion.stationArea, immersion.displacement, kRho)};
}

// The same stations, section areas and integration as the buoyancy run: the
// displacement and LCB are the run's to the last bit, level or trimmed, on
// the shipped hulls.
TEST(Hydrostatics, DisplacementAndLcbAreThoseOfATrimmedWaterlineRunBitForBit) {
  struct Example {
    const char* directory;
    const char* hullFile;
    double length;
    std::vector<double> drafts;
    double trim;
  };
  const Example examples[] = {
      {"box-barge/case6-trimmed", "KUTU.DAT", 100.0, {0.7, 5.0, 9.99}, 0.0},
      {"box-barge/case6-trimmed", "KUTU.DAT", 100.0, {5.0}, 2.0},
      {"parabolic-hull/case6-trimmed", "PARABOL.DAT", 100.0, {1.3, 4.0, 6.0, 8.5}, 0.0},
      {"dtmb5415/case6-trimmed", "DTMB5415.DAT", 142.0, {2.0, 5.5, 6.15, 9.0}, 0.0},
      {"dtmb5415/case6-trimmed", "DTMB5415.DAT", 142.0, {6.15}, -0.8},
      {"hard-chine/case6-trimmed", "CHINE.DAT", 24.0, {0.4, 1.2, 2.0}, 0.3},
  };
  for (const Example& e : examples) {
    const std::filesystem::path file =
        std::filesystem::path(NORVIKA_SOURCE_DIR) / "examples" / e.directory / e.hullFile;
    const auto hull = std::make_unique<HullModel>(readHullDataFile(file, e.hullFile));
    computeHullExtents(*hull);
    const Hydrostatics table = computed(*hull, e.length, e.drafts, e.trim);
    ASSERT_EQ(table.rows.size(), e.drafts.size()) << e.hullFile;
    for (const HydrostaticRow& row : table.rows) {
      SCOPED_TRACE(std::string(e.hullFile) + " T = " + std::to_string(row.draft) +
                   " trim = " + std::to_string(e.trim));
      const TrimmedRun run = trimmedWaterlineRun(*hull, e.length, row.forwardDraft, row.aftDraft);
      EXPECT_EQ(row.displacement, run.displacement);
      EXPECT_EQ(row.lcb, run.lcb);
    }
  }
}

TEST(Hydrostatics, StopsAtTheFirstDraftThatCannotServe) {
  const auto box = boxBarge(5, 40.0, 5.0, 10.0);
  Hydrostatics table;
  // Trimmed by the head, the waterline reaches the deck first at the bow.
  HydrostaticsOutcome outcome =
      computeHydrostatics(*box, {40.0, kRho, 2.0, {5.0, 8.9, 9.3}}, table);
  EXPECT_EQ(outcome.stop, HydrostaticsStop::DeckImmersed);
  EXPECT_EQ(outcome.draft, 9.3);
  EXPECT_EQ(outcome.station, 5);
  EXPECT_DOUBLE_EQ(outcome.waterline, 10.3);
  EXPECT_EQ(outcome.deck, 10.0);
  EXPECT_EQ(table.rows.size(), 2u) << "the drafts before it keep their rows";

  // The keel 2 m above the base line: a draft of 1 m leaves no volume.
  const auto raised = hullOf(3, 30.0, [](double) { return Section{{2.0, 4.0}, {8.0, 4.0}}; });
  outcome = computeHydrostatics(*raised, {30.0, kRho, 0.0, {1.0, 3.0}}, table);
  EXPECT_EQ(outcome.stop, HydrostaticsStop::NoVolume);
  EXPECT_EQ(outcome.draft, 1.0);
  EXPECT_TRUE(table.rows.empty());

  // Sections that close to nothing at the deck: volume, but no waterplane there.
  const auto closing = hullOf(3, 30.0, [](double) { return Section{{0.0, 4.0}, {4.0, 0.0}}; });
  outcome = computeHydrostatics(*closing, {30.0, kRho, 0.0, {2.0, 4.0}}, table);
  EXPECT_EQ(outcome.stop, HydrostaticsStop::NoWaterplane);
  EXPECT_EQ(outcome.draft, 4.0);
  EXPECT_EQ(table.rows.size(), 1u);
}

TEST(Hydrostatics, DefaultDraftsRunFromATenthOfTheDepthToTheLowestDeckTheTrimAllows) {
  // Decks at 10 m, but 8 m at the bow station.
  const auto hull = hullOf(5, 40.0, [](double x) {
    return Section{{0.0, 5.0}, {x == 40.0 ? 8.0 : 10.0, 5.0}};
  });
  std::vector<double> drafts = defaultHydrostaticDrafts(*hull, 40.0, 0.0);
  ASSERT_EQ(drafts.size(), 20u);
  EXPECT_EQ(drafts.front(), 0.8);
  EXPECT_EQ(drafts.back(), 8.0);
  EXPECT_NEAR(drafts[1] - drafts[0], 7.2 / 19, 1e-12);

  // By the stern 2 m: the stern's deck limits the draft at L/2 to 9 m.
  drafts = defaultHydrostaticDrafts(*hull, 40.0, -2.0);
  ASSERT_EQ(drafts.size(), 20u);
  EXPECT_EQ(drafts.front(), 0.8);
  EXPECT_NEAR(drafts.back(), 9.0, 1e-12);
  EXPECT_LE(drafts.back(), 9.0);
  Hydrostatics table;
  EXPECT_EQ(computeHydrostatics(*hull, {40.0, kRho, -2.0, drafts}, table).stop,
            HydrostaticsStop::None);

  // A trim that leaves no room above a tenth of the depth.
  EXPECT_TRUE(defaultHydrostaticDrafts(*hull, 40.0, 30.0).empty());
}

}  // namespace
}  // namespace norvika
