#pragma once

#include <functional>

#include "calculation/displacement_balance.h"
#include "calculation/heeled_station.h"
#include "model/hull_model.h"
#include "model/task_parameters.h"

namespace norvika {

/// The damaged condition: every station cut by the waterline through the
/// task's drafts, inclined by the heel angle.
struct HeeledHull {
  /// The task's straight waterline, the heeled section areas and the displacement.
  Immersion immersion;
  double lcb = 0.0;  // m from AP
  double tcb = 0.0;  // m from CL, rising side positive
  double kb = 0.0;   // m above the base line
};

/// Called with each station's cut as it is made, with the station's fitted curve.
using HeeledStationVisit =
    std::function<void(int station, const HeeledStation& cut, const StationSpline& spline)>;

/// Cuts every station by the heeled waterline and integrates the areas and
/// moments along the ship. The heel angle (degrees) must heel the ship
/// (|heel| >= 0.001).
HeeledHull computeHeeledHull(const TaskParameters& task, const HullModel& hull,
                             const HeeledStationVisit& visit);

}  // namespace norvika
