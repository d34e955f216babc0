#pragma once

#include "calculation/crest_sweep.h"
#include "calculation/strength.h"
#include "support/result_file.h"

namespace norvika {

/// The lines of MUKAVEMET.SON, CR LF ended: the weights, each condition's
/// balance, the table of w, b, q, SF and BM along the ship, the extremes, the
/// closure at the forward end, the rule comparison and, when the crest was
/// swept along the ship, the sweep's summary.
ResultFile writeStrengthReport(const TaskParameters& task, const WeightDistribution& weights,
                               const Strength& result, const CrestSweep* sweep = nullptr);

/// The lines of MUKAVEMET.TXT: the same table as whitespace-separated columns
/// under one header line.
ResultFile writeStrengthTable(const TaskParameters& task, const Strength& result);

}  // namespace norvika
