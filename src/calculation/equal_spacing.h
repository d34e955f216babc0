#pragma once

#include <optional>

#include "model/hull_model.h"
#include "model/task_parameters.h"
#include "support/capacities.h"
#include "support/table.h"

namespace norvika {

/// Buoyancy per metre resampled at equally spaced points.
struct EqualSpacing {
  int count = 0;
  Table<double> x{kMaxEqualPoints};  // m from AP
  Table<double> v{kMaxEqualPoints};  // t/m
  double span = 0.0;                 // E, m
  double displacement = 0.0;         // DE, t
  double centre = 0.0;               // CE, m from AP
};

/// Interpolates the station buoyancy (density (t/m3) times each station's
/// immersed area (m2)) at the task's equalPointCount equally spaced points
/// from equalStart to equalEnd (m from AP), zero outside the stations, then
/// shifts the values uniformly (never below zero) until their trapezoidal
/// integral meets the displacement (t) within 0.01 t; none when that cannot
/// be met.
std::optional<EqualSpacing> resampleEqualSpacing(const TaskParameters& task, const HullModel& hull,
                                                 const Table<double>& stationArea,
                                                 double displacement);

/// True when at least one equally spaced point lies within the stations.
bool equalRangeMeetsStations(const TaskParameters& task, const HullModel& hull);

}  // namespace norvika
