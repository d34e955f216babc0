#pragma once

#include <optional>

#include "platform/platform.h"
#include "run/run_outcome.h"
#include "run/run_settings.h"

namespace norvika {

/// Runs one calculation in the platform's current directory, from the task
/// file to the closing question, with every window's last frame finished at
/// the end, and returns what the run read, was told, reached and wrote and
/// how it ended. It throws nothing a run can end by: a rejected input, a
/// stop, a "yes" at a check, a failed write, a stop by the user and an
/// internal failure are all endings of the outcome. With a weights file the
/// run also computes the longitudinal strength and writes MUKAVEMET.SON and
/// MUKAVEMET.TXT.
RunOutcome runCalculation(Platform& platform, const RunSettings& settings = {});

/// The inputs of a run read or made before it: the task, its hull and the
/// weights (none: no strength step).
struct RunInputs {
  TaskParameters task;
  HullModel hull;
  std::optional<WeightDistribution> weights;
};

/// runCalculation on the inputs given instead of the files of the run
/// directory (the settings' weights file is not looked at). The inputs are
/// checked against each other as the files' are (the equally spaced points
/// against the stations, the weights against the displacement) before
/// anything is asked.
RunOutcome runCalculation(Platform& platform, RunInputs inputs, const RunSettings& settings = {});

}  // namespace norvika
