#pragma once

#include <vector>

#include "calculation/load_curves.h"
#include "calculation/rule_values.h"

namespace norvika {

/// A computed wave load beside the rule's value of the same sign at one place.
struct RuleRatio {
  double computed = 0.0;  // kN or kN m
  double rule = 0.0;      // kN or kN m, the rule's value of the computed one's sign
  /// computed / rule (>= 0); false where the rule gives nothing (at and beyond the ends).
  bool hasRatio = false;
  double ratio = 0.0;
};

/// The rule's value below which (a share of Fw or Mw) a ratio to it means
/// nothing: towards the ends, where its factors fall to zero.
inline constexpr double kRatioThresholdShare = 0.1;

/// The least |rule value| a ratio to it is taken at: kN, kN m, kN m (negative).
struct RatioThresholds {
  double shear = 0.0;
  double hogging = 0.0;
  double sagging = 0.0;
};

/// kRatioThresholdShare of the rule's Fw and Mw; all 0 where the rule does not apply.
RatioThresholds ratioThresholds(const RuleWaveLoads& rule);

/// Compares a computed wave load (kN or kN m) with the rule's positive and
/// negative values at the same place: a value within `noise` of zero is none;
/// a ratio is taken where the rule's value of its sign reaches the threshold
/// of that sign in magnitude (and is not 0).
RuleRatio compareWithRule(double computed, double rulePositive, double ruleNegative, double noise,
                          double positiveThreshold, double negativeThreshold);

/// The wave-induced shear force and bending moment at each row of the table
/// beside the rule's wave shear force and wave bending moment there.
struct RuleComparison {
  std::vector<double> x;  // m from AP, the rows of the table
  std::vector<RuleRatio> shear;
  std::vector<RuleRatio> moment;
  Extreme largestShearRatio;   // the largest ratio and its place
  Extreme largestMomentRatio;  // the largest ratio and its place
  RatioThresholds thresholds;
};

/// The comparison at rows x (m from AP) of the wave-induced shear force (t)
/// and bending moment (t m) with the rule; values within shearNoise (t) and
/// momentNoise (t m) of zero are none.
RuleComparison compareAlongShip(const RuleWaveLoads& rule, const std::vector<double>& x,
                                const std::vector<double>& waveShear,
                                const std::vector<double>& waveMoment, double shearNoise,
                                double momentNoise);

}  // namespace norvika
