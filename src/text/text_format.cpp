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

// The first 15 significant digits of a positive value as an integer, correctly
// rounded (a tie to the even digit), and the power of ten of the first: what
// to_chars writes in scientific notation with 14 decimals.
struct SignificantDigits {
  std::uint64_t digits = 0;
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
bool exactSignificantDigits(double magnitude, SignificantDigits& result) {
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
    result.digits = static_cast<std::uint64_t>(whole);
    if (rest > half || (rest == half && result.digits % 2 == 1)) ++result.digits;
    result.exponent = power;
    if (result.digits == kSixteenDigits) {
      result.digits /= 10;
      ++result.exponent;
    }
    return true;
  }
  return false;
}

SignificantDigits significantDigits(double magnitude) {
  SignificantDigits result;
  if (exactSignificantDigits(magnitude, result)) return result;
  char text[32];
  const char* const end =
      std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific, 14).ptr;
  for (const char* c = text; c < text + 16; ++c) {
    if (*c != '.') result.digits = result.digits * 10 + static_cast<std::uint64_t>(*c - '0');
  }
  const char* exponentText = text + 17;  // after "d.dddddddddddddde"
  if (*exponentText == '+') ++exponentText;
  std::from_chars(exponentText, end, result.exponent);
  return result;
}

// The value as a count of 10^-d: its 15 significant digits rounded half away
// from zero at the d-th decimal, as the legacy number formatting did. The
// count's digits are those of `leading`, then `zeros` zeros.
struct ScaledDigits {
  std::uint64_t leading = 0;
  std::size_t zeros = 0;
};

ScaledDigits scaledDigits(double magnitude, int d) {
  if (magnitude == 0.0) return {};
  const SignificantDigits significant = significantDigits(magnitude);
  const int kept = significant.exponent + 1 + d;  // digits that stay after rounding
  if (kept >= 15) return {significant.digits, static_cast<std::size_t>(kept - 15)};
  if (kept < 0) return {};
  // The first digit dropped is 5 or more where the part dropped is half a unit or more.
  const std::uint64_t unit = kPowersOfTen[static_cast<std::size_t>(15 - kept)];
  return {(significant.digits + unit / 2) / unit, 0};
}

std::string nonFiniteText(double value) {
  if (std::isnan(value)) return "NaN";
  return value < 0 ? "-Inf" : "Inf";
}

}  // namespace

std::string formatFixed(double value, int w, int d) {
  if (!std::isfinite(value)) {
    // No point: padded as a number without decimals is.
    return std::string(static_cast<std::size_t>(std::max(0, w + 1)), ' ') + nonFiniteText(value);
  }
  const ScaledDigits scaled = scaledDigits(std::fabs(value), d);
  char leading[24];
  const auto count = static_cast<std::size_t>(
      std::to_chars(leading, leading + sizeof leading, scaled.leading).ptr - leading);
  const auto decimals = static_cast<std::size_t>(d);
  const std::size_t shown = std::max(count + scaled.zeros, decimals + 1);  // zeros in front
  const std::size_t whole = shown - decimals;  // digits before the point
  const bool negative = value < 0 && scaled.leading != 0;
  // The point stands in column w + 1; without decimals the number is padded as if it stood there.
  const int position = d > 0 ? static_cast<int>(negative + whole) + 1 : 0;
  const auto blanks = static_cast<std::size_t>(std::max(0, w + 1 - position));
  std::string text(blanks + negative + shown + (d > 0 ? 1 : 0), ' ');
  char* p = text.data() + blanks;
  if (negative) *p++ = '-';
  const std::size_t padding = shown - count - scaled.zeros;
  for (std::size_t i = 0; i < shown; ++i) {
    if (i == whole) *p++ = '.';
    *p++ = i >= padding && i < padding + count ? leading[i - padding] : '0';
  }
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
