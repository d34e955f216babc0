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

/// What runs across a check plot under the base line: the half-breadths of the body plan, or
/// the positions from AP of an end contour drawn shifted by `shift` metres, with the
/// perpendicular `end` ("AP", "FP", or none) where it stands.
struct CheckAcross {
  double from = 0.0;  // the values across, m
  double to = 0.0;
  double shift = 0.0;
  std::string unit;
  const char* end = nullptr;
  double endAt = 0.0;  // where the perpendicular stands, m from AP
  /// The leftmost place drawn (m, as drawn): the heights stand left of it.
  double leftmost = 0.0;
};

/// The lowest point of the hull (m): of its stations, its end contours and the base line.
double lowestHullPoint(const HullModel& hull);

/// Adds to a check plot of half-breadth B and height D (drawable, m) what its values are read
/// off by: heights up the left of what is drawn, and the places across under the lowest point
/// of the hull.
void drawCheckScales(Window& window, const HullModel& hull, double B, double D,
                     const CheckAcross& across);

/// Body plan of all stations with their points and its question; false when
/// the user answers that a section is wrong.
bool checkStationSections(Platform& platform, const HullModel& hull);

/// Stern, then bow contour, each with its question; false at the first answer
/// that a contour is wrong (the other is not asked then). shipLength in metres.
bool checkEndContours(Platform& platform, const HullModel& hull, double shipLength);

}  // namespace norvika
