#pragma once

#include <optional>
#include <string>
#include <vector>

namespace norvika {

/// The drafts of a --drafts value (m above the base line at L/2): "FROM:TO:STEP"
/// gives FROM, FROM + STEP, ... up to TO, TO itself when a step lands on it
/// within a millionth of a step; "T1,T2,..." gives the drafts listed. None,
/// with `error` saying why, when the text is neither, a number is not one
/// parseNumber takes, a draft is not above the base line, the step is not
/// positive, TO is below FROM, the listed drafts do not rise, or there would be
/// more than kMaxHydrostaticDrafts of them.
std::optional<std::vector<double>> parseDraftList(const std::string& text, std::string& error);

/// A plain number in `text` (an optional sign, digits, point, exponent) of at
/// most kLargestInputNumber in size, as the input files take them; none when it
/// is anything else.
std::optional<double> parseNumber(const std::string& text);

}  // namespace norvika
