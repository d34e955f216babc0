#pragma once

#include "numerics/station_spline.h"
#include "support/capacities.h"
#include "support/table.h"

namespace norvika {

/// The heeled waterlines of one station and where each leaves the immersed
/// region on both sides of the centreline, per waterline k = 1..nSteps.
/// Heights z above the base line, half-breadths y from the centreline, metres.
/// The outer Y values count outward on their own side; the inner Y values are
/// drawing positions, the rising side positive and the sinking side negative.
struct HeeledWaterlineEnds {
  Table<double> heelWaterlineZ{kMaxWaterlineRows};  // centreline heights; 0 holds the first
  // Side that rises out of the water (line angle 90 deg + heel).
  Table<double> emergedOuterZ{kMaxWaterlineRows};
  Table<double> emergedOuterY{kMaxWaterlineRows};
  Table<double> emergedInnerZ{kMaxWaterlineRows};
  Table<double> emergedInnerY{kMaxWaterlineRows};
  // Side that sinks (line angle 90 deg - heel).
  Table<double> immersedOuterZ{kMaxWaterlineRows};
  Table<double> immersedOuterY{kMaxWaterlineRows};
  Table<double> immersedInnerZ{kMaxWaterlineRows};
  Table<double> immersedInnerY{kMaxWaterlineRows};
};

/// Cuts the station section (its fitted spline) by nSteps waterlines inclined
/// by heelAngle (degrees), whose centreline heights run from zStart to zEnd (m),
/// and writes each waterline's segment ends on the rising and the sinking side
/// (contour, flat bottom line or deck line). A side the line does not cut gets
/// the centreline point (z0, 0). At most 100 waterlines.
void findHeeledWaterlineEnds(double heelAngle, double zStart, double zEnd, int nSteps,
                             const StationSpline& spline, HeeledWaterlineEnds& ends);

/// For a negative heelAngle (degrees) exchanges the rising and the sinking
/// side's ends of waterlines 1..nSteps; for heelAngle >= 0 changes nothing.
void mirrorForNegativeHeel(double heelAngle, int nSteps, HeeledWaterlineEnds& ends);

}  // namespace norvika
