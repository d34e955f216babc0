#pragma once

#include "model/task_parameters.h"
#include "model/hull_model.h"
#include "platform/platform.h"

namespace norvika {

/// Reads the hull file that the task names, derives the extents, takes the
/// user through the station and contour checks (a "yes" ends the run) and
/// previews every station. Ends the run (InputError) on a missing or malformed
/// hull file, or when no equally spaced point of the task lies on the ship.
void readHullGeometry(Platform& platform, const TaskParameters& task, HullModel& hull);

}  // namespace norvika
