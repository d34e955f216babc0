#pragma once

#include "calculation/run_state.h"
#include "driver/run_settings.h"
#include "platform/platform.h"

namespace norvika {

/// Runs one calculation in the platform's current directory, from the task
/// file to the closing question, and returns its results with every window's
/// last frame finished. A stop, a rejected input or a "yes" at a check ends
/// the run by throwing ProgramEnd. With a weights file the run also computes
/// the longitudinal strength and writes MUKAVEMET.SON and MUKAVEMET.TXT.
RunState runCalculation(Platform& platform, const RunSettings& settings = {});

}  // namespace norvika
