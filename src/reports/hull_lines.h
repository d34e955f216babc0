#pragma once

#include "model/hull_model.h"
#include "model/task_parameters.h"
#include "support/result_file.h"

namespace norvika {

/// The lines of a report that name the hull it was computed on: the hull
/// file, its stations and their span, the ship length L (m) and the water
/// density (t/m3) with where it came from (--density or the task file).
void writeHullLines(ResultFile& file, const TaskParameters& task, const HullModel& hull,
                    double shipLength, double density, bool densityFromCommandLine);

}  // namespace norvika
