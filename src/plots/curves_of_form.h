#pragma once

#include <optional>

#include "calculation/hydrostatics.h"
#include "platform/platform.h"

namespace norvika {

/// The curves of form on the Graph window: a panel for each quantity (the four coefficients
/// share one), its value across on a scale of round steps with its unit, the draft up, with
/// grids, each curve drawn smooth through the computed drafts, and the design draft
/// (`designDraft`, m at L/2, when given) across every panel. The frame stays on the window
/// until the caller clears it.
void drawCurvesOfForm(Platform& platform, const Hydrostatics& table,
                      std::optional<double> designDraft);

}  // namespace norvika
