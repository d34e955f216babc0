// Models as real exports give them: a half hull whose centre-plane face
// stands a few tenths of a millimetre across y = 0, a hole in one half, facets
// facing every way, the two halves' bottoms a hair apart. Each must give the
// closed form's half-breadths and the model's volume from both sides.

#include <gtest/gtest.h>

#include <functional>

#include "offsets_test_models.h"

namespace norvika::offsets::testing {
namespace {

constexpr double kL = 100.0, kB = 20.0, kD = 10.0, kT = 4.0;  // the box
constexpr int kNx = 60, kNz = 40;                             // the parabolic hull's grid

struct RealModel {
  const char* name;
  std::function<std::vector<Facet>()> facets;
  bool parabolic;         // else the box
  const char* sides;      // as the summary names them
  const char* warning;    // a text the warnings must hold, or "" for none
  const char* notWarned;  // a text they must not hold, or ""
};

std::vector<Facet> withHole(std::vector<Facet> facets) {
  // Starboard facets of the grid column just aft of x = 50 from z 1.5 to 3.75 m.
  std::erase_if(facets, [](const Facet& f) {
    const double x = (f[0].x + f[1].x + f[2].x) / 3.0, y = (f[0].y + f[1].y + f[2].y) / 3.0,
                 z = (f[0].z + f[1].z + f[2].z) / 3.0;
    return y < 0.0 && x > 100.0 * 29 / kNx && x < 50.0 && z > 1.5 && z < 3.75;
  });
  return facets;
}

std::vector<Facet> everyOtherFlipped(std::vector<Facet> facets) {
  for (std::size_t i = 0; i < facets.size(); i += 2) std::swap(facets[i][1], facets[i][2]);
  return facets;
}

std::vector<Facet> bottomsApart() {
  // The starboard corners of the bottom 0.1 micrometre up: the keel's lowest
  // height has the port half alone.
  std::vector<Facet> box = boxFacets(0.0, kL, -0.5 * kB, 0.5 * kB, 0.0, kD);
  for (Facet& f : box) {
    for (Point3& p : f) {
      if (p.y < 0.0 && p.z == 0.0) p.z = 1e-7;
    }
  }
  return box;
}

TEST(RealModels, HalvesAreFoundInTheCutsAndGiveTheClosedForm) {
  const ParabolicHull h;
  const RealModel models[] = {
      {"half box, centre-plane face 0.3 mm across",
       [] { return boxFacets(0.0, kL, -0.0003, 0.5 * kB, 0.0, kD); }, false, "port half", "",
       "differ"},
      {"half parabolic hull, centre-plane points 0.3 mm across",
       [&] { return halfParabolicFacets(h, kNx, kNz, 0.0003); }, true, "port half", "", "differ"},
      {"both halves, a hole in the starboard one at station 11",
       [&] { return withHole(parabolicFacets(h, kNx, kNz)); }, true, "both halves",
       "station 11 at x = 50 m: only one half of the hull has hull from z = 1.500 to 3.750 m",
       "differ"},
      {"every other facet turned inside out",
       [&] { return everyOtherFlipped(parabolicFacets(h, kNx, kNz)); }, true, "both halves", "",
       "differ"},
      {"the halves' bottoms 0.1 micrometre apart", bottomsApart, false, "both halves", "",
       "differ"},
  };
  for (const RealModel& m : models) {
    SCOPED_TRACE(m.name);
    ScratchDirectory dir;
    dir.write("model.stl", stlText(m.facets()));
    const double draft = m.parabolic ? h.T : kT;
    const ToolRun run =
        runTool({(dir / "model.stl").string(), "-o", (dir / "HULL.DAT").string(), "--ap", "0",
                 "--fp", "100", "--draft", std::to_string(draft), "--deflection", "0.002"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find(std::string(", ") + m.sides + "\n"), std::string::npos) << run.out;
    if (*m.warning) {
      EXPECT_NE(run.err.find(m.warning), std::string::npos) << run.err;
    }
    if (*m.notWarned) {
      EXPECT_EQ(run.err.find(m.notWarned), std::string::npos) << run.err;
    }

    const HullModel hull = readWritten(dir / "HULL.DAT");
    ASSERT_EQ(hull.stationCount, 21);
    const double breadth = m.parabolic ? h.B : kB;
    for (int st = 1; st <= hull.stationCount; ++st) {
      const double x = hull.stationX(st);
      for (int k = 1; k <= hull.pointCount(st); ++k) {
        const double z = hull.pointZ(st, k);
        const double expected = m.parabolic ? facetedHalfBreadth(h, kNz, x, z) : 0.5 * kB;
        EXPECT_NEAR(hull.pointY(st, k), expected, 1e-6 * breadth) << "station " << st << " z " << z;
      }
    }
    const double exact = m.parabolic ? 4.0 / 9.0 * h.L * h.B * h.T : kL * kB * kT;
    EXPECT_NEAR(summaryNumber(run.out, "  model"), exact, 0.002 * exact);
    EXPECT_NEAR(summaryNumber(run.out, "  offsets"), exact, 0.002 * exact);
  }
}

TEST(RealModels, AHullFlatInTheCentrePlaneIsRefused) {
  ScratchDirectory dir;
  std::vector<Facet> flat = boxFacets(0.0, kL, 0.0, 0.5 * kB, 0.0, kD);
  for (Facet& f : flat) {
    for (Point3& p : f) p.y = 0.0;
  }
  dir.write("flat.stl", stlText(flat));
  const ToolRun run = runTool(
      {(dir / "flat.stl").string(), "-o", (dir / "HULL.DAT").string(), "--ap", "0", "--fp", "100"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("the model has no breadth at the stations"), std::string::npos) << run.err;
  EXPECT_FALSE(std::filesystem::exists(dir / "HULL.DAT"));
}

}  // namespace
}  // namespace norvika::offsets::testing
