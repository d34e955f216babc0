#include "text/text_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>

#include "platform/pause.h"
#include "platform/recording_platform.h"

namespace norvika {
namespace {

struct FixedCase {
  double value;
  int w, d;
  const char* expected;
};

TEST(FormatFixed, ColumnsAndRounding) {
  const FixedCase cases[] = {
      {12.3456, 3, 3, " 12.346"},
      {5000, 7, 1, "   5000.0"},
      {-1.5, 3, 2, " -1.50"},
      {0.25, 3, 2, "  0.25"},
      {123.4, 2, 1, "123.4"},
      {0.125, 1, 2, "0.13"},
      {2.675, 1, 2, "2.68"},
      {-0.125, 3, 2, " -0.13"},
      {-0.001, 3, 2, "  0.00"},
      {-0.004, 1, 3, "-0.004"},
      {9.9996, 3, 3, " 10.000"},
      {0.0, 3, 3, "  0.000"},
      {99999.999995, 5, 5, "100000.00000"},
      {1234567.0, 3, 3, "1234567.000"},
      {0.5, 2, 2, " 0.50"},
      {1e-20, 3, 3, "  0.000"},
      {7.5, 2, 0, "   8"},
      {NAN, 3, 3, "    NaN"},
      {-INFINITY, 2, 1, "   -Inf"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(formatFixed(c.value, c.w, c.d), c.expected) << c.value << " " << c.w << " " << c.d;
  }
}

// The rule written out on C's printf, whose digits are those of the exact
// binary value rounded to even: the value taken to 15 significant digits,
// then rounded half away from zero to d decimals.
std::string fifteenDigitsThenHalfUp(double value, int w, int d) {
  char scientific[40];
  std::snprintf(scientific, sizeof scientific, "%.14e", std::fabs(value));
  std::string digits = std::string(1, scientific[0]) + std::string(scientific + 2, 14);
  const int kept = std::atoi(scientific + 17) + 1 + d;
  std::string rounded =
      kept <= 0 ? "" : digits.substr(0, static_cast<std::size_t>(std::min(kept, 15)));
  if (kept > 15) rounded.append(static_cast<std::size_t>(kept - 15), '0');
  if (kept >= 0 && kept < 15 && digits[static_cast<std::size_t>(kept)] >= '5') {
    int i = kept - 1;
    for (; i >= 0 && rounded[static_cast<std::size_t>(i)] == '9'; --i)
      rounded[static_cast<std::size_t>(i)] = '0';
    if (i < 0)
      rounded.insert(0, "1");
    else
      ++rounded[static_cast<std::size_t>(i)];
  }
  if (value == 0.0) rounded.clear();
  rounded.insert(
      0, std::string(
             static_cast<std::size_t>(std::max(0, d + 1 - static_cast<int>(rounded.size()))), '0'));
  const bool zero = rounded.find_first_not_of('0') == std::string::npos;
  std::string text = (value < 0 && !zero ? "-" : "") +
                     rounded.substr(0, rounded.size() - static_cast<std::size_t>(d));
  if (d > 0) text += "." + rounded.substr(rounded.size() - static_cast<std::size_t>(d));
  const int point = d > 0 ? static_cast<int>(text.find('.')) + 1 : 0;
  return std::string(static_cast<std::size_t>(std::max(0, w + 1 - point)), ' ') + text;
}

// Values of every size a report holds and beyond, ties at the 15th digit
// (whole numbers and a half) and at the last decimal shown, against the rule.
TEST(FormatFixed, FifteenSignificantDigitsThenHalfAwayFromZero) {
  // Each a tie, a power of ten or one just past it, or beyond the exact range.
  std::vector<double> values = {123456789012345.5,
                                123456789012344.5,
                                99999999999999.95,
                                10.000000000000007,
                                1000.0000000000001,
                                0.5e-5,
                                1e-5,
                                9.999999999999995e-6,
                                1e15,
                                999999999999999.9,
                                2.5,
                                0.0005,
                                -0.0005,
                                1.0005,
                                1e300,
                                4.9e-324,
                                -0.0};
  std::mt19937_64 random(31);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  for (int k = 0; k < 20000; ++k) {
    const double magnitude = std::pow(10.0, -8.0 + 24.0 * unit(random)) * unit(random);
    values.push_back(k % 3 == 0 ? -magnitude : magnitude);
    // Halves of the last decimal shown, as a table's values often are.
    values.push_back(std::round(magnitude * 1000.0) / 1000.0 + 0.0005);
  }
  for (const double v : values) {
    for (const int d : {0, 1, 3, 5}) {
      ASSERT_EQ(formatFixed(v, 5, d), fifteenDigitsThenHalfUp(v, 5, d)) << v << " d " << d;
    }
  }
}

TEST(FormatFixed, PointStandsInColumnWPlusOne) {
  for (double v : {0.0, 1.0, -9.87, 45.678, 999.4}) {
    const std::string text = formatFixed(v, 3, 3);
    EXPECT_EQ(text.size(), 7u) << text;
    EXPECT_EQ(text[3], '.') << text;
  }
}

TEST(PadInteger, TruncatesAndPads) {
  EXPECT_EQ(padInteger(7, 2), " 7");
  EXPECT_EQ(padInteger(100, 2), "100");
  EXPECT_EQ(padInteger(7.9, 3), "  7");
  EXPECT_EQ(padInteger(-3.7, 3), " -3");
  EXPECT_EQ(padInteger(-0.5, 2), " 0");
  EXPECT_EQ(padInteger(-123456789012.9, 3), "-123456789012");
  EXPECT_EQ(padInteger(3e18, 2), "3000000000000000000");
}

TEST(NumberText, LeadingBlankForNonNegative) {
  EXPECT_EQ(numberText(21), " 21");
  EXPECT_EQ(numberText(0), " 0");
  EXPECT_EQ(numberText(-3), "-3");
  EXPECT_EQ(numberText(2500), " 2500");
  EXPECT_EQ(numberText(0.5), " .5");
}

TEST(PauseForEnter, AsksOnceAtItsPosition) {
  RecordingPlatform platform;
  pauseForEnter(platform);
  ASSERT_EQ(platform.questions().size(), 1u);
  const auto& q = platform.questions()[0];
  EXPECT_EQ(q.prompt, "DEVAM ETMEK ICIN 'ENTER' TUSUNA BASIN");
  EXPECT_EQ(q.title, "DEVAM BOLUMU");
  EXPECT_EQ(q.defaultText, "");
  EXPECT_EQ(q.xTwips, 10000);
  EXPECT_EQ(q.yTwips, 4500);
}

}  // namespace
}  // namespace norvika
