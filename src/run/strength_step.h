#pragma once

#include <optional>

#include "calculation/strength.h"
#include "model/weights_file.h"
#include "platform/platform.h"
#include "run/run_outcome.h"
#include "run/run_settings.h"

namespace norvika {

/// The weights file of the run: the one the settings name, else Norvika.AGR
/// of the run directory; none when neither is there.
std::optional<std::filesystem::path> runWeightsFile(const TaskParameters& task,
                                                    const RunSettings& settings);

/// The weights of the run read from `file` (none: no weights). For cases 1-5
/// a total that differs from the required displacement by more than 0.5 % is
/// rejected (InputError) naming both.
std::optional<WeightDistribution> readRunWeights(const TaskParameters& task,
                                                 const std::optional<std::filesystem::path>& file);

/// Refuses (InputError) a sweep of the crest along the ship that the run
/// cannot make (on a case without a wave, or without weights), and a rule
/// length or scantling draft where no rule values are computed (cases 6 and
/// 7, or without weights).
void checkStrengthRequest(const RunSettings& settings, const TaskParameters& task,
                          const std::optional<WeightDistribution>& weights);
/// The weights of a run read or made before it; for cases 1-5 a total that
/// differs from the required displacement by more than 0.5 % is rejected
/// (InputError) naming both.
WeightDistribution checkRunWeights(const TaskParameters& task, WeightDistribution weights);

/// The strength step of a completed run whose buoyancy is `immersion` (at the
/// search's mean draft, m): balance in sink and trim, shear force and bending
/// moment, the rule comparison, the sweep of `sweepPositions` crest positions
/// (none for 0) and the rule with the settings' length and draft, the
/// drawing on the Graph window with its pause. The results go into the
/// outcome as they are reached; a balance that cannot be found stops the run
/// with its message.
void runStrengthStep(Platform& platform, const TaskParameters& task, const HullModel& hull,
                     const Immersion& immersion, double meanDraft,
                     const WeightDistribution& weights, const RunSettings& settings,
                     RunOutcome& outcome);

}  // namespace norvika
