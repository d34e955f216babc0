#pragma once

#include "calculation/heeled_section.h"
#include "calculation/heeled_waterline_ends.h"
#include "numerics/station_spline.h"

namespace norvika {

/// One station of the damaged condition, cut by one waterline inclined by the
/// heel: where the line leaves the section, the immersed halves, and the
/// section's immersed area (m2) with its first moments (m3) about the
/// centreline (rising side positive) and about the base line.
struct HeeledStation {
  HeeledWaterlineEnds ends;
  HalfSectionResults halves;
  double area = 0.0;
  double momentY = 0.0;
  double momentZ = 0.0;
};

/// Cuts the fitted station by the waterline through the height z0 (m) on the
/// centre line, inclined by heelAngle (degrees), and integrates both halves.
void computeHeeledStation(const StationSpline& spline, double heelAngle, double z0,
                          HeeledStation& station);

}  // namespace norvika
