#include "calculation/cross_curves.h"

#include <cmath>

#include "numerics/false_position.h"

namespace norvika {

namespace {

// The depth of the deepest deck edge against heel, narrowed to a millionth of
// a degree; the heel where the edge is at or under the water.
double deckEdgeAngleBetween(const StabilityHull& hull, const FloatingTarget& target,
                            const Equilibrium& clear, const Equilibrium& under) {
  std::vector<Equilibrium> tried{clear, under};
  const SignBracket bracket = narrowSignBracket(
      {clear.plane.heel, clear.immersed.deckEdgeDepth, under.plane.heel,
       under.immersed.deckEdgeDepth},
      1e-6, kBracketIterations, [&](double heel) -> std::optional<double> {
        const Equilibrium e = floatAtHeel(hull, target, heel, startAfter(tried, heel));
        if (e.stop != EquilibriumStop::None) return std::nullopt;
        tried.push_back(e);
        return e.immersed.deckEdgeDepth;
      });
  return bracket.positive;
}

}  // namespace

FloatingCondition floatUpright(const StabilityHull& hull, double displacement, TrimMode trimMode,
                               std::optional<double> lcg) {
  FloatingCondition condition;
  condition.displacement = displacement;
  condition.target.volume = displacement / hull.density;
  // First on an even keel, which gives the LCG when none is given and the
  // start of the free-trim search when one is.
  condition.target.trimMode = TrimMode::Fixed;
  condition.upright = floatAtHeel(hull, condition.target, 0.0, {});
  if (condition.upright.stop == EquilibriumStop::None && lcg) {
    condition.target.trimMode = TrimMode::Free;
    condition.target.lcg = *lcg;
    condition.upright = floatAtHeel(hull, condition.target, 0.0, condition.upright.plane);
  }
  condition.stop = condition.upright.stop;
  condition.lcg = lcg ? *lcg : condition.upright.immersed.lcb;
  condition.target.trimMode = trimMode;
  condition.target.lcg = condition.lcg;
  condition.target.trimSlope = condition.upright.plane.trimSlope;
  return condition;
}

std::vector<double> crossCurveHeels(bool finer) {
  std::vector<double> heels;
  for (double heel = 0.0; heel <= 80.0; heel += finer && heel >= 10.0 && heel < 30.0 ? 2.5 : 5.0) {
    heels.push_back(heel);
  }
  return heels;
}

std::vector<CrossCurve> computeCrossCurves(const StabilityHull& hull,
                                           const CrossCurvesInput& input) {
  std::vector<CrossCurve> curves;
  for (const double displacement : input.displacements) {
    CrossCurve& curve = curves.emplace_back();
    curve.condition = floatUpright(hull, displacement, input.trimMode, input.lcg);
    if (curve.condition.stop != EquilibriumStop::None) {
      curve.stop = curve.condition.stop;
      continue;
    }
    std::vector<Equilibrium> rising{curve.condition.upright};
    for (const double heel : input.heels) {
      const Equilibrium e =
          floatAtHeel(hull, curve.condition.target, heel, startAfter(rising, heel));
      if (e.stop != EquilibriumStop::None) {
        curve.stop = e.stop;
        curve.stopHeel = heel;
        break;
      }
      curve.points.push_back({heel, leverAboutKeel(e.immersed, heel), e});
      rising.push_back(e);
    }
    curve.deckEdgeAngle = deckEdgeAngleOf(hull, curve.condition.target, rising);
  }
  return curves;
}

std::optional<double> deckEdgeAngleOf(const StabilityHull& hull, const FloatingTarget& target,
                                      const std::vector<Equilibrium>& rising) {
  for (std::size_t i = 0; i < rising.size(); ++i) {
    if (rising[i].immersed.deckEdgeDepth < 0.0) continue;
    if (i == 0) return rising[0].plane.heel;
    return deckEdgeAngleBetween(hull, target, rising[i - 1], rising[i]);
  }
  return std::nullopt;
}

}  // namespace norvika
