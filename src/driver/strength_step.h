#pragma once

#include <optional>

#include "calculation/run_state.h"
#include "driver/run_settings.h"
#include "model/weights_file.h"
#include "platform/platform.h"
#include "support/result_file.h"

namespace norvika {

/// The weights of the run: the file the settings name, else Norvika.AGR of
/// the run directory; none when neither is there. For cases 1-5 a total that
/// differs from the required displacement by more than 0.5 % is rejected
/// (InputError) naming both.
std::optional<WeightDistribution> readRunWeights(const TaskParameters& task,
                                                 const RunSettings& settings);

/// MUKAVEMET.SON and MUKAVEMET.TXT of one run.
struct StrengthFiles {
  ResultFile report;
  ResultFile table;
};

/// The strength step of a completed run: balance in sink and trim, shear
/// force and bending moment, the rule comparison, the drawing on the Graph
/// window with its pause. A balance that cannot be found stops the run with
/// its message.
StrengthFiles runStrengthStep(Platform& platform, const RunState& run,
                              const WeightDistribution& weights);

}  // namespace norvika
