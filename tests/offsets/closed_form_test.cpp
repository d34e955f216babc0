// Closed-form hulls cut by the tool: every written half-breadth against the
// exact one, and Norvika's volume on the written file against 4/9 L B T.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "offsets_test_models.h"

namespace norvika::offsets::testing {
namespace {

// The parabolic hull's surface leans, so a chord error of d along its normal
// is d / |n_y| across the ship.
double acrossShip(const ParabolicHull& h, double x, double z, double deflection) {
  const double e = 1e-6;
  const double dydx =
      (h.halfBreadth(std::min(x + e, h.L), z) - h.halfBreadth(std::max(x - e, 0.0), z)) /
      (std::min(x + e, h.L) - std::max(x - e, 0.0));
  const double dydz =
      (h.halfBreadth(x, std::min(z + e, h.D)) - h.halfBreadth(x, std::max(z - e, 0.0))) /
      (std::min(z + e, h.D) - std::max(z - e, 0.0));
  return deflection * std::sqrt(1.0 + dydx * dydx + dydz * dydz);
}

TEST(ClosedFormHulls, BoxSectionsAreItsHalfBreadthInEveryFormat) {
  ScratchDirectory dir;
  const double L = 100.0, B = 20.0, D = 10.0;
  const std::vector<Facet> box = boxFacets(0.0, L, -0.5 * B, 0.5 * B, 0.0, D);
  dir.write("box.stl", stlText(box));
  dir.write("box-binary.stl", binaryStl(box));
  dir.write("half-box.stl", stlText(boxFacets(0.0, L, 0.0, 0.5 * B, 0.0, D)));
  // In millimetres, with breadth along z and height along y.
  std::vector<Facet> turned = box;
  for (Facet& f : turned) {
    for (Point3& p : f) p = {1000.0 * p.x, 1000.0 * p.z, 1000.0 * p.y};
  }
  dir.write("box-mm.stl", stlText(turned));
  writeBoxStep(dir / "box.step", L, B, D);
  writeBoxIges(dir / "box.igs", L, B, D);
  std::string obj =
      "v 0 -10 0\nv 100 -10 0\nv 100 10 0\nv 0 10 0\n"
      "v 0 -10 10\nv 100 -10 10\nv 100 10 10\nv 0 10 10\n"
      "f 1 4 3 2\nf 5 6 7 8\nf 1 2 6 5\nf 3 4 8 7\nf 2 3 7 6\nf 1 5 8 4\n";
  dir.write("box.obj", obj);
  const std::vector<std::pair<std::string, std::vector<std::string>>> models = {
      {"box.stl", {}},      {"box-binary.stl", {}},
      {"half-box.stl", {}}, {"box-mm.stl", {"--axes", "xzy", "--scale", "0.001"}},
      {"box.step", {}},     {"box.igs", {}},
      {"box.obj", {}}};
  for (const auto& [model, more] : models) {
    SCOPED_TRACE(model);
    std::vector<std::string> args = {(dir / model).string(),
                                     "-o",
                                     (dir / "BOX.DAT").string(),
                                     "--ap",
                                     "0",
                                     "--fp",
                                     "100",
                                     "--stations",
                                     "11",
                                     "--draft",
                                     "4"};
    args.insert(args.end(), more.begin(), more.end());
    const ToolRun run = runTool(args);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const HullModel hull = readWritten(dir / "BOX.DAT");
    ASSERT_EQ(hull.stationCount, 11);
    for (int st = 1; st <= hull.stationCount; ++st) {
      EXPECT_NEAR(hull.stationX(st), 10.0 * (st - 1), 1e-9);
      EXPECT_NEAR(hull.pointZ(st, 1), 0.0, 1e-6);
      EXPECT_NEAR(hull.pointZ(st, hull.pointCount(st)), D, 1e-6);
      for (int k = 1; k <= hull.pointCount(st); ++k) {
        EXPECT_NEAR(hull.pointY(st, k), 0.5 * B, 1e-6 * B) << "station " << st << " point " << k;
      }
    }
    EXPECT_NEAR(hull.pointY(hull.sternCurve(), 1), 0.0, 1e-6);
    EXPECT_NEAR(hull.pointY(hull.bowCurve(), 1), L, 1e-6);
    EXPECT_NEAR(summaryNumber(run.out, "  model"), L * B * 4.0, 0.05);
    EXPECT_NEAR(summaryNumber(run.out, "  offsets"), L * B * 4.0, 0.05);
  }
}

TEST(ClosedFormHulls, ParabolicHullFromExactFacetsAndFromAStepSolid) {
  ScratchDirectory dir;
  const ParabolicHull h;
  const int nx = 60, nz = 40;
  dir.write("parabolic.stl", stlText(parabolicFacets(h, nx, nz)));
  writeParabolicStep(dir / "parabolic.step", h);
  const double deflection = 0.002;
  for (const bool step : {false, true}) {
    SCOPED_TRACE(step ? "STEP" : "STL");
    const ToolRun run = runTool({(dir / (step ? "parabolic.step" : "parabolic.stl")).string(), "-o",
                                 (dir / "PARABOL.DAT").string(), "--ap", "0", "--fp", "100",
                                 "--draft", "6", "--deflection", std::to_string(deflection)});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const HullModel hull = readWritten(dir / "PARABOL.DAT");
    ASSERT_EQ(hull.stationCount, 21);
    for (int st = 1; st <= hull.stationCount; ++st) {
      const double x = hull.stationX(st);
      // Stations stand on grid lines of the facets (every third one).
      ASSERT_NEAR(x, 5.0 * (st - 1), 1e-9);
      EXPECT_NEAR(hull.pointZ(st, 1), 0.0, step ? deflection : 1e-9);
      EXPECT_NEAR(hull.pointZ(st, hull.pointCount(st)), h.D, step ? deflection : 1e-9);
      EXPECT_GE(hull.pointCount(st), 30);
      for (int k = 1; k <= hull.pointCount(st); ++k) {
        const double z = hull.pointZ(st, k);
        const double expected = step ? h.halfBreadth(x, z) : facetedHalfBreadth(h, nz, x, z);
        const double tolerance = step ? acrossShip(h, x, z, deflection) + 1e-6 * h.B : 1e-6 * h.B;
        EXPECT_NEAR(hull.pointY(st, k), expected, tolerance) << "station " << st << " z " << z;
      }
    }
    const double exact = 4.0 / 9.0 * h.L * h.B * h.T;
    const double offsets = summaryNumber(run.out, "  offsets");
    EXPECT_NEAR(offsets, exact, 1e-3 * exact);
    EXPECT_NEAR(summaryNumber(run.out, "  model"), exact, 1e-3 * exact);
    // Norvika itself, run on the written file, finds the same volume.
    EXPECT_NEAR(norvikaDisplacement(dir.path(), "PARABOL.DAT", h.L, h.T) / 1.025, exact,
                1e-3 * exact);
  }
}

}  // namespace
}  // namespace norvika::offsets::testing
