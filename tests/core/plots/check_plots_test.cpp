#include "plots/check_plots.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/recording_platform.h"
#include "plots/waterline_check.h"
#include "test_hulls.h"

namespace norvika {
namespace {

using namespace norvika::testing;

TEST(CheckFrame, ClearsAndDrawsTheFrameOnTheExtentsScale) {
  RecordingPlatform platform;
  Window& window = platform.window(WindowId::Report);
  window.line(0, 0, 1, 1, qbColor(0));  // an earlier plot
  drawCheckFrame(window, 5, 10);

  EXPECT_EQ(platform.finishedFrames(WindowId::Report).size(), 1u);
  const Frame& frame = window.currentFrame();
  ASSERT_EQ(frame.items.size(), 10u);
  const double ends[10][4] = {
      {-13.75, -12, 8.75, -12},  {8.75, -12, 8.75, 12}, {8.75, 12, -13.75, 12},
      {-13.75, 12, -13.75, -12}, {-5, 0, 5, 0},         {5, 0, 5, 11},
      {5, 11, -5, 11},           {-5, 11, -5, 0},       {0, 0, 0, 11},
      {-13.75, -1, 8.75, -1}};
  for (std::size_t i = 0; i < 10; ++i) {
    const Primitive& p = frame.items[i];
    expectLine(p, ends[i][0], ends[i][1], ends[i][2], ends[i][3]);
    EXPECT_EQ(p.colour, qbColor(9));
    EXPECT_EQ(p.drawWidth, 2);
    expectScale(p.scale, -15, 12.5, 10, -12.5);
  }
  window.print("x");  // what the caller draws next: thin pen, Arial 14, blue
  const Primitive& text = window.currentFrame().items.back();
  EXPECT_EQ(text.drawWidth, 1);
  EXPECT_EQ(text.colour, qbColor(1));
  EXPECT_EQ(text.fontName, "Arial");
  EXPECT_EQ(text.fontSize, 14);
}

TEST(StationCheck, BodyPlanOfAllStationsThenTheQuestion) {
  RecordingPlatform platform;
  checkStationSections(platform, boxBarge());
  const Frame& frame = platform.window(WindowId::Report).currentFrame();

  // h = B/40 = 0.125 m: 80 samples per 10 m section, each drawn with its
  // mirror, then the top line; four circles per node.
  const auto curve = drawn(frame, PrimitiveKind::Line, qbColor(13));
  ASSERT_EQ(curve.size(), 3u * (2 * 80 + 1));
  expectLine(curve[0], 5, 0, 5, 0.125);
  expectLine(curve[1], -5, 0, -5, 0.125);
  expectLine(curve[160], 5, 10, -5, 10);
  const auto points = drawn(frame, PrimitiveKind::Circle, qbColor(12));
  ASSERT_EQ(points.size(), 3u * 3 * 4);
  const double x[] = {5, -5, 5, -5}, radius[] = {0.025, 0.025, 0.0125, 0.0125};
  for (std::size_t c = 0; c < 4; ++c) {
    EXPECT_DOUBLE_EQ(points[c].x1, x[c]);
    EXPECT_DOUBLE_EQ(points[c].radius, radius[c]);
  }
  EXPECT_EQ(frame.items.size(), 10u + curve.size() + points.size());

  ASSERT_EQ(platform.questions().size(), 1u);
  const auto& q = platform.questions()[0];
  EXPECT_EQ(q.prompt, "POSTA KESITLERINDE YANLISLIK VAR MI E/H <H>");
  EXPECT_EQ(q.title, " ");
  EXPECT_EQ(q.defaultText, "H");
  EXPECT_EQ(q.xTwips, 4000);
  EXPECT_EQ(q.yTwips, 8500);
}

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

TEST(ContourCheck, SternThenBowEachInItsOwnPlot) {
  RecordingPlatform platform;
  checkEndContours(platform, boxBarge(), 100);
  const Window& window = platform.window(WindowId::Report);
  ASSERT_EQ(platform.finishedFrames(WindowId::Report).size(), 1u);

  // Stern shifted by -B (AP on the box side), bow by -L (FP on the centre line).
  const struct {
    const Frame* frame;
    double lowX, topX;
    const char* prompt;
  } passes[] = {
      {&platform.finishedFrames(WindowId::Report)[0], -5, -7,
       "KIC BODOSLAMA GEOMETRISINDE YANLISLIK VAR MI E/H <H>"},
      {&window.currentFrame(), 0, 4, "BAS BODOSLAMA GEOMETRISINDE YANLISLIK VAR MI E/H <H>"},
  };
  ASSERT_EQ(platform.questions().size(), 2u);
  for (std::size_t k = 0; k < 2; ++k) {
    SCOPED_TRACE(k + 1);
    const Frame& frame = *passes[k].frame;
    EXPECT_EQ(countDrawn(frame, PrimitiveKind::Line, qbColor(9)), 10);
    const auto curve = drawn(frame, PrimitiveKind::Line, qbColor(13));
    ASSERT_EQ(curve.size(), 80u);  // no mirror, no closing line
    EXPECT_NEAR(curve.front().x1, passes[k].lowX, 1e-9);
    EXPECT_NEAR(curve.back().x2, passes[k].topX, 1e-6);
    const auto points = drawn(frame, PrimitiveKind::Circle, qbColor(12));
    ASSERT_EQ(points.size(), 6u);
    EXPECT_DOUBLE_EQ(points[5].x1, passes[k].topX);
    EXPECT_DOUBLE_EQ(points[5].y1, 10);
    EXPECT_DOUBLE_EQ(points[5].radius, 0.0125);
    const auto& q = platform.questions()[k];
    EXPECT_EQ(q.prompt, passes[k].prompt);
    EXPECT_EQ(q.title, " ");
    EXPECT_EQ(q.defaultText, "H");
    EXPECT_EQ(q.xTwips, 4000);
    EXPECT_EQ(q.yTwips, 8500);
  }
}

// Every yes/no question of the checks: only exactly "e" or "E" says the
// drawing is wrong, and a yes to the stern is taken before the bow is asked.
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
    const char* answer;
    bool ends;
  } answers[] = {{"e", true},     {"E", true}, {"E ", false}, {" E", false},
                 {"Evet", false}, {"", false}, {"h", false},  {"H", false}};
  for (const auto& check : checks) {
    for (const auto& a : answers) {
      SCOPED_TRACE(std::string(check.name) + " '" + a.answer + "'");
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
