#include "plots/station_preview.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "../plots/test_hulls.h"
#include "platform/recording_platform.h"

namespace norvika {
namespace {

using namespace norvika::testing;

// B = 5 m, lowest deck edge 10 m, D = 12 m: 1 box, 2 V (y = z/2), 3 box up
// to 12 m, 4 box from 1 m under the base line, 5 box with its keel at 3 m.
HullModel previewHull() {
  return makeHull({0, 12.5, 50, 75, 100},
                  {boxSection(5, 0, 10),
                   {{0, 0}, {5, 2.5}, {10, 5}},
                   boxSection(5, 0, 12),
                   boxSection(5, -1, 10),
                   boxSection(5, 3, 10)},
                  {{0, 0}, {10, -2}}, {{0, 100}, {10, 104}});
}

Colour levelColour(int k) { return static_cast<Colour>(2000 * k); }

TEST(StationPreview, LevelAreasMatchClosedFormSections) {
  const HullModel hull = previewHull();
  const struct {
    int station, levelCount;
    std::function<double(double)> area;    // m2 below height z, both sides
    std::function<double(double)> moment;  // m3 about the base line
  } cases[] = {
      {1, 30, [](double z) { return 10 * z; }, [](double z) { return 5 * z * z; }},
      {2, 30, [](double z) { return z * z / 2; }, [](double z) { return z * z * z / 3; }},
      {3, 31, [](double z) { return 10 * z; }, [](double z) { return 5 * z * z; }},
      {4, 30, [](double z) { return 10 * (z + 1); }, [](double z) { return 5 * z * z - 5; }},
      {5, 30, [](double z) { return z > 3 ? 10 * (z - 3) : 0.0; },
       [](double z) { return z > 3 ? 5 * (z * z - 9) : 0.0; }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.station);
    RecordingPlatform platform;
    const StationLevels levels = showStationPreview(platform, hull, c.station, 100, 10);
    ASSERT_EQ(levels.levelCount, c.levelCount);
    EXPECT_EQ(levels.levelZ(1), 0);
    EXPECT_EQ(levels.levelZ(30), 10);
    EXPECT_EQ(levels.levelZ(31), c.levelCount == 31 ? 12 : 0);
    for (int k = 1; k <= levels.levelCount; ++k) {
      const double z = levels.levelZ(k);
      EXPECT_NEAR(levels.levelArea(k), c.area(z), 1e-5 * (1 + c.area(z))) << k;
      EXPECT_NEAR(levels.levelMoment(k), c.moment(z), 1e-5 * (1 + std::fabs(c.moment(z)))) << k;
    }
  }
}

TEST(StationPreview, PartBelowTheBaseLineJoinsLevelOneAfterItsMarker) {
  RecordingPlatform platform;
  const StationLevels levels = showStationPreview(platform, previewHull(), 4, 100, 10);
  const Frame& frame = platform.window(WindowId::Report).currentFrame();

  int fill = 0;
  for (const Primitive& p : drawn(frame, PrimitiveKind::Line, qbColor(9))) {
    if (p.y1 > -1 && p.y1 < 0 && p.y2 == p.y1 && p.x1 == -p.x2) ++fill;
  }
  EXPECT_EQ(fill, 10);  // one line per Gauss point
  EXPECT_EQ(countDrawn(frame, PrimitiveKind::Line, levelColour(1)), 1);
  EXPECT_EQ(countDrawn(frame, PrimitiveKind::Circle, levelColour(1)), 0);
  EXPECT_NEAR(levels.levelArea(1), 10, 1e-9);
  EXPECT_NEAR(levels.levelMoment(1), -5, 1e-9);

  // A keel 3 m above the base line: nothing below levelZ(10) = 90/29 m.
  showStationPreview(platform, previewHull(), 5, 100, 10);
  const Frame& raised = platform.window(WindowId::Report).currentFrame();
  for (int k = 1; k <= 9; ++k) {
    EXPECT_EQ(countDrawn(raised, PrimitiveKind::Line, levelColour(k)), 0) << k;
  }
  EXPECT_EQ(countDrawn(raised, PrimitiveKind::Circle, levelColour(10)), 3);
}

}  // namespace
}  // namespace norvika
