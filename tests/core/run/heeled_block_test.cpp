#include "run/heeled_block.h"

#include <gtest/gtest.h>

#include "../calculation/heel_test_hulls.h"
#include "platform/colour.h"
#include "platform/recording_platform.h"

namespace norvika {
namespace {

using heeltest::tanDeg;

// Box barge 100 m long, half-breadth 5 m, depth 8 m, on an even keel at 4 m.
struct Barge {
  explicit Barge(double heel) : hull(heeltest::boxHull(5.0, 8.0, {0.0, 25.0, 50.0, 75.0, 100.0})) {
    task.caseNumber = kDamagedHeeled;
    task.shipLength = 100.0;
    task.waterDensity = 1.025;
    task.aftDraft = 4.0;
    task.forwardDraft = 4.0;
    task.heelAngle = heel;
  }
  TaskParameters task;
  HullModel hull;
};

TEST(HeeledBlock, BoxBargeDisplacementAndCentres) {
  RecordingPlatform platform;
  const Barge barge(10.0);
  const HeeledHull heeled = runHeeledBlock(platform, barge.task, barge.hull);

  // Section area 2bT = 40 m2 to within the single-strip Gauss error of the
  // heeled box at 10 degrees (0.052 m2, derived in heeled_hull_test.cpp).
  for (int st = 1; st <= 5; ++st) EXPECT_NEAR(heeled.immersion.stationArea(st), 40.0, 0.057) << st;
  EXPECT_NEAR(heeled.immersion.displacement, 1.025 * 40.0 * 100.0, 1.025 * 100.0 * 0.057);
  EXPECT_NEAR(heeled.lcb, 50.0, 1e-9);
  EXPECT_NEAR(heeled.tcb, -25.0 * tanDeg(10.0) / 12.0, 0.0096);

  // The sections stay on the stability window while the run pauses.
  const Window& stability = platform.window(WindowId::Stability);
  EXPECT_TRUE(stability.visible());
  ASSERT_FALSE(stability.currentFrame().items.empty());
  EXPECT_EQ(stability.currentFrame().items.front().colour, qbColor(9));
  ASSERT_EQ(platform.questions().size(), 1u);
  EXPECT_EQ(platform.questions()[0].title, "DEVAM BOLUMU");
  EXPECT_TRUE(platform.messages().empty());
}

TEST(HeeledBlock, HeelAngleBelowOneThousandthOfADegreeStopsTheRun) {
  struct Case {
    double heel;
    bool stops;
  };
  const Case cases[] = {{0.0009, true}, {0.0, true}, {0.001, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.heel);
    RecordingPlatform platform;
    const Barge barge(c.heel);
    if (c.stops) {
      try {
        runHeeledBlock(platform, barge.task, barge.hull);
        ADD_FAILURE() << "the run went on";
      } catch (const ProgramEnd& end) {
        EXPECT_EQ(end.reason(), ExitReason::CalculationStopped);
      }
      ASSERT_EQ(platform.messages().size(), 1u);
      const std::string shown = c.heel == 0.0 ? "  0.000" : "  0.001";
      EXPECT_EQ(platform.messages()[0].text, "MEYIL ACISI DEGERI = " + shown +
                                                 " derece COL KUCUK GIRILDI.  MEYIL ACISINI "
                                                 "YENIDEN GIRIN - STOP ");
      EXPECT_EQ(platform.messages()[0].style, 276);
      EXPECT_EQ(platform.messages()[0].title, "UYARI");
    } else {
      const HeeledHull heeled = runHeeledBlock(platform, barge.task, barge.hull);
      EXPECT_TRUE(platform.messages().empty());
      // The Gauss points miss the 0.00009 m sliver next to the waterline on
      // either side, which adds 0.00044 m2 to each section: 0.045 t in all.
      EXPECT_NEAR(heeled.immersion.displacement, 1.025 * 40.0 * 100.0, 0.05);
    }
  }
}

}  // namespace
}  // namespace norvika
