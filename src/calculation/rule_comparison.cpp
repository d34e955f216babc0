#include "calculation/rule_comparison.h"

#include <cmath>

namespace norvika {

RatioThresholds ratioThresholds(const RuleWaveLoads& rule) {
  if (!rule.applies) return {};
  return {kRatioThresholdShare * rule.shear, kRatioThresholdShare * rule.hogging,
          kRatioThresholdShare * rule.sagging};
}

RuleRatio compareWithRule(double computed, double rulePositive, double ruleNegative, double noise,
                          double positiveThreshold, double negativeThreshold) {
  RuleRatio r;
  r.computed = std::fabs(computed) > noise ? computed : 0.0;
  r.rule = r.computed < 0.0 ? ruleNegative : rulePositive;
  const double threshold = r.computed < 0.0 ? negativeThreshold : positiveThreshold;
  r.hasRatio = r.rule != 0.0 && std::fabs(r.rule) >= std::fabs(threshold);
  if (r.hasRatio) r.ratio = r.computed / r.rule;
  return r;
}

RuleComparison compareAlongShip(const RuleWaveLoads& rule, const std::vector<double>& x,
                                const std::vector<double>& waveShear,
                                const std::vector<double>& waveMoment, double shearNoise,
                                double momentNoise) {
  RuleComparison c;
  c.x = x;
  c.thresholds = ratioThresholds(rule);
  const RatioThresholds& t = c.thresholds;
  for (std::size_t k = 0; k < x.size(); ++k) {
    const RuleWaveLoadsAt at = ruleWaveLoadsAt(rule, x[k]);
    c.shear.push_back(compareWithRule(waveShear[k] * kGravity, at.positiveShear, at.negativeShear,
                                      shearNoise * kGravity, t.shear, t.shear));
    c.moment.push_back(compareWithRule(waveMoment[k] * kGravity, at.hogging, at.sagging,
                                       momentNoise * kGravity, t.hogging, t.sagging));
    if (c.shear.back().hasRatio) keepLarger(c.largestShearRatio, c.shear.back().ratio, x[k]);
    if (c.moment.back().hasRatio) keepLarger(c.largestMomentRatio, c.moment.back().ratio, x[k]);
  }
  return c;
}

}  // namespace norvika
