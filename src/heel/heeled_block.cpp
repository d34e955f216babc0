#include "heel/heeled_block.h"

#include "driver/task_parameters.h"
#include "driver/waterline_profiles.h"
#include "heel/heel_plot.h"
#include "heel/heeled_hull.h"
#include "heel/heeled_section.h"
#include "heel/heeled_waterline_ends.h"
#include "numerics/station_spline.h"
#include "text/text_format.h"

namespace norvika {

void runHeeledBlock(RunState& run) {
  // One heel step with one waterline per station.
  constexpr int kHeelStep = 1;
  constexpr int kWaterlines = 1;

  checkHeelAngle(run);
  setWaterlineProfile(run, kDamagedHeeled, 0.0);

  const double heelAngle = run.task.heelAngle;
  Table<double> heelAngleByStep(1);
  heelAngleByStep(kHeelStep) = heelAngle;

  const HullModel& hull = run.hull;
  Window& stability = run.platform.window(WindowId::Stability);
  stability.cls();
  prepareHeelWindow(stability, hull.maxHalfBreadth, hull.maxHeight);

  StationSpline spline;
  HeeledWaterlineEnds ends;
  HalfSectionResults halves;
  HeelMomentTables moments;
  for (int st = 1; st <= hull.stationCount; ++st) {
    fitStationSpline(st, hull, spline);
    const double z0 = run.waterlineHeight(1, st);
    findHeeledWaterlineEnds(heelAngle, z0, z0, kWaterlines, spline, ends);
    mirrorForNegativeHeel(heelAngle, kWaterlines, ends);
    integrateHeeledSection(heelAngle, spline, kWaterlines, ends, halves);
    drawHeeledSection(stability, hull.maxHalfBreadth, st, ends, halves, kWaterlines, spline,
                      heelAngle, run.stationArea, moments);
  }

  HeeledHullResults ship;
  integrateHeeledHull(run.stationArea, moments, hull.stationCount, hull.stationX, heelAngleByStep,
                      run.task.waterDensity, kHeelStep, kWaterlines, ship);
  run.heelLCB = ship.heelLCB;
  run.heelTCB = ship.heelTCB;

  // The common end reads the buoyancy from row 1, indexed by station.
  for (int st = 1; st <= hull.stationCount; ++st) {
    run.stationArea(1, st) = run.stationArea(st, kWaterlines);
  }
  run.displacementTable(1) = ship.heelDisplacement(kHeelStep, kWaterlines);

  pauseForEnter(run.platform);
}

}  // namespace norvika
