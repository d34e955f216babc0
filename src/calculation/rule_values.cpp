#include "calculation/rule_values.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace norvika {

namespace {

using Knot = std::pair<double, double>;  // (x / L, factor)

// The factor of a broken line through `knots` (x / L rising from 0 to 1);
// nothing beyond the ends of L.
template <std::size_t N>
double brokenLine(const std::array<Knot, N>& knots, double t) {
  if (!(t > 0.0 && t < 1.0)) return 0.0;
  for (std::size_t k = 1; k < N; ++k) {
    const auto& [t1, f1] = knots[k - 1];
    const auto& [t2, f2] = knots[k];
    if (t <= t2) return f1 + (f2 - f1) * (t - t1) / (t2 - t1);
  }
  return 0.0;
}

// The shear factors share their shape: `aft` from 0.2 L to 0.3 L, 0.7
// amidships, `forward` from 0.7 L to 0.85 L.
double shearFactor(double t, double aft, double forward) {
  const std::array<Knot, 8> knots = {{{0.0, 0.0},
                                      {0.2, aft},
                                      {0.3, aft},
                                      {0.4, 0.7},
                                      {0.6, 0.7},
                                      {0.7, forward},
                                      {0.85, forward},
                                      {1.0, 0.0}}};
  return brokenLine(knots, t);
}

}  // namespace

double ruleWaveCoefficient(double length) {
  if (length < 90.0 || length > 500.0) return 0.0;
  if (length <= 300.0) return 10.75 - std::pow((300.0 - length) / 100.0, 1.5);
  if (length <= 350.0) return 10.75;
  return 10.75 - std::pow((length - 350.0) / 150.0, 1.5);
}

RuleWaveLoads ruleWaveLoads(double length, double breadth, double draft, double volume) {
  RuleWaveLoads rule;
  rule.length = length;
  rule.breadth = breadth;
  rule.draft = draft;
  rule.applies = length >= 90.0 && length <= 500.0;
  const double box = length * breadth * draft;
  rule.computedBlockCoefficient = box > 0.0 ? volume / box : 0.0;
  rule.blockCoefficient = std::max(rule.computedBlockCoefficient, 0.6);
  if (!rule.applies) return rule;
  rule.coefficient = ruleWaveCoefficient(length);
  const double base = rule.coefficient * length * length * breadth * 1e-3;
  rule.hogging = 190.0 * base * rule.blockCoefficient;
  rule.sagging = -110.0 * base * (rule.blockCoefficient + 0.7);
  rule.shear = 30.0 * rule.coefficient * length * breadth * (rule.blockCoefficient + 0.7) * 1e-2;
  rule.hoggingShare = 190.0 * rule.blockCoefficient / (110.0 * (rule.blockCoefficient + 0.7));
  return rule;
}

double ruleLength(double lpp, double lwl) {
  if (!(lwl > 0.0)) return lpp;
  return std::clamp(lpp, 0.96 * lwl, 0.97 * lwl);
}

double ruleLengthShare(const RuleWaveLoads& rule, double x) {
  return (x - rule.aftEnd) / rule.length;
}

double waveMomentFactor(double xOverL) {
  static constexpr std::array<Knot, 4> knots = {{{0.0, 0.0}, {0.4, 1.0}, {0.65, 1.0}, {1.0, 0.0}}};
  return brokenLine(knots, xOverL);
}

double positiveShearFactor(double xOverL, double hoggingShare) {
  return shearFactor(xOverL, 0.92 * hoggingShare, 1.0);
}

double negativeShearFactor(double xOverL, double hoggingShare) {
  return shearFactor(xOverL, 0.92, hoggingShare);
}

RuleWaveLoadsAt ruleWaveLoadsAt(const RuleWaveLoads& rule, double x) {
  RuleWaveLoadsAt at;
  if (!rule.applies) return at;
  const double t = ruleLengthShare(rule, x);
  const double m = waveMomentFactor(t);
  at.hogging = m * rule.hogging;
  at.sagging = m * rule.sagging;
  at.positiveShear = positiveShearFactor(t, rule.hoggingShare) * rule.shear;
  at.negativeShear = -negativeShearFactor(t, rule.hoggingShare) * rule.shear;
  return at;
}

}  // namespace norvika
