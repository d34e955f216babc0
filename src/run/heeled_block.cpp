#include "run/heeled_block.h"

#include <cmath>

#include "platform/pause.h"
#include "plots/heel_plot.h"
#include "run/run_stops.h"

namespace norvika {

HeeledHull runHeeledBlock(Platform& platform, const TaskParameters& task, const HullModel& hull) {
  if (std::fabs(task.heelAngle) < 0.001) stopForHeelAngle(platform, task.heelAngle);
  Window& stability = platform.window(WindowId::Stability);
  stability.cls();
  prepareHeelWindow(stability, hull.maxHalfBreadth, hull.maxHeight);
  HeeledHull heeled = computeHeeledHull(
      task, hull, [&](int st, const HeeledStation& cut, const StationSpline& spline) {
        drawHeeledSection(stability, hull.maxHalfBreadth, st, cut, spline, task.heelAngle);
      });
  pauseForEnter(platform);
  return heeled;
}

}  // namespace norvika
