#include "text/text_format.h"

#include <charconv>
#include <cmath>
#include <string>

namespace norvika {

namespace {

// Every conversion below goes through std::to_chars, which knows no locale: a
// desktop with a decimal comma must not change a single byte of a report.
std::string charsOf(double value, std::chars_format format, int precision) {
  char buffer[400];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision).ptr;
  return std::string(buffer, end);
}

// The value's digits as an integer count of 10^-d, rounded half away from zero
// after the value has been taken to 15 significant digits, as the legacy
// number formatting did.
std::string scaledDigits(double magnitude, int d) {
  if (magnitude == 0.0) return "0";
  const std::string scientific = charsOf(magnitude, std::chars_format::scientific, 14);
  std::string significant;
  significant.push_back(scientific[0]);
  significant.append(scientific, 2, 14);
  int exponent = 0;
  const std::size_t e = scientific.find('e');
  const char* exponentText = scientific.data() + e + 1;
  if (*exponentText == '+') ++exponentText;
  std::from_chars(exponentText, scientific.data() + scientific.size(), exponent);

  const int kept = exponent + 1 + d;  // digits that stay after rounding
  if (kept < 0) return "0";
  if (kept >= static_cast<int>(significant.size())) {
    return significant + std::string(static_cast<std::size_t>(kept) - significant.size(), '0');
  }
  std::string digits = significant.substr(0, static_cast<std::size_t>(kept));
  if (significant[static_cast<std::size_t>(kept)] >= '5') {
    int i = kept - 1;
    while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9') {
      digits[static_cast<std::size_t>(i)] = '0';
      --i;
    }
    if (i < 0) {
      digits.insert(digits.begin(), '1');
    } else {
      ++digits[static_cast<std::size_t>(i)];
    }
  }
  return digits.empty() ? "0" : digits;
}

std::string nonFiniteText(double value) {
  if (std::isnan(value)) return "NaN";
  return value < 0 ? "-Inf" : "Inf";
}

}  // namespace

std::string formatFixed(double value, int w, int d) {
  std::string text;
  if (!std::isfinite(value)) {
    text = nonFiniteText(value);
  } else {
    std::string digits = scaledDigits(std::fabs(value), d);
    if (digits.size() < static_cast<std::size_t>(d) + 1) {
      digits.insert(0, static_cast<std::size_t>(d) + 1 - digits.size(), '0');
    }
    const bool allZero = digits.find_first_not_of('0') == std::string::npos;
    text = (value < 0 && !allZero) ? "-" : "";
    text += digits.substr(0, digits.size() - static_cast<std::size_t>(d));
    if (d > 0) text += "." + digits.substr(digits.size() - static_cast<std::size_t>(d));
  }
  const std::size_t point = text.find('.');
  const int position = point == std::string::npos ? 0 : static_cast<int>(point) + 1;
  const int blanks = w + 1 - position;
  if (blanks > 0) text.insert(0, static_cast<std::size_t>(blanks), ' ');
  return text;
}

std::string formatPlain(double value, int d) {
  const std::string text = formatFixed(value, 1, d);
  return text.substr(text.find_first_not_of(' '));
}

std::string padInteger(double value, int w) {
  std::string text;
  if (!std::isfinite(value)) {
    text = nonFiniteText(value);
  } else {
    double whole = std::trunc(value);
    if (whole == 0.0) whole = 0.0;  // no "-0"
    text = charsOf(whole, std::chars_format::fixed, 0);
  }
  if (static_cast<int>(text.size()) < w)
    text.insert(0, static_cast<std::size_t>(w) - text.size(), ' ');
  return text;
}

std::string numberText(double value) {
  if (!std::isfinite(value)) return nonFiniteText(value);
  std::string text = value == std::trunc(value) && std::fabs(value) < 1e15
                         ? charsOf(value == 0.0 ? 0.0 : value, std::chars_format::fixed, 0)
                         : charsOf(value, std::chars_format::general, 15);
  // The legacy conversion drops the zero before the point (" .5", "-.25").
  if (text.rfind("0.", 0) == 0) text.erase(0, 1);
  if (text.rfind("-0.", 0) == 0) text.erase(1, 1);
  return value < 0 ? text : " " + text;
}

}  // namespace norvika
