#pragma once

#include "driver/run_state.h"

namespace norvika {

/// Case 7: cuts every station by the waterline inclined by the heel angle,
/// draws the heeled sections and leaves the section areas in stationArea(1, st),
/// the displacement in displacementTable(1) and the centre of buoyancy in
/// heelLCB(1, 1) (m from AP) and heelTCB(1, 1) (m from CL).
void runHeeledBlock(RunState& run);

}  // namespace norvika
