#include "calculation/crest_sweep.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <tuple>

#include "run/calculation_driver.h"
#include "strength_runs.h"

namespace norvika {
namespace {

namespace fs = std::filesystem;
using testing::BoxRun;
using testing::weightsOf;

constexpr double kPi = 3.14159265358979;

// The box barge (L 100 m, B 20 m, rho 1.025) of uniform weight 102.5 t/m, so
// 5 m draft, in a sine wave of height H as long as the ship with its crest at
// c: the wave's rise a cos(k (x - c)), a = H/2, k = 2 pi / L, averages to
// nothing over the ship, so the draft at L/2 stays 5 m; its moment about L/2,
// -a sin(k c) L^2 / (2 pi), is balanced by a trim line s (x - L/2) with
// s L^3 / 12 equal to it: trim s L = 6 a sin(k c) / pi. The load
// q = -rho B (a cos(k (x - c)) + s (x - L/2)) integrated once and twice from AP.
struct ShiftedCosine {
  double crest;
  static constexpr double L = 100.0, a = 2.5, rhoB = 1.025 * 20.0, k = 2.0 * kPi / L;
  double s() const { return 6.0 * a * std::sin(k * crest) / (kPi * L); }
  double trim() const { return s() * L; }
  double shear(double x) const {
    return -rhoB * (a / k * (std::sin(k * (x - crest)) + std::sin(k * crest)) +
                    s() * (x * x / 2.0 - L * x / 2.0));
  }
  double moment(double x) const {
    return -rhoB *
           (a / k *
                ((std::cos(k * crest) - std::cos(k * (x - crest))) / k + x * std::sin(k * crest)) +
            s() * (x * x * x / 6.0 - L * x * x / 4.0));
  }
};

// The trough case moves the same sine as the crest case: the same closed form.
TEST(CrestSweep, BoxBargeInASineWaveFollowsTheShiftedCosine) {
  for (const int c : {kSineCrest, kSineTrough}) {
    SCOPED_TRACE(c);
    BoxRun box(c, {"10250", "5", "5", "1"});
    const WeightDistribution weights = weightsOf({{0, 100, 102.5, 102.5}});
    const Strength strength = box.strength(weights);
    ASSERT_EQ(strength.outcome.stop, BalanceStop::None);
    const CrestSweep sweep = sweepCrest(box.task, box.hull, weights, strength, 8, 5.0);
    ASSERT_EQ(sweep.outcome.stop, BalanceStop::None);
    // Eight steps of 12.5 m over the wave, the crest amidships fourth from aft.
    const double crests[] = {12.5, 25.0, 37.5, 50.0, 62.5, 75.0, 87.5, 100.0};
    ASSERT_EQ(sweep.positions.size(), 8u);
    const double momentScale = ShiftedCosine::rhoB * 5.0 * 100.0 * 100.0 / (4.0 * kPi * kPi);
    const double shearScale = ShiftedCosine::rhoB * 2.0 * ShiftedCosine::a / ShiftedCosine::k;
    for (std::size_t i = 0; i < 8; ++i) {
      const SweepPosition& p = sweep.positions[i];
      const ShiftedCosine wave{crests[i]};
      SCOPED_TRACE(crests[i]);
      EXPECT_EQ(p.crest, crests[i]);
      EXPECT_NEAR(p.meanDraft, 5.0, 1e-4);  // the stations integrate the cosine to 3e-5 m
      EXPECT_NEAR(p.trim, wave.trim(), 5e-3);
      Extreme hog, sag, up, down;
      for (const double x : sweep.x) {
        keepLarger(hog, wave.moment(x), x);
        keepSmaller(sag, wave.moment(x), x);
        keepLarger(up, wave.shear(x), x);
        keepSmaller(down, wave.shear(x), x);
      }
      EXPECT_NEAR(p.hogging.value, hog.value, 2e-3 * momentScale);
      EXPECT_NEAR(p.sagging.value, sag.value, 2e-3 * momentScale);
      EXPECT_NEAR(p.positiveShear.value, up.value, 2e-3 * shearScale);
      EXPECT_NEAR(p.negativeShear.value, down.value, 2e-3 * shearScale);
      // A curve flat at its extreme may take it a row away.
      EXPECT_NEAR(p.hogging.x, hog.x, hog.value > 1e-2 * momentScale ? 1.0 : 100.0);
      EXPECT_NEAR(p.sagging.x, sag.x, sag.value < -1e-2 * momentScale ? 1.0 : 100.0);
    }
    // The envelopes hold the largest and smallest of the positions at each row.
    for (std::size_t row = 0; row < sweep.x.size(); ++row) {
      const double x = sweep.x[row];
      double most = -1e300, least = 1e300;
      for (const double c : crests) {
        most = std::max(most, ShiftedCosine{c}.moment(x));
        least = std::min(least, ShiftedCosine{c}.moment(x));
      }
      EXPECT_NEAR(sweep.moment.largest[row], most, 2e-3 * momentScale) << "x = " << x;
      EXPECT_NEAR(sweep.moment.smallest[row], least, 2e-3 * momentScale) << "x = " << x;
    }
    // Crest amidships hogs the most, crest at the ends sags the most, at the
    // middle: rho B H L^2 / (4 pi^2) either way.
    EXPECT_EQ(sweep.hogging.position, 3);
    EXPECT_NEAR(sweep.hogging.extreme.value, momentScale, 2e-3 * momentScale);
    EXPECT_EQ(sweep.sagging.position, 7);
    EXPECT_NEAR(sweep.sagging.extreme.value, -momentScale, 2e-3 * momentScale);
  }
}

TEST(CrestSweep, PositionsStepOverOneWaveLengthWithTheCrestAmidships) {
  const struct {
    double length, waveLength;
    int count;
    std::vector<double> crests;
  } cases[] = {
      {100.0, 100.0, 2, {50.0, 100.0}},
      {100.0, 100.0, 3, {50.0 - 100.0 / 3.0, 50.0, 50.0 + 100.0 / 3.0}},
      {100.0, 100.0, 4, {25.0, 50.0, 75.0, 100.0}},
      {142.0, 213.0, 3, {-0.0, 71.0, 142.0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.count);
    const std::vector<double> crests = sweepCrestPositions(c.length, c.waveLength, c.count);
    ASSERT_EQ(crests.size(), c.crests.size());
    for (std::size_t i = 0; i < crests.size(); ++i) EXPECT_NEAR(crests[i], c.crests[i], 1e-12);
    EXPECT_EQ(std::count(crests.begin(), crests.end(), c.length / 2.0), 1);
  }
}

// The sweep's crest-amidships position is today's run on the crest: the same
// waterline and the same balance, so every number the same to the last bit.
TEST(CrestSweep, CrestAmidshipsIsTheCaseOwnRunBitForBit) {
  for (const int count : {8, 5, 40}) {
    SCOPED_TRACE(count);
    testing::RunDirectory run;
    const fs::path example =
        fs::path(NORVIKA_SOURCE_DIR) / "examples/dtmb5415/strength-trochoid-crest";
    for (const auto& entry : fs::directory_iterator(example)) {
      fs::copy_file(entry.path(), run.path() / entry.path().filename());
    }
    RecordingPlatform platform(run.path());
    RunSettings settings;
    settings.sweepPositions = count;
    const RunOutcome outcome = runCalculation(platform, settings);
    ASSERT_EQ(outcome.reason, ExitReason::Completed) << outcome.message;
    ASSERT_TRUE(outcome.sweep && outcome.strength);
    const Strength& s = *outcome.strength;
    const auto amidships = std::find_if(
        outcome.sweep->positions.begin(), outcome.sweep->positions.end(),
        [&](const SweepPosition& p) { return p.crest == outcome.task->shipLength / 2; });
    ASSERT_NE(amidships, outcome.sweep->positions.end());
    EXPECT_EQ(amidships->iterations, s.condition.iterations);
    EXPECT_EQ(amidships->meanDraft, s.condition.meanDraft);
    EXPECT_EQ(amidships->trim, s.condition.trim);
    for (const auto& [sweep, own] : {std::pair{amidships->hogging, s.waveHogging},
                                     std::pair{amidships->sagging, s.waveSagging},
                                     std::pair{amidships->positiveShear, s.wavePositiveShear},
                                     std::pair{amidships->negativeShear, s.waveNegativeShear}}) {
      EXPECT_EQ(sweep.value, own.value);
      EXPECT_EQ(sweep.x, own.x);
    }
  }
}

// The sweep of a DTMB strength example with `count` crest positions written
// to a run directory: MUKAVEMET.SON and TARAMA.TXT.
struct SweptExample {
  explicit SweptExample(int count, const char* name = "strength-trochoid-crest") {
    const fs::path example = fs::path(NORVIKA_SOURCE_DIR) / "examples/dtmb5415" / name;
    for (const auto& entry : fs::directory_iterator(example)) {
      fs::copy_file(entry.path(), run.path() / entry.path().filename());
    }
    RecordingPlatform platform(run.path());
    RunSettings settings;
    settings.sweepPositions = count;
    outcome = runCalculation(platform, settings);
    reason = outcome.reason;
  }
  testing::RunDirectory run;
  RunOutcome outcome;
  ExitReason reason{};
};

// Case 3's trochoid is case 2's upside down, but a sweep moves the physical
// wave: the same envelopes from either case (their balances start from the
// cases' own drafts, so within the balance's tolerance). The true trough
// that case 3's report sets beside its own is the sweep's position with the
// crest at L/2 + lambda/2.
TEST(CrestSweep, TrochoidSweepIsTheSameFromTheCrestAndTheTroughCase) {
  const SweptExample crest(8), trough(8, "strength-trochoid-trough");
  ASSERT_EQ(crest.reason, ExitReason::Completed);
  ASSERT_EQ(trough.reason, ExitReason::Completed);
  const CrestSweep& a = *crest.outcome.sweep;
  const CrestSweep& b = *trough.outcome.sweep;
  const double weight = 8600.0, length = 142.0;
  ASSERT_EQ(a.x, b.x);
  for (const auto& [one, other, scale] : {std::tuple{&a.shear, &b.shear, weight},
                                          std::tuple{&a.moment, &b.moment, weight * length}}) {
    for (std::size_t k = 0; k < a.x.size(); ++k) {
      EXPECT_NEAR(one->largest[k], other->largest[k], 2e-5 * scale) << a.x[k];
      EXPECT_NEAR(one->smallest[k], other->smallest[k], 2e-5 * scale) << a.x[k];
    }
  }
  const SweepPosition& foremost = a.positions.back();
  ASSERT_EQ(foremost.crest, length);
  const Strength& s = *trough.outcome.strength;
  ASSERT_TRUE(s.hasTrueTrough);
  EXPECT_NEAR(s.trueTroughSagging.value, foremost.sagging.value, 2e-5 * weight * length);
  // The mirrored trochoid's sharp trough sags the ship more.
  EXPECT_LT(s.waveSagging.value, 1.02 * s.trueTroughSagging.value);
}

// The columns of TARAMA.TXT by name, "nan" read as NaN.
std::vector<std::vector<double>> tableColumns(const std::string& text,
                                              std::vector<std::string>& names) {
  std::istringstream lines(text);
  std::string line;
  std::getline(lines, line);
  std::istringstream header(line);
  for (std::string name; header >> name;) names.push_back(name);
  std::vector<std::vector<double>> columns(names.size());
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    std::size_t k = 0;
    for (std::string field; fields >> field; ++k) {
      columns.at(k).push_back(std::strtod(field.c_str(), nullptr));
    }
  }
  return columns;
}

// The largest ratio of each side of each envelope, worked out from TARAMA.TXT's
// values and the rule's there (where |rule| reaches a tenth of Fw or Mw),
// equals MUKAVEMET.SON's and TARAMA.TXT's own ratio columns; the stretches
// over 1 are those the report names.
TEST(CrestSweep, LargestRatiosAreTheMaximaOverTheTableRows) {
  for (const int count : {40, 7, 12}) {
    SCOPED_TRACE(count);
    const SweptExample swept(count);
    ASSERT_EQ(swept.reason, ExitReason::Completed);
    std::vector<std::string> names;
    const auto columns = tableColumns(swept.run.read("TARAMA.TXT"), names);
    const auto column = [&](const char* name) -> const std::vector<double>& {
      return columns.at(
          static_cast<std::size_t>(std::find(names.begin(), names.end(), name) - names.begin()));
    };
    const std::string report = swept.run.read("MUKAVEMET.SON");
    std::size_t from = report.find("EN KOTU KAMBURLASMA MOMENTI");
    ASSERT_NE(from, std::string::npos);
    const struct {
      const char *value, *crest, *rule, *peak, *ratio, *excess;
    } sides[] = {
        {"BM_wave_max_tm", "BM_max_crest_m", "BM_rule_hog_kNm", "BM_rule_hog_kNm", "BM_max_ratio",
         "KAMBURLASMA MOMENTI"},
        {"BM_wave_min_tm", "BM_min_crest_m", "BM_rule_sag_kNm", "BM_rule_sag_kNm", "BM_min_ratio",
         "SARKMA MOMENTI"},
        {"SF_wave_max_t", "SF_max_crest_m", "SF_rule_pos_kN", "SF_rule_pos_kN", "SF_max_ratio",
         "KESME KUVVETI (+)"},
        {"SF_wave_min_t", "SF_min_crest_m", "SF_rule_neg_kN", "SF_rule_pos_kN", "SF_min_ratio",
         "KESME KUVVETI (-)"},
    };
    for (const auto& side : sides) {
      SCOPED_TRACE(side.value);
      const auto& x = column("x_m");
      const auto& value = column(side.value);
      const auto& rule = column(side.rule);
      // Fw where F1 is 1, Mw where M is 1.
      double peak = 0.0;
      for (const double r : column(side.peak)) {
        peak = std::max(peak, std::fabs(r));
      }
      std::vector<double> ratio(x.size(), std::nan(""));
      std::size_t worst = 0;
      std::string stretches;
      for (std::size_t k = 0; k < x.size(); ++k) {
        if (std::fabs(rule[k]) < 0.1 * peak - 0.05) continue;
        ratio[k] = std::max(0.0, value[k] * 9.81 / rule[k]);
        EXPECT_NEAR(column(side.ratio)[k], ratio[k], 2e-4) << "x = " << x[k];
        if (ratio[k] > ratio[worst] || std::isnan(ratio[worst])) worst = k;
      }
      for (std::size_t k = 0; k < x.size(); ++k) {
        const bool over = ratio[k] > 1.0, before = k > 0 && ratio[k - 1] > 1.0;
        const bool after = k + 1 < x.size() && ratio[k + 1] > 1.0;
        char place[32];
        std::snprintf(place, sizeof place, "%8.3f", x[k]);
        if (over && !before) stretches += std::string(side.excess) + " x = " + place + " - ";
        if (over && !after) stretches += std::string(place) + " m. AP 'den (ORAN > 1)\n";
      }
      EXPECT_TRUE(std::isnan(column(side.ratio).front()) && std::isnan(column(side.ratio).back()));
      // The report's line: "EN BUYUK ORAN = r   x = xx m. AP 'den   TEPE x = c m. AP 'den".
      from = report.find("EN BUYUK ORAN = ", from);
      ASSERT_NE(from, std::string::npos);
      double reported = 0.0, at = 0.0, crest = 0.0;
      ASSERT_EQ(std::sscanf(report.c_str() + from,
                            "EN BUYUK ORAN = %lf   x = %lf m. AP 'den   TEPE x = %lf", &reported,
                            &at, &crest),
                3);
      ++from;
      EXPECT_NEAR(reported, ratio[worst], 6e-4);
      const std::size_t row =
          static_cast<std::size_t>(std::find(x.begin(), x.end(), at) - x.begin());
      ASSERT_LT(row, x.size()) << at;
      EXPECT_NEAR(ratio[row], ratio[worst], 1e-4);
      EXPECT_EQ(crest, column(side.crest)[row]);
      std::string named;
      for (std::size_t line = 0; (line = report.find(side.excess, line)) != std::string::npos;) {
        const std::size_t end = report.find('\r', line);
        if (report.compare(end - 10, 10, "(ORAN > 1)") == 0) {
          named += report.substr(line, end - line) + "\n";
        }
        line = end;
      }
      EXPECT_EQ(named, stretches);
    }
  }
}

}  // namespace
}  // namespace norvika
