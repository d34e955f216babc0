#pragma once

#include <optional>
#include <vector>

#include "calculation/cross_curves.h"
#include "calculation/gz_curve.h"
#include "calculation/hydrostatics.h"

namespace norvika {

/// A loading condition whose righting levers are wanted.
struct LoadingCondition {
  double displacement = 0.0;       // t
  double kg = 0.0;                 // m above the base line
  double freeSurfaceMoment = 0.0;  // t m, raising G by FSM / displacement
  TrimMode trimMode = TrimMode::Free;
  std::optional<double> lcg;                           // m from AP; none: the even-keel LCB
  std::optional<double> floodingAngle;                 // degrees
  std::vector<double> heels = crossCurveHeels(false);  // the table's heels, degrees, 0..lastHeel
  double step = 1.0;        // degrees between the curve's samples, at least 180 / kMaxGzSamples
  double lastHeel = 180.0;  // degrees, where the curve ends, 180 at most
};

/// The most samples a curve takes (a step of a hundredth of a degree to 180).
inline constexpr int kMaxGzSamples = 18000;

/// One heel of the condition.
struct GzPoint {
  double heel = 0.0;  // degrees
  double kn = 0.0;    // m
  double gz = 0.0;    // m, KN - KG sin heel with the KG raised by the free surface
  Equilibrium equilibrium;
};

/// Why the condition has no curve, or a short one.
struct RightingLeversOutcome {
  EquilibriumStop stop = EquilibriumStop::None;            // the first equilibrium that failed
  double heel = 0.0;                                       // degrees, where
  HydrostaticsStop hydrostatics = HydrostaticsStop::None;  // the upright hydrostatics refused
};

/// The righting levers of a loading condition and what the criteria read of
/// them. Lengths in m, angles in degrees, areas in m rad.
struct RightingLevers {
  RightingLeversOutcome outcome;
  FloatingCondition condition;   // upright
  HydrostaticRow upright;        // the curves of form at the upright waterline
  double fluidKg = 0.0;          // KG + FSM / displacement
  double gm0 = 0.0;              // KMt - fluid KG
  std::vector<GzPoint> table;    // at the condition's heels reached
  std::vector<GzPoint> samples;  // every heel computed, rising
  GzCurve curve;                 // through the samples
  GzPeak maximum;                // the greatest lever and its heel
  /// Where the lever returns to zero past its maximum (0 when it is never
  /// positive); none when it does not before the curve ends.
  std::optional<double> vanishingAngle;
  std::optional<double> deckEdgeAngle;
  std::optional<double> area30;  // 0 to 30 degrees; none beyond the curve
  std::optional<double> area40;
  std::optional<double> areaToFlooding;
};

/// The righting levers of the condition: the ship floated upright and at
/// every heel of a grid of `step` to `lastHeel` and of the table's heels, with
/// its volume held and its trim free or fixed; GM0 from the KMt of the curves
/// of form at the upright waterline. Samples end at the first heel without an
/// equilibrium (outcome says which and why).
RightingLevers computeRightingLevers(const StabilityHull& hull, const HullModel& model,
                                     const LoadingCondition& condition);

}  // namespace norvika
