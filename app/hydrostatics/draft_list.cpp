#include "hydrostatics/draft_list.h"

#include <charconv>
#include <cmath>

#include "calculation/hydrostatics.h"
#include "support/input_file.h"
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

// A draft is a height above the base line; the curves of form start above it.
bool aboveBaseLine(double draft, const std::string& text, std::string& error) {
  if (draft > 0.0) return true;
  error = "a draft is the waterline's height above the base line and must be positive, got " +
          quotedForMessage(text);
  return false;
}

std::optional<std::vector<double>> rangeOf(const std::vector<std::string>& parts,
                                           std::string& error) {
  const std::optional<double> from = parseNumber(parts[0]);
  const std::optional<double> to = parseNumber(parts[1]);
  const std::optional<double> step = parseNumber(parts[2]);
  if (!from || !to || !step) {
    error = std::string(kExpected) + ", got " +
            quotedForMessage(parts[0] + ":" + parts[1] + ":" + parts[2]);
    return std::nullopt;
  }
  if (!(*step > 0.0)) {
    error = "the step must be positive, got " + quotedForMessage(parts[2]);
    return std::nullopt;
  }
  if (*to < *from) {
    error = "TO " + quotedForMessage(parts[1]) + " is below FROM " + quotedForMessage(parts[0]) +
            "; the drafts rise from FROM to TO";
    return std::nullopt;
  }
  if (!aboveBaseLine(*from, parts[0], error)) return std::nullopt;
  // A step that lands on TO within a millionth of a step reaches it.
  const double intervals = std::floor((*to - *from) / *step + 1e-6);
  if (!(intervals < kMaxHydrostaticDrafts)) {
    error = "from " + quotedForMessage(parts[0]) + " to " + quotedForMessage(parts[1]) +
            " in steps of " + quotedForMessage(parts[2]) + " would be more than " +
            std::to_string(kMaxHydrostaticDrafts) + " drafts";
    return std::nullopt;
  }
  const int count = static_cast<int>(intervals) + 1;
  std::vector<double> drafts;
  for (int k = 0; k < count; ++k) drafts.push_back(*from + k * *step);
  if (std::fabs(drafts.back() - *to) <= 1e-6 * *step) drafts.back() = *to;
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
    const std::optional<double> draft = parseNumber(part);
    if (!draft) {
      error = std::string(kExpected) + ", got " + quotedForMessage(part) + " in the list";
      return std::nullopt;
    }
    if (drafts.empty() && !aboveBaseLine(*draft, part, error)) return std::nullopt;
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

std::optional<double> parseNumber(const std::string& text) {
  const char* begin = text.data();
  const char* end = begin + text.size();
  if (begin != end && *begin == '+') ++begin;
  double value = 0.0;
  const auto [stop, problem] = std::from_chars(begin, end, value, std::chars_format::general);
  if (begin == end || problem != std::errc() || stop != end ||
      !(std::fabs(value) <= kLargestInputNumber)) {
    return std::nullopt;
  }
  return value;
}

std::optional<std::vector<double>> parseDraftList(const std::string& text, std::string& error) {
  const std::vector<std::string> range = split(text, ':');
  if (range.size() == 3) return rangeOf(range, error);
  if (range.size() == 1) return listOf(split(text, ','), error);
  error = std::string(kExpected) + ", got " + quotedForMessage(text);
  return std::nullopt;
}

}  // namespace norvika
