#pragma once

#include "numerics/station_spline.h"
#include "platform/window.h"

namespace norvika {

/// A point of a section: height z and half-breadth y, metres.
struct SectionPoint {
  double z = 0.0;
  double y = 0.0;
};

/// Draws a station's fitted curve and its mirror image about the centre line,
/// sampled every `step` metres up from the lowest node while at or below the
/// top node; returns the last point drawn to.
SectionPoint drawSampledSection(Window& window, const StationSpline& spline, double step,
                                Colour colour);

}  // namespace norvika
