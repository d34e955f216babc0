#pragma once

#include "calculation/run_state.h"
#include "platform/platform.h"
#include "support/result_file.h"

namespace norvika {

/// The lines of Norvika.SON, CR LF ended, with the waterline check, the
/// buoyancy graphs and the ship position drawn at their places in it; computes
/// the equally spaced values on the way. A "yes" at the waterline check puts
/// the report in place cut after the displacement lines, removes an earlier
/// SEPHIYE.TXT that would not belong to it, and ends the run.
ResultFile writeResultsReport(Platform& platform, RunState& run);

/// The lines of SEPHIYE.TXT: the equally spaced buoyancy values (t/m), one per line.
ResultFile writeEqualSpacedFile(const RunState& run);

}  // namespace norvika
