// Every input of the corpus under tests/inputs/bad runs through the program in
// batch mode. A rejected input or a stopped calculation must end with its
// status and its one message, leaving the results of an earlier run
// untouched; an accepted oddity (CR line ends, Turkish letters, a hull file
// name in another case) must run to the end and write both result files (and,
// in a case named for its weights, the strength files).
//
// A case directory holds the task file and the hull file as the program finds
// them (either may be missing, or be a directory), and `expected`: the exit
// status on the first line, the first line of standard error on the second,
// with {DIR} standing for the run directory. Optional files:
//   generated   lines "FILE LINE COUNT TEXT": line LINE of FILE becomes TEXT
//               repeated COUNT times (inputs too big to keep in the tree).
//   arguments   options given after --batch, one a line (--sweep N).
// No case is timed: a shared machine is too noisy for that. A run still going
// after kHangGuardSeconds has hung, and is killed.

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

const std::string kOldReport = "AN EARLIER REPORT\r\n\x01\x02\xff kept byte for byte\r\n";

struct Expected {
  int status = -1;
  std::string message;
};

Expected readExpected(const fs::path& caseDirectory) {
  Expected expected;
  std::ifstream in(caseDirectory / "expected", std::ios::binary);
  std::string status;
  std::getline(in, status);
  std::getline(in, expected.message);
  expected.status = status.empty() ? -1 : std::stoi(status);
  return expected;
}

std::string replacedAll(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

// Applies the `generated` lines of a case to its copy in `run`.
void generateLargeLines(const fs::path& run) {
  std::ifstream list(run / "generated");
  std::string file;
  std::size_t lineNumber = 0, count = 0;
  std::string text;
  while (list >> file >> lineNumber >> count >> text) {
    std::string bytes = fileBytes(run / file);
    std::size_t begin = 0;
    for (std::size_t line = 1; line < lineNumber; ++line) begin = bytes.find('\n', begin) + 1;
    const std::size_t end = std::min(bytes.find('\n', begin), bytes.size());
    std::string repeated;
    repeated.reserve(text.size() * count);
    for (std::size_t i = 0; i < count; ++i) repeated += text;
    bytes.replace(begin, end - begin, repeated);
    writeBytes(run / file, bytes);
  }
  fs::remove(run / "generated");
}

std::vector<fs::path> corpusCases() {
  std::vector<fs::path> cases;
  for (const auto& entry :
       fs::directory_iterator(fs::path(NORVIKA_SOURCE_DIR) / "tests/inputs/bad")) {
    if (entry.is_directory()) cases.push_back(entry.path());
  }
  std::sort(cases.begin(), cases.end());
  return cases;
}

// The case `source` copied to `run` as the program is to find it, with an
// earlier report and strength report there; the arguments of its batch run.
std::vector<std::string> preparedRun(const fs::path& source, const fs::path& run) {
  fs::copy(source, run, fs::copy_options::recursive | fs::copy_options::copy_symlinks);
  fs::remove(run / "expected");
  if (fs::exists(run / "generated")) generateLargeLines(run);
  writeBytes(run / "Norvika.SON", kOldReport);
  writeBytes(run / "MUKAVEMET.SON", kOldReport);

  std::vector<std::string> arguments = {"--batch"};
  if (fs::exists(run / "arguments")) {
    std::ifstream list(run / "arguments");
    for (std::string argument; std::getline(list, argument);) arguments.push_back(argument);
    fs::remove(run / "arguments");
  }
  arguments.insert(arguments.end(), {"-C", run.string()});
  return arguments;
}

TEST(BadInput, EveryCaseOfTheCorpusEndsCleanly) {
  const std::vector<fs::path> cases = corpusCases();
  ASSERT_GE(cases.size(), 40u);
  for (const fs::path& source : cases) {
    const std::string name = source.filename().string();
    SCOPED_TRACE(name);
    const Expected expected = readExpected(source);
    ASSERT_GE(expected.status, 0) << "no expected status";

    TemporaryDirectory temporary;
    const fs::path run = temporary.path() / "run";
    const ProcessResult result = runNorvika(preparedRun(source, run));

    ASSERT_FALSE(result.killed) << "still running after " << kHangGuardSeconds << " s";
    EXPECT_EQ(result.signal, 0) << result.standardError;
    EXPECT_EQ(result.status, expected.status) << result.standardError;
    EXPECT_EQ(result.firstErrorLine(), replacedAll(expected.message, "{DIR}", run.string()));
    if (expected.status == 0) {
      EXPECT_EQ(fileBytes(run / "Norvika.SON").rfind("\r\n SEPHIYE HESABI - BASLAMA", 0), 0u)
          << "the report was not written";
      EXPECT_TRUE(fs::is_regular_file(run / "SEPHIYE.TXT"));
      // With weights the run writes its own strength report; without, an
      // earlier one does not belong beside this run's report.
      if (name.find("weights") != std::string::npos) {
        EXPECT_EQ(fileBytes(run / "MUKAVEMET.SON").rfind("\r\n BOYUNA MUKAVEMET HESABI", 0), 0u);
      } else {
        EXPECT_FALSE(fs::exists(run / "MUKAVEMET.SON"));
      }
      EXPECT_EQ(fs::exists(run / "TARAMA.TXT"), name.find("sweep") != std::string::npos);
    } else {
      EXPECT_EQ(fileBytes(run / "Norvika.SON"), kOldReport) << "the earlier report was touched";
      EXPECT_EQ(fileBytes(run / "MUKAVEMET.SON"), kOldReport)
          << "the earlier strength report was touched";
      EXPECT_FALSE(fs::exists(run / "SEPHIYE.TXT"));
      EXPECT_FALSE(fs::exists(run / "TARAMA.TXT"));
    }
  }
}

// The corpus again in English: each case ends as in Turkish, and its message
// names the same file, line and values in the same order, in no Turkish word.
TEST(BadInput, EveryMessageInEnglishKeepsItsNumbers) {
  const std::set<std::string> turkish = testing::turkishOnlyWords();
  for (const fs::path& source : corpusCases()) {
    SCOPED_TRACE(source.filename().string());
    const Expected expected = readExpected(source);
    TemporaryDirectory temporary;
    const fs::path run = temporary.path() / "run";
    std::vector<std::string> arguments = preparedRun(source, run);
    arguments.insert(arguments.begin(), {"--language", "en"});
    const ProcessResult result = runNorvika(arguments);

    EXPECT_EQ(result.status, expected.status) << result.standardError;
    testing::expectSameMessageInEnglish(
        result.firstErrorLine(), replacedAll(expected.message, "{DIR}", run.string()), turkish);
  }
}

}  // namespace
}  // namespace norvika::apptest
