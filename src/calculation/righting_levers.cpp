#include "calculation/righting_levers.h"

#include <algorithm>
#include <cmath>

#include "numerics/gauss_legendre.h"

namespace norvika {

namespace {

// Heels closer than this are one sample (degrees).
constexpr double kSameHeel = 1e-9;

// The grid's heels and the table's, rising, each once.
std::vector<double> sampleHeels(const LoadingCondition& condition) {
  std::vector<double> heels;
  const double steps = std::floor(condition.lastHeel / condition.step + 1e-9);
  for (int k = 0; k <= steps && k < kMaxGzSamples; ++k) heels.push_back(k * condition.step);
  heels.push_back(condition.lastHeel);
  for (const double heel : condition.heels) {
    if (heel >= 0.0 && heel <= condition.lastHeel) heels.push_back(heel);
  }
  std::sort(heels.begin(), heels.end());
  heels.erase(std::unique(heels.begin(), heels.end(),
                          [](double a, double b) { return b - a <= kSameHeel; }),
              heels.end());
  return heels;
}

std::optional<double> areaTo(const GzCurve& curve, double heel) {
  if (heel > curve.lastHeel()) return std::nullopt;
  return gzArea(curve, 0.0, heel);
}

}  // namespace

RightingLevers computeRightingLevers(const StabilityHull& hull, const HullModel& model,
                                     const LoadingCondition& input) {
  RightingLevers result;
  result.condition = floatUpright(hull, input.displacement, input.trimMode, input.lcg);
  if (result.condition.stop != EquilibriumStop::None) {
    result.outcome.stop = result.condition.stop;
    return result;
  }
  const Waterplane& upright = result.condition.upright.plane;
  Hydrostatics hydrostatics;
  result.outcome.hydrostatics =
      computeHydrostatics(
          model,
          {hull.shipLength, hull.density, upright.trimSlope * hull.shipLength, {upright.height}},
          hydrostatics)
          .stop;
  if (result.outcome.hydrostatics != HydrostaticsStop::None) return result;
  result.upright = hydrostatics.rows.front();
  result.fluidKg = input.kg + input.freeSurfaceMoment / input.displacement;
  result.gm0 = result.upright.kmt - result.fluidKg;

  std::vector<Equilibrium> rising{result.condition.upright};
  for (const double heel : sampleHeels(input)) {
    const Equilibrium e =
        floatAtHeel(hull, result.condition.target, heel, startAfter(rising, heel));
    if (e.stop != EquilibriumStop::None) {
      result.outcome.stop = e.stop;
      result.outcome.heel = heel;
      break;
    }
    const double kn = leverAboutKeel(e.immersed, heel);
    result.samples.push_back({heel, kn, kn - result.fluidKg * std::sin(heel * kDegree), e});
    rising.push_back(e);
  }
  for (const double heel : input.heels) {
    for (const GzPoint& point : result.samples) {
      if (std::fabs(point.heel - heel) <= kSameHeel) result.table.push_back(point);
    }
  }
  result.deckEdgeAngle = deckEdgeAngleOf(hull, result.condition.target, rising);
  if (result.samples.size() < 2) return result;

  std::vector<double> heels, levers;
  for (const GzPoint& point : result.samples) {
    heels.push_back(point.heel);
    levers.push_back(point.gz);
  }
  result.curve = fitGzCurve(std::move(heels), std::move(levers));
  const GzCurve& curve = result.curve;
  result.maximum = gzMaximum(curve, 0.0, curve.lastHeel());
  result.vanishingAngle = result.maximum.lever > 0.0
                              ? gzCrossing(curve, 0.0, result.maximum.heel, curve.lastHeel(), true)
                              : std::optional<double>(0.0);
  result.area30 = areaTo(curve, 30.0);
  result.area40 = areaTo(curve, 40.0);
  if (input.floodingAngle) result.areaToFlooding = areaTo(curve, *input.floodingAngle);
  return result;
}

}  // namespace norvika
