#pragma once

#include "calculation/run_state.h"
#include "platform/platform.h"

namespace norvika {

/// Case 7: cuts every station by the waterline inclined by the heel angle,
/// draws each heeled section as it comes, and leaves the section areas in
/// stationArea, the displacement and the centre of buoyancy (heelLCB from AP,
/// heelTCB from CL) in the run. Ends the run when the heel angle is too small.
void runHeeledBlock(Platform& platform, RunState& run);

}  // namespace norvika
