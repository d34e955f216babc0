#pragma once

#include "model/hull_model.h"
#include "platform/platform.h"
#include "support/table.h"

namespace norvika {

/// Profile of the ship with waterlineHeight(station) (m above the base line) on the
/// ShipPosition window, and a legend of its lines: the hull, the stations and the waterline,
/// named the wave when `onWave`.
void drawShipPosition(Platform& platform, const HullModel& hull, double shipLength,
                      const Table<double>& waterlineHeight, bool onWave);

}  // namespace norvika
