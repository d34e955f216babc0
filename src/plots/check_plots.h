#pragma once

#include <string>

#include "model/hull_model.h"
#include "platform/platform.h"

namespace norvika {

/// True only for an answer of exactly "e" or "E" (yes), or the run language's yes
/// ("y" or "Y" in English).
bool answeredYes(const std::string& answer);

/// The border of the section pictures (the check plots, the heeled sections)
/// on the scale of half-breadth B and height D (m): outer frame, the box of
/// the full breadth, centre line and the line under the base line.
void drawFrameLines(Window& window, double B, double D, Colour colour);

/// Clears the Report window and draws the fixed frame of the check plots,
/// scaled to B = maxHalfBreadth and D = maxHeight (metres).
void drawCheckFrame(Window& window, double B, double D);

/// Body plan of all stations with their points and its question; false when
/// the user answers that a section is wrong.
bool checkStationSections(Platform& platform, const HullModel& hull);

/// Stern, then bow contour, each with its question; false at the first answer
/// that a contour is wrong (the other is not asked then). shipLength in metres.
bool checkEndContours(Platform& platform, const HullModel& hull, double shipLength);

}  // namespace norvika
