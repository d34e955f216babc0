#pragma once

#include "calculation/run_state.h"

namespace norvika {

/// Fills waterlineHeight(1..stationCount) for the case at meanDraft (m);
/// cases 1, 6 and 7 first set the waterline's heights at AP and FP, and cases
/// 1-6 the drafts the status lines show. Returns false when the trochoid's
/// phase does not converge at some station (500 iterations); the heights are
/// then incomplete.
[[nodiscard]] bool setWaterlineProfile(RunState& run, int caseNumber, double meanDraft);

}  // namespace norvika
