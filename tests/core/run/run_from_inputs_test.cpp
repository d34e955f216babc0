// Runs on inputs read or made before the run, their result files kept in the
// outcome alone: the same run as from the run directory's files, nothing on
// disc touched, the same results on many threads at once as one after
// another; and the file and line of every rejected input as values.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <future>
#include <regex>
#include <string>
#include <vector>

#include "model/hull_data_file.h"
#include "model/task_file.h"
#include "model/weights_file.h"
#include "platform/quiet_platform.h"
#include "run/calculation_driver.h"
#include "run_files.h"
#include "support/file_names.h"
#include "support/input_file.h"

namespace fs = std::filesystem;

namespace norvika {
namespace {

const fs::path kSourceDir = NORVIKA_SOURCE_DIR;

RunInputs inputsOf(const fs::path& directory) {
  RunInputs inputs{readTaskFile(directory), HullModel(), std::nullopt};
  inputs.hull =
      readHullDataFile(findIgnoringCase(inputs.task.directoryPrefix, inputs.task.hullFileName),
                       inputs.task.hullFileName);
  if (const auto weights = findWeightsFile(directory)) {
    inputs.weights =
        readWeightsFile(*weights, weights->filename().string(), inputs.task.shipLength);
  }
  return inputs;
}

RunSettings inOutcome() {
  RunSettings settings;
  settings.resultFiles = ResultFiles::InOutcome;
  return settings;
}

// Every result file of a run, by name, with its bytes.
std::string filesOf(const RunOutcome& outcome) {
  std::string text = "status " + std::to_string(static_cast<int>(outcome.reason)) + "\n";
  for (const WrittenFile& file : outcome.written) {
    text += std::string("== ") + resultName(file.kind) + "\n" + file.text;
  }
  return text;
}

std::vector<std::string> entriesOf(const fs::path& directory) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(directory)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

TEST(RunFromInputs, IsTheRunOfTheFilesAndWritesNothing) {
  const std::vector<fs::path> all = testing::runExamples(kSourceDir);
  ASSERT_GE(all.size(), 19u);
  for (const fs::path& example : all) {
    SCOPED_TRACE(example.string());
    testing::RunDirectory fromFiles, given;
    for (const auto& entry : fs::directory_iterator(example)) {
      fs::copy_file(entry.path(), fromFiles.path() / entry.path().filename());
      fs::copy_file(entry.path(), given.path() / entry.path().filename());
    }
    QuietPlatform filesPlatform(fromFiles.path());
    const RunOutcome read = runCalculation(filesPlatform);
    ASSERT_EQ(read.reason, ExitReason::Completed) << read.endingText();

    const std::vector<std::string> before = entriesOf(given.path());
    QuietPlatform givenPlatform(given.path());
    const RunOutcome taken = runCalculation(givenPlatform, inputsOf(given.path()), inOutcome());
    EXPECT_EQ(filesOf(taken), filesOf(read));
    EXPECT_EQ(entriesOf(given.path()), before);
    for (const WrittenFile& file : read.written) {
      EXPECT_EQ(testing::recordedText(file.path), file.text) << file.path;
    }
    EXPECT_EQ(taken.answers.size(), read.answers.size());
  }
}

TEST(RunFromInputs, ManyAtOnceGiveTheResultsOfOneAfterAnother) {
  const std::vector<fs::path> chosen = {
      kSourceDir / "examples/dtmb5415/strength-trochoid-crest",
      kSourceDir / "examples/dtmb5415/case7-heeled",
      kSourceDir / "examples/parabolic-hull/case3-trochoid-trough",
      kSourceDir / "examples/hard-chine/case4-sine-crest",
  };
  std::vector<RunInputs> inputs;
  std::vector<std::string> expected;
  for (const fs::path& example : chosen) {
    inputs.push_back(inputsOf(example));
    QuietPlatform platform(example);
    expected.push_back(filesOf(runCalculation(platform, inputs.back(), inOutcome())));
    ASSERT_NE(expected.back().find("status 0"), std::string::npos) << example;
  }
  constexpr int kThreads = 6;
  constexpr int kRunsEach = 8;
  std::vector<std::future<std::vector<std::string>>> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.push_back(std::async(std::launch::async, [&, t] {
      std::vector<std::string> results;
      for (int r = 0; r < kRunsEach; ++r) {
        const std::size_t which = static_cast<std::size_t>(t + r) % inputs.size();
        QuietPlatform platform(chosen[which]);
        results.push_back(filesOf(runCalculation(platform, inputs[which], inOutcome())));
      }
      return results;
    }));
  }
  for (int t = 0; t < kThreads; ++t) {
    const std::vector<std::string> results = threads[static_cast<std::size_t>(t)].get();
    for (int r = 0; r < kRunsEach; ++r) {
      const std::size_t which = static_cast<std::size_t>(t + r) % inputs.size();
      EXPECT_EQ(results[static_cast<std::size_t>(r)], expected[which])
          << "thread " << t << " run " << r << " " << chosen[which];
    }
  }
}

// Every broken input whose message names a line gives that line and its file
// as values; one that names no line gives the file alone.
TEST(RunFromInputs, RejectedInputsGiveTheirFileAndLine) {
  const std::regex atLine(R"(^(\S+) (\d+)\. SATIR: )");
  int withLine = 0;
  for (const auto& entry : fs::directory_iterator(kSourceDir / "tests/inputs/bad")) {
    const std::string expected = testing::recordedText(entry.path() / "expected");
    // Inputs too big for the tree are made by the test of the program's corpus, and inputs
    // refused only with their command line (a sweep on a case without a wave) are run there.
    if (expected.rfind("1\n", 0) != 0 || fs::exists(entry.path() / "generated") ||
        fs::exists(entry.path() / "arguments")) {
      continue;
    }
    SCOPED_TRACE(entry.path().filename().string());
    testing::RunDirectory run;
    fs::copy(entry.path(), run.path(),
             fs::copy_options::recursive | fs::copy_options::copy_symlinks);
    QuietPlatform platform(run.path());
    const RunOutcome outcome = runCalculation(platform);
    ASSERT_EQ(outcome.reason, ExitReason::InputError);
    std::smatch match;
    if (std::regex_search(outcome.message, match, atLine)) {
      ASSERT_TRUE(outcome.place.has_value());
      EXPECT_EQ(outcome.place->line, std::stoi(match[2]));
      EXPECT_EQ(fs::path(outcome.place->file).filename().string(), match[1].str());
      EXPECT_TRUE(fs::path(outcome.place->file).is_absolute()) << outcome.place->file;
      ++withLine;
    } else if (outcome.place) {
      EXPECT_EQ(outcome.place->line, 0);
      // The message shows the name printably (a control character as "?");
      // the place keeps it as it was opened.
      EXPECT_NE(
          outcome.message.find(printableText(fs::path(outcome.place->file).filename().string())),
          std::string::npos)
          << outcome.message;
    } else {
      // The weights' total against the task: two files, no line.
      EXPECT_NE(outcome.message.find("TOPLAM AGIRLIK"), std::string::npos) << outcome.message;
    }
  }
  EXPECT_GE(withLine, 50);
}

}  // namespace
}  // namespace norvika
