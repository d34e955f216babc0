#pragma once

#include <vector>

#include "calculation/bonjean.h"
#include "calculation/girth_check.h"
#include "calculation/hydrostatics.h"
#include "model/task_parameters.h"
#include "support/result_file.h"

namespace norvika {

/// Where the inputs of a hydrostatics run came from, for its report.
struct HydrostaticsSources {
  bool densityFromCommandLine = false;  // --density, not the task file's
  bool draftsFromCommandLine = false;   // --drafts, not the default ones
};

/// The lines of HIDROSTATIK.SON, CR LF ended: the inputs, then the table of
/// every draft in three parts (volume and centres; metacentres, trim moment
/// and wetted surface; waterline and coefficients), then how the values are
/// taken.
ResultFile writeHydrostaticsReport(const TaskParameters& task, const HullModel& hull,
                                   const HydrostaticsSources& sources, const Hydrostatics& table,
                                   const std::vector<SeamedStation>& seamed = {});

/// The lines of HIDROSTATIK.TXT: one header line, then one row of
/// whitespace-separated columns per draft.
ResultFile writeHydrostaticsTable(const TaskParameters& task, const Hydrostatics& table);

/// The lines of BONJEAN.TXT: one header line, then a row per station and
/// height: station, x, z, area, moment.
ResultFile writeBonjeanTable(const TaskParameters& task, const BonjeanCurves& curves);

}  // namespace norvika
