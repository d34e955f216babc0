// How the hull file is put in place: a link named for it is never replaced
// (written through when it leads to a device); a FIFO is refused before any work; a file size limit
// ends with status 4, the earlier file whole and no temporary file left; offsets that disagree with
// the model are written only with --force; --task writes a task file Norvika runs straight away.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>

#include "offsets_test_models.h"
#include "platform/recording_platform.h"
#include "run/calculation_driver.h"
#include "text/text_format.h"

namespace norvika::offsets::testing {
namespace {

std::vector<std::string> cutBox(const ScratchDirectory& dir, const std::string& output) {
  return {(dir / "box.stl").string(), "-o", (dir / output).string(), "--ap", "0", "--fp", "100"};
}

std::size_t entriesIn(const std::filesystem::path& directory) {
  std::size_t n = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(directory)) ++n;
  return n;
}

// A file named with -o is written only where the user meant it: a link named there is never
// replaced; one that leads to a device (standard output sent to /dev/null) is written
// through, any other is refused before any work, and a FIFO is refused too.
TEST(Outputs, ALinkNamedForTheHullFileIsNeverReplaced) {
  struct Row {
    const char* name;
    const char* target;    // what the link at OUT.DAT points to; null: a FIFO stands there
    const char* stdoutTo;  // where the program's standard output goes
    int status;
  };
  const Row rows[] = {{"link to the model", "box.stl", "/dev/null", 1},
                      {"link to another file", "other.txt", "/dev/null", 1},
                      {"dangling link", "nowhere/x", "/dev/null", 1},
                      {"link to standard output, a device", "/proc/self/fd/1", "/dev/null", 0},
                      {"link to standard output, a file", "/proc/self/fd/1", "captured.txt", 1},
                      {"a FIFO", nullptr, "/dev/null", 1}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ScratchDirectory dir;
    const std::string box = stlText(boxFacets(0, 100, -10, 10, 0, 10));
    dir.write("box.stl", box);
    dir.write("other.txt", "keep me");
    dir.write("captured.txt", "");
    if (row.target != nullptr) {
      std::filesystem::create_symlink(row.target, dir / "OUT.DAT");
    } else {
      ASSERT_EQ(::mkfifo((dir / "OUT.DAT").c_str(), 0644), 0);
    }
    const std::string stdoutTo =
        row.stdoutTo[0] == '/' ? row.stdoutTo : (dir / row.stdoutTo).string();
    const std::string command = "'" + std::string(NORVIKA_OFFSETS_PROGRAM) + "' '" +
                                (dir / "box.stl").string() + "' -o '" + (dir / "OUT.DAT").string() +
                                "' --ap 0 --fp 100 > '" + stdoutTo + "' 2> '" +
                                (dir / "err.txt").string() + "'";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), row.status) << readText(dir / "err.txt");
    if (row.target != nullptr) {
      EXPECT_EQ(std::filesystem::read_symlink(dir / "OUT.DAT"), row.target);
    } else {
      EXPECT_TRUE(std::filesystem::is_fifo(dir / "OUT.DAT"));
    }
    EXPECT_EQ(readText(dir / "box.stl"), box);
    EXPECT_EQ(readText(dir / "other.txt"), "keep me");
    EXPECT_EQ(readText(dir / "captured.txt"), "");
    EXPECT_FALSE(std::filesystem::exists(dir / "nowhere"));
  }
}

TEST(Outputs, AFileSizeLimitLeavesTheEarlierFileAndNoTemporary) {
  ScratchDirectory dir;
  dir.write("box.stl", stlText(boxFacets(0, 100, -10, 10, 0, 10)));
  dir.write("OUT.DAT", "earlier hull file");
  const std::size_t before = entriesIn(dir.path());
  // The whole program in a shell whose file size limit is 8 KB: the signal
  // of the limit must not end it halfway through a write.
  const std::string command = "ulimit -f 8 && '" + std::string(NORVIKA_OFFSETS_PROGRAM) + "' '" +
                              (dir / "box.stl").string() + "' -o '" + (dir / "OUT.DAT").string() +
                              "' --ap 0 --fp 100 > /dev/null 2> '" + (dir / "err.txt").string() +
                              "'";
  const int status = std::system(("bash -c \"" + command + "\"").c_str());
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 4);
  EXPECT_NE(readText(dir / "err.txt").find("OUT.DAT: cannot write the hull file (File too large)"),
            std::string::npos)
      << readText(dir / "err.txt");
  EXPECT_EQ(readText(dir / "OUT.DAT"), "earlier hull file");
  EXPECT_EQ(entriesIn(dir.path()), before + 1);  // err.txt, nothing else
}

