#include "plots/ship_position.h"

#include <gtest/gtest.h>

#include "platform/recording_platform.h"
#include "test_hulls.h"

namespace norvika {
namespace {

using namespace norvika::testing;

TEST(ShipPosition, ProfileWithTheWaterlineOfRowOne) {
  RecordingPlatform platform;
  Table<double> waterline(kMaxStations);
  waterline(1) = 4;
  waterline(2) = 11;  // over the deck: drawn all the same
  waterline(3) = 6;
  drawShipPosition(platform, boxBarge(), 100, waterline);

  const Frame& frame = platform.window(WindowId::ShipPosition).currentFrame();
  ASSERT_EQ(frame.items.size(), 4u + 3 + 2 + 8);
  expectScale(frame.items[0].scale, -30, 12.5, 130, -2.5);
  EXPECT_EQ(countDrawn(frame, PrimitiveKind::Line, qbColor(1)), 4);
  EXPECT_EQ(countDrawn(frame, PrimitiveKind::Line, qbColor(6)), 3);
  const auto water = drawn(frame, PrimitiveKind::Line, qbColor(4));
  ASSERT_EQ(water.size(), 2u);
  expectLine(water[0], 0, 4, 50, 11);
  expectLine(water[1], 50, 11, 100, 6);
  // Stern and bow contours, deck, then the joins from the deck ends to the contour tops.
  const auto green = drawn(frame, PrimitiveKind::Line, qbColor(2));
  ASSERT_EQ(green.size(), 2u + 2 + 2 + 2);
  expectLine(green[0], 0, 0, -1, 5);
  expectLine(green[3], 102, 5, 104, 10);
  expectLine(green[6], 0, 10, -2, 10);
  expectLine(green[7], 100, 10, 104, 10);
}

}  // namespace
}  // namespace norvika
