#pragma once

#include <vector>

#include "calculation/displacement_balance.h"
#include "calculation/load_curves.h"
#include "calculation/rule_comparison.h"
#include "calculation/rule_values.h"
#include "calculation/sink_trim_balance.h"
#include "model/hull_model.h"
#include "model/task_parameters.h"
#include "model/weights_file.h"

namespace norvika {

/// Everything the strength step reports.
struct Strength {
  /// Why a balance in sink and trim was not found; None when every one was.
  BalanceOutcome outcome;
  int caseNumber = 0;
  StrengthCondition condition;  // on the case's waterline
  LoadCurves curves;
  bool hasStillWater = false;  // cases 2-5: the same weights balanced on still water
  StrengthCondition stillWater;
  LoadCurves stillCurves;
  // The wave-induced part, the curves on the wave minus those on still water,
  // at each row, and its extremes over the rows.
  std::vector<double> waveShear;   // t
  std::vector<double> waveMoment;  // t m
  Extreme waveHogging;
  Extreme waveSagging;
  Extreme wavePositiveShear;
  Extreme waveNegativeShear;
  /// Case 3's wave is the crest trochoid turned upside down (a sharp trough);
  /// the wave-induced sagging on the true trochoid with its trough amidships
  /// (case 2's profile moved half a wave length) beside it, where that
  /// balance is found.
  bool hasTrueTrough = false;
  Extreme trueTroughSagging;      // t m
  RuleWaveLoads rule;             // cases 1-5
  RuleLengthSource ruleSource;    // where its L and T came from
  RuleComparison ruleComparison;  // cases 2-5 where the rule applies
};

/// SF of a balanced condition closes at the forward end within this (t) of a
/// ship of weight W (t); a wave-induced shear force, the difference of two
/// such curves, is no force within it.
double closureShearBound(double weight);
/// BM closes within this (t m), L in m; a wave-induced moment is none within it.
double closureMomentBound(double weight, double shipLength);

/// A shear force within this (t) of zero, for a ship of weight W (t), is
/// rounding rather than load: no largest value is reported or marked.
double shearNoise(double weight);
/// A bending moment within this (t m) of zero is none at all; L in m.
double momentNoise(double weight, double shipLength);

/// The strength of a completed run whose buoyancy is `immersion` (at the
/// search's mean draft (m) for cases 1-5): cases 1-5 balanced in sink and
/// trim (2-5 also on still water), cases 6 and 7 on the run's own buoyancy.
/// The rule's values take the given length and draft, else the rule length
/// from the waterline (ruleLength) and the still-water condition's draft.
Strength computeStrength(const TaskParameters& task, const HullModel& hull,
                         const Immersion& immersion, double meanDraft,
                         const WeightDistribution& weights, const RuleChoices& choices = {});

}  // namespace norvika
