#pragma once

#include "model/hull_model.h"

namespace norvika {

/// Where a straight waterline meets the ends of the hull (m from AP), and
/// whether each end is on its contour or, where the waterline meets the
/// contour nowhere, the end station whose keel it stands above.
struct WaterlineEnds {
  double aft = 0.0;
  double forward = 0.0;
  bool aftOnContour = false;
  bool forwardOnContour = false;
  double length() const { return forward - aft; }
};

/// The ends of the waterline from aftDraft at AP to forwardDraft at FP (m
/// above the base line, shipLength m apart): where it meets the stern and
/// the bow contours (the aftmost and the foremost crossing), else the
/// aftmost and the foremost station whose keel is below it. Both 0 when the
/// waterline stands above no keel. Needs computeHullExtents.
WaterlineEnds waterlineEnds(const HullModel& hull, double shipLength, double aftDraft,
                            double forwardDraft);

}  // namespace norvika
