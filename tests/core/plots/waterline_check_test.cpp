#include "plots/waterline_check.h"

#include <gtest/gtest.h>

#include <iterator>
#include <vector>

#include "platform/recording_platform.h"
#include "test_hulls.h"

namespace norvika {
namespace {

using namespace norvika::testing;

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
