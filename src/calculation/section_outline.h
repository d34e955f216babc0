#pragma once

#include <vector>

#include "calculation/section_area.h"
#include "numerics/cubic_roots.h"

namespace norvika {

/// A box round part of an outline, m.
struct OutlineBox {
  double yLeast = 0.0, yGreatest = 0.0;
  double zLeast = 0.0, zGreatest = 0.0;
};

/// The integrals along part of an outline whose sums round the closed outline
/// give the area and its first moments (Green's theorem): y dz (m2), y^2/2 dz
/// and y z dz (m3).
struct GreenTerms {
  double area = 0.0;
  double momentY = 0.0;
  double momentZ = 0.0;
};

/// One edge of a section's outline: y(t) a cubic and z(t) = z0 + dz t for t
/// from 0 to 1 (m).
struct OutlineEdge {
  Cubic y{};
  double z0 = 0.0;
  double dz = 0.0;
  GreenTerms terms;  // along the whole edge
};

/// Consecutive edges first..last (about the square root of their number): a
/// cut passes over a run wholly above or below its waterline at once, and
/// looks into the edges of the few it crosses.
struct OutlineRun {
  int first = 0;
  int last = 0;
  GreenTerms terms;
};

/// A station's section as a closed outline, counter-clockwise looking forward
/// (y to starboard, z up): up the starboard side of the fitted curve from the
/// keel to the deck edge, across the deck, down the port side, across the
/// bottom. Wherever a fitted piece ends short of where the next one starts
/// (more than rounding), a short edge joins them, so the outline closes.
struct SectionOutline {
  std::vector<OutlineEdge> edges;
  std::vector<OutlineRun> runs;  // in order round the outline
  // The boxes apart from the edges and runs, so that the many tests of a cut
  // read them packed together.
  std::vector<OutlineBox> edgeBoxes;
  std::vector<OutlineBox> runBoxes;
  OutlineBox box;
  GreenTerms whole;        // the whole section up to the deck
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

/// Bounds on the height n . p of the outline's points for the heel of `line`
/// (m): at or below the least the section is dry, at or above the greatest
/// wholly under water.
struct HeightSpan {
  double least = 0.0;
  double greatest = 0.0;
};
HeightSpan heightSpan(const SectionOutline& outline, const InclinedWaterline& line);

}  // namespace norvika
