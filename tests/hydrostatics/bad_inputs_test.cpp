// Every case of the corpus under tests/inputs/hydrostatics-bad runs through
// norvika-hydrostatics as a script would run it. A refused input must end with
// status 1 and its one message, leaving an earlier HIDROSTATIK.SON untouched
// and writing nothing; an accepted case writes all three files.
//
// A case directory holds the task and hull files as the program finds them
// (either may be missing), `expected` (the exit status, then the first line of
// standard error with {DIR} for the run directory) and, when the case needs
// them, `arguments`: the arguments after "-C DIR", one a line.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "language_words.h"
#include "norvika_process.h"

namespace norvika::apptest {
namespace {

namespace fs = std::filesystem;

const std::string kOldReport = "AN EARLIER HYDROSTATICS REPORT\r\n\x01\xff kept byte for byte\r\n";
const char* const kResultFiles[] = {"HIDROSTATIK.SON", "HIDROSTATIK.TXT", "BONJEAN.TXT"};

std::string replacedAll(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

std::vector<std::string> linesOf(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Files the run left that no run should: hidden temporary files.
std::vector<std::string> leftovers(const fs::path& run) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(run)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind('.', 0) == 0) names.push_back(name);
  }
  return names;
}

std::vector<fs::path> corpusCases() {
  std::vector<fs::path> cases;
  for (const auto& entry :
       fs::directory_iterator(fs::path(NORVIKA_SOURCE_DIR) / "tests/inputs/hydrostatics-bad")) {
    cases.push_back(entry.path());
  }
  std::sort(cases.begin(), cases.end());
  return cases;
}

// The case `source` copied to `run` as the program is to find it, with an
// earlier report there; the arguments of its run.
std::vector<std::string> preparedRun(const fs::path& source, const fs::path& run) {
  fs::copy(source, run, fs::copy_options::recursive);
  fs::remove(run / "expected");
  // The run directory is the copy, unless the case names its own.
  std::vector<std::string> arguments;
  if (fs::exists(run / "arguments")) {
    for (const std::string& a : linesOf(run / "arguments")) {
      arguments.push_back(replacedAll(a, "{DIR}", run.string()));
    }
    fs::remove(run / "arguments");
  }
  if (std::find(arguments.begin(), arguments.end(), "-C") == arguments.end()) {
    arguments.insert(arguments.begin(), {"-C", run.string()});
  }
  writeBytes(run / "HIDROSTATIK.SON", kOldReport);
  return arguments;
}

TEST(HydrostaticsBadInput, EveryCaseOfTheCorpusEndsCleanly) {
  const std::vector<fs::path> cases = corpusCases();
  ASSERT_GE(cases.size(), 20u);
  for (const fs::path& source : cases) {
    SCOPED_TRACE(source.filename().string());
    const std::vector<std::string> expected = linesOf(source / "expected");
    ASSERT_EQ(expected.size(), 2u);

    TemporaryDirectory temporary;
    const fs::path run = temporary.path() / "run";
    const ProcessResult result = runProgram(NORVIKA_HYDROSTATICS_BINARY, preparedRun(source, run));

    ASSERT_FALSE(result.killed) << "still running after " << kHangGuardSeconds << " s";
    EXPECT_EQ(result.signal, 0) << result.standardError;
    EXPECT_EQ(result.status, std::stoi(expected[0])) << result.standardError;
    EXPECT_EQ(result.firstErrorLine(), replacedAll(expected[1], "{DIR}", run.string()));
    if (result.status == 0) {
      EXPECT_EQ(fileBytes(run / "HIDROSTATIK.SON").rfind("\r\n HIDROSTATIK HESAP - BASLAMA", 0),
                0u);
      for (const char* file : kResultFiles) EXPECT_TRUE(fs::is_regular_file(run / file)) << file;
    } else {
      EXPECT_EQ(fileBytes(run / "HIDROSTATIK.SON"), kOldReport) << "the earlier report was touched";
      EXPECT_FALSE(fs::exists(run / "HIDROSTATIK.TXT"));
      EXPECT_FALSE(fs::exists(run / "BONJEAN.TXT"));
    }
    EXPECT_TRUE(leftovers(run).empty()) << leftovers(run).front();
  }
}

// The corpus again in English: each case ends as in Turkish, and its message
// gives the same numbers in the same order, in no Turkish word.
TEST(HydrostaticsBadInput, EveryMessageInEnglishKeepsItsNumbers) {
  const std::set<std::string> turkish = testing::turkishOnlyWords();
  for (const fs::path& source : corpusCases()) {
    SCOPED_TRACE(source.filename().string());
    const std::vector<std::string> expected = linesOf(source / "expected");
    TemporaryDirectory temporary;
    const fs::path run = temporary.path() / "run";
    std::vector<std::string> arguments = preparedRun(source, run);
    arguments.insert(arguments.begin(), {"--language", "en"});
    const ProcessResult result = runProgram(NORVIKA_HYDROSTATICS_BINARY, arguments);

    EXPECT_EQ(result.status, std::stoi(expected.at(0))) << result.standardError;
    testing::expectSameMessageInEnglish(
        result.firstErrorLine(), replacedAll(expected.at(1), "{DIR}", run.string()), turkish);
  }
}

}  // namespace
}  // namespace norvika::apptest
