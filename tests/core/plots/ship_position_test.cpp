#include "plots/ship_position.h"

#include <gtest/gtest.h>

#include <vector>

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
  drawShipPosition(platform, boxBarge(), 100, waterline, false);

  const Frame& frame = platform.window(WindowId::ShipPosition).currentFrame();
  ASSERT_EQ(frame.items.size(), 4u + 3 + 2 + 8 + 6);
  expectScale(frame.items[0].scale, -30, 12.5, 130, -2.5);
  EXPECT_EQ(countDrawn(frame, PrimitiveKind::Line, qbColor(1)), 4);
  EXPECT_EQ(countDrawn(frame, PrimitiveKind::Line, qbColor(6)), 3 + 1);
  const auto water = drawn(frame, PrimitiveKind::Line, qbColor(4));
  ASSERT_EQ(water.size(), 2u + 1);
  expectLine(water[0], 0, 4, 50, 11);
  expectLine(water[1], 50, 11, 100, 6);
  // Stern and bow contours, deck, then the joins from the deck ends to the contour tops.
  const auto green = drawn(frame, PrimitiveKind::Line, qbColor(2));
  ASSERT_EQ(green.size(), 2u + 2 + 2 + 2 + 1);
  expectLine(green[0], 0, 0, -1, 5);
  expectLine(green[3], 102, 5, 104, 10);
  expectLine(green[6], 0, 10, -2, 10);
  expectLine(green[7], 100, 10, 104, 10);
}

// The legend names each colour of the profile, in the margin above the deck (D = 10 m) and
// before the stern: the red line is the wave on a wave, the waterline otherwise.
TEST(ShipPosition, LegendNamesTheHullTheStationsAndTheWaterOrWave) {
  for (const bool onWave : {false, true}) {
    SCOPED_TRACE(onWave ? "on a wave" : "level");
    RecordingPlatform platform;
    Table<double> waterline(kMaxStations);
    drawShipPosition(platform, boxBarge(), 100, waterline, onWave);
    const Frame& frame = platform.window(WindowId::ShipPosition).currentFrame();
    const std::vector<Primitive> legend(frame.items.end() - 6, frame.items.end());
    const struct {
      Colour colour;
      const char* name;
    } expected[] = {{qbColor(2), "GEMI PROFILI"},
                    {qbColor(6), "POSTALAR"},
                    {qbColor(4), onWave ? "DALGA PROFILI" : "SU HATTI"}};
    for (int k = 0; k < 3; ++k) {
      SCOPED_TRACE(expected[k].name);
      const Primitive& sample = legend[2 * k];
      const Primitive& name = legend[2 * k + 1];
      EXPECT_EQ(sample.kind, PrimitiveKind::Line);
      EXPECT_EQ(sample.colour, expected[k].colour);
      expectLine(sample, -25 + 30 * k, 11.52, -19 + 30 * k, 11.52);
      EXPECT_EQ(name.kind, PrimitiveKind::Text);
      EXPECT_EQ(name.text, expected[k].name);
      EXPECT_NEAR(name.x1, -17 + 30 * k, 1e-9);
      EXPECT_NEAR(name.y1, 11.7, 1e-9);
    }
  }
}

}  // namespace
}  // namespace norvika
