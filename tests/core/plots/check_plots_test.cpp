#include "plots/check_plots.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/recording_platform.h"
#include "plots/waterline_check.h"
#include "test_hulls.h"
#include "words/language.h"

namespace norvika {
namespace {

using namespace norvika::testing;

TEST(StationCheck, SamplingStepsOfDifferentBreadths) {
  const struct {
    double b;
    int minSamples, maxSamples;
    double lastSample, tolerance;  // m
    double scaleLeft;
  } cases[] = {
      {4.8, 83, 83, 9.96, 1e-9, -14.4},        // h = 0.12: the gap under the top stays open
      {0.001, 1999, 2000, 10, 0.006, -0.003},  // capped at 2000 segments
      {0.0, 399, 400, 10, 0.026, -3},          // B = 0: drawn as if B were 1 m
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.b);
    RecordingPlatform platform;
    checkStationSections(
        platform, makeHull({0}, {boxSection(c.b, 0, 10)}, {{0, 0}, {10, 0}}, {{0, 9}, {10, 9}}));
    const Frame& frame = platform.window(WindowId::Report).currentFrame();
    const auto curve = drawn(frame, PrimitiveKind::Line, qbColor(13));
    const int samples = static_cast<int>(curve.size() - 1) / 2;
    EXPECT_GE(samples, c.minSamples);
    EXPECT_LE(samples, c.maxSamples);
    EXPECT_NEAR(curve[curve.size() - 2].y2, c.lastSample, c.tolerance);
    EXPECT_DOUBLE_EQ(curve.back().y1, 10);  // the top line always joins the top nodes
    EXPECT_DOUBLE_EQ(frame.items[0].scale.left, c.scaleLeft);
  }
}

// Every yes/no question of the checks: only exactly "e" or "E" (and in an
// English run "y" or "Y") says the drawing is wrong, and a yes to the stern is
// taken before the bow is asked.
TEST(CheckAnswers, OnlyExactlyEEndsTheRun) {
  const HullModel hull = boxBarge();
  const Table<double> waterline(kMaxStations);
  const struct {
    const char* name;
    std::function<bool(Platform&)> check;
    std::size_t questions;  // asked when the answers are "no"
  } checks[] = {
      {"stations", [&](Platform& p) { return checkStationSections(p, hull); }, 1},
      {"contours", [&](Platform& p) { return checkEndContours(p, hull, 100); }, 2},
      {"waterline",
       [&](Platform& p) { return checkWaterlineIntersections(p, hull, 100, waterline); }, 1},
  };
  const struct {
    Language language;
    const char* answer;
    bool ends;
  } answers[] = {{Language::Turkish, "e", true},     {Language::Turkish, "E", true},
                 {Language::Turkish, "E ", false},   {Language::Turkish, " E", false},
                 {Language::Turkish, "Evet", false}, {Language::Turkish, "", false},
                 {Language::Turkish, "h", false},    {Language::Turkish, "H", false},
                 {Language::Turkish, "Y", false},    {Language::English, "y", true},
                 {Language::English, "Y", true},     {Language::English, "E", true},
                 {Language::English, "Yes", false},  {Language::English, "N", false},
                 {Language::English, "H", false}};
  for (const auto& check : checks) {
    for (const auto& a : answers) {
      SCOPED_TRACE(std::string(check.name) + " '" + a.answer + "'");
      LanguageScope language(a.language);
      EXPECT_EQ(answeredYes(a.answer), a.ends);
      RecordingPlatform platform;
      platform.answer(a.answer);
      platform.answer(a.answer);
      EXPECT_EQ(!check.check(platform), a.ends);
      EXPECT_EQ(platform.questions().size(), a.ends ? 1u : check.questions);
    }
  }
}

}  // namespace
}  // namespace norvika
