#pragma once

#include <vector>

#include "platform/colour.h"
#include "platform/window.h"
#include "plots/label_space.h"

namespace norvika {

/// How a curve is drawn: solid, or as dashes and gaps of the given lengths
/// (alternately on and off, in pixels of the smallest picture the drawing is
/// laid out for; they grow with a larger picture as the drawing does).
struct LineStyle {
  Colour colour = 0;
  int width = 1;
  std::vector<double> dashes;  // empty: solid
};

/// Draws the polyline through `points` (user units of a window whose scale
/// spans `widthUnits` across and `heightUnits` up) in `style`; the pattern
/// runs on along the polyline, so short pieces still show it.
void drawStyledPolyline(Window& window, const std::vector<PlotPoint>& points,
                        const LineStyle& style, double widthUnits, double heightUnits);

}  // namespace norvika
