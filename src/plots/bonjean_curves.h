#pragma once

#include "calculation/bonjean.h"
#include "model/hull_model.h"
#include "platform/platform.h"

namespace norvika {

/// The Bonjean curves on the ShipPosition window: the ship's profile with its stations,
/// numbered as the waterline check numbers them for a ship of length `shipLength` (m), AP
/// and FP, a height scale with the waterlines across, and from each station line its section
/// area (blue) and the area's moment about the base line (red) against height, each to one
/// scale for all stations, shown by a scale bar. The frame stays on the window until the
/// caller clears it.
void drawBonjeanCurves(Platform& platform, const HullModel& hull, const BonjeanCurves& curves,
                       double shipLength);

}  // namespace norvika
