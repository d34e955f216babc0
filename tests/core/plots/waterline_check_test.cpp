#include "plots/waterline_check.h"

#include <gtest/gtest.h>

#include <iterator>
#include <vector>

#include "platform/recording_platform.h"
#include "test_hulls.h"

namespace norvika {
namespace {

using namespace norvika::testing;

TEST(WaterlineCheck, ProfileLabelsWaterlineAndQuestion) {
  RecordingPlatform platform;
  Table<double> waterline(kMaxStations);
  waterline(1) = 3;
  waterline(2) = 5;
  waterline(3) = 7;
  checkWaterlineIntersections(platform, boxBarge(), 100, waterline);

  const Frame& frame = platform.window(WindowId::Offsets).currentFrame();
  expectScale(frame.items[0].scale, -20, 12.5, 120, -12.5);
  const auto box = drawn(frame, PrimitiveKind::Line, qbColor(9));
  ASSERT_EQ(box.size(), 4u);
  expectLine(box[1], 100, 0, 100, 10);
  EXPECT_EQ(box[1].drawWidth, 2);
  // Stations and the keel joint of the contours' lowest points.
  const auto magenta = drawn(frame, PrimitiveKind::Line, qbColor(13));
  ASSERT_EQ(magenta.size(), 3u + 1);
  expectLine(magenta[3], 0, 0, 100, 0);
  EXPECT_EQ(magenta[3].drawWidth, 1);
  // Deck, then both contours sampled at B/40 = 0.125 m.
  EXPECT_EQ(countDrawn(frame, PrimitiveKind::Line, qbColor(10)), 2 + 80 + 80);

  const auto labels = drawn(frame, PrimitiveKind::Text, qbColor(1));
  ASSERT_EQ(labels.size(), 3u);
  EXPECT_EQ(labels[0].text, " 0.00");
  EXPECT_EQ(labels[1].text, "10.00");
  EXPECT_EQ(labels[2].text, "20.00");
  EXPECT_DOUBLE_EQ(labels[1].x1, 50);
  EXPECT_DOUBLE_EQ(labels[1].y1, 0);
  EXPECT_EQ(labels[1].fontSize, 7);

  const auto water = drawn(frame, PrimitiveKind::Line, qbColor(12));
  ASSERT_EQ(water.size(), 2u);
  expectLine(water[1], 50, 5, 100, 7);
  EXPECT_EQ(frame.items.back().colour, qbColor(12));  // drawn last, over the labels

  ASSERT_EQ(platform.questions().size(), 1u);
  const auto& q = platform.questions()[0];
  EXPECT_EQ(q.prompt, "DALGA FORMU veya SU HATTINDA BİR YANLIŞLIK VAR MI E/H <H>");
  EXPECT_EQ(q.title, "Su Hattı Kesim Noktaları Kontrolu");
  EXPECT_EQ(q.defaultText, "H");
  EXPECT_EQ(q.xTwips, 7000);
  EXPECT_EQ(q.yTwips, 7000);
}

// Where stations crowd at the ends, a picture keeps the numbers of the end stations first, then
// of every fifth, whole and half station, and only then the others.
TEST(WaterlineCheck, StationNumbersRankedForCrowdedEnds) {
  struct Row {
    double x;  // m from AP, L = 100 m: the station number is x / 5
    const char* label;
    int rank;
  };
  const Row rows[] = {
      {1.25, " 0.25", 1},  {2.5, " 0.50", 4},  {3.75, " 0.75", 5}, {5, " 1.00", 3},
      {25, " 5.00", 2},    {50, "10.00", 2},   {62.5, "12.50", 4}, {65, "13.00", 3},
      {96.25, "19.25", 5}, {97.5, "19.50", 4}, {99, "19.80", 1},
  };
  std::vector<double> stationX;
  std::vector<Curve> sections;
  for (const Row& r : rows) {
    stationX.push_back(r.x);
    sections.push_back(boxSection(5, 0, 10));
  }
  const HullModel hull = makeHull(stationX, sections, {{0, 1.25}, {10, 1.25}}, {{0, 99}, {10, 99}});
  RecordingPlatform platform;
  Table<double> waterline(kMaxStations);
  checkWaterlineIntersections(platform, hull, 100, waterline);

  const auto labels =
      drawn(platform.window(WindowId::Offsets).currentFrame(), PrimitiveKind::Text, qbColor(1));
  ASSERT_EQ(labels.size(), std::size(rows));
  for (std::size_t i = 0; i < labels.size(); ++i) {
    SCOPED_TRACE(rows[i].label);
    EXPECT_EQ(labels[i].text, rows[i].label);
    EXPECT_EQ(labels[i].labelRank, rows[i].rank);
  }
  // Every station keeps its line from keel to deck, whichever numbers are shown.
  EXPECT_EQ(countDrawn(platform.window(WindowId::Offsets).currentFrame(), PrimitiveKind::Line,
                       qbColor(13)),
            static_cast<int>(std::size(rows)) + 1);
}

}  // namespace
}  // namespace norvika
