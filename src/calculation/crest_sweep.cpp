#include "calculation/crest_sweep.h"

#include <cmath>
#include <optional>

#include "calculation/load_curves.h"
#include "calculation/section_area.h"
#include "calculation/sink_trim_balance.h"
#include "calculation/waterline_profiles.h"
#include "model/calculation_case.h"

namespace norvika {

namespace {

void startEnvelope(SweepEnvelope& e, std::size_t rows) {
  e.largest.assign(rows, 0.0);
  e.smallest.assign(rows, 0.0);
  e.largestAt.assign(rows, -1);
  e.smallestAt.assign(rows, -1);
}

void widenEnvelope(SweepEnvelope& e, std::size_t row, double value, int position) {
  if (e.largestAt[row] < 0 || value > e.largest[row]) {
    e.largest[row] = value;
    e.largestAt[row] = position;
  }
  if (e.smallestAt[row] < 0 || value < e.smallest[row]) {
    e.smallest[row] = value;
    e.smallestAt[row] = position;
  }
}

// Keeps a position's extreme when it is worse than the sweep's so far.
void keepWorse(SweepWorst& worst, const Extreme& e, int position, bool larger) {
  if (larger ? e.value > worst.extreme.value : e.value < worst.extreme.value) {
    worst.extreme = e;
    worst.position = position;
  }
}

// The rule's values of one kind at the rows x (m from AP).
std::vector<double> ruleValuesAt(const RuleWaveLoads& rule, const std::vector<double>& x,
                                 double RuleWaveLoadsAt::*kind) {
  std::vector<double> values;
  values.reserve(x.size());
  for (const double at : x) values.push_back(ruleWaveLoadsAt(rule, at).*kind);
  return values;
}

}  // namespace

EnvelopeRatios envelopeRatios(const std::vector<double>& x, const std::vector<double>& values,
                              const std::vector<int>& at, const std::vector<double>& ruleValues,
                              double threshold, double noise) {
  EnvelopeRatios r;
  bool inExcess = false;
  for (std::size_t k = 0; k < x.size(); ++k) {
    RuleRatio& q = r.rows.emplace_back();
    const bool loaded = std::fabs(values[k]) > noise && values[k] * threshold > 0.0;
    q.computed = loaded ? values[k] * kGravity : 0.0;
    q.rule = ruleValues[k];
    q.hasRatio = threshold != 0.0 && std::fabs(q.rule) >= std::fabs(threshold);
    if (q.hasRatio) q.ratio = q.computed / q.rule;
    if (q.hasRatio && at[k] >= 0 && q.ratio > r.largest) {
      r.largest = q.ratio;
      r.x = x[k];
      r.position = at[k];
    }
    const bool exceeds = q.hasRatio && q.ratio > 1.0;
    if (exceeds && inExcess) r.excesses.back().to = x[k];
    if (exceeds && !inExcess) r.excesses.push_back({x[k], x[k]});
    inExcess = exceeds;
  }
  return r;
}

int sweptWaveCase(int caseNumber) {
  return caseProperties(caseNumber).trochoidal ? kTrochoidCrest : kSineCrest;
}

std::vector<double> sweepCrestPositions(double shipLength, double waveLength, int count) {
  std::vector<double> crests;
  const int aftmost = -((count - 1) / 2);
  for (int j = aftmost; j < aftmost + count; ++j) {
    crests.push_back(shipLength / 2.0 + j * waveLength / count);
  }
  return crests;
}

CrestSweep sweepCrest(const TaskParameters& task, const HullModel& hull,
                      const WeightDistribution& weights, const Strength& strength, int count,
                      double startDraft) {
  CrestSweep sweep;
  sweep.caseNumber = task.caseNumber;
  sweep.profileCase = sweptWaveCase(task.caseNumber);
  sweep.waveLength = task.shipLength * task.waveLengthRatio;
  sweep.x = strength.stillCurves.x;
  const std::size_t rows = sweep.x.size();
  startEnvelope(sweep.shear, rows);
  startEnvelope(sweep.moment, rows);
  // What depends on the hull and the weights alone is worked out once for every position.
  const std::vector<SectionCurve> sections = layOutStations(hull);
  const LoadGrid grid = loadGrid(hull, weights, task.shipLength);
  for (const double crest : sweepCrestPositions(task.shipLength, sweep.waveLength, count)) {
    const std::optional<WaterlineShape> shape =
        shapeWaterline(task, hull, sweep.profileCase, crest);
    StrengthCondition condition;
    if (shape) {
      condition = balanceSinkAndTrim(task, hull, sections, *shape, weights, startDraft);
    } else {
      condition.outcome = {BalanceStop::WavePhase};
    }
    if (condition.outcome.stop != BalanceStop::None) {
      sweep.outcome = condition.outcome;
      sweep.failedCrest = crest;
      return sweep;
    }
    // The rows depend on the hull, the weights and L only: the same as still water's.
    const LoadCurves curves =
        computeLoadCurves(grid, hull, condition.buoyancy, weights, task.shipLength);
    const int index = static_cast<int>(sweep.positions.size());
    SweepPosition& p = sweep.positions.emplace_back();
    p.crest = crest;
    p.iterations = condition.iterations;
    p.meanDraft = condition.meanDraft;
    p.trim = condition.trim;
    for (std::size_t k = 0; k < rows; ++k) {
      const double f = curves.shear[k] - strength.stillCurves.shear[k];
      const double m = curves.moment[k] - strength.stillCurves.moment[k];
      keepLarger(p.hogging, m, sweep.x[k]);
      keepSmaller(p.sagging, m, sweep.x[k]);
      keepLarger(p.positiveShear, f, sweep.x[k]);
      keepSmaller(p.negativeShear, f, sweep.x[k]);
      widenEnvelope(sweep.shear, k, f, index);
      widenEnvelope(sweep.moment, k, m, index);
    }
    keepWorse(sweep.hogging, p.hogging, index, true);
    keepWorse(sweep.sagging, p.sagging, index, false);
    keepWorse(sweep.positiveShear, p.positiveShear, index, true);
    keepWorse(sweep.negativeShear, p.negativeShear, index, false);
  }
  const double forceNoise = closureShearBound(weights.total);
  const double momentNoise = closureMomentBound(weights.total, task.shipLength);
  const RuleWaveLoads& rule = strength.rule;
  sweep.ruleApplies = rule.applies;
  sweep.thresholds = ratioThresholds(rule);
  const RatioThresholds& t = sweep.thresholds;
  for (SweepWorst* worst : {&sweep.positiveShear, &sweep.negativeShear}) {
    const RuleWaveLoadsAt at = ruleWaveLoadsAt(rule, worst->extreme.x);
    worst->rule = compareWithRule(worst->extreme.value * kGravity, at.positiveShear,
                                  at.negativeShear, forceNoise * kGravity, t.shear, t.shear);
  }
  for (SweepWorst* worst : {&sweep.hogging, &sweep.sagging}) {
    const RuleWaveLoadsAt at = ruleWaveLoadsAt(rule, worst->extreme.x);
    worst->rule = compareWithRule(worst->extreme.value * kGravity, at.hogging, at.sagging,
                                  momentNoise * kGravity, t.hogging, t.sagging);
  }
  const auto& x = sweep.x;
  sweep.positiveShear.ratios =
      envelopeRatios(x, sweep.shear.largest, sweep.shear.largestAt,
                     ruleValuesAt(rule, x, &RuleWaveLoadsAt::positiveShear), t.shear, forceNoise);
  sweep.negativeShear.ratios =
      envelopeRatios(x, sweep.shear.smallest, sweep.shear.smallestAt,
                     ruleValuesAt(rule, x, &RuleWaveLoadsAt::negativeShear), -t.shear, forceNoise);
  sweep.hogging.ratios =
      envelopeRatios(x, sweep.moment.largest, sweep.moment.largestAt,
                     ruleValuesAt(rule, x, &RuleWaveLoadsAt::hogging), t.hogging, momentNoise);
  sweep.sagging.ratios =
      envelopeRatios(x, sweep.moment.smallest, sweep.moment.smallestAt,
                     ruleValuesAt(rule, x, &RuleWaveLoadsAt::sagging), t.sagging, momentNoise);
  return sweep;
}

}  // namespace norvika
