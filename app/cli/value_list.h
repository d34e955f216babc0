#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/value_bounds.h"

namespace norvika {

/// What a list of rising values on a command line holds: each value's bounds,
/// how many there may be, and the words its messages use.
struct ValueListForm {
  const ValueBounds* bounds;
  int maxCount;
  std::string_view symbol;  // "T", in "T1,T2,..."
  std::string_view units;   // "metres", in "... in metres"
  std::string_view plural;  // "drafts"
  std::string_view single;  // "a draft", in "... follows a draft of 1.000 m"
  std::string_view unit;    // "m"
};

/// The values of a list option: "FROM:TO:STEP" gives FROM, FROM + STEP, ... up
/// to TO, TO itself when a step lands on it within a millionth of a step;
/// "V1,V2,..." gives the values listed. None, with `error` saying why, when
/// the text is neither, a number is not a plain decimal number or outside the
/// bounds, the step is not positive, TO is below FROM, the listed values do
/// not rise, or there would be more than maxCount of them.
std::optional<std::vector<double>> parseValueList(const std::string& text,
                                                  const ValueListForm& form, std::string& error);

}  // namespace norvika
