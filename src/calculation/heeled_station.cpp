#include "calculation/heeled_station.h"

namespace norvika {

void computeHeeledStation(const StationSpline& spline, double heelAngle, double z0,
                          HeeledStation& station) {
  constexpr int kWaterlines = 1;
  findHeeledWaterlineEnds(heelAngle, z0, z0, kWaterlines, spline, station.ends);
  mirrorForNegativeHeel(heelAngle, kWaterlines, station.ends);
  integrateHeeledSection(heelAngle, spline, kWaterlines, station.ends, station.halves);
  const HalfSectionResults& h = station.halves;
  station.area = h.emergedArea(1) + h.immersedArea(1);
  station.momentY = h.emergedMomentY(1) + h.immersedMomentY(1);
  station.momentZ = h.emergedMomentZ(1) + h.immersedMomentZ(1);
}

}  // namespace norvika
