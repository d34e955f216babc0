// A result file that cannot be written ends the run with status 4 and one
// message naming the file, and never leaves a half-written file behind that
// could be taken for a result.
//
// Root ignores permissions, so a read-only run directory is only tried as
// another user; the other failures are made with tricks that hold for root
// too: a directory where the file should be, a symbolic link to /dev/full
// (every write fails, as on a full disc) and a file size limit that cuts the
// report off part way (RLIMIT_FSIZE, the write fails with EFBIG).

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "norvika_process.h"

namespace norvika::apptest {
namespace {

namespace fs = std::filesystem;

// A box barge run (case 1 with equally spaced points) that completes and
// writes a report of some 6 kB.
void copyBoxBargeRun(const fs::path& run) {
  fs::create_directories(run);
  const fs::path example = fs::path(NORVIKA_SOURCE_DIR) / "examples/box-barge/case1-level";
  fs::copy(example / "Norvika.TSK", run / "Norvika.TSK");
  fs::copy(example / "KUTU.DAT", run / "KUTU.DAT");
}

std::string writeFailure(const fs::path& file, const std::string& reason) {
  return "norvika: " + file.filename().string() + " DOSYASI YAZILAMADI: " + file.string() + " (" +
         reason + ")";
}

TEST(WriteFailure, EachResultFileThatCannotBeWrittenEndsTheRunWithItsName) {
  struct Case {
    const char* what;
    const char* file;  // the result file that is made unwritable
    void (*prepare)(const fs::path& file);
    const char* reason;
  };
  const Case cases[] = {
      {"report is a directory", "Norvika.SON",
       [](const fs::path& f) { fs::create_directory(f); }, "Is a directory"},
      {"values file is a directory", "SEPHIYE.TXT",
       [](const fs::path& f) { fs::create_directory(f); }, "Is a directory"},
      {"report on a full disc", "Norvika.SON",
       [](const fs::path& f) { fs::create_symlink("/dev/full", f); }, "No space left on device"},
      {"values file on a full disc", "SEPHIYE.TXT",
       [](const fs::path& f) { fs::create_symlink("/dev/full", f); }, "No space left on device"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TemporaryDirectory temporary;
    const fs::path run = temporary.path() / "run";
    copyBoxBargeRun(run);
    c.prepare(run / c.file);

    const ProcessResult result = runNorvikaBatch(run);

    EXPECT_EQ(result.signal, 0);
    EXPECT_EQ(result.status, 4) << result.standardError;
    EXPECT_EQ(result.firstErrorLine(), writeFailure(run / c.file, c.reason));
    // What stands in the file's place is left as it was: nothing was written into it.
    EXPECT_FALSE(fs::is_regular_file(run / c.file));
    if (std::string(c.file) == "Norvika.SON") {
      EXPECT_FALSE(fs::exists(run / "SEPHIYE.TXT")) << "the values were written after a failed report";
    }
  }
}

TEST(WriteFailure, ReportCutOffPartWayIsRemoved) {
  TemporaryDirectory temporary;
  const fs::path run = temporary.path() / "run";
  copyBoxBargeRun(run);
  writeBytes(run / "Norvika.SON", "AN EARLIER REPORT\r\n");

  RunOptions options;
  options.fileSizeLimit = 2000;  // the report needs more; the task and hull files are only read
  const ProcessResult result = runNorvikaBatch(run, options);

  EXPECT_EQ(result.signal, 0);
  EXPECT_EQ(result.status, 4) << result.standardError;
  EXPECT_EQ(result.firstErrorLine(), writeFailure(run / "Norvika.SON", "File too large"));
  EXPECT_FALSE(fs::exists(run / "Norvika.SON")) << "a half-written report was left behind";
  EXPECT_FALSE(fs::exists(run / "SEPHIYE.TXT"));
}

TEST(WriteFailure, ReadOnlyRunDirectory) {
  if (::geteuid() == 0) {
    GTEST_SKIP() << "root writes into a read-only directory; the directory and full-disc cases "
                    "cover the same failure";
  }
  TemporaryDirectory temporary;
  const fs::path run = temporary.path() / "run";
  copyBoxBargeRun(run);
  fs::permissions(run, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);

  const ProcessResult result = runNorvikaBatch(run);
  fs::permissions(run, fs::perms::owner_write, fs::perm_options::add);

  EXPECT_EQ(result.status, 4) << result.standardError;
  EXPECT_EQ(result.firstErrorLine(), writeFailure(run / "Norvika.SON", "Permission denied"));
  EXPECT_FALSE(fs::exists(run / "Norvika.SON"));
}

}  // namespace
}  // namespace norvika::apptest
