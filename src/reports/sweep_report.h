#pragma once

#include "calculation/crest_sweep.h"
#include "support/result_file.h"

namespace norvika {

/// The sweep's part of MUKAVEMET.SON: each crest position's balance and its
/// wave-induced extremes, then the worst of all with their crest positions
/// and their ratios to the rule; for a ship of length L (m) and weight W (t),
/// extremes within the closure's bounds shown as none.
void writeSweepSummary(ResultFile& file, const CrestSweep& sweep, double shipLength, double weight);

/// The lines of TARAMA.TXT: at each row of the table, the largest and smallest
/// wave-induced SF and BM over the crest positions with the crest that gave
/// each, and the rule's values there, as whitespace-separated columns under
/// one header line, and the ratio of each envelope to the rule ("nan" where
/// the rule gives no meaningful ratio).
ResultFile writeSweepTable(const TaskParameters& task, const CrestSweep& sweep,
                           const RuleWaveLoads& rule);

}  // namespace norvika
