#include "calculation/rule_comparison.h"

#include <cmath>

namespace norvika {

RuleRatio compareWithRule(double computed, double rulePositive, double ruleNegative, double noise) {
  RuleRatio r;
  r.computed = std::fabs(computed) > noise ? computed : 0.0;
  r.rule = r.computed < 0.0 ? ruleNegative : rulePositive;
  r.hasRatio = r.rule != 0.0;
  if (r.hasRatio) r.ratio = r.computed / r.rule;
  return r;
}

RuleComparison compareAlongShip(const RuleWaveLoads& rule, const std::vector<double>& x,
                                const std::vector<double>& waveShear,
                                const std::vector<double>& waveMoment, double shearNoise,
                                double momentNoise) {
  RuleComparison c;
  c.x = x;
  for (std::size_t k = 0; k < x.size(); ++k) {
    const RuleWaveLoadsAt at = ruleWaveLoadsAt(rule, x[k]);
    c.shear.push_back(compareWithRule(waveShear[k] * kGravity, at.positiveShear, at.negativeShear,
                                      shearNoise * kGravity));
    c.moment.push_back(
        compareWithRule(waveMoment[k] * kGravity, at.hogging, at.sagging, momentNoise * kGravity));
    if (c.shear.back().hasRatio) keepLarger(c.largestShearRatio, c.shear.back().ratio, x[k]);
    if (c.moment.back().hasRatio) keepLarger(c.largestMomentRatio, c.moment.back().ratio, x[k]);
  }
  return c;
}

}  // namespace norvika
