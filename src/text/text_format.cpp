#include "text/text_format.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

namespace norvika {

namespace {

// No conversion below asks the process locale (std::to_chars knows none): a
// desktop with a decimal comma must not change a single byte of a report.
std::string charsOf(double value, std::chars_format format, int precision) {
  char buffer[400];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision).ptr;
  return std::string(buffer, end);
}

// The first 15 significant digits of a positive value, correctly rounded (a
// tie to the even digit), and the power of ten of the first: what to_chars
// writes in scientific notation with 14 decimals.
struct SignificantDigits {
  std::array<char, 15> digits{};
  int exponent = 0;
};

constexpr auto kPowersOfTen = [] {
  std::array<std::uint64_t, 20> powers{1};
  for (std::size_t k = 1; k < powers.size(); ++k) powers[k] = powers[k - 1] * 10;
  return powers;
}();

// A report's values (from 1e-5 up to 1e15) in integer arithmetic: the value
// is m 2^q exactly, so m 10^k 2^q, its digits moved k places, is an integer
// part and a remainder that decide the rounding without error. False for a
// value outside that range.
bool exactSignificantDigits(double magnitude, std::uint64_t& digits, int& exponent) {
  __extension__ using Wide = unsigned __int128;
  const auto bits = std::bit_cast<std::uint64_t>(magnitude);
  const int biased = static_cast<int>(bits >> 52);
  if (biased == 0) return false;  // zero or subnormal
  const std::uint64_t m = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
  const int q = biased - 1075;
  // floor(log10(2^e)) for the binary exponent e: the decimal exponent or one less.
  int power = ((q + 52) * 78913) >> 18;
  constexpr std::uint64_t kSixteenDigits = 1000000000000000ull;
  for (int attempt = 0; attempt < 2; ++attempt, ++power) {
    const int k = 14 - power;
    if (q >= 0 || k < 0 || k > 19) return false;
    const Wide moved = static_cast<Wide>(m) * kPowersOfTen[static_cast<std::size_t>(k)];
    const int shift = -q;
    const Wide whole = moved >> shift;
    if (whole >= kSixteenDigits) continue;
    const Wide rest = moved - (whole << shift);
    const Wide half = Wide{1} << (shift - 1);
    digits = static_cast<std::uint64_t>(whole);
    if (rest > half || (rest == half && digits % 2 == 1)) ++digits;
    exponent = power;
    if (digits == kSixteenDigits) {
      digits /= 10;
      ++exponent;
    }
    return true;
  }
  return false;
}

SignificantDigits significantDigits(double magnitude) {
  SignificantDigits result;
  std::uint64_t digits = 0;
  if (exactSignificantDigits(magnitude, digits, result.exponent)) {
    for (int i = 14; i >= 0; --i, digits /= 10) {
      result.digits[static_cast<std::size_t>(i)] = static_cast<char>('0' + digits % 10);
    }
    return result;
  }
  char text[32];
  const char* const end =
      std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific, 14).ptr;
  result.digits[0] = text[0];
  std::copy(text + 2, text + 16, result.digits.begin() + 1);
  const char* exponentText = text + 17;  // after "d.dddddddddddddde"
  if (*exponentText == '+') ++exponentText;
  std::from_chars(exponentText, end, result.exponent);
  return result;
}

// The value's digits as an integer count of 10^-d, rounded half away from zero
// after the value has been taken to 15 significant digits, as the legacy
// number formatting did; at least d + 1 digits, zeros in front.
std::string scaledDigits(double magnitude, int d) {
  const auto decimals = static_cast<std::size_t>(d);
  if (magnitude == 0.0) return std::string(decimals + 1, '0');
  const SignificantDigits significant = significantDigits(magnitude);
  const int kept = significant.exponent + 1 + d;  // digits that stay after rounding
  std::string digits;
  if (kept >= 15) {
    digits.assign(significant.digits.begin(), significant.digits.end());
    digits.append(static_cast<std::size_t>(kept) - 15, '0');
  } else if (kept >= 0) {
    const auto keep = static_cast<std::size_t>(kept);
    digits.assign(significant.digits.begin(), significant.digits.begin() + kept);
    if (significant.digits[keep] >= '5') {
      std::size_t i = keep;
      while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
      if (i == 0) {
        digits.insert(digits.begin(), '1');
      } else {
        ++digits[i - 1];
      }
    }
  }
  if (digits.size() < decimals + 1) digits.insert(0, decimals + 1 - digits.size(), '0');
  return digits;
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
    const std::string digits = scaledDigits(std::fabs(value), d);
    const std::size_t point = digits.size() - static_cast<std::size_t>(d);
    const bool allZero = digits.find_first_not_of('0') == std::string::npos;
    text.reserve(digits.size() + 2);
    if (value < 0 && !allZero) text.push_back('-');
    text.append(digits, 0, point);
    if (d > 0) text.append(1, '.').append(digits, point);
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
    const double whole = std::trunc(value);
    // The whole numbers of a report's columns as integers; no "-0".
    if (std::fabs(whole) < 1e18) {
      text = std::to_string(static_cast<long long>(whole));
    } else {
      text = charsOf(whole, std::chars_format::fixed, 0);
    }
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
