#pragma once

#include <vector>

#include "calculation/stability_hull.h"

namespace norvika {

/// Free: the ship trims until its LCB stands at the LCG. Fixed: it keeps the
/// trim it is given.
enum class TrimMode { Free, Fixed };

/// What the ship holds at every heel: its volume and either its LCG or its trim.
struct FloatingTarget {
  double volume = 0.0;  // m3
  TrimMode trimMode = TrimMode::Free;
  double lcg = 0.0;        // m from AP (free trim)
  double trimSlope = 0.0;  // m per m, positive by the head (fixed trim)
};

/// Why there is no equilibrium at a heel.
enum class EquilibriumStop {
  None,
  VolumeOutsideHull,  // the volume is not above zero and below the whole hull's
  TrimOutOfReach,     // free trim: the LCB would reach the LCG only with the
                      // ship trimmed beyond kMaxTrimSlope, one end diving
  NoConvergence,      // the solvers ran out of iterations
};

/// Relative volume and LCB (on L) tolerances, the trim limit and the solvers'
/// iteration limits.
inline constexpr double kVolumeTolerance = 1e-10;
inline constexpr double kLcbTolerance = 1e-9;
inline constexpr double kMaxTrimSlope = 0.25;  // 1 in 4, a trim angle of 14 degrees
inline constexpr int kNewtonIterations = 30;
inline constexpr int kBracketIterations = 200;

/// The ship floating at one heel: the waterplane found and what it immerses.
struct Equilibrium {
  EquilibriumStop stop = EquilibriumStop::None;
  Waterplane plane;
  Immersed immersed;
  int evaluations = 0;  // waterplanes cut to find it
};

/// Floats the ship at `heel` (degrees) with the target's volume, from the
/// waterplane `start` (its heel is not read). Fixed trim: the sinkage by
/// Newton steps kept inside a halving bracket. Free trim: Newton steps on
/// sinkage and trim together while they shrink the misfit, else a bracketed
/// search of the trim around the bracketed search of the sinkage.
Equilibrium floatAtHeel(const StabilityHull& hull, const FloatingTarget& target, double heel,
                        const Waterplane& start);

/// Where to start the search at `heel` (degrees) after the equilibria found so
/// far (`rising`, the last nearest): their waterplane carried on along the
/// parabola through the last three of distinct heels.
Waterplane startAfter(const std::vector<Equilibrium>& rising, double heel);

/// The volume (m3) under the level waterline at `draft` (m above the base line).
double volumeAtDraft(const StabilityHull& hull, double draft);

}  // namespace norvika
