#pragma once

#include <vector>

#include "calculation/displacement_balance.h"
#include "calculation/section_area.h"
#include "calculation/waterline_profiles.h"
#include "model/hull_model.h"
#include "model/task_parameters.h"
#include "model/weights_file.h"
#include "support/capacities.h"
#include "support/table.h"

namespace norvika {

/// Newton iterations of the balance in sink and trim that no valid input needs.
inline constexpr int kTrimBalanceIterationLimit = 50;

/// The buoyancy of one condition of the ship. The waterline is the case's
/// profile at the mean draft plus a straight trim line through L/2.
struct StrengthCondition {
  /// Why no balance was found; None when it was (or none was sought).
  BalanceOutcome outcome;
  int profileCase = 0;    // 1 level, 2-5 the wave, 6 and 7 the run's own waterline
  bool balanced = false;  // found in sink and trim (cases 1-5)
  int iterations = 0;
  double meanDraft = 0.0;     // m at L/2 (the wave's mean level on a wave)
  double trim = 0.0;          // m, forward draft minus aft draft
  double aftDraft = 0.0;      // m at AP
  double forwardDraft = 0.0;  // m at FP
  double displacement = 0.0;  // t, of the buoyancy as sampleBuoyancy takes it
  double centre = 0.0;        // LCB, m from AP
  /// Buoyancy per metre at each station, t/m.
  Table<double> buoyancy{kMaxStations};
};

/// Finds the mean draft and trim at which the ship on the waterline of
/// `profileCase` (1 level, 2-5 the task's wave) carries the weights with LCB
/// at LCG: |D - W| <= 1e-6 W and |LCB - LCG| <= 1e-6 L, by Newton steps from
/// (startDraft (m), level trim). Stops on a deck under water, a trochoid phase
/// that does not settle or kTrimBalanceIterationLimit steps.
StrengthCondition balanceSinkAndTrim(const TaskParameters& task, const HullModel& hull,
                                     int profileCase, const WeightDistribution& weights,
                                     double startDraft);

/// The same on the waterline `shape` (of a level waterline or a wave, the
/// wave perhaps moved along the ship), the hull's stations laid out
/// (layOutStations) once for every balance of it.
StrengthCondition balanceSinkAndTrim(const TaskParameters& task, const HullModel& hull,
                                     const std::vector<SectionCurve>& sections,
                                     const WaterlineShape& shape, const WeightDistribution& weights,
                                     double startDraft);

}  // namespace norvika
