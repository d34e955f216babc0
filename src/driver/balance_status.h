#pragma once

#include "calculation/run_state.h"
#include "platform/platform.h"

namespace norvika {

/// Prints the status lines of the Report window: the case title, the required
/// and computed displacement and the drafts, each where the case shows them.
void printBalanceStatus(Platform& platform, const RunState& run, bool withTitle);

/// Prints a warning line on the report window for every station whose section area, as the
/// report shows it, is negative (offsets that make the fitted curve cross the centre line).
void warnNegativeSectionAreas(Platform& platform, const RunState& run);

}  // namespace norvika
