// The draft search's every step, bit for bit: for each example hull and case
// from several initial drafts, the draft, the step and the displacement of
// every iteration, written as exact hexadecimal floating point. A change that
// moves any of them by one bit (a reordered sum, a cached value that is not
// the same) shows here, before it shows in the third decimal of a report.
//
// NORVIKA_UPDATE_GOLDEN=1 rewrites the record (only after checking the change
// is wanted).

#include <gtest/gtest.h>

#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "calculation/displacement_balance.h"
#include "model/hull_data_file.h"
#include "model/task_file.h"
#include "support/file_names.h"

namespace fs = std::filesystem;

namespace norvika {
namespace {

const fs::path kSourceDir = NORVIKA_SOURCE_DIR;

std::string hex(double v) {
  char buffer[40];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::hex).ptr;
  return std::string(buffer, end);
}

// Every search of one example's case from the initial drafts given.
std::string searchHistory(const std::string& example, const std::vector<double>& startDrafts) {
  std::ostringstream record;
  const fs::path directory = kSourceDir / "examples" / example;
  TaskParameters task = readTaskFile(directory);
  HullModel hull =
      readHullDataFile(findIgnoringCase(directory, task.hullFileName), task.hullFileName);
  computeHullExtents(hull);
  for (const double start : startDrafts) {
    task.initialDraft = start;
    record << example << " from " << hex(start) << '\n';
    int iteration = 0;
    const Balance balance = balanceDisplacement(task, hull, [&](const Balance& state) {
      record << ++iteration << ' ' << hex(state.meanDraft) << ' ' << hex(state.draftStep) << ' '
             << hex(state.immersion.displacement) << '\n';
    });
    record << "end " << static_cast<int>(balance.outcome.stop) << ' ' << hex(balance.meanDraft)
           << ' ' << hex(balance.immersion.displacement) << '\n';
    for (int st = 1; st <= hull.stationCount; ++st) {
      record << hex(balance.immersion.stationArea(st)) << ' ';
    }
    record << '\n';
    // The history the search keeps is the one it told step by step.
    EXPECT_EQ(static_cast<int>(balance.history.size()), iteration) << example;
  }
  return record.str();
}

TEST(BalanceHistory, EveryIterationOfEverySearchBitForBit) {
  // The examples' own initial drafts, the keel, a start below the search's
  // end step, and starts far above the balance.
  const struct {
    const char* example;
    std::vector<double> starts;
  } cases[] = {
      {"box-barge/case1-level", {4.0, 0.0, 0.0009, 9.0}},
      {"box-barge/case2-trochoid-crest", {4.0, 0.0, 8.0}},
      {"box-barge/case3-trochoid-trough", {4.0, 0.0, 8.0}},
      {"box-barge/case4-sine-crest", {4.0, 0.0, 8.0}},
      {"box-barge/case5-sine-trough", {4.0, 0.0, 8.0}},
      {"box-barge/case6-trimmed", {0.0}},
      {"parabolic-hull/case1-level", {3.0, 0.0, 12.0}},
      {"parabolic-hull/case2-trochoid-crest", {3.0, 0.0}},
      {"parabolic-hull/case3-trochoid-trough", {3.0, 0.0}},
      {"parabolic-hull/case6-trimmed", {0.0}},
      {"dtmb5415/case1-level", {5.0, 0.0, 0.0005, 12.0}},
      {"dtmb5415/case2-trochoid-crest", {5.0, 0.0, 10.0}},
      {"dtmb5415/case3-trochoid-trough", {5.0, 0.0}},
      {"dtmb5415/case6-trimmed", {0.0}},
      {"hard-chine/case1-level", {1.0, 0.0, 2.5}},
      {"hard-chine/case4-sine-crest", {1.0, 0.0}},
      {"hard-chine/case6-trimmed", {0.0}},
  };
  std::string history;
  for (const auto& c : cases) history += searchHistory(c.example, c.starts);

  const fs::path golden = kSourceDir / "tests/golden/balance-history.txt";
  if (std::getenv("NORVIKA_UPDATE_GOLDEN") != nullptr) {
    std::ofstream(golden, std::ios::binary) << history;
    return;
  }
  std::ifstream in(golden, std::ios::binary);
  ASSERT_TRUE(in) << golden;
  std::ostringstream recorded;
  recorded << in.rdbuf();
  // Compared line by line, to name the first search and iteration that moved.
  std::istringstream now(history), then(recorded.str());
  std::string lineNow, lineThen, search;
  for (int line = 1; std::getline(then, lineThen); ++line) {
    if (lineThen.find(" from ") != std::string::npos) search = lineThen;
    ASSERT_TRUE(std::getline(now, lineNow)) << "history ends early, in " << search;
    ASSERT_EQ(lineNow, lineThen) << "line " << line << " of " << search;
  }
  EXPECT_FALSE(std::getline(now, lineNow)) << "history goes on: " << lineNow;
}

}  // namespace
}  // namespace norvika
