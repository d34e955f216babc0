#include "cli/value_list.h"

#include <cmath>

#include "support/input_file.h"
#include "text/text_format.h"

namespace norvika {

namespace {

std::string expected(const ValueListForm& form) {
  const std::string s(form.symbol);
  return "expected FROM:TO:STEP or " + s + "1," + s + "2,... in " + std::string(form.units) +
         " (numbers of at most 1000000)";
}

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

// A value within the list's bounds; a number of the list already.
std::optional<double> valueOf(const std::string& text, const ValueListForm& form,
                              std::string& error) {
  double value = 0.0;
  if (const auto problem = boundsProblem(*form.bounds, text, value)) {
    error = *problem;
    return std::nullopt;
  }
  return value;
}

std::optional<std::vector<double>> rangeOf(const std::vector<std::string>& parts,
                                           const ValueListForm& form, std::string& error) {
  if (!parseDecimal(parts[0]) || !parseDecimal(parts[1]) || !parseDecimal(parts[2])) {
    error =
        expected(form) + ", got " + quotedForMessage(parts[0] + ":" + parts[1] + ":" + parts[2]);
    return std::nullopt;
  }
  const std::optional<double> from = valueOf(parts[0], form, error);
  if (!from) return std::nullopt;
  const std::optional<double> to = valueOf(parts[1], form, error);
  if (!to) return std::nullopt;
  const double step = *parseDecimal(parts[2]);
  if (!(step > 0.0)) {
    error = "the step must be positive, got " + quotedForMessage(parts[2]);
    return std::nullopt;
  }
  if (*to < *from) {
    error = "TO " + quotedForMessage(parts[1]) + " is below FROM " + quotedForMessage(parts[0]) +
            "; the " + std::string(form.plural) + " rise from FROM to TO";
    return std::nullopt;
  }
  // A step that lands on TO within a millionth of a step reaches it.
  const double intervals = std::floor((*to - *from) / step + 1e-6);
  if (!(intervals < form.maxCount)) {
    error = "from " + quotedForMessage(parts[0]) + " to " + quotedForMessage(parts[1]) +
            " in steps of " + quotedForMessage(parts[2]) + " would be more than " +
            std::to_string(form.maxCount) + " " + std::string(form.plural);
    return std::nullopt;
  }
  const int count = static_cast<int>(intervals) + 1;
  std::vector<double> values;
  for (int k = 0; k < count; ++k) values.push_back(*from + k * step);
  if (std::fabs(values.back() - *to) <= 1e-6 * step) values.back() = *to;
  return values;
}

std::optional<std::vector<double>> listOf(const std::vector<std::string>& parts,
                                          const ValueListForm& form, std::string& error) {
  if (parts.size() > static_cast<std::size_t>(form.maxCount)) {
    error = std::to_string(parts.size()) + " " + std::string(form.plural) + " listed, at most " +
            std::to_string(form.maxCount);
    return std::nullopt;
  }
  std::vector<double> values;
  for (const std::string& part : parts) {
    if (!parseDecimal(part)) {
      error = expected(form) + ", got " + quotedForMessage(part) + " in the list";
      return std::nullopt;
    }
    const std::optional<double> value = valueOf(part, form, error);
    if (!value) return std::nullopt;
    if (!values.empty() && !(*value > values.back())) {
      error = "the " + std::string(form.plural) + " must rise, " + quotedForMessage(part) +
              " follows " + std::string(form.single) + " of " + formatFixed(values.back(), 1, 3) +
              " " + std::string(form.unit);
      return std::nullopt;
    }
    values.push_back(*value);
  }
  return values;
}

}  // namespace

std::optional<std::vector<double>> parseValueList(const std::string& text,
                                                  const ValueListForm& form, std::string& error) {
  const std::vector<std::string> range = split(text, ':');
  if (range.size() == 3) return rangeOf(range, form, error);
  if (range.size() == 1) return listOf(split(text, ','), form, error);
  error = expected(form) + ", got " + quotedForMessage(text);
  return std::nullopt;
}

}  // namespace norvika
