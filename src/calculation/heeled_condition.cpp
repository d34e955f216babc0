#include "calculation/heeled_condition.h"

#include "calculation/heeled_hull.h"
#include "model/calculation_case.h"

namespace norvika {

HeeledHull computeHeeledHull(const TaskParameters& task, const HullModel& hull,
                             const HeeledStationVisit& visit) {
  // One heel step with one waterline per station.
  constexpr int kHeelStep = 1;
  constexpr int kWaterlines = 1;

  HeeledHull heeled;
  // A straight waterline has no phase to converge.
  heeled.immersion.waterline = waterlineProfile(*shapeWaterline(task, hull, kDamagedHeeled), 0.0);
  Table<double> heelAngleByStep(1);
  heelAngleByStep(kHeelStep) = task.heelAngle;

  StationSpline spline;
  HeeledStation station;
  Table2<double> areas(kMaxStations, kWaterlines);
  HeelMomentTables moments;
  for (int st = 1; st <= hull.stationCount; ++st) {
    fitCurveSpline(hull, st, spline);
    computeHeeledStation(spline, task.heelAngle, heeled.immersion.waterline.height(st), station);
    areas(st, kWaterlines) = station.area;
    moments.heelMomentY(st, kWaterlines) = station.momentY;
    moments.heelMomentZ(st, kWaterlines) = station.momentZ;
    visit(st, station, spline);
  }

  HeeledHullResults ship;
  integrateHeeledHull(areas, moments, hull.stationCount, hull.stationX, heelAngleByStep,
                      task.waterDensity, kHeelStep, kWaterlines, ship);
  heeled.lcb = ship.heelLCB(kHeelStep, kWaterlines);
  heeled.tcb = ship.heelTCB(kHeelStep, kWaterlines);
  heeled.kb = ship.heelKB(kHeelStep, kWaterlines);
  for (int st = 1; st <= hull.stationCount; ++st) {
    heeled.immersion.stationArea(st) = areas(st, kWaterlines);
  }
  heeled.immersion.displacement = ship.heelDisplacement(kHeelStep, kWaterlines);
  return heeled;
}

}  // namespace norvika
