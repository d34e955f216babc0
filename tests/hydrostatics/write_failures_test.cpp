// The three result files of norvika-hydrostatics are put in place together,
// each written beside its name and renamed: a link there is replaced, never
// followed; a directory or FIFO in a file's place, a full disc or a run
// directory it may not write in ends the run with status 4 and one message
// naming the file, the earlier files whole and no temporary file left.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "norvika_process.h"

namespace norvika::apptest {
namespace {

namespace fs = std::filesystem;

const std::string kEarlierReport = "AN EARLIER HYDROSTATICS REPORT\r\n";
const std::string kEarlierTable = "T_m AN EARLIER TABLE\r\n";
const std::string kEarlierBonjean = "station AN EARLIER BONJEAN TABLE\r\n";

void copyBoxBargeRun(const fs::path& run) {
  fs::create_directories(run);
  const fs::path example = fs::path(NORVIKA_SOURCE_DIR) / "examples/box-barge/hydrostatics";
  fs::copy(example / "Norvika.TSK", run / "Norvika.TSK");
  fs::copy(example / "KUTU.DAT", run / "KUTU.DAT");
  writeBytes(run / "HIDROSTATIK.SON", kEarlierReport);
  writeBytes(run / "HIDROSTATIK.TXT", kEarlierTable);
  writeBytes(run / "BONJEAN.TXT", kEarlierBonjean);
}

ProcessResult runIn(const fs::path& run, RunOptions options = {}) {
  return runProgram(NORVIKA_HYDROSTATICS_BINARY, {"-C", run.string()}, options);
}

std::string writeFailure(const fs::path& file, const std::string& reason) {
  return "norvika-hydrostatics: " + file.filename().string() +
         " DOSYASI YAZILAMADI: " + file.string() + " (" + reason + ")";
}

void expectEarlierFilesAndNoTemporaries(const fs::path& run, const std::string& taken = "") {
  const std::pair<const char*, const std::string*> earlier[] = {
      {"HIDROSTATIK.SON", &kEarlierReport},
      {"HIDROSTATIK.TXT", &kEarlierTable},
      {"BONJEAN.TXT", &kEarlierBonjean}};
  for (const auto& [file, bytes] : earlier) {
    if (file != taken) {
      EXPECT_EQ(fileBytes(run / file), *bytes) << file;
    }
  }
  for (const auto& entry : fs::directory_iterator(run)) {
    EXPECT_NE(entry.path().filename().string().front(), '.') << entry.path();
  }
}

TEST(HydrostaticsWriteFailure, SomethingOtherThanAFileInAResultsPlaceKeepsTheEarlierFiles) {
  struct Case {
    const char* file;
    bool fifo;  // else a directory
    const char* reason;
  };
  // A FIFO would block the run for ever, waiting for a reader.
  const Case cases[] = {{"HIDROSTATIK.SON", false, "Is a directory"},
                        {"HIDROSTATIK.TXT", true, "not a regular file"},
                        {"BONJEAN.TXT", true, "not a regular file"},
                        {"BONJEAN.TXT", false, "Is a directory"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.file) + (c.fifo ? " FIFO" : " directory"));
    TemporaryDirectory temporary;
    const fs::path run = temporary.path() / "run";
    copyBoxBargeRun(run);
    fs::remove(run / c.file);
    if (c.fifo) {
      ASSERT_EQ(::mkfifo((run / c.file).c_str(), 0600), 0);
    } else {
      fs::create_directory(run / c.file);
    }

    const ProcessResult result = runIn(run);

    EXPECT_FALSE(result.killed);
    EXPECT_EQ(result.status, 4) << result.standardError;
    EXPECT_EQ(result.firstErrorLine(), writeFailure(run / c.file, c.reason));
    EXPECT_FALSE(fs::is_regular_file(run / c.file));
    expectEarlierFilesAndNoTemporaries(run, c.file);
  }
}

// A file size limit (ulimit -f) cuts the report off part way: the write fails
// and is told, rather than the signal ending the program mid-file.
TEST(HydrostaticsWriteFailure, AFileSizeLimitKeepsTheEarlierFiles) {
  TemporaryDirectory temporary;
  const fs::path run = temporary.path() / "run";
  copyBoxBargeRun(run);
  RunOptions options;
  options.fileSizeLimit = 3000;  // the report needs some 8 kB

  const ProcessResult result = runIn(run, options);

  EXPECT_EQ(result.signal, 0) << "ended by SIGXFSZ";
  EXPECT_EQ(result.status, 4) << result.standardError;
  EXPECT_EQ(result.firstErrorLine(), writeFailure(run / "HIDROSTATIK.SON", "File too large"));
  expectEarlierFilesAndNoTemporaries(run);
}

TEST(HydrostaticsWriteFailure, LinksInTheRunDirectoryAreReplacedNotFollowed) {
  TemporaryDirectory temporary;
  const fs::path run = temporary.path() / "run";
  copyBoxBargeRun(run);
  const fs::path outside = temporary.path() / "outside.txt";
  writeBytes(outside, "NOT NORVIKA'S\n");
  for (const char* file : {"HIDROSTATIK.SON", "HIDROSTATIK.TXT", "BONJEAN.TXT"})
    fs::remove(run / file);
  fs::create_symlink(outside, run / "HIDROSTATIK.SON");
  fs::create_symlink(temporary.path() / "dangling.txt", run / "HIDROSTATIK.TXT");
  fs::create_symlink("/dev/null", run / "BONJEAN.TXT");

  const ProcessResult result = runIn(run);

  EXPECT_EQ(result.status, 0) << result.standardError;
  EXPECT_EQ(fileBytes(outside), "NOT NORVIKA'S\n");
  EXPECT_FALSE(fs::exists(temporary.path() / "dangling.txt"));
  for (const char* file : {"HIDROSTATIK.SON", "HIDROSTATIK.TXT", "BONJEAN.TXT"}) {
    EXPECT_FALSE(fs::is_symlink(run / file)) << file;
    EXPECT_TRUE(fs::is_regular_file(run / file)) << file;
  }
  EXPECT_EQ(fileBytes(run / "BONJEAN.TXT").rfind("station x_m z_m area_m2 moment_m3\r\n", 0), 0u);
}

// Root writes anywhere: then the program runs as the user nobody.
TEST(HydrostaticsWriteFailure, ARunDirectoryItMayNotWriteInKeepsTheEarlierFiles) {
  TemporaryDirectory temporary;
  const fs::path run = temporary.path() / "run";
  copyBoxBargeRun(run);
  RunOptions options;
  if (::geteuid() == 0) {
    options.user = 65534;
    fs::permissions(temporary.path(), fs::perms::others_read | fs::perms::others_exec,
                    fs::perm_options::add);
  }
  fs::permissions(run, fs::perms::all, fs::perm_options::remove);
  fs::permissions(run,
                  fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                      fs::perms::others_exec,
                  fs::perm_options::add);

  const ProcessResult result = runIn(run, options);
  fs::permissions(run, fs::perms::owner_write, fs::perm_options::add);

  EXPECT_EQ(result.status, 4) << result.standardError;
  EXPECT_EQ(result.firstErrorLine(), writeFailure(run / "HIDROSTATIK.SON", "Permission denied"));
  expectEarlierFilesAndNoTemporaries(run);
}

}  // namespace
}  // namespace norvika::apptest
