#pragma once

#include "calculation/hydrostatics.h"
#include "platform/platform.h"

namespace norvika {

/// The curves of form on the Graph window, as naval architects draw them: the
/// draft up the vertical axis, each quantity a labelled curve with its own
/// horizontal scale (ticks and unit) below the graph; the coefficients share
/// one scale. The frame stays on the window until the caller clears it.
void drawCurvesOfForm(Platform& platform, const Hydrostatics& table);

}  // namespace norvika
