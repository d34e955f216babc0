#pragma once

#include <vector>

#include "calculation/section_area.h"
#include "numerics/cubic_roots.h"

namespace norvika {

/// One edge of a section's outline: y(t) a cubic and z(t) = z0 + dz t for t
/// from 0 to 1 (m), with its box and its integrals along the whole edge.
struct OutlineEdge {
  Cubic y{};
  double z0 = 0.0;
  double dz = 0.0;
  double yLeast = 0.0, yGreatest = 0.0;  // m, the edge's box
  double zLeast = 0.0, zGreatest = 0.0;
  // The integrals whose sums round the closed outline give the area and its
  // first moments (Green's theorem): y dz, y^2/2 dz and y z dz.
  double areaTerm = 0.0;     // m2
  double momentYTerm = 0.0;  // m3
  double momentZTerm = 0.0;  // m3
};

/// A station's section as a closed outline, counter-clockwise looking forward
/// (y to starboard, z up): up the starboard side of the fitted curve from the
/// keel to the deck edge, across the deck, down the port side, across the
/// bottom. Wherever a fitted piece ends a hair away from where the next one
/// starts, a short edge joins them, so the outline closes exactly.
struct SectionOutline {
  std::vector<OutlineEdge> edges;
  double area = 0.0;     // m2, of the whole section up to the deck
  double momentY = 0.0;  // m3
  double momentZ = 0.0;  // m3, about the base line
  double deckEdgeY = 0.0;  // m, the starboard deck edge
  double deckEdgeZ = 0.0;  // m
};

/// The outline of a section laid out by layOutSection; none for a section of
/// fewer than two points.
SectionOutline outlineOfSection(const SectionCurve& curve);

/// A waterline across a section plane: the points p = (y, z) with
/// n . p = height, where n = (-sin heel, cos heel) points up; a positive heel
/// puts the starboard side under. Under water is n . p < height.
struct InclinedWaterline {
  double sinHeel = 0.0;
  double cosHeel = 1.0;
  double height = 0.0;  // m, from the base line's point on the centre line
};

/// The part of a section under an inclined waterline: its area (m2), its first
/// moments about the centre line and the base line (m3), and the breadth of the
/// waterline across it (m, along the line), by which the area grows per metre
/// the waterline rises. Parts of a section whose curve crosses the centre line
/// count with the sign their turn of the outline gives, as upright.
struct SectionCut {
  double area = 0.0;
  double momentY = 0.0;
  double momentZ = 0.0;
  double waterlineBreadth = 0.0;
};

/// Cuts the outline by the waterline: exact for any heel (the edges' crossings
/// with the line solved to the last bit, the immersed parts of the edges
/// integrated by a rule exact for their polynomials, the waterline's chords
/// closed in closed form).
SectionCut cutSection(const SectionOutline& outline, const InclinedWaterline& line);

/// The least and greatest height n . p of the outline's points for the heel of
/// `line` (m): below the least the section is dry, above the greatest wholly
/// under water.
struct HeightSpan {
  double least = 0.0;
  double greatest = 0.0;
};
HeightSpan heightSpan(const SectionOutline& outline, const InclinedWaterline& line);

}  // namespace norvika
