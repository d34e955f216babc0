#pragma once

#include "calculation/heeled_waterline_ends.h"
#include "numerics/station_spline.h"
#include "support/capacities.h"
#include "support/table.h"

namespace norvika {

/// The immersed halves of one heeled station section, per waterline k.
/// Areas in m2, first moments in m3: MomentY about the centreline (rising
/// side positive, sinking side negative), MomentZ about the base line.
struct HalfSectionResults {
  Table<double> emergedArea{kMaxWaterlineRows};
  Table<double> emergedMomentY{kMaxWaterlineRows};
  Table<double> emergedMomentZ{kMaxWaterlineRows};
  Table<double> immersedArea{kMaxWaterlineRows};
  Table<double> immersedMomentY{kMaxWaterlineRows};
  Table<double> immersedMomentZ{kMaxWaterlineRows};
};

/// Integrates, for waterlines 1..nSteps at heelAngle (degrees), the immersed
/// area and first moments of the rising and the sinking half of the station
/// section bounded by its spline and the waterline segments in `ends`, with the
/// 10-point Gauss-Legendre rule. Orders the rising side's ends in place so that
/// its outer end lies no higher than its inner end.
void integrateHeeledSection(double heelAngle, const StationSpline& spline, int nSteps,
                            HeeledWaterlineEnds& ends, HalfSectionResults& halves);

}  // namespace norvika
