#pragma once

#include "calculation/crest_sweep.h"
#include "calculation/strength.h"
#include "model/hull_model.h"
#include "platform/platform.h"

namespace norvika {

/// The strength diagrams on the Graph window, then a pause, then the window is
/// cleared: the load (w, b, q), the shear force and the bending moment along
/// the ship, each with its own axis of round steps and its unit, zero line,
/// AP, FP and the stations, a legend; on a wave the still-water and the
/// wave-induced curves beside the wave's, where the rule applies in kN and
/// kN m with the rule's wave loads drawn, and the envelopes of a sweep (none:
/// nullptr). The largest and smallest SF and BM of the case's waterline are
/// marked and labelled with value and place. A ship of length L (m) and
/// weight W (t).
void drawStrengthGraph(Platform& platform, const Strength& result, const HullModel& hull,
                       double shipLength, double weight, const CrestSweep* sweep);

}  // namespace norvika
