#pragma once

#include <vector>

#include "calculation/condition_check.h"
#include "calculation/cross_curves.h"
#include "platform/platform.h"

namespace norvika {

/// The cross curves on the Graph window: KN (m) against the heel (degrees),
/// one labelled curve per displacement, each marked where its deck edge
/// reaches the water. The frame stays on the window until the caller clears it.
void drawCrossCurves(Platform& platform, const std::vector<CrossCurve>& curves);

/// The loading condition's GZ curve on the Stability window: GZ (m) against
/// the heel (degrees) with the areas of the general criteria shaded, GM0
/// drawn at 1 rad, the greatest lever, the angle of vanishing stability, the
/// deck-edge and flooding angles marked and, with the wind criterion, its
/// levers lw1 and lw2 and its areas a and b, the curve carried to the
/// windward side the ship rolls to.
void drawGzCurve(Platform& platform, const ConditionCheck& check);

}  // namespace norvika
