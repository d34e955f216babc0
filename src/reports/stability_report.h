#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calculation/condition_check.h"
#include "calculation/cross_curves.h"
#include "model/task_parameters.h"
#include "support/result_file.h"

namespace norvika {

/// What a stability run's report tells beside its results: where its inputs
/// came from.
struct StabilityReportInputs {
  double density = 0.0;  // t/m3
  bool densityFromCommandLine = false;
  TrimMode trimMode = TrimMode::Free;
  std::optional<double> lcg;  // m from AP, as given
  std::vector<double> heels;  // degrees
  /// The condition's displacement given by its draft at L/2 (m); none: in tonnes.
  std::optional<double> conditionDraft;
};

/// Why the ship has no equilibrium, for the user, in the thread's language
/// ("DENGE HESABI YAKINSAMADI").
std::string equilibriumStopText(EquilibriumStop stop);

/// The lines of STABILITE.SON, CR LF ended, in the thread's language: the inputs, the cross curves
/// in blocks of displacements with each one's upright draft, trim and deck-edge angle; with a
/// condition, its particulars, its GZ table, the curve's characteristics and the criteria of the
/// 2008 Intact Stability Code with their required and attained values (and the wind criterion's
/// working when it was checked).
ResultFile writeStabilityReport(const TaskParameters& task, const HullModel& hull,
                                const StabilityReportInputs& inputs,
                                const std::vector<CrossCurve>& crossCurves,
                                const ConditionCheck* condition);

/// The lines of KN.TXT: one header line, then a row per displacement and heel
/// reached: displacement (t), heel (degrees), KN (m).
ResultFile writeCrossCurvesTable(const TaskParameters& task,
                                 const std::vector<CrossCurve>& crossCurves);

/// The lines of GZ.TXT: one header line, then a row per heel the curve was
/// sampled at: heel (degrees), KN and GZ (m).
ResultFile writeGzTable(const TaskParameters& task, const RightingLevers& levers);

}  // namespace norvika
