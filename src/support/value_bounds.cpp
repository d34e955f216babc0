#include "support/value_bounds.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace norvika {

namespace {

// The shortest text that reads back as the number, without the locale; no
// exponent for the bounds' round numbers, nor three hundred digits for a
// number given as 1e-300.
std::string shortest(double value) {
  char buffer[400];
  const double size = std::fabs(value);
  const bool plain = size == 0.0 || (size >= 1e-6 && size < 1e15);
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, value,
                    plain ? std::chars_format::fixed : std::chars_format::general);
  return error == std::errc() ? std::string(buffer, end) : std::string("?");
}

// Bounds beyond these are no bound: the numbers of the input files stop there.
constexpr double kUnbounded = 1e6;

// Text shown back to the user: at most 40 characters, control bytes as '?'.
std::string quoted(std::string_view text) {
  std::string shown;
  for (const char c : text.substr(0, 40)) {
    const auto byte = static_cast<unsigned char>(c);
    shown.push_back(byte >= 32 && byte < 127 ? c : '?');
  }
  return "'" + shown + (text.size() > 40 ? "...'" : "'");
}

bool within(const ValueBounds& bounds, double value) {
  return value >= bounds.lowest && value <= bounds.highest &&
         (!bounds.whole || value == std::floor(value));
}

}  // namespace

std::string rangeText(const ValueBounds& bounds) {
  return shortest(bounds.lowest) + " to " + shortest(bounds.highest);
}

std::string expectedValue(const ValueBounds& bounds) {
  std::string text = std::string(bounds.what);
  if (bounds.whole) text += ", a whole number";
  const std::string unit = bounds.unit.empty() ? "" : " " + std::string(bounds.unit);
  if (bounds.lowest > -kUnbounded) {
    text += " from " + rangeText(bounds) + unit;
  } else {
    text += " in" + unit + " (at most " + shortest(kUnbounded) + " in size)";
  }
  if (!bounds.hint.empty()) text += " (" + std::string(bounds.hint) + ")";
  return text;
}

std::optional<double> parseDecimal(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty() || text.front() == '+') return std::nullopt;
  double value = 0.0;
  const auto [stop, error] =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
  if (error != std::errc() || stop != text.data() + text.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

std::optional<std::string> boundsProblem(const ValueBounds& bounds, std::string_view text,
                                         double& value) {
  const std::optional<double> number = parseDecimal(text);
  if (number && within(bounds, *number)) {
    value = *number;
    return std::nullopt;
  }
  return "expected " + expectedValue(bounds) + ", got " + quoted(text);
}

std::optional<std::string> boundsProblem(const ValueBounds& bounds, double value) {
  if (within(bounds, value)) return std::nullopt;
  return "expected " + expectedValue(bounds) + ", got " + shortest(value);
}

}  // namespace norvika
