#pragma once

#include "calculation/strength.h"
#include "support/result_file.h"

namespace norvika {

/// The lines of MUKAVEMET.SON, CR LF ended: the weights, each condition's
/// balance, the table of w, b, q, SF and BM along the ship, the maxima, the
/// closure at the forward end and the rule comparison.
ResultFile writeStrengthReport(const TaskParameters& task, const WeightDistribution& weights,
                               const Strength& result);

/// The lines of MUKAVEMET.TXT: the same table as whitespace-separated columns
/// under one header line.
ResultFile writeStrengthTable(const TaskParameters& task, const Strength& result);

}  // namespace norvika
