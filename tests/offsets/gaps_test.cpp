// Stations through a propeller aperture, through a bulb and the stem above
// it, and through a bulb alone: the gap is written as half-breadth 0 between
// two code-0 records, and Norvika runs on the file without a stop.

#include <gtest/gtest.h>

#include "offsets_test_models.h"

namespace norvika::offsets::testing {
namespace {

struct GapStation {
  double x;              // m, model axes
  double below, above;   // the gap, m above base; above = 10 for a bulb alone
  double bottomY, topY;  // half-breadths at the edges of the gap
};

TEST(Gaps, ApertureBulbAndStemStationsKeepTheirGapsAndRun) {
  ScratchDirectory dir;
  std::vector<Facet> facets;
  auto add = [&](std::vector<Facet> box) { facets.insert(facets.end(), box.begin(), box.end()); };
  add(boxFacets(0, 100, -5, 5, 0, 10));    // the hull
  add(boxFacets(-6, 0, -0.5, 0.5, 0, 2));  // skeg below the aperture
  add(boxFacets(-6, 0, -5, 5, 5, 10));     // counter above it
  add(boxFacets(100, 103, -1, 1, 6, 10));  // stem
  add(boxFacets(100, 106, -1, 1, 1, 3));   // bulb, reaching ahead of the stem
  dir.write("hull.stl", stlText(facets));
  const ToolRun run =
      runTool({(dir / "hull.stl").string(), "-o", (dir / "GAPS.DAT").string(), "--ap", "-6", "--fp",
               "106", "--at", "-3,50,101.5,104.5", "--draft", "8", "--force"});
  ASSERT_EQ(run.status, 0) << run.err;
  // Four stations cannot hold the volume of these steps along the ship.
  EXPECT_NE(run.err.find("warning: written with --force: the written offsets hold"),
            std::string::npos)
      << run.err;
  // The model's own volume below 8 m: hull, skeg, counter, stem and bulb.
  EXPECT_NEAR(summaryNumber(run.out, "  model"), 8000.0 + 12.0 + 180.0 + 12.0 + 24.0, 1e-6);

  const HullModel hull = readWritten(dir / "GAPS.DAT");
  ASSERT_EQ(hull.stationCount, 4);
  const GapStation gaps[] = {{-3, 2, 5, 0.5, 5}, {101.5, 3, 6, 1, 1}, {104.5, 3, 10, 1, 0}};
  for (const GapStation& g : gaps) {
    const int st = g.x < 0 ? 1 : (g.x < 102 ? 3 : 4);
    SCOPED_TRACE("station at x = " + std::to_string(g.x));
    EXPECT_NEAR(hull.stationX(st), g.x + 6.0, 1e-9);
    EXPECT_NEAR(hull.pointZ(st, hull.pointCount(st)), 10.0, 1e-9);
    int closedFrom = 0;
    for (int k = 1; k <= hull.pointCount(st); ++k) {
      const double z = hull.pointZ(st, k), y = hull.pointY(st, k);
      if (z > g.below + 1e-9 && z < g.above - 1e-9) {
        EXPECT_EQ(y, 0.0) << "z " << z;
        EXPECT_EQ(hull.pointCode(st, k), 0.0) << "z " << z;
      }
      if (std::abs(z - g.below) < 1e-9) {
        EXPECT_NEAR(y, g.bottomY, 1e-9);
        EXPECT_EQ(hull.pointCode(st, k), 0.0);
        closedFrom = k;
      }
    }
    ASSERT_GT(closedFrom, 0) << "no record at the bottom of the gap";
    // Two zero records inside the gap, then hull (or the model's top) again.
    EXPECT_EQ(hull.pointY(st, closedFrom + 1), 0.0);
    EXPECT_EQ(hull.pointY(st, closedFrom + 2), 0.0);
    EXPECT_NEAR(hull.pointZ(st, closedFrom + 2), g.above, 0.05);
    if (g.above < 10.0) {
      EXPECT_NEAR(hull.pointZ(st, closedFrom + 3), g.above, 1e-9);
      EXPECT_NEAR(hull.pointY(st, closedFrom + 3), g.topY, 1e-9);
    }
  }
  EXPECT_GT(norvikaDisplacement(dir.path(), "GAPS.DAT", 112.0, 8.0), 0.0);
}

}  // namespace
}  // namespace norvika::offsets::testing
