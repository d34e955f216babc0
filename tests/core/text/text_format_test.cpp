#include "text/text_format.h"

#include <gtest/gtest.h>

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
      {12.3456, 3, 3, " 12.346"},   {5000, 7, 1, "   5000.0"}, {-1.5, 3, 2, " -1.50"},
      {0.25, 3, 2, "  0.25"},       {123.4, 2, 1, "123.4"},    {0.125, 1, 2, "0.13"},
      {2.675, 1, 2, "2.68"},       {-0.125, 3, 2, " -0.13"},  {-0.001, 3, 2, "  0.00"},
      {-0.004, 1, 3, "-0.004"},     {9.9996, 3, 3, " 10.000"}, {0.0, 3, 3, "  0.000"},
      {99999.999995, 5, 5, "100000.00000"}, {1234567.0, 3, 3, "1234567.000"},
      {0.5, 2, 2, " 0.50"},        {1e-20, 3, 3, "  0.000"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(formatFixed(c.value, c.w, c.d), c.expected) << c.value << " " << c.w << " " << c.d;
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
