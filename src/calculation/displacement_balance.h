#pragma once

#include <functional>

#include "calculation/run_state.h"
#include "numerics/station_spline.h"

namespace norvika {

/// Draft-search iterations that no valid input needs (a climb of D/100 steps
/// and some fifty halvings); reaching them means the input cannot balance.
inline constexpr int kBalanceIterationLimit = 100000;

/// Why a draft search, or the evaluation of a trimmed waterline, has no result.
enum class BalanceStop {
  None,
  DeckImmersed,    // the waterline stands above a station's deck edge
  WavePhase,       // the trochoid's phase does not converge
  StartsTooDeep,   // even with the draft at the keel the displacement is too large
  IterationLimit,  // kBalanceIterationLimit iterations would not do
  NotCrossed,      // not even a search from the keel crosses the required displacement
};

struct BalanceOutcome {
  BalanceStop stop = BalanceStop::None;
  int station = 0;         // DeckImmersed: the station
  double waterline = 0.0;  // DeckImmersed: its waterline height, m
  double deck = 0.0;       // DeckImmersed: its deck edge, m
};

/// Half-breadth (m) of station st at height z (m) from its fitted spline; a
/// piece between equal half-breadths is vertical.
double offsetAtHeight(const HullModel& hull, int st, const StationSpline& spline, double z);

/// Immersed area (m2, both sides) of station st below the waterline height zw
/// (m), by the 10-point Gauss-Legendre rule on four equal sub-intervals.
double computeSectionArea(const HullModel& hull, int st, const StationSpline& spline, double zw);

/// Cases 1-5: moves meanDraft until the displacement meets the required one
/// (the step halves at every overshoot; done below 0.0001 m), calling
/// `afterIteration` once each iteration is evaluated. Case 6: one evaluation
/// of the trimmed waterline. Leaves waterlineHeight, stationArea (m2) and
/// displacement (t) of the last evaluation; on a stop, what stood when it came.
BalanceOutcome balanceDisplacement(RunState& run,
                                   const std::function<void(const RunState&)>& afterIteration);

/// LCB (m from AP): the moment of the station areas about AP over the volume.
/// Needs a displacement other than zero.
void computeLongitudinalCentre(RunState& run);

}  // namespace norvika
