#include "reports/hull_lines.h"

#include <string>

#include "text/report_text.h"
#include "text/text_format.h"

namespace norvika {

void writeHullLines(ResultFile& file, const TaskParameters& task, const HullModel& hull,
                    double shipLength, double density, bool densityFromCommandLine) {
  file.line(" GEMI FORM DOSYASI: " + asciiReportText(task.hullFileName));
  file.line(" POSTA SAYISI                  = " + padInteger(hull.stationCount, 8) + "   (" +
            formatFixed(hull.stationX(1), 1, 3) + " - " +
            formatFixed(hull.stationX(hull.stationCount), 1, 3) + " m. AP 'den)");
  file.line(" GEMI BOYU             - L     = " + formatFixed(shipLength, 4, 3) + " m.");
  file.line(" SU YOGUNLUGU          - Ro    = " + formatFixed(density, 4, 4) + " ton/m3 (" +
            (densityFromCommandLine ? "--density" : "Norvika.TSK") + ")");
}

}  // namespace norvika
