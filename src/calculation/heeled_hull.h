#pragma once

#include "support/capacities.h"
#include "support/table.h"

namespace norvika {

/// Section moments of the heeled stations, indexed (station, waterline), m3:
/// about the centreline (sinking side negative) and about the base line.
struct HeelMomentTables {
  Table2<double> heelMomentY{kMaxStations, kMaxWaterlineRows};
  Table2<double> heelMomentZ{kMaxStations, kMaxWaterlineRows};
};

/// The heeled ship per heel step j (0..1) and waterline k. The run reports the
/// displacement, LCB and TCB; KB and the lever KN belong to the integration as
/// well and are kept, checked against the wall-sided closed form by the tests.
struct HeeledHullResults {
  Table2<double> heelDisplacement{1, kMaxWaterlineRows};  // t
  Table2<double> heelKB{1, kMaxWaterlineRows};            // m above the base line
  Table2<double> heelTCB{1, kMaxWaterlineRows};           // m from CL, rising side positive
  Table2<double> heelLCB{1, kMaxWaterlineRows};           // m from AP
  Table2<double> heelKN{1, kMaxWaterlineRows};            // m, lever about the keel point
};

/// Integrates the heeled section areas stationArea(st, k) (m2) and moments (m3)
/// over the stations at stationX (m from AP, at least 3) for waterlines
/// 1..nSteps of heel step j, whose angle is heelAngleByStep(j) (degrees), and
/// writes displacement (water density in t/m3), KB, TCB, LCB and KN. A
/// non-positive volume gives displacement 0 and KN 0.
void integrateHeeledHull(const Table2<double>& stationArea, const HeelMomentTables& moments,
                         int stationCount, const Table<double>& stationX,
                         const Table<double>& heelAngleByStep, double waterDensity, int j,
                         int nSteps, HeeledHullResults& results);

}  // namespace norvika
