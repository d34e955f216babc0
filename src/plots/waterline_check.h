#pragma once

#include "model/hull_model.h"
#include "platform/platform.h"
#include "support/table.h"

namespace norvika {

/// Clears the Offsets window and draws its frame for a ship of length L and height D (m).
void prepareOffsetsWindow(Window& window, double L, double D);

/// Profile with the waterline waterlineHeight(station) (the wave's profile when `onWave`),
/// station labels and its question; false when the user answers that the wave form or the
/// waterline is wrong.
bool checkWaterlineIntersections(Platform& platform, const HullModel& hull, double shipLength,
                                 const Table<double>& waterlineHeight, bool onWave = false);

}  // namespace norvika
