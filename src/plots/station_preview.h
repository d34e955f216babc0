#pragma once

#include "model/hull_model.h"
#include "platform/platform.h"
#include "support/table.h"

namespace norvika {

/// Level areas of one station as the preview works them out; nothing else in
/// the run reads them.
struct StationLevels {
  int levelCount = 0;
  Table<double> levelZ{31};       // m above the base line
  Table<double> levelArea{31};    // m2 below level k, both sides
  Table<double> levelMoment{31};  // m3 about the base line
};

/// Draws station `station` on the Report window with its level waterlines and
/// centroid markers. shipLength in metres. On a window that keeps no drawing
/// only the station's line of text is printed, and no level is worked out.
StationLevels showStationPreview(Platform& platform, const HullModel& hull, int station,
                                 double shipLength, double stationDivisions);

}  // namespace norvika
