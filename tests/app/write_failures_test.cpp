// The result files on disk always belong to one run. Each is written to a
// temporary file in the run directory and renamed into place: a link there is
// replaced, never followed; a failure (a full disc, a directory, FIFO or device
// in the way) ends the run with status 4 and one message naming the file, and
// leaves the earlier pair whole; a rejected waterline leaves the partial report
// alone, without the earlier values beside it.
//
// Root ignores permissions, so a read-only run directory is only tried as
// another user; a full disc is made with a file size limit that cuts the
// report off part way (RLIMIT_FSIZE, the write fails with EFBIG).

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "../console/norvika_process.h"

namespace norvika::apptest {
namespace {

namespace fs = std::filesystem;

const std::string kEarlierReport = "AN EARLIER REPORT\r\n";
const std::string kEarlierValues = "  EARLIER VALUES\r\n";

// A box barge run (case 1 with equally spaced points) that completes and
// writes a report of some 6 kB, with the pair of an earlier run beside it.
void copyBoxBargeRun(const fs::path& run) {
  fs::create_directories(run);
  const fs::path example = fs::path(NORVIKA_SOURCE_DIR) / "examples/box-barge/case1-level";
  fs::copy(example / "Norvika.TSK", run / "Norvika.TSK");
  fs::copy(example / "KUTU.DAT", run / "KUTU.DAT");
  writeBytes(run / "Norvika.SON", kEarlierReport);
  writeBytes(run / "SEPHIYE.TXT", kEarlierValues);
}

std::string writeFailure(const fs::path& file, const std::string& reason) {
  return "norvika: " + file.filename().string() + " DOSYASI YAZILAMADI: " + file.string() + " (" +
         reason + ")";
}

// Nothing but the run's own files may be left in the run directory: no temporary file.
void expectNoTemporaryFiles(const fs::path& run) {
  for (const auto& entry : fs::directory_iterator(run)) {
    EXPECT_NE(entry.path().filename().string().front(), '.') << entry.path();
  }
}

TEST(WriteFailure, SomethingOtherThanAFileInAResultsPlaceKeepsTheEarlierPair) {
  struct Case {
    const char* what;
    const char* file;  // the result file whose place is taken
    void (*prepare)(const fs::path& file);
    const char* reason;
  };
  const Case cases[] = {
      {"report is a directory", "Norvika.SON", [](const fs::path& f) { fs::create_directory(f); },
       "Is a directory"},
      {"values file is a directory", "SEPHIYE.TXT",
       [](const fs::path& f) { fs::create_directory(f); }, "Is a directory"},
      // A FIFO would block the run for ever, waiting for a reader.
      {"report is a FIFO", "Norvika.SON", [](const fs::path& f) { ::mkfifo(f.c_str(), 0600); },
       "not a regular file"},
      {"values file is a FIFO", "SEPHIYE.TXT", [](const fs::path& f) { ::mkfifo(f.c_str(), 0600); },
       "not a regular file"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TemporaryDirectory temporary;
    const fs::path run = temporary.path() / "run";
    copyBoxBargeRun(run);
    fs::remove(run / c.file);
    c.prepare(run / c.file);

    const ProcessResult result = runNorvikaBatch(run);

    EXPECT_FALSE(result.killed);
    EXPECT_EQ(result.status, 4) << result.standardError;
    EXPECT_EQ(result.firstErrorLine(), writeFailure(run / c.file, c.reason));
    EXPECT_FALSE(fs::is_regular_file(run / c.file)) << "what stood there was replaced";
    const std::string other = std::string(c.file) == "Norvika.SON" ? "SEPHIYE.TXT" : "Norvika.SON";
    EXPECT_EQ(fileBytes(run / other), other == "Norvika.SON" ? kEarlierReport : kEarlierValues);
    expectNoTemporaryFiles(run);
  }
}

// The program is started as a shell starts it, SIGXFSZ not ignored: a write
// past the limit must still end as a failed write with its message, and no
// temporary file may stay behind.
TEST(WriteFailure, AFullDiscPartWayKeepsTheEarlierFiles) {
  struct Case {
    const char* what;
    std::vector<std::string> options;  // {RUN} stands for the run directory
    rlim_t limit;
    std::string firstError;  // {RUN} as above
    bool resultsWritten;
  };
  const Case cases[] = {
      {"the report",
       {"--batch"},
       2000,
       "norvika: Norvika.SON DOSYASI YAZILAMADI: {RUN}/Norvika.SON (File too large)",
       false},
      {"the run record",
       {"--batch", "--pdf", "{RUN}/record.pdf"},
       20000,
       "norvika: cannot write the run record '{RUN}/record.pdf'",
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TemporaryDirectory temporary;
    const fs::path run = temporary.path() / "run";
    copyBoxBargeRun(run);
    const auto withRun = [&](std::string text) {
      if (const auto at = text.find("{RUN}"); at != std::string::npos)
        text.replace(at, 5, run.string());
      return text;
    };
    std::vector<std::string> arguments;
    for (const std::string& option : c.options) arguments.push_back(withRun(option));
    arguments.insert(arguments.end(), {"-C", run.string()});
    RunOptions options;
    options.fileSizeLimit = c.limit;
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const ProcessResult result = runNorvika(arguments, options);

    EXPECT_EQ(result.signal, 0);
    EXPECT_EQ(result.status, 4) << result.standardError;
    EXPECT_NE(result.standardError.find(withRun(c.firstError)), std::string::npos)
        << result.standardError;
    EXPECT_EQ(fileBytes(run / "Norvika.SON") != kEarlierReport, c.resultsWritten);
    EXPECT_EQ(fileBytes(run / "SEPHIYE.TXT") != kEarlierValues, c.resultsWritten);
    EXPECT_FALSE(fs::exists(run / "record.pdf"));
    expectNoTemporaryFiles(run);
  }
}

TEST(WriteFailure, LinksInTheRunDirectoryAreReplacedNotFollowed) {
  TemporaryDirectory temporary;
  const fs::path run = temporary.path() / "run";
  copyBoxBargeRun(run);
  const fs::path outside = temporary.path() / "outside.txt";
  writeBytes(outside, "NOT NORVIKA'S\n");
  fs::remove(run / "Norvika.SON");
  fs::remove(run / "SEPHIYE.TXT");
  fs::create_symlink(outside, run / "Norvika.SON");
  fs::create_symlink(temporary.path() / "dangling.txt", run / "SEPHIYE.TXT");

  const ProcessResult result = runNorvikaBatch(run);

  EXPECT_EQ(result.status, 0) << result.standardError;
  EXPECT_EQ(fileBytes(outside), "NOT NORVIKA'S\n");
  EXPECT_FALSE(fs::exists(temporary.path() / "dangling.txt"));
  for (const char* file : {"Norvika.SON", "SEPHIYE.TXT"}) {
    EXPECT_FALSE(fs::is_symlink(run / file)) << file;
    EXPECT_TRUE(fs::is_regular_file(run / file)) << file;
  }
  EXPECT_EQ(fileBytes(run / "Norvika.SON").rfind("\r\n SEPHIYE HESABI - BASLAMA", 0), 0u);
}

TEST(WriteFailure, ARejectedWaterlineLeavesThePartialReportAlone) {
  TemporaryDirectory temporary;
  const fs::path run = temporary.path() / "run";
  copyBoxBargeRun(run);
  // The three geometry checks, then "yes, the waterline is wrong".
  writeBytes(temporary.path() / "answers", "H\nH\nH\nE\n");

  const ProcessResult result = runNorvika(
      {"--console", "--answers", (temporary.path() / "answers").string(), "-C", run.string()});

  EXPECT_EQ(result.status, 3) << result.standardError;
  const std::string report = fileBytes(run / "Norvika.SON");
  EXPECT_NE(report, kEarlierReport);
  const std::string end = " HESAPLANAN DEPLASMAN =   10250.0 ton\r\n";
  EXPECT_EQ(report.substr(report.size() - end.size()), end) << "cut after the displacement lines";
  EXPECT_FALSE(fs::exists(run / "SEPHIYE.TXT")) << "an earlier run's values beside the new report";
  expectNoTemporaryFiles(run);
}

// The record goes only where the user meant it: never in the place of a result file of any
// program (there yet or not) or of a file that is not a PDF; a link named for it is never
// replaced: one to a device (standard output, which the tests send to /dev/null) is written
// through and stays a link, any other is refused.
TEST(WriteFailure, RunRecordNeverReplacesTheRunsFilesAndFailsLoudly) {
  struct Case {
    const char* what;
    const char* pdf;     // relative to the run directory
    const char* linkTo;  // when set, `pdf` is made a link to this
    int status;
  };
  const Case cases[] = {
      {"the task file", "Norvika.TSK", nullptr, 1},
      {"the hull file", "KUTU.DAT", nullptr, 1},
      {"the report", "Norvika.SON", nullptr, 1},
      {"the run directory itself", ".", nullptr, 1},
      {"a device that takes nothing", "/dev/full", nullptr, 4},
      {"an earlier record", "record.pdf", nullptr, 0},
      {"an empty file that is not a PDF", "notes.txt", nullptr, 1},
      // Result files this run would write that are not there yet, and another program's.
      {"the values, not there yet", "SEPHIYE.TXT", nullptr, 1},
      {"the strength report, not there yet", "MUKAVEMET.SON", nullptr, 1},
      {"the strength table, not there yet", "MUKAVEMET.TXT", nullptr, 1},
      {"the strength table by another way", "../run/./MUKAVEMET.TXT", nullptr, 1},
      {"the hydrostatics report", "HIDROSTATIK.SON", nullptr, 1},
      // Links named for the record.
      {"a link to standard output", "out.pdf", "/proc/self/fd/1", 0},
      {"a link to an earlier record", "out.pdf", "record.pdf", 1},
      {"a link to nothing", "out.pdf", "nowhere/x.pdf", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TemporaryDirectory temporary;
    const fs::path run = temporary.path() / "run";
    copyBoxBargeRun(run);
    writeBytes(run / "record.pdf", "%PDF-1.4 AN EARLIER RECORD");
    writeBytes(run / "notes.txt", "");
    writeBytes(run / "Norvika.AGR", "AGIRLIKLAR\n0, 100, 102.5, 102.5\n");
    fs::remove(run / "SEPHIYE.TXT");
    const std::string task = fileBytes(run / "Norvika.TSK");
    const std::string hull = fileBytes(run / "KUTU.DAT");
    const fs::path pdf = run / c.pdf;
    if (c.linkTo != nullptr) fs::create_symlink(c.linkTo, pdf);

    const ProcessResult result = runNorvika({"--batch", "--pdf", pdf.string(), "-C", run.string()});

    EXPECT_EQ(result.status, c.status) << result.standardError;
    EXPECT_EQ(fileBytes(run / "Norvika.TSK"), task);
    EXPECT_EQ(fileBytes(run / "KUTU.DAT"), hull);
    if (std::string(c.pdf) != "record.pdf") {
      EXPECT_EQ(fileBytes(run / "record.pdf"), "%PDF-1.4 AN EARLIER RECORD");
    }
    EXPECT_EQ(fileBytes(run / "notes.txt"), "");
    if (c.linkTo != nullptr) {
      EXPECT_TRUE(fs::is_symlink(pdf));
      EXPECT_EQ(fs::read_symlink(pdf), c.linkTo);
      EXPECT_FALSE(fs::exists(run / "nowhere"));
    } else if (c.status == 0) {
      const std::string record = fileBytes(pdf);
      EXPECT_EQ(record.rfind("%PDF-", 0), 0u);
      EXPECT_NE(record.find("%%EOF"), std::string::npos);
    }
    if (c.status == 1) {
      EXPECT_EQ(fileBytes(run / "Norvika.SON"), kEarlierReport) << "the run went ahead";
      for (const char* result : {"SEPHIYE.TXT", "MUKAVEMET.SON", "MUKAVEMET.TXT"}) {
        EXPECT_FALSE(fs::exists(run / result)) << result;
      }
    }
    expectNoTemporaryFiles(run);
  }
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
  EXPECT_EQ(fileBytes(run / "Norvika.SON"), kEarlierReport);
}

// The sweep's file stands with the run's others: a link in its place is
// replaced, never followed; a FIFO fails the run before any file is put in
// place, so the earlier report stays.
TEST(WriteFailure, TheSweepsFileIsWrittenWithTheOthersOrNotAtAll) {
  struct Case {
    const char* what;
    bool link;  // else a FIFO
    int status;
  };
  for (const Case& c : {Case{"a link to a file outside", true, 0}, Case{"a FIFO", false, 4}}) {
    SCOPED_TRACE(c.what);
    TemporaryDirectory temporary;
    const fs::path run = temporary.path() / "run";
    fs::copy(fs::path(NORVIKA_SOURCE_DIR) / "examples/box-barge/case4-sine-crest", run);
    writeBytes(run / "Norvika.AGR", "UNIFORM\r\n0, 100, 102.5, 102.5\r\n");
    writeBytes(run / "Norvika.SON", kEarlierReport);
    const fs::path outside = temporary.path() / "outside.txt";
    writeBytes(outside, "NOT NORVIKA'S\n");
    if (c.link) {
      fs::create_symlink(outside, run / "TARAMA.TXT");
    } else {
      ASSERT_EQ(::mkfifo((run / "TARAMA.TXT").c_str(), 0600), 0);
    }

    const ProcessResult result = runNorvika({"--batch", "--sweep", "4", "-C", run.string()});

    EXPECT_FALSE(result.killed);
    EXPECT_EQ(result.status, c.status) << result.standardError;
    EXPECT_EQ(fileBytes(outside), "NOT NORVIKA'S\n");
    if (c.link) {
      EXPECT_FALSE(fs::is_symlink(run / "TARAMA.TXT"));
      EXPECT_EQ(fileBytes(run / "TARAMA.TXT").rfind("x_m SF_wave_max_t ", 0), 0u);
    } else {
      EXPECT_EQ(result.firstErrorLine(), writeFailure(run / "TARAMA.TXT", "not a regular file"));
      EXPECT_EQ(fileBytes(run / "Norvika.SON"), kEarlierReport);
      EXPECT_FALSE(fs::exists(run / "MUKAVEMET.SON"));
    }
    expectNoTemporaryFiles(run);
  }
}

}  // namespace
}  // namespace norvika::apptest
