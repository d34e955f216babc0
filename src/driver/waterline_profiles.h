#pragma once

#include "driver/run_state.h"

namespace norvika {

/// Fills waterlineHeight(1, 1..stationCount) for the case at meanDraft (m);
/// cases 1, 6 and 7 first set waterlineEnds(1, 1..2). Ends the run when the
/// trochoid phase does not converge.
void setWaterlineProfile(RunState& run, int caseNumber, double meanDraft);

/// The waterline height zw at station st lies above the deck edge zTop: shows
/// the case's message and ends the run.
[[noreturn]] void checkDeck(RunState& run, int station, double zw, double zTop);

/// Ends the run when the heel angle is below 0.001 degree in magnitude.
void checkHeelAngle(RunState& run);

}  // namespace norvika
