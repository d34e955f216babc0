#include "driver/heeled_block.h"

#include <cmath>

#include "calculation/heeled_hull.h"
#include "calculation/heeled_station.h"
#include "calculation/waterline_profiles.h"
#include "driver/run_stops.h"
#include "platform/pause.h"
#include "plots/heel_plot.h"

namespace norvika {

void runHeeledBlock(Platform& platform, RunState& run) {
  // One heel step with one waterline per station.
  constexpr int kHeelStep = 1;
  constexpr int kWaterlines = 1;

  if (std::fabs(run.task.heelAngle) < 0.001) stopForHeelAngle(platform, run.task.heelAngle);
  (void)setWaterlineProfile(run, kDamagedHeeled, 0.0);  // a straight line always converges

  const double heelAngle = run.task.heelAngle;
  Table<double> heelAngleByStep(1);
  heelAngleByStep(kHeelStep) = heelAngle;

  const HullModel& hull = run.hull;
  Window& stability = platform.window(WindowId::Stability);
  stability.cls();
  prepareHeelWindow(stability, hull.maxHalfBreadth, hull.maxHeight);

  StationSpline spline;
  HeeledStation heeled;
  Table2<double> areas(kMaxStations, kWaterlines);
  HeelMomentTables moments;
  for (int st = 1; st <= hull.stationCount; ++st) {
    fitCurveSpline(hull, st, spline);
    computeHeeledStation(spline, heelAngle, run.waterlineHeight(st), heeled);
    areas(st, kWaterlines) = heeled.area;
    moments.heelMomentY(st, kWaterlines) = heeled.momentY;
    moments.heelMomentZ(st, kWaterlines) = heeled.momentZ;
    drawHeeledSection(stability, hull.maxHalfBreadth, st, heeled, spline, heelAngle);
  }

  HeeledHullResults ship;
  integrateHeeledHull(areas, moments, hull.stationCount, hull.stationX, heelAngleByStep,
                      run.task.waterDensity, kHeelStep, kWaterlines, ship);
  run.heelLCB = ship.heelLCB(kHeelStep, kWaterlines);
  run.heelTCB = ship.heelTCB(kHeelStep, kWaterlines);
  for (int st = 1; st <= hull.stationCount; ++st) run.stationArea(st) = areas(st, kWaterlines);
  run.displacement = ship.heelDisplacement(kHeelStep, kWaterlines);

  pauseForEnter(platform);
}

}  // namespace norvika
