#pragma once

#include <filesystem>
#include <string>

#include "calculation/displacement_balance.h"
#include "calculation/equal_spacing.h"
#include "model/hull_model.h"
#include "model/task_parameters.h"
#include "support/result_file.h"

namespace norvika {

/// The title of a buoyancy distribution over `count` stations or points,
/// in the report and over its graph.
std::string distributionTitle(int count);

/// Norvika.SON up to its displacement lines: the case and its values, where
/// the waterline cuts each station with the section areas (m2), and the
/// required and computed displacement. What the waterline check asks about.
ResultFile writeReportHead(const TaskParameters& task, const HullModel& hull,
                           const Immersion& immersion);

/// The rest of Norvika.SON: the buoyancy per metre at the stations, the
/// displacement and the centre of buoyancy, the equally spaced values when
/// the task asks for them, and the closing lines; the trochoid search that
/// ended above the required displacement (its last step, m) is noted.
void writeReportRest(ResultFile& file, const TaskParameters& task, const HullModel& hull,
                     const Immersion& immersion, const CentreOfBuoyancy& centre,
                     const EqualSpacing* equalSpacing, double lastDraftStep);

/// SEPHIYE.TXT: the equally spaced buoyancy values (t/m), one per line; empty
/// without them.
ResultFile writeEqualSpacedFile(const TaskParameters& task, const EqualSpacing* equalSpacing);

}  // namespace norvika
