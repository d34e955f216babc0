#pragma once

#include "model/hull_model.h"
#include "platform/window.h"
#include "support/table.h"

namespace norvika {

/// Adds to a profile of the ship (the waterline check, the ship's position) of length L and
/// height D (drawable, m) what its heights are read off by: a height scale at x = `scaleAt`
/// from the hull's lowest point to D, and the heights of the waterline `waterlineHeight` (of
/// the wave when `onWave`) at the end stations, written from (`left`, `top`) on one line, or
/// one a line when `stacked`.
void drawProfileReadings(Window& window, const HullModel& hull, double L, double D,
                         const Table<double>& waterlineHeight, bool onWave, double scaleAt,
                         double left, double top, bool stacked);

}  // namespace norvika
