#include "run/hull_preparation.h"

#include "calculation/equal_spacing.h"
#include "model/hull_data_file.h"
#include "plots/check_plots.h"
#include "plots/station_preview.h"
#include "run/input_places.h"
#include "support/input_file.h"
#include "text/text_format.h"
#include "words/catalogue.h"

namespace norvika {

HullModel readRunHull(const TaskParameters& task) {
  return prepareRunHull(task, readHullDataFile(runHullFile(task), task.hullFileName));
}

HullModel prepareRunHull(const TaskParameters& task, HullModel hull) {
  computeHullExtents(hull);

  // Checked here, before the user is asked anything: points that all fall
  // off the ship could never be corrected to the displacement.
  if (!equalRangeMeetsStations(task, hull)) {
    const std::string problem = text(
        Text::EqualRangeOutside,
        {formatFixed(task.equalStart, 1, 3), formatFixed(task.equalEnd, 1, 3),
         formatFixed(hull.stationX(1), 1, 3), formatFixed(hull.stationX(hull.stationCount), 1, 3)});
    if (task.file.empty()) throw ProgramEnd(ExitReason::InputError, problem);
    throw ProgramEnd(ExitReason::InputError,
                     atLineText(task.file.filename().string(), task.equalLine, problem),
                     InputPlace{task.file.string(), task.equalLine});
  }
  return hull;
}

void checkHullGeometry(Platform& platform, const TaskParameters& task, const HullModel& hull) {
  if (!checkStationSections(platform, hull) || !checkEndContours(platform, hull, task.shipLength)) {
    platform.endProgram(ExitReason::GeometryRejected);
  }
  for (int i = 1; i <= hull.stationCount; ++i) {
    showStationPreview(platform, hull, i, task.shipLength, task.stationDivisions);
  }
}

}  // namespace norvika
