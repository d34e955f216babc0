#pragma once

#include "calculation/strength.h"
#include "support/result_file.h"

namespace norvika {

/// The rule comparison of MUKAVEMET.SON (cases 1-5): the rule's wave bending
/// moments and wave shear force, and on a wave the computed wave-induced
/// values beside them, the largest ratios and the table along the ship, for
/// a ship of weight W (t) and length L (m).
void writeRuleComparison(ResultFile& file, const Strength& result, double weight,
                         double shipLength);

}  // namespace norvika
