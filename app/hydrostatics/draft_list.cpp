#include "hydrostatics/draft_list.h"

#include <cmath>

#include "calculation/hydrostatics.h"
#include "support/input_file.h"
#include "support/value_bounds.h"
#include "text/text_format.h"

namespace norvika {

namespace {

const char* const kExpected =
    "expected FROM:TO:STEP or T1,T2,... in metres (numbers of at most 1000000)";

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t at = text.find(separator, start);
    parts.push_back(text.substr(start, at - start));
    if (at == std::string::npos) return parts;
    start = at + 1;
  }
}

// A draft, a height above the base line the reports can tell from zero; a
// number of the list already.
std::optional<double> draftOf(const std::string& text, std::string& error) {
  double draft = 0.0;
  if (const auto problem = boundsProblem(kDraftBounds, text, draft)) {
    error = *problem;
    return std::nullopt;
  }
  return draft;
}

std::optional<std::vector<double>> rangeOf(const std::vector<std::string>& parts,
                                           std::string& error) {
  if (!parseDecimal(parts[0]) || !parseDecimal(parts[1]) || !parseDecimal(parts[2])) {
    error = std::string(kExpected) + ", got " +
            quotedForMessage(parts[0] + ":" + parts[1] + ":" + parts[2]);
    return std::nullopt;
  }
  const std::optional<double> from = draftOf(parts[0], error);
  if (!from) return std::nullopt;
  const std::optional<double> to = draftOf(parts[1], error);
  if (!to) return std::nullopt;
  const double step = *parseDecimal(parts[2]);
  if (!(step > 0.0)) {
    error = "the step must be positive, got " + quotedForMessage(parts[2]);
    return std::nullopt;
  }
  if (*to < *from) {
    error = "TO " + quotedForMessage(parts[1]) + " is below FROM " + quotedForMessage(parts[0]) +
            "; the drafts rise from FROM to TO";
    return std::nullopt;
  }
  // A step that lands on TO within a millionth of a step reaches it.
  const double intervals = std::floor((*to - *from) / step + 1e-6);
  if (!(intervals < kMaxHydrostaticDrafts)) {
    error = "from " + quotedForMessage(parts[0]) + " to " + quotedForMessage(parts[1]) +
            " in steps of " + quotedForMessage(parts[2]) + " would be more than " +
            std::to_string(kMaxHydrostaticDrafts) + " drafts";
    return std::nullopt;
  }
  const int count = static_cast<int>(intervals) + 1;
  std::vector<double> drafts;
  for (int k = 0; k < count; ++k) drafts.push_back(*from + k * step);
  if (std::fabs(drafts.back() - *to) <= 1e-6 * step) drafts.back() = *to;
  return drafts;
}

std::optional<std::vector<double>> listOf(const std::vector<std::string>& parts,
                                          std::string& error) {
  if (parts.size() > static_cast<std::size_t>(kMaxHydrostaticDrafts)) {
    error = std::to_string(parts.size()) + " drafts listed, at most " +
            std::to_string(kMaxHydrostaticDrafts);
    return std::nullopt;
  }
  std::vector<double> drafts;
  for (const std::string& part : parts) {
    if (!parseDecimal(part)) {
      error = std::string(kExpected) + ", got " + quotedForMessage(part) + " in the list";
      return std::nullopt;
    }
    const std::optional<double> draft = draftOf(part, error);
    if (!draft) return std::nullopt;
    if (!drafts.empty() && !(*draft > drafts.back())) {
      error = "the drafts must rise, " + quotedForMessage(part) + " follows a draft of " +
              formatFixed(drafts.back(), 1, 3) + " m";
      return std::nullopt;
    }
    drafts.push_back(*draft);
  }
  return drafts;
}

}  // namespace

std::optional<std::vector<double>> parseDraftList(const std::string& text, std::string& error) {
  const std::vector<std::string> range = split(text, ':');
  if (range.size() == 3) return rangeOf(range, error);
  if (range.size() == 1) return listOf(split(text, ','), error);
  error = std::string(kExpected) + ", got " + quotedForMessage(text);
  return std::nullopt;
}

}  // namespace norvika
