#pragma once

#include <vector>

#include "calculation/section_outline.h"
#include "model/hull_model.h"

namespace norvika {

/// The hull as the large-angle integration reads it: every station's closed
/// outline, prepared once.
struct StabilityHull {
  double shipLength = 0.0;  // L, m: AP at x = 0, FP at x = L
  double density = 0.0;     // t/m3
  int stationCount = 0;
  Table<double> stationX{kMaxStations};  // m from AP
  std::vector<SectionOutline> outlines;  // outlines[st - 1] is station st
  /// The run's rule along the ship (integrateTabulated) as weights: the
  /// integral of station values v is the sum of weights[st - 1] v(st), m.
  std::vector<double> weights;
  double enclosedVolume = 0.0;  // m3, the whole hull up to its deck
};

/// The stations of the hull fitted, laid out and closed by their decks.
StabilityHull prepareStabilityHull(const HullModel& hull, double shipLength, double density);

/// A waterplane of the heeled and trimmed ship. In each station's plane it is
/// the line n . (y, z) = height + trimSlope (x - L/2), with the upward normal
/// n = (-sin heel, cos heel): its distance from the base line's point on the
/// centre line at x, measured square to it. Upright, height is the draft at
/// L/2 and trimSlope L the trim Tf - Ta.
struct Waterplane {
  double heel = 0.0;       // degrees, positive with the starboard side under
  double height = 0.0;     // m, at L/2
  double trimSlope = 0.0;  // m per m forward, positive by the head
};

/// The ship cut by a waterplane: the immersed volume and its centre, and the
/// rates at which the volume and its moment along the ship change as the
/// waterplane rises and trims (for the equilibrium's Newton steps).
struct Immersed {
  double volume = 0.0;  // m3
  double lcb = 0.0;     // m from AP
  double tcb = 0.0;     // m from the centre line, starboard positive
  double vcb = 0.0;     // m above the base line
  /// The deepest deck edge on the side the heel puts under, m below the
  /// waterplane (negative while every deck edge is clear of the water).
  double deckEdgeDepth = 0.0;
  int deckEdgeStation = 0;  // where it stands
  // Derivatives, by the same integration along the ship as the volume:
  double volumePerHeight = 0.0;   // dV/dheight, m2 (the waterplane's area)
  double volumePerTrim = 0.0;     // dV/dtrimSlope, m3
  double momentXPerHeight = 0.0;  // d(V lcb)/dheight, m3
  double momentXPerTrim = 0.0;    // d(V lcb)/dtrimSlope, m4
};

/// Cuts every station by the waterplane and integrates along the ship by the
/// run's rule (its weights). A volume of zero gives centres of zero.
Immersed immerse(const StabilityHull& hull, const Waterplane& plane);

/// Bounds on the waterplane height at the heel and trim of `plane`: at or
/// below `dry` no station is touched, at or above `submerged` all are wholly
/// under water (m).
struct HeightBounds {
  double dry = 0.0;
  double submerged = 0.0;
};
HeightBounds heightBounds(const StabilityHull& hull, const Waterplane& plane);

/// KN, m: the righting lever with the centre of gravity at the base line on
/// the centre line, y_B cos heel + z_B sin heel.
double leverAboutKeel(const Immersed& immersed, double heel);

}  // namespace norvika
