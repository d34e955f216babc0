#pragma once

#include "calculation/heeled_condition.h"
#include "platform/platform.h"

namespace norvika {

/// Case 7: cuts every station by the waterline inclined by the heel angle,
/// draws each heeled section as it comes, pauses and returns the heeled
/// buoyancy and its centre. Ends the run when the heel angle is too small.
HeeledHull runHeeledBlock(Platform& platform, const TaskParameters& task, const HullModel& hull);

}  // namespace norvika
