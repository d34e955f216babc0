#pragma once

#include "calculation/strength.h"
#include "platform/platform.h"

namespace norvika {

/// The strength picture on the Graph window, then a pause, then the window is
/// cleared: weight and buoyancy per metre along the ship at the top, the shear
/// force in the middle and the bending moment below (on a wave with the
/// still-water moment beside it), each largest value marked and labelled.
void drawStrengthGraph(Platform& platform, const Strength& result);

}  // namespace norvika
