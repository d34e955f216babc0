#pragma once

#include "calculation/displacement_balance.h"
#include "model/hull_model.h"
#include "model/task_parameters.h"
#include "platform/platform.h"

namespace norvika {

/// Prints the status lines of the Report window: the case title, the required
/// and computed displacement (t) and the drafts the waterline shows, each
/// where the case shows them.
void printBalanceStatus(Platform& platform, const TaskParameters& task, const HullModel& hull,
                        const WaterlineProfile& waterline, double displacement, bool withTitle);

/// Prints a warning line on the report window for every station whose section area (m2), as
/// the report shows it, is negative (offsets that make the fitted curve cross the centre line).
void warnNegativeSectionAreas(Platform& platform, const HullModel& hull,
                              const Table<double>& stationArea);

}  // namespace norvika
