#pragma once

#include "driver/run_state.h"

namespace norvika {

/// Writes Norvika.SON under the run directory, line by line with CR LF, and
/// draws the waterline check, the buoyancy graphs and the ship position at
/// their places in it; computes the equally spaced values on the way. A
/// "yes" at the waterline check ends the run with the report cut after the
/// displacement lines. A file that cannot be written ends the run (WriteFailed).
void writeResultsReport(RunState& run);

/// Writes SEPHIYE.TXT: the equally spaced buoyancy values (t/m), one per line.
void writeEqualSpacedFile(RunState& run);

}  // namespace norvika
