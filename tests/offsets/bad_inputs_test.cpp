// Bad command lines and models: status 1 and a message naming what was
// expected, nothing written; an open mesh is cut with a warning.

#include <gtest/gtest.h>

#include <cmath>

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
  const std::string binary = binaryStl(boxFacets(0, 100, -10, 10, 0, 10));
  dir.write("short.stl", binary.substr(0, binary.size() - 50));
  std::string miscounted = binary;
  miscounted.replace(80, 4, std::string("\x40\x42\x0f\x00", 4));  // 1 000 000
  dir.write("miscounted.stl", miscounted);
  dir.write("padded.stl", binary + std::string(16, '\0'));
  std::vector<Facet> lowStern = boxFacets(0, 50, -10, 10, 0, 6);
  for (const Facet& f : boxFacets(50, 100, -10, 10, 0, 10)) lowStern.push_back(f);
  dir.write("low-stern.stl", stlText(lowStern));
  std::vector<Facet> notANumber = boxFacets(0, 100, -10, 10, 0, 10);
  notANumber[3][1].z = std::nan("");
  dir.write("nan.stl", binaryStl(notANumber));
  std::vector<Facet> stray = boxFacets(0, 100, -10, 10, 0, 10);
  stray.push_back({Point3{50, 0, 5}, Point3{50, 1, 5}, Point3{50, 0, 1e30}});
  dir.write("stray.stl", stlText(stray));
  writeBoxStep(dir / "box.step", 100, 20, 10);
  std::filesystem::create_directory(dir / "sub");
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
       "--points: expected a point count, a whole number from 2 to 249, got '1'"},
      {"250 points", with("box.stl", {"--points", "250"}), 1,
       "--points: expected a point count, a whole number from 2 to 249, got '250'"},
      {"101 stations", with("box.stl", {"--stations", "101"}), 1,
       "--stations: expected a station count, a whole number from 2 to 100, got '101'"},
      {"101 positions", with("box.stl", {"--at", manyStations}), 1,
       "--at: 101 stations, a hull file holds at most 100"},
      {"positions not rising", with("box.stl", {"--at", "10,5"}), 1,
       "--at: station positions must rise"},
      {"bad number", with("box.stl", {"--scale", "1,5"}), 1,
       "--scale: expected a scale factor, model units to metres from 0.000001 to 1000000, got "
       "'1,5'"},
      {"bad axes", with("box.stl", {"--axes", "xxz"}), 1, "--axes: expected the model axes"},
      {"no output", {"@/box.stl", "--ap", "0", "--fp", "100"}, 1, "-o: expected the name"},
      {"no perpendiculars", {"@/box.stl", "-o", "@/OUT.DAT"}, 1, "--ap and --fp"},
      {"unknown option", with("box.stl", {"--frames", "3"}), 1,
       "unknown option '--frames' (see --help)"},
      {"stations closer than the file's micrometres",
       with("box.stl", {"--at", "0,70,70.0000001,100"}), 1,
       "@/OUT.DAT: Norvika would reject this hull file, so it is not written: OUT.DAT 66. SATIR: "
       "3. "
       "POSTA: POSTA YERI BIR ONCEKI POSTADAN BUYUK OLMALI (70.000 / 70.000)"},
      {"the same in English: Norvika's words follow --language, the cutter's stay",
       with("box.stl", {"--at", "0,70,70.0000001,100", "--language", "en"}), 1,
       "@/OUT.DAT: Norvika would reject this hull file, so it is not written: OUT.DAT LINE 66: "
       "STATION 3: ITS POSITION MUST BE BEYOND THE PREVIOUS STATION'S (70.000 / 70.000)"},
      {"a language Norvika has no words in", with("box.stl", {"--language", "de"}), 1,
       "--language: expected 'tr' or 'en', got 'de'"},
      {"base line a thousand kilometres down", with("box.stl", {"--base", "-1e6"}), 1,
       "Norvika would reject this hull file, so it is not written: OUT.DAT 4. SATIR: 1. POSTA 2. "
       "KAYIT YUKSEKLIK ICIN EN FAZLA 1000000 BUYUKLUGUNDE BIR SAYI BEKLENIYORDU"},
      {"scale 1000 typed for 0.001", with("box.stl", {"--scale", "1000"}), 1,
       "@/box.stl: at --scale 1000 the model measures 100000.000 x 20000.000 x 10000.000 m "
       "(length, breadth, height); a ship from 1 m to 500 m was expected"},
      {"scale 1e300", with("box.stl", {"--scale", "1e300", "--force"}), 1,
       "--scale: expected a scale factor, model units to metres from 0.000001 to 1000000, got "
       "'1e300'"},
      {"an option given twice", with("box.stl", {"--points=20", "--points", "30"}), 1,
       "--points: given twice; give each option once"},
      {"a flag given a value", with("box.stl", {"--force=yes"}), 1, "--force takes no value"},
      {"a stray point at 1e30", with("stray.stl", {}), 1,
       "@/stray.stl: at --scale 1 the model measures 100.000 x 20.000 x 1e+30 m"},
      {"a stray point at 1e30, forced", with("stray.stl", {"--force"}), 1,
       "Norvika would reject this hull file"},
      {"binary STL cut short", with("short.stl", {}), 1,
       "@/short.stl: a binary STL whose header gives 12 triangles (684 bytes), but the file has "
       "634 "
       "bytes: cut short, or its triangle count is wrong"},
      {"binary STL miscounted", with("miscounted.stl", {}), 1,
       "@/miscounted.stl: a binary STL whose header gives 1000000 triangles (50000084 bytes), but "
       "the file has 684 bytes"},
      {"a point that is no number", with("nan.stl", {}), 1,
       "@/nan.stl: a point of the model is not a finite number"},
      {"deflection below the floor", with("box.step", {"--deflection", "1e-9"}), 1,
       "--deflection: 1e-09 m is finer than this model allows; the smallest is 0.000200 m (2e-6 of "
       "its largest extent, 100.000 m)"},
      {"deflection above the ceiling", with("box.step", {"--deflection", "5"}), 1,
       "--deflection: 5 m is coarser than this model allows; the largest is 1.000000 m"},
      {"perpendicular outside the model, extents to the millimetre",
       {"@/box.stl", "-o", "@/OUT.DAT", "--ap", "0", "--fp", "142"},
       1,
       "--fp 142.000: the forward perpendicular lies outside the model (x from 0.000 to 100.000 "
       "m): are --ap, --fp and --axes right? The model's extents (m, in --axes xyz): length 0.000 "
       ".. 100.000, breadth -10.000 .. 10.000, height 0.000 .. 10.000"},
      {"no such output directory",
       {"@/box.stl", "-o", "@/nowhere/OUT.DAT", "--ap", "0", "--fp", "100"},
       1,
       "@/nowhere/OUT.DAT: no such directory: @/nowhere"},
      {"output is the model",
       {"@/box.stl", "-o", "@/box.stl", "--ap", "0", "--fp", "100"},
       1,
       "@/box.stl: this is the model itself; name another file for the hull file"},
      {"output is the model by another name",
       {"@/box.stl", "-o", "@/sub/../box.stl", "--ap", "0", "--fp", "100"},
       1,
       "this is the model itself"},
      {"output is a directory",
       {"@/box.stl", "-o", "@/sub", "--ap", "0", "--fp", "100"},
       1,
       "'@/sub' is a directory; not a place for the hull file"},
      {"output a new file among the system's processes",
       {"@/box.stl", "-o", "/proc/norvika.dat", "--ap", "0", "--fp", "100"},
       1,
       "'/proc/norvika.dat' would be a new file among the system's devices or processes; not a "
       "place for the hull file"},
      {"task without a draft", with("box.stl", {"--task", "@/Norvika.TSK"}), 1,
       "--task: needs --draft"},
      {"task away from the hull file",
       with("box.stl", {"--draft", "4", "--task", "@/sub/Norvika.TSK"}), 1,
       "--task: the task file must stand beside the hull file"},
      {"task named as the hull file", with("box.stl", {"--draft", "4", "--task", "@/OUT.DAT"}), 1,
       "--task: names the hull file"},
      {"density of mercury", with("box.stl", {"--density", "13.6"}), 1,
       "--density: expected a water density from 0.5 to 2 t/m3"},
      {"density without a task file", with("box.stl", {"--density", "1.000"}), 1,
       "--density: the water density of the task file; give --task with it"},
      {"draft above the model", with("box.stl", {"--draft", "11"}), 1,
       "--draft 11.000: the model's top stands 10.000 m above the base line"},
      {"task for a draft over a deck edge",
       with("low-stern.stl", {"--draft", "8", "--task", "@/Norvika.TSK"}), 1,
       "--draft 8.000: the waterline stands above the deck edge of station 1 (6.000 m above the "
       "base line); Norvika would stop on the task file with the deck immersed"},
      {"a mesh's deflection of 1e300 m", with("box.stl", {"--deflection", "1e300"}), 1,
       "--deflection: expected a chord error of the facets from 1e-09 to 1000000 m, got "
       "'1e300'"},
      {"binary STL padded after its last triangle", with("padded.stl", {}), 0,
       "warning: @/padded.stl: 16 bytes after the last of 12 triangles (a binary STL of 684 "
       "bytes) are left unread"},
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
  // Nothing was written over the model, the directory or the device.
  EXPECT_EQ(readText(dir / "box.stl"), stlText(boxFacets(0, 100, -10, 10, 0, 10)));
  EXPECT_TRUE(std::filesystem::is_directory(dir / "sub"));
  EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
}

}  // namespace
}  // namespace norvika::offsets::testing
