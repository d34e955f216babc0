// The DTMB 5415 mesh cut at the design draft: the model's volume and the
// written offsets' volume, Norvika run on the file, and the written hull's
// wetted surface against the mesh's own. At 21 equal stations the wetted
// surface is refused: the sonar dome's front falls between the last two.

#include <gtest/gtest.h>

#include <cmath>

#include "calculation/hydrostatics.h"
#include "model_reading.h"
#include "offsets_test_models.h"

namespace norvika::offsets::testing {
namespace {

constexpr double kDraft = 6.15;

std::filesystem::path dtmbMesh() {
  const std::filesystem::path source = NORVIKA_SOURCE_DIR;
  for (const auto& p : {source / "examples/dtmb5415/mesh/dtmb5415.stl",
                        source / "../shared/data/dtmb5415/dtmb5415.stl"}) {
    if (std::filesystem::exists(p)) return p;
  }
  return {};
}

// The area (m2) of the mesh's facets below the waterline, each clipped there.
double meshWettedArea(const HullMesh& mesh, double waterline) {
  double area = 0.0;
  for (const auto& t : mesh.triangles) {
    std::vector<Point3> piece;
    for (std::size_t k = 0; k < 3; ++k) {
      const Point3& p = mesh.nodes[static_cast<std::size_t>(t[k])];
      const Point3& q = mesh.nodes[static_cast<std::size_t>(t[(k + 1) % 3])];
      if (p.z <= waterline) piece.push_back(p);
      if ((p.z <= waterline) != (q.z <= waterline)) {
        const double s = (waterline - p.z) / (q.z - p.z);
        piece.push_back({p.x + s * (q.x - p.x), p.y + s * (q.y - p.y), waterline});
      }
    }
    for (std::size_t k = 1; k + 1 < piece.size(); ++k) {
      const Point3 &a = piece[0], &b = piece[k], &c = piece[k + 1];
      const double ux = b.x - a.x, uy = b.y - a.y, uz = b.z - a.z;
      const double vx = c.x - a.x, vy = c.y - a.y, vz = c.z - a.z;
      area += 0.5 * std::hypot(uy * vz - uz * vy, uz * vx - ux * vz, ux * vy - uy * vx);
    }
  }
  return area;
}

struct StationCase {
  const char* name;
  std::vector<std::string> stations;
  double offsetsAgainstModel;  // largest |difference| of the two volumes, share
  double wettedAgainstMesh;    // of the written wetted surface from the mesh's own, share
};

TEST(Dtmb5415, AtTheDesignDraft) {
  const std::filesystem::path mesh = dtmbMesh();
  if (mesh.empty()) GTEST_SKIP() << "the DTMB 5415 mesh is not there";
  std::vector<std::string> warnings;
  const double meshWetted =
      meshWettedArea(readHullModel(mesh, ModelFormat::Stl, ModelPlacement{}, warnings), kDraft);
  const StationCase cases[] = {
      // The girths fall to almost nothing over the last metre before FP
      // (the sonar dome's front), which equal stations follow only so far.
      {"41 equal stations", {"--stations", "41"}, 0.002, 0.02},
      // Twenty divisions with half and quarter stations at the ends, where
      // the transom and the sonar dome change the sections fast.
      {"ends divided finer",
       {"--at",
        "0,1.775,3.55,7.1,14.2,21.3,28.4,35.5,42.6,49.7,56.8,63.9,71,78.1,85.2,92.3,99.4,"
        "106.5,113.6,120.7,127.8,134.9,138.45,140.225,141.1125,142"},
       0.002,
       0.015},
  };
  for (const StationCase& c : cases) {
    SCOPED_TRACE(c.name);
    ScratchDirectory dir;
    std::vector<std::string> args = {mesh.string(), "-o",     (dir / "DTMB.DAT").string(),
                                     "--ap",        "0",      "--fp",
                                     "142",         "--base", "0",
                                     "--draft",     "6.15"};
    args.insert(args.end(), c.stations.begin(), c.stations.end());
    const ToolRun run = runTool(args);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_NE(run.out.find("3436 triangles, closed, both halves"), std::string::npos) << run.out;

    const double model = summaryNumber(run.out, "  model");
    const double offsets = summaryNumber(run.out, "  offsets");
    // The coarse mesh holds a little less than the ship's published 8424.4 m3.
    EXPECT_NEAR(model, 8424.4, 0.01 * 8424.4);
    EXPECT_NEAR(offsets, model, c.offsetsAgainstModel * model) << run.out;

    const HullModel hull = readWritten(dir / "DTMB.DAT");
    const double norvika = norvikaDisplacement(dir.path(), "DTMB.DAT", 142.0, kDraft) / 1.025;
    EXPECT_NEAR(norvika, model, 0.005 * model);
    EXPECT_NEAR(norvika, offsets, 1e-4 * offsets);
    Hydrostatics h;
    ASSERT_EQ(computeHydrostatics(hull, {142.0, 1.025, 0.0, {kDraft}}, h).stop,
              HydrostaticsStop::None);
    EXPECT_NEAR(h.rows.front().wettedSurface, meshWetted, c.wettedAgainstMesh * meshWetted);
  }

  // At 21 equal stations the wetted surface is refused, and the remedy that
  // was seen to help is named.
  ScratchDirectory dir;
  const ToolRun run =
      runTool({mesh.string(), "-o", (dir / "DTMB.DAT").string(), "--ap", "0", "--fp", "142",
               "--base", "0", "--draft", "6.15", "--stations", "21"});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("the wetted surface (girths along the ship)"), std::string::npos);
  EXPECT_NE(run.err.find("most of it lies between stations 20 and 21 (x = 134.9 to 142 m)"),
            std::string::npos)
      << run.err;
  EXPECT_NE(run.err.find("tried and seen to help: --stations 41"), std::string::npos) << run.err;
  EXPECT_FALSE(std::filesystem::exists(dir / "DTMB.DAT"));
}

}  // namespace
}  // namespace norvika::offsets::testing
