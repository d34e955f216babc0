#pragma once

#include "heel/heeled_section.h"
#include "heel/heeled_waterline_ends.h"
#include "numerics/station_spline.h"
#include "platform/window.h"
#include "support/capacities.h"
#include "support/table.h"

namespace norvika {

/// Section moments of the heeled stations, indexed (station, waterline), m3:
/// about the centreline (sinking side negative) and about the base line.
struct HeelMomentTables {
  Table2<double> heelMomentY{kMaxStations, kMaxWaterlineRows};
  Table2<double> heelMomentZ{kMaxStations, kMaxWaterlineRows};
};

/// Shows the stability window and draws the frame of the heeled-section
/// picture for a hull of largest half-breadth and height (m).
void prepareHeelWindow(Window& window, double maxHalfBreadth, double maxHeight);

/// Draws one heeled station (contour, waterline segments of waterlines
/// 1..nSteps, centre of buoyancy) over the picture, and stores the section's
/// area (m2) in stationArea(station, k) and its moments (m3) in `moments`.
/// A section with no immersed area gets no centre marks.
void drawHeeledSection(Window& window, double maxHalfBreadth, int station,
                       const HeeledWaterlineEnds& ends, const HalfSectionResults& halves,
                       int nSteps, const StationSpline& spline, double heelAngle,
                       Table2<double>& stationArea, HeelMomentTables& moments);

}  // namespace norvika
