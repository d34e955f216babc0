// Bad command lines and models: status 1 and a message naming what was
// expected, nothing written; an open mesh is cut with a warning.

#include <gtest/gtest.h>

#include "offsets_test_models.h"

namespace norvika::offsets::testing {
namespace {

struct BadInput {
  const char* name;
  std::vector<std::string> args;  // "@" stands for the scratch directory
  int status;
  const char* message;
};

TEST(BadInputs, EachGivesItsStatusAndMessage) {
  ScratchDirectory dir;
  dir.write("box.stl", stlText(boxFacets(0, 100, -10, 10, 0, 10)));
  std::vector<Facet> open = boxFacets(0, 100, -10, 10, 0, 10);
  open.pop_back();
  dir.write("open.stl", stlText(open));
  std::vector<Facet> apart = boxFacets(0, 10, -1, 1, 0, 2);
  for (const Facet& f : boxFacets(20, 30, -1, 1, 0, 2)) apart.push_back(f);
  dir.write("apart.stl", stlText(apart));
  dir.write("empty.stl", "");
  dir.write("garbage.stl", "this is not a mesh\n");
  dir.write("garbage.step", "this is not a STEP file\n");
  dir.write("hull.xyz", "1 2 3\n");
  std::string manyStations;
  for (int i = 0; i <= 100; ++i) manyStations += (i ? "," : "") + std::to_string(i);

  const std::vector<std::string> cut = {"-o", "@/OUT.DAT", "--ap", "0", "--fp", "100"};
  auto with = [&](std::string model, std::vector<std::string> more) {
    std::vector<std::string> a = {"@/" + model};
    a.insert(a.end(), cut.begin(), cut.end());
    a.insert(a.end(), more.begin(), more.end());
    return a;
  };
  const BadInput table[] = {
      {"missing model", with("nothing.stl", {}), 1, "nothing.stl: cannot open the model file"},
      {"empty model", with("empty.stl", {}), 1, "empty.stl: the model file is empty"},
      {"garbage STL", with("garbage.stl", {}), 1, "garbage.stl: not a readable STL file"},
      {"garbage STEP", with("garbage.step", {}), 1, "garbage.step: not a readable STEP file"},
      {"unknown format", with("hull.xyz", {}), 1, "hull.xyz: unknown model format"},
      {"AP forward of FP",
       {"@/box.stl", "-o", "@/OUT.DAT", "--ap", "100", "--fp", "0"},
       1,
       "the aft perpendicular must lie aft of the forward one"},
      {"AP at FP",
       {"@/box.stl", "-o", "@/OUT.DAT", "--ap", "5", "--fp", "5"},
       1,
       "the aft perpendicular must lie aft of the forward one"},
      {"station outside", with("box.stl", {"--at", "-20,50"}), 1,
       "station 1 at x =-20 m from AP lies outside the model"},
      {"no hull at a station", with("apart.stl", {"--at", "5,15,25"}), 1,
       "station 2 at x = 15 m: the model has no hull there"},
      {"one point", with("box.stl", {"--points", "1"}), 1,
       "--points: expected a point count from 2 to 249, got '1'"},
      {"250 points", with("box.stl", {"--points", "250"}), 1,
       "--points: expected a point count from 2 to 249, got '250'"},
      {"101 stations", with("box.stl", {"--stations", "101"}), 1,
       "--stations: expected a station count from 2 to 100, got '101'"},
      {"101 positions", with("box.stl", {"--at", manyStations}), 1,
       "--at: 101 stations, a hull file holds at most 100"},
      {"positions not rising", with("box.stl", {"--at", "10,5"}), 1,
       "--at: station positions must rise"},
      {"bad number", with("box.stl", {"--scale", "1,5"}), 1,
       "--scale: expected a positive scale factor, got '1,5'"},
      {"bad axes", with("box.stl", {"--axes", "xxz"}), 1, "--axes: expected the model axes"},
      {"no output", {"@/box.stl", "--ap", "0", "--fp", "100"}, 1, "-o: expected the name"},
      {"no perpendiculars", {"@/box.stl", "-o", "@/OUT.DAT"}, 1, "--ap and --fp"},
      {"unknown option", with("box.stl", {"--frames", "3"}), 1, "--frames: unknown option"},
      {"open mesh", with("open.stl", {}), 0,
       "warning: @/open.stl: the mesh is open, 3 edges belong to one triangle only"},
  };
  const std::string root = dir.path().string();
  auto expand = [&](std::string s) {
    for (std::size_t at; (at = s.find('@')) != std::string::npos;) s.replace(at, 1, root);
    return s;
  };
  for (const BadInput& row : table) {
    SCOPED_TRACE(row.name);
    std::filesystem::remove(dir / "OUT.DAT");
    std::vector<std::string> args;
    for (const std::string& a : row.args) args.push_back(expand(a));
    const ToolRun run = runTool(args);
    EXPECT_EQ(run.status, row.status);
    EXPECT_NE(run.err.find(expand(row.message)), std::string::npos) << run.err;
    EXPECT_EQ(std::filesystem::exists(dir / "OUT.DAT"), row.status == 0);
    if (row.status != 0) {
      EXPECT_EQ(run.out, "");
    }
  }
}

}  // namespace
}  // namespace norvika::offsets::testing
