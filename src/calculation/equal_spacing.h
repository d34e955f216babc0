#pragma once

#include "calculation/run_state.h"

namespace norvika {

/// Interpolates the station buoyancy (t/m) at equalPointCount equally spaced
/// points from equalStart to equalEnd (m from AP), zero outside the stations,
/// then shifts the values uniformly (never below zero) until their
/// trapezoidal integral meets the displacement within 0.01 t. Fills
/// run.equalSpaced; returns false when that cannot be met.
[[nodiscard]] bool resampleEqualSpacing(RunState& run);

/// True when at least one equally spaced point lies within the stations.
bool equalRangeMeetsStations(const TaskParameters& task, const HullModel& hull);

}  // namespace norvika
