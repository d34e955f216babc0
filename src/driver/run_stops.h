#pragma once

#include "calculation/displacement_balance.h"
#include "platform/platform.h"

namespace norvika {

/// Shows what stopped the draft search, or the evaluation of a trimmed
/// waterline, and ends the run: a deck under water (for a wave or a trimmed
/// waterline with the ship position drawn first), the wave phase, a start too
/// deep, the iteration bound, a search that never crossed the displacement.
[[noreturn]] void stopForBalance(Platform& platform, const RunState& run, const BalanceOutcome& outcome);

/// The heel angle (degrees) is too small to heel the ship.
[[noreturn]] void stopForHeelAngle(Platform& platform, double heelAngle);

/// The waterline cuts no section: no centre of buoyancy.
[[noreturn]] void stopForZeroDisplacement(Platform& platform);

/// The equally spaced values cannot be corrected to the displacement (t).
[[noreturn]] void stopForEqualSpacing(Platform& platform, double displacement);

}  // namespace norvika
