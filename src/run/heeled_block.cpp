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
  prepareHeelWindow(stability, hull);
  HeeledHull heeled = computeHeeledHull(
      task, hull, [&](int st, const HeeledStation& cut, const StationSpline& spline) {
        drawHeeledSection(stability, hull.maxHalfBreadth, st, cut, spline, task.heelAngle);
      });
  if (stability.keepsDrawing()) {
    drawHeelReadings(stability, hull,
                     {std::fabs(task.heelAngle), task.forwardDraft, task.aftDraft,
                      heeled.immersion.displacement, heeled.lcb, heeled.tcb, heeled.kb});
  }
  pauseForEnter(platform);
  return heeled;
}

}  // namespace norvika
