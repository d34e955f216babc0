#include "reports/hull_lines.h"

#include <string>

#include "text/report_text.h"
#include "text/text_format.h"
#include "words/catalogue.h"

namespace norvika {

void writeHullLines(ResultFile& file, const TaskParameters& task, const HullModel& hull,
                    double shipLength, double density, bool densityFromCommandLine) {
  file.line(text(Text::HullFile, {asciiReportText(task.hullFileName)}));
  file.line(text(Text::HullStations,
                 {padInteger(hull.stationCount, 8), formatFixed(hull.stationX(1), 1, 3),
                  formatFixed(hull.stationX(hull.stationCount), 1, 3)}));
  file.line(text(Text::HullShipLength, {formatFixed(shipLength, 4, 3)}));
  file.line(text(Text::HullDensity, {formatFixed(density, 4, 4),
                                     densityFromCommandLine ? "--density" : "Norvika.TSK"}));
}

}  // namespace norvika
