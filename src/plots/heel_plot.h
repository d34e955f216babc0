#pragma once

#include "calculation/heeled_station.h"
#include "numerics/station_spline.h"
#include "platform/window.h"

namespace norvika {

/// Shows the stability window and draws the frame of the heeled-section
/// picture for a hull of largest half-breadth and height (m); an extent of
/// zero is drawn as 1 m, as in every other picture.
void prepareHeelWindow(Window& window, double maxHalfBreadth, double maxHeight);

/// Draws one heeled station over the picture: its contour, the waterline
/// segment on each side that holds immersed area, and the centre of its
/// immersed area when it has one.
void drawHeeledSection(Window& window, double maxHalfBreadth, int station,
                       const HeeledStation& heeled, const StationSpline& spline, double heelAngle);

}  // namespace norvika
