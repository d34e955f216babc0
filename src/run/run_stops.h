#pragma once

#include "calculation/displacement_balance.h"
#include "model/hull_model.h"
#include "model/task_parameters.h"
#include "platform/platform.h"

namespace norvika {

/// Shows what stopped the draft search, or the evaluation of a trimmed
/// waterline, and ends the run: a deck under water (for a wave or a trimmed
/// waterline with the ship position drawn first), the wave phase, a start too
/// deep, the iteration bound, a search that never crossed the displacement.
[[noreturn]] void stopForBalance(Platform& platform, const TaskParameters& task,
                                 const HullModel& hull, const Balance& balance);

/// The heel angle (degrees) is too small to heel the ship.
[[noreturn]] void stopForHeelAngle(Platform& platform, double heelAngle);

/// The waterline cuts no section: no centre of buoyancy.
[[noreturn]] void stopForZeroDisplacement(Platform& platform);

/// The equally spaced values cannot be corrected to the displacement (t).
[[noreturn]] void stopForEqualSpacing(Platform& platform, double displacement);

}  // namespace norvika