TEST(Outputs, OffsetsThatDisagreeWithTheModelAreWrittenOnlyWithForce) {
  ScratchDirectory dir;
  dir.write("box.stl", stlText(boxFacets(0, 100, -10, 10, 0, 10)));
  dir.write("OUT.DAT", "earlier hull file");
  // Stations over the aft half only: the file holds half the box.
  std::vector<std::string> args = cutBox(dir, "OUT.DAT");
  for (const char* more : {"--at", "0,25,50", "--draft", "4"}) args.push_back(more);
  const ToolRun refused = runTool(args);
  EXPECT_EQ(refused.status, 2);
  EXPECT_NE(refused.err.find("OUT.DAT: not written: the written offsets hold 4000.0 m3 with LCB "
                             "25.000 m, the model 8000.0 m3 with LCB 50.000 m (-50.00 % in "
                             "volume, -25.000 m in LCB; at most 1 % and 0.500 m, 0.5 % of the "
                             "length, are accepted)"),
            std::string::npos)
      << refused.err;
  // Where the difference lies, and that none of the remedies tried helped.
  EXPECT_NE(refused.err.find("most of it lies forward of station 3 (x = 50 m), where the stations "
                             "do not reach; neither more points, a finer curve tolerance nor "
                             "twice the stations brought them closer"),
            std::string::npos)
      << refused.err;
  EXPECT_NE(refused.out.find("difference -50.00 % in volume"), std::string::npos) << refused.out;
  EXPECT_EQ(readText(dir / "OUT.DAT"), "earlier hull file");

  args.push_back("--force");
  const ToolRun forced = runTool(args);
  EXPECT_EQ(forced.status, 0);
  EXPECT_NE(forced.err.find("warning: written with --force: the written offsets hold 4000.0 m3"),
            std::string::npos)
      << forced.err;
  EXPECT_EQ(readWritten(dir / "OUT.DAT").stationCount, 3);
}

TEST(Outputs, TheTaskFileRunsNorvikaToTheDraft) {
  const ParabolicHull h;
  ScratchDirectory dir;
  dir.write("hull.stl", stlText(parabolicFacets(h, 60, 40)));
  const ToolRun run = runTool({(dir / "hull.stl").string(), "-o", (dir / "PARABOL.DAT").string(),
                               "--ap", "0", "--fp", "100", "--draft", "6", "--task",
                               (dir / "Norvika.TSK").string(), "--density", "1.000"});
  ASSERT_EQ(run.status, 0) << run.err;
  const double volume = summaryNumber(run.out, "  model");
  EXPECT_NE(run.out.find("task file Norvika.TSK: case 1, " + formatFixed(volume, 1, 1) +
                         " t at density 1.000 t/m3"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("next: norvika -C " + dir.path().string() + "\n"), std::string::npos);
  const std::string task = readText(dir / "Norvika.TSK");
  EXPECT_NE(task.find("\r\nPARABOL.DAT\r\n"), std::string::npos);
  EXPECT_NE(task.find("\r\n101, 0, 100\r\n"), std::string::npos);

  // Norvika balances the model's displacement at the draft asked for, within
  // what the offsets and the model differ.
  RecordingPlatform platform(dir.path());
  const RunOutcome outcome = runCalculation(platform);
  ASSERT_EQ(outcome.reason, ExitReason::Completed) << outcome.message;
  EXPECT_NEAR(outcome.balance->immersion.displacement, volume, 0.01 * volume);
  EXPECT_NEAR(outcome.balance->meanDraft, 6.0, 0.01);

  // A task file there is a user's: replaced only with --force, and the next
  // step says what Norvika will meet there, a weights file it reads too.
  std::filesystem::remove(dir / "PARABOL.DAT");
  dir.write("Norvika.TSK", "a loading case of my own\n");
  dir.write("Norvika.AGR", "AGIRLIKLAR\n0, 100, 10, 10\n");
  std::vector<std::string> again = {(dir / "hull.stl").string(),
                                    "-o",
                                    (dir / "PARABOL.DAT").string(),
                                    "--ap",
                                    "0",
                                    "--fp",
                                    "100",
                                    "--draft",
                                    "6",
                                    "--task",
                                    (dir / "Norvika.TSK").string()};
  const ToolRun refused = runTool(again);
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("Norvika.TSK is there already; name another file, or give --force"),
            std::string::npos)
      << refused.err;
  EXPECT_EQ(readText(dir / "Norvika.TSK"), "a loading case of my own\n");
  EXPECT_FALSE(std::filesystem::exists(dir / "PARABOL.DAT"));
  again.push_back("--force");
  const ToolRun forced = runTool(again);
  ASSERT_EQ(forced.status, 0) << forced.err;
  EXPECT_NE(forced.out.find("next: norvika -C " + dir.path().string() +
                            " stops at once with the Norvika.AGR there, which Norvika reads with "
                            "the task: Norvika.AGR: TOPLAM AGIRLIK W = 1000.0 ton ISTENEN "
                            "DEPLASMANDAN"),
            std::string::npos)
      << forced.out;
  EXPECT_EQ(runCalculation(platform).reason, ExitReason::InputError);
}

}  // namespace
}  // namespace norvika::offsets::testing
