#pragma once

#include "model/hull_model.h"
#include "model/task_parameters.h"
#include "platform/platform.h"

namespace norvika {

/// Reads the hull file that the task names and derives the extents. Ends the
/// run (InputError) on a missing or malformed hull file, or when no equally
/// spaced point of the task lies on the ship.
HullModel readRunHull(const TaskParameters& task);

/// The hull of a run read or made before it, with its extents derived. Ends
/// the run (InputError) when no equally spaced point of the task lies on the
/// ship, naming the task file's line when the task was read from one.
HullModel prepareRunHull(const TaskParameters& task, HullModel hull);

/// Takes the user through the station and contour checks (a "yes" ends the
/// run) and previews every station.
void checkHullGeometry(Platform& platform, const TaskParameters& task, const HullModel& hull);

}  // namespace norvika
