#pragma once

#include <cstddef>
#include <vector>

#include "calculation/section_area.h"
#include "section_outline.h"
#include "station_sampling.h"

namespace norvika::offsets {

/// The curve tolerance (m) of a section: `curve`, at most kCurveShare of its height.
double curveTolerance(const SectionOutline& outline, double curve);

/// Where a written station curve strays furthest from its outline: by how
/// much (m) its half-breadth at a height misses every half-breadth the
/// outline takes within the tolerance of that height (so a horizontal step
/// of the hull crossed within the tolerance is no miss), and at what height.
struct CurveDeviation {
  double distance = 0.0;
  double z = 0.0;
};

/// The deviation of the curve Norvika fits to a station (`curve`, as read
/// back) from its outline, over the stretches of hull between its records
/// (not across a gap of the ship or up the centre line); `tolerance` (m) as
/// curveTolerance gives it.
CurveDeviation curveDeviation(const SectionCurve& curve, const SectionOutline& outline,
                              double tolerance);

/// Adds records (code 1, their half-breadth the outline's) where Norvika's
/// curve through `records` (heights rising, every one on the outline's hull)
/// strays from the outline by more than `tolerance` (m) or runs longer than
/// it by more than that (a swing), and makes two records code 0 where they
/// stand too close for another between them (the curve between them then a
/// line); at most `most` records in all.
void fitToOutline(std::vector<OffsetPoint>& records, const SectionOutline& outline,
                  double tolerance, std::size_t most);

}  // namespace norvika::offsets
