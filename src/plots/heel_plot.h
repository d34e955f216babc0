#pragma once

#include "calculation/heeled_station.h"
#include "model/hull_model.h"
#include "numerics/station_spline.h"
#include "platform/window.h"

namespace norvika {

/// Shows the stability window and draws the frame of the heeled-section picture for `hull`
/// (of largest half-breadth and height; an extent of zero is drawn as 1 m, as in every other
/// picture). The view holds the sections with what is read off them beside (heights, the
/// heel, the drafts, the centre of buoyancy): the frame's empty lower half is left out, and
/// its left margin is widened where the readings need more room.
void prepareHeelWindow(Window& window, const HullModel& hull);

/// What the heeled view states beside the sections.
struct HeelReadings {
  double heelAngle = 0.0;     // degrees
  double forwardDraft = 0.0;  // m
  double aftDraft = 0.0;      // m
  double displacement = 0.0;  // t
  double lcb = 0.0;           // m from AP
  double tcb = 0.0;           // m from CL, rising side positive
  double kb = 0.0;            // m above the base line
};

/// Adds to the heeled sections what is read off them: a height scale, the heel angle, the
/// drafts and the displacement, and the centre of buoyancy B marked at (TCB, KB) with its
/// TCB, KB and LCB, with a legend of the marks.
void drawHeelReadings(Window& window, const HullModel& hull, const HeelReadings& readings);

/// Draws one heeled station over the picture: its contour, the waterline
/// segment on each side that holds immersed area, and the centre of its
/// immersed area when it has one.
void drawHeeledSection(Window& window, double maxHalfBreadth, int station,
                       const HeeledStation& heeled, const StationSpline& spline, double heelAngle);

}  // namespace norvika
