#include "calculation/rule_values.h"

#include <algorithm>
#include <cmath>

namespace norvika {

double ruleWaveCoefficient(double length) {
  if (length < 90.0 || length > 500.0) return 0.0;
  if (length <= 300.0) return 10.75 - std::pow((300.0 - length) / 100.0, 1.5);
  if (length <= 350.0) return 10.75;
  return 10.75 - std::pow((length - 350.0) / 150.0, 1.5);
}

RuleWaveMoments ruleWaveMoments(double length, double breadth, double draft, double volume) {
  RuleWaveMoments rule;
  rule.length = length;
  rule.breadth = breadth;
  rule.draft = draft;
  rule.applies = length >= 90.0 && length <= 500.0;
  const double box = length * breadth * draft;
  rule.blockCoefficient = std::max(box > 0.0 ? volume / box : 0.0, 0.6);
  if (!rule.applies) return rule;
  rule.coefficient = ruleWaveCoefficient(length);
  const double base = rule.coefficient * length * length * breadth * 1e-3;
  rule.hogging = 190.0 * base * rule.blockCoefficient;
  rule.sagging = -110.0 * base * (rule.blockCoefficient + 0.7);
  return rule;
}

}  // namespace norvika
