#pragma once

#include "hull/hull_model.h"
#include "platform/platform.h"
#include "support/table.h"

namespace norvika {

/// Profile of the ship with waterlineHeight(1, station) on the ShipPosition window.
void drawShipPosition(Platform& platform, const HullModel& hull, double shipLength,
                      const Table2<double>& waterlineHeight);

}  // namespace norvika
