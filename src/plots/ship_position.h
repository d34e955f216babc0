#pragma once

#include "model/hull_model.h"
#include "platform/platform.h"
#include "support/table.h"

namespace norvika {

/// Profile of the ship with waterlineHeight(station) on the ShipPosition window.
void drawShipPosition(Platform& platform, const HullModel& hull, double shipLength,
                      const Table<double>& waterlineHeight);

}  // namespace norvika
