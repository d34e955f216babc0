#pragma once

#include <optional>
#include <string>
#include <vector>

namespace norvika {

/// The drafts of a --drafts value (m above the base line at L/2): "FROM:TO:STEP"
/// gives FROM, FROM + STEP, ... up to TO, TO itself when a step lands on it
/// within a millionth of a step; "T1,T2,..." gives the drafts listed. None,
/// with `error` saying why, when the text is neither, a number is not a plain
/// decimal number, a draft is not one kDraftBounds takes (under a millimetre
/// above the base line), the step is not positive, TO is below FROM, the
/// listed drafts do not rise, or there would be more than
/// kMaxHydrostaticDrafts of them.
std::optional<std::vector<double>> parseDraftList(const std::string& text, std::string& error);

}  // namespace norvika
