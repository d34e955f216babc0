#pragma once

#include <vector>

#include "model/hull_model.h"
#include "calculation/section_area.h"
#include "numerics/station_spline.h"

namespace norvika {

/// A station's fitted curve with the running integrals the hydrostatics need
/// from it, summed from the keel up to each of its points once, so that a
/// waterline only adds the piece it cuts.
struct StationSection {
  explicit StationSection(int capacity = kMaxRecords) : spline(capacity) {}
  StationSpline spline;
  /// The same curve laid out for the area integration.
  SectionCurve curve;
  /// Moment about the base line of one side's area from the keel to point k,
  /// m3 (element k - 1).
  std::vector<double> momentToPoint;
  /// Length of one side's curve from the centre line at the keel (the flat of
  /// the bottom out to the keel point included) to point k, m (element k - 1).
  std::vector<double> girthToPoint;
};

/// Fits station st of the hull and sums its running integrals.
void prepareStationSection(const HullModel& hull, int st, StationSection& section);

/// Moment about the base line (m3, both sides) of station st's area below the
/// waterline height zw (m); 0 below the keel, the whole section above the deck.
double sectionMomentAboutBase(const HullModel& hull, int st, const StationSection& section,
                              double zw);

/// Girth of station st below the waterline height zw (m, both sides): from the
/// waterline down one side, across the bottom and up the other, measured in the
/// plane of the station; 0 below the keel, the whole section above the deck.
double sectionGirth(const HullModel& hull, int st, const StationSection& section, double zw);

/// Half-breadth (m) of the section where the waterline height zw (m) meets it:
/// 0 when the waterline is below the keel or the offset there is below zero,
/// the deck edge's above the deck.
double waterlineHalfBreadth(const SectionCurve& curve, double zw);

}  // namespace norvika
