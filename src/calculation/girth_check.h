#pragma once

#include <vector>

#include "model/hull_model.h"

namespace norvika {

/// A station whose outline is far longer than its convex outline: a section
/// cut from a mesh with seams zigzags, and its girth, hence the wetted
/// surface, comes out too large.
struct SeamedStation {
  int station = 0;
  double girth = 0.0;        // m, one side, centre line at the keel to the deck edge
  double convexGirth = 0.0;  // m, the same along the convex outline
};

/// The girth ratio above which a station is taken as seamed.
inline constexpr double kSeamGirthRatio = 1.5;

/// The stations of the hull whose girth through their points (from the centre
/// line at the keel, then point by point to the deck edge) exceeds
/// kSeamGirthRatio times the girth of the convex outline of those points.
std::vector<SeamedStation> seamedStations(const HullModel& hull);

}  // namespace norvika
