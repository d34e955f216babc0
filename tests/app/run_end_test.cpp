// How a run ended by the user is told: the answer that ended it and what is on disc, in every
// front end; the run's warnings on standard error.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "../console/norvika_process.h"

namespace {

namespace fs = std::filesystem;
using namespace norvika::apptest;

fs::path copyExample(const TemporaryDirectory& temp, const std::string& example) {
  const fs::path run = temp.path() / "run";
  fs::copy(fs::path(NORVIKA_SOURCE_DIR) / "examples" / example, run, fs::copy_options::recursive);
  return run;
}

TEST(RunEnd, AnAnswerThatEndsTheRunSaysWhatWasWritten) {
  struct Case {
    const char* name;
    const char* frontEnd;
    std::string answers;               // the fourth question is the waterline check
    std::vector<std::string> earlier;  // result files of another run in the directory
    std::string told;
  };
  const Case cases[] = {
      {"console, body plan",
       "--console",
       "E\n",
       {"SEPHIYE.TXT"},
       "Nothing was written; the result files of earlier runs are kept."},
      {"console, waterline",
       "--console",
       "H\nH\nH\ne\n",
       {},
       "Norvika.SON holds the report up to the displacement lines; SEPHIYE.TXT was not written."},
      {"console, waterline, earlier values",
       "--console",
       "H\nH\nH\nE\n",
       {"SEPHIYE.TXT"},
       "the result files of an earlier run were removed, as they belonged to another run: "
       "SEPHIYE.TXT."},
      {"console, waterline, earlier values and strength files",
       "--console",
       "H\nH\nH\nE\n",
       {"SEPHIYE.TXT", "MUKAVEMET.SON", "MUKAVEMET.TXT"},
       "the result files of an earlier run were removed, as they belonged to another run: "
       "SEPHIYE.TXT, MUKAVEMET.SON, MUKAVEMET.TXT."},
      {"desktop, stern contour", "--gui", "H\nE\n", {}, "Nothing was written"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TemporaryDirectory temp;
    const fs::path run = copyExample(temp, "box-barge/case2-trochoid-crest");
    for (const std::string& file : c.earlier) writeBytes(run / file, "AN EARLIER RUN\r\n");
    writeBytes(temp.path() / "answers.txt", c.answers);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const ProcessResult result = runNorvika(
        {c.frontEnd, "--answers", (temp.path() / "answers.txt").string(), "-C", run.string()});
    EXPECT_EQ(result.status, 3) << result.standardError;
    const std::string err = result.standardError;
    const std::string answer = c.answers.substr(c.answers.size() - 2, 1);
    EXPECT_NE(err.find("norvika: The run was ended by the answer \"" + answer + "\""),
              std::string::npos)
        << err;
    EXPECT_NE(err.find(c.told), std::string::npos) << err;
    for (const std::string& file : c.earlier) {
      EXPECT_EQ(fs::exists(run / file), c.answers.size() == 2) << file;
    }
  }
}

TEST(RunEnd, NegativeSectionAreasAreWarnedOnStandardError) {
  TemporaryDirectory temp;
  const fs::path run = copyExample(temp, "box-barge/case6-trimmed");
  // The first station's offsets on the far side of the centre line.
  std::string hull = fileBytes(run / "KUTU.DAT");
  const std::string first = "0\r\n0, 10, 1\r\n10, 10, 1\r\n";
  ASSERT_EQ(hull.find(first), hull.find('\n') + 1);
  hull.replace(hull.find(first), first.size(), "0\r\n0, -2, 1\r\n10, -2, 1\r\n");
  writeBytes(run / "KUTU.DAT", hull);
  ProcessResult result = runNorvikaBatch(run);
  EXPECT_EQ(result.status, 0);
  EXPECT_NE(
      result.standardError.find("norvika: UYARI: 1. POSTADA (0.000 m) KESIT ALANI NEGATIF: -"),
      std::string::npos)
      << result.standardError;

  TemporaryDirectory plain;
  result = runNorvikaBatch(copyExample(plain, "box-barge/case6-trimmed"));
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.standardError.find("UYARI"), std::string::npos) << result.standardError;
}

}  // namespace
