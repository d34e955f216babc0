#pragma once

#include "driver/run_state.h"
#include "numerics/station_spline.h"

namespace norvika {

/// Half-breadth (m) of station st at height z (m) from its fitted spline; a
/// piece between equal half-breadths is vertical.
double offsetAtHeight(const HullModel& hull, int st, const StationSpline& spline, double z);

/// Immersed area (m2, both sides) of station st below the waterline height zw
/// (m), by the 10-point Gauss-Legendre rule on four equal sub-intervals.
double computeSectionArea(const HullModel& hull, int st, const StationSpline& spline, double zw);

/// Cases 1-5: moves meanDraft until the displacement meets the required one
/// (the step halves at every overshoot; done below 0.0001 m). Case 6: one
/// evaluation of the trimmed waterline. Leaves waterlineHeight(1, ·),
/// stationArea(1, ·) (m2) and displacementTable(1) (t) of the last iteration.
void balanceDisplacement(RunState& run);

/// Prints the status lines of the Report window: the case title, the required
/// and computed displacement and the drafts, each where the case shows them.
void printBalanceStatus(RunState& run, bool withTitle);

/// Prints a warning line on the report window for every station whose section area, as the
/// report shows it, is negative (offsets that make the fitted curve cross the centre line).
void warnNegativeSectionAreas(RunState& run);

}  // namespace norvika
