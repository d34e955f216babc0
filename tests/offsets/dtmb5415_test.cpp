// The DTMB 5415 mesh cut into 21 and 41 stations: the model's volume and the
// written offsets' volume at the design draft, and Norvika run on the file.

#include <gtest/gtest.h>

#include <cmath>

#include "offsets_test_models.h"

namespace norvika::offsets::testing {
namespace {

std::filesystem::path dtmbMesh() {
  const std::filesystem::path source = NORVIKA_SOURCE_DIR;
  for (const auto& p : {source / "examples/dtmb5415/mesh/dtmb5415.stl",
                        source / "../shared/data/dtmb5415/dtmb5415.stl"}) {
    if (std::filesystem::exists(p)) return p;
  }
  return {};
}

struct StationCase {
  int stations;
  double offsetsAgainstModel;  // largest |difference| of the two volumes, share
};

class Dtmb5415 : public ::testing::TestWithParam<StationCase> {};

TEST_P(Dtmb5415, VolumesAtTheDesignDraft) {
  const std::filesystem::path mesh = dtmbMesh();
  if (mesh.empty()) GTEST_SKIP() << "the DTMB 5415 mesh is not there";
  const StationCase c = GetParam();
  ScratchDirectory dir;
  const ToolRun run =
      runTool({mesh.string(), "-o", (dir / "DTMB.DAT").string(), "--ap", "0", "--fp", "142",
               "--base", "0", "--draft", "6.15", "--stations", std::to_string(c.stations)});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_NE(run.out.find("3436 triangles, closed, both halves"), std::string::npos) << run.out;

  const double model = summaryNumber(run.out, "  model");
  const double offsets = summaryNumber(run.out, "  offsets");
  // The coarse mesh holds a little less than the ship's published 8424.4 m3.
  EXPECT_NEAR(model, 8424.4, 0.01 * 8424.4);
  EXPECT_NEAR(offsets, model, c.offsetsAgainstModel * model) << run.out;

  const HullModel hull = readWritten(dir / "DTMB.DAT");
  EXPECT_EQ(hull.stationCount, c.stations);
  const double norvika = norvikaDisplacement(dir.path(), "DTMB.DAT", 142.0, 6.15) / 1.025;
  EXPECT_NEAR(norvika, model, 0.005 * model);
  EXPECT_NEAR(norvika, offsets, 1e-4 * offsets);
}

// At 21 stations the along-ship integration over the sonar dome, not the
// sections, makes most of the difference; 41 stations close it.
INSTANTIATE_TEST_SUITE_P(Stations, Dtmb5415,
                         ::testing::Values(StationCase{21, 0.0055}, StationCase{41, 0.002}),
                         [](const auto& info) {
                           return std::to_string(info.param.stations) + "Stations";
                         });

}  // namespace
}  // namespace norvika::offsets::testing
