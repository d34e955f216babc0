#include "calculation/strength.h"

#include <optional>

#include "calculation/buoyancy_curve.h"
#include "calculation/waterline_length.h"
#include "model/calculation_case.h"
#include "numerics/integration_spline.h"

namespace norvika {

namespace {

// The wave-induced sagging on the true trochoid with its trough amidships:
// the crest case's profile with its crest half a wave length off L/2.
void addTrueTrough(const TaskParameters& task, const HullModel& hull,
                   const WeightDistribution& weights, double startDraft, Strength& result) {
  const double crest = task.shipLength / 2.0 + task.shipLength * task.waveLengthRatio / 2.0;
  const std::optional<WaterlineShape> shape = shapeWaterline(task, hull, kTrochoidCrest, crest);
  if (!shape) return;
  const StrengthCondition trough =
      balanceSinkAndTrim(task, hull, layOutStations(hull), *shape, weights, startDraft);
  if (trough.outcome.stop != BalanceStop::None) return;
  const LoadCurves curves = computeLoadCurves(hull, trough.buoyancy, weights, task.shipLength);
  for (std::size_t k = 0; k < curves.x.size(); ++k) {
    keepSmaller(result.trueTroughSagging, curves.moment[k] - result.stillCurves.moment[k],
                curves.x[k]);
  }
  result.hasTrueTrough = true;
}

// The rule's wave loads for the still-water condition `still`: its draft or
// the scantling draft given (a level waterline, its volume from the run's
// section areas), the rule length given or taken from that waterline.
RuleWaveLoads ruleForLoading(const TaskParameters& task, const HullModel& hull,
                             const StrengthCondition& still, const RuleChoices& choices,
                             RuleLengthSource& source) {
  const double L = task.shipLength;
  double draft = still.meanDraft;
  double volume = still.displacement / task.waterDensity;
  WaterlineEnds ends = waterlineEnds(hull, L, still.aftDraft, still.forwardDraft);
  if (choices.scantlingDraft) {
    draft = *choices.scantlingDraft;
    ends = waterlineEnds(hull, L, draft, draft);
    const std::vector<SectionCurve> sections = layOutStations(hull);
    Table<double> area(kMaxStations);
    for (int st = 1; st <= hull.stationCount; ++st) {
      area(st) = sectionArea(sections[static_cast<std::size_t>(st - 1)], draft);
    }
    volume = integrateTabulated(hull.stationCount, hull.stationX, area);
  }
  source.perpendiculars = L;
  source.waterline = ends.length();
  source.waterlineForward = ends.forward;
  source.lengthGiven = choices.length.has_value();
  source.draftGiven = choices.scantlingDraft.has_value();
  const double length = choices.length ? *choices.length : ruleLength(L, source.waterline);
  RuleWaveLoads rule = ruleWaveLoads(length, 2.0 * hull.maxHalfBreadth, draft, volume);
  // Without a waterline L keeps its place from AP.
  rule.aftEnd = source.waterline > 0.0 ? ends.forward - length : 0.0;
  return rule;
}

}  // namespace

Strength computeStrength(const TaskParameters& task, const HullModel& hull,
                         const Immersion& immersion, double meanDraft,
                         const WeightDistribution& weights, const RuleChoices& choices) {
  const int c = task.caseNumber;
  const CaseProperties& properties = caseProperties(c);
  Strength result;
  result.caseNumber = c;
  StrengthCondition& condition = result.condition;
  if (properties.balancesInSinkAndTrim) {
    condition = balanceSinkAndTrim(task, hull, c, weights, meanDraft);
    if (condition.outcome.stop != BalanceStop::None) {
      result.outcome = condition.outcome;
      return result;
    }
  } else {
    // The run's own waterline, heeled buoyancy included: no balance, the
    // residual force and moment show at the forward end.
    condition.profileCase = c;
    condition.aftDraft = task.aftDraft;
    condition.forwardDraft = task.forwardDraft;
    condition.meanDraft = (task.aftDraft + task.forwardDraft) / 2.0;
    condition.trim = task.forwardDraft - task.aftDraft;
    for (int st = 1; st <= hull.stationCount; ++st) {
      condition.buoyancy(st) = task.waterDensity * immersion.stationArea(st);
    }
    integrateStationBuoyancy(hull, condition.buoyancy, condition.displacement, condition.centre);
  }
  result.curves = computeLoadCurves(hull, condition.buoyancy, weights, task.shipLength);
  if (!properties.balancesInSinkAndTrim) return result;

  const StrengthCondition* still = &condition;
  if (properties.hasWave) {
    result.hasStillWater = true;
    result.stillWater = balanceSinkAndTrim(task, hull, kLevelWaterline, weights, meanDraft);
    if (result.stillWater.outcome.stop != BalanceStop::None) {
      result.outcome = result.stillWater.outcome;
      return result;
    }
    result.stillCurves =
        computeLoadCurves(hull, result.stillWater.buoyancy, weights, task.shipLength);
    const std::size_t rows = result.curves.x.size();
    result.waveShear.resize(rows);
    result.waveMoment.resize(rows);
    for (std::size_t k = 0; k < rows; ++k) {
      const double x = result.curves.x[k];
      const double f = result.curves.shear[k] - result.stillCurves.shear[k];
      const double m = result.curves.moment[k] - result.stillCurves.moment[k];
      result.waveShear[k] = f;
      result.waveMoment[k] = m;
      keepLarger(result.waveHogging, m, x);
      keepSmaller(result.waveSagging, m, x);
      keepLarger(result.wavePositiveShear, f, x);
      keepSmaller(result.waveNegativeShear, f, x);
    }
    still = &result.stillWater;
    if (properties.trochoidal && !properties.crestAmidships) {
      addTrueTrough(task, hull, weights, meanDraft, result);
    }
  }
  result.rule = ruleForLoading(task, hull, *still, choices, result.ruleSource);
  if (result.hasStillWater && result.rule.applies) {
    result.ruleComparison = compareAlongShip(result.rule, result.curves.x, result.waveShear,
                                             result.waveMoment, closureShearBound(weights.total),
                                             closureMomentBound(weights.total, task.shipLength));
  }
  return result;
}

double closureShearBound(double weight) { return 1e-5 * weight; }

double closureMomentBound(double weight, double shipLength) { return 1e-5 * weight * shipLength; }

double shearNoise(double weight) { return 1e-6 * weight; }

double momentNoise(double weight, double shipLength) { return 1e-6 * weight * shipLength; }

}  // namespace norvika
