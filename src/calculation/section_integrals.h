#pragma once

#include <cstddef>
#include <vector>

#include "calculation/section_area.h"
#include "model/hull_model.h"

namespace norvika {

/// A height range of a section's outline within one piece of its fitted
/// curve: the half-breadth there is y(d) = c1 + d (c2 + d (c3 + d c4 / 3) / 2)
/// at d metres above the piece's lower node, or 0 where the range is
/// `clipped` (the curve runs below the centre line there). Within a range
/// neither the half-breadth nor its slope changes sign.
struct OutlineRange {
  double from = 0.0;  // m
  double to = 0.0;    // m
  double node = 0.0;  // the piece's lower node, m
  double c1 = 0.0, c2 = 0.0, c3 = 0.0, c4 = 0.0;
  bool clipped = false;
};

/// A station's section, fitted once: the run's own curve for the run's area
/// (sectionArea), and the outline every other integral of the section is
/// taken from, with its running integrals from the keel.
///
/// The outline is the run's curve piece by piece (a cubic, or a vertical side
/// between equal half-breadths), except that a piece whose cubic swings far
/// beyond the half-breadths of its two points (more than ten times the piece's
/// height) is the chord between them, a half-breadth below zero is zero, and
/// where two pieces do not meet at their common point a horizontal join closes
/// the gap. Areas, moments, girths and the waterline's breadth all read this
/// one outline.
struct StationSection {
  SectionCurve curve;
  std::vector<OutlineRange> outline;  // keel to deck, rising
  /// The first range of piece k of `curve` (element k); the range count last.
  std::vector<std::size_t> firstRange;
  /// One side's area (m2), moment about the base line (m3) and girth (m)
  /// below the start of outline range i (element i); the last element is the
  /// whole section's.
  std::vector<double> areaBelow;
  std::vector<double> momentBelow;
  std::vector<double> girthBelow;
};

/// Fits station st of the hull and lays out its outline and running integrals.
void prepareStationSection(const HullModel& hull, int st, StationSection& section);

/// What a section holds below a waterline.
struct SectionBelow {
  double area = 0.0;         // m2, both sides
  double moment = 0.0;       // about the base line, m3, both sides
  double girth = 0.0;        // m, from the waterline down one side, across and up the other
  double halfBreadth = 0.0;  // where the waterline meets the outline, m
};

/// The section of `section` below the waterline height zw (m), from its
/// outline: nothing below the keel, the whole section at or above the deck
/// (there the half-breadth is the deck edge's). The girth starts at the centre
/// line across the flat of the bottom and runs in the plane of the station.
/// The half-breadth at zw is the run's curve's there (0 below zero) wherever
/// the outline follows that curve.
SectionBelow sectionBelow(const StationSection& section, double zw);

}  // namespace norvika
