#pragma once

#include <optional>
#include <vector>

#include "calculation/heel_equilibrium.h"

namespace norvika {

/// The ship upright at a displacement, and what it holds as it heels.
struct FloatingCondition {
  EquilibriumStop stop = EquilibriumStop::None;  // no upright equilibrium: why
  double displacement = 0.0;                     // t
  double lcg = 0.0;                              // m from AP
  FloatingTarget target;  // the volume, with the LCG (free trim) or the upright trim (fixed)
  Equilibrium upright;
};

/// Floats the ship upright with `displacement` (t): with its LCB at `lcg` (m
/// from AP) when one is given, else on an even keel, its LCB then taken as
/// the LCG. At fixed trim the upright trim is held at every heel.
FloatingCondition floatUpright(const StabilityHull& hull, double displacement, TrimMode trimMode,
                               std::optional<double> lcg);

/// Heel angles of the cross curves when none are given (degrees): 0 to 80 in
/// steps of 5, or with `finer` in steps of 2.5 from 10 to 30.
std::vector<double> crossCurveHeels(bool finer);

/// One point of a cross curve.
struct CrossCurvePoint {
  double heel = 0.0;  // degrees
  double kn = 0.0;    // m
  Equilibrium equilibrium;
};

/// KN against heel at one displacement.
struct CrossCurve {
  FloatingCondition condition;
  std::vector<CrossCurvePoint> points;  // the heels reached, in the order given
  /// The heel at which the first deck edge reaches the water (degrees): none
  /// when no deck edge is under water at the last heel reached.
  std::optional<double> deckEdgeAngle;
  EquilibriumStop stop = EquilibriumStop::None;  // why the curve ends short
  double stopHeel = 0.0;                         // at which heel (degrees)
};

struct CrossCurvesInput {
  std::vector<double> displacements;  // t
  std::vector<double> heels;          // degrees, rising from 0 or above
  TrimMode trimMode = TrimMode::Free;
  std::optional<double> lcg;  // m from AP; none: each displacement's even-keel LCB
};

/// The cross curves: one per displacement, each heeled from upright through
/// the heels, every equilibrium starting from the one before.
std::vector<CrossCurve> computeCrossCurves(const StabilityHull& hull,
                                           const CrossCurvesInput& input);

/// The heel at which the first deck edge reaches the water (degrees, to a
/// millionth of a degree), from equilibria at rising heels, upright first:
/// found between the last with every deck edge clear and the first with one
/// at or under the water; none when no deck edge comes under.
std::optional<double> deckEdgeAngleOf(const StabilityHull& hull, const FloatingTarget& target,
                                      const std::vector<Equilibrium>& rising);

}  // namespace norvika
