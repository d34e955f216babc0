// Whole runs of every shipped example against committed golden records: the two
// result files byte for byte, every question and message box, the text printed
// on the windows and the display list of every finished drawing (drawing_record.h).
// Any change in the run's output shows up here, whatever moved in the code.
//
// NORVIKA_UPDATE_GOLDEN=1 rewrites the records; see tests/README.md for reading
// the change before keeping it.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "drawing_record.h"
#include "language_words.h"
#include "platform/recording_platform.h"
#include "run/calculation_driver.h"
#include "run_files.h"
#include "words/language.h"

namespace fs = std::filesystem;

namespace norvika {
namespace {

const fs::path kSourceDir = NORVIKA_SOURCE_DIR;
const fs::path kGoldenDir = kSourceDir / "tests" / "golden";

struct RunRecord {
  std::string status, dialogue, printed, frames, report, values, strengthReport, strengthTable,
      sweepTable;
};

RunRecord runExample(const fs::path& example, const RunSettings& settings = {}) {
  testing::RunDirectory run;
  for (const auto& entry : fs::directory_iterator(example)) {
    fs::copy_file(entry.path(), run.path() / entry.path().filename());
  }
  RecordingPlatform platform(run.path());
  testing::DrawingRecord drawings;
  platform.observeWindows(&drawings);
  RunRecord record;
  const RunOutcome outcome = runCalculation(platform, settings);
  record.status = std::to_string(static_cast<int>(outcome.reason)) + ' ' + outcome.message + '\n';
  std::ostringstream dialogue;
  for (const auto& q : platform.questions()) {
    dialogue << "Q [" << q.title << "] " << q.prompt << " <" << q.defaultText << "> @" << q.xTwips
             << ',' << q.yTwips << '\n';
  }
  for (const auto& m : platform.messages()) {
    dialogue << "M [" << m.title << "] " << m.style << ' ' << m.text << '\n';
  }
  record.dialogue = dialogue.str();
  record.printed = drawings.printed();
  record.frames = drawings.text();
  record.report = run.read("Norvika.SON");
  record.values = run.exists("SEPHIYE.TXT") ? run.read("SEPHIYE.TXT") : "<missing>";
  // Only the examples with a weights file have the strength files.
  if (run.exists("MUKAVEMET.SON")) record.strengthReport = run.read("MUKAVEMET.SON");
  if (run.exists("MUKAVEMET.TXT")) record.strengthTable = run.read("MUKAVEMET.TXT");
  if (run.exists("TARAMA.TXT")) record.sweepTable = run.read("TARAMA.TXT");
  // The temporary run directory differs from run to run; the record names it {DIR}.
  for (std::string* text :
       {&record.dialogue, &record.printed, &record.report, &record.strengthReport}) {
    for (std::size_t at; (at = text->find(run.path().string())) != std::string::npos;) {
      text->replace(at, run.path().string().size(), "{DIR}");
    }
  }
  return record;
}

std::vector<std::string> exampleNames() {
  std::vector<std::string> names;
  for (const fs::path& run : testing::runExamples(kSourceDir)) {
    names.push_back(run.parent_path().filename().string() + "/" + run.filename().string());
  }
  return names;
}

// The text against its record, or the record rewritten from it.
void checkRecorded(const fs::path& record, const std::string& text, bool update) {
  if (update) {
    fs::create_directories(record.parent_path());
    std::ofstream(record, std::ios::binary) << text;
  } else {
    EXPECT_EQ(testing::firstDifference(text, testing::recordedText(record)), "")
        << "golden " << record.string();
  }
}

TEST(GoldenRuns, EveryExampleGivesItsRecordedOutput) {
  const bool update = std::getenv("NORVIKA_UPDATE_GOLDEN") != nullptr;
  const std::vector<std::string> names = exampleNames();
  ASSERT_GE(names.size(), 19u);
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    const RunRecord record = runExample(kSourceDir / "examples" / name);
    const fs::path golden = kGoldenDir / name;
    const std::vector<std::pair<std::string, const std::string*>> parts = {
        {"status", &record.status},
        {"dialogue", &record.dialogue},
        {"printed", &record.printed},
        {"frames", &record.frames},
        {"Norvika.SON", &record.report},
        {"SEPHIYE.TXT", &record.values},
        {"MUKAVEMET.SON", &record.strengthReport},
        {"MUKAVEMET.TXT", &record.strengthTable}};
    for (const auto& [file, text] : parts) {
      const bool strengthFile = file.rfind("MUKAVEMET", 0) == 0;
      if (strengthFile && text->empty() && !fs::exists(golden / file)) continue;
      checkRecorded(golden / file, *text, update);
    }
  }
}

// The crest sweeps of the strength examples: the strength files, the sweep's
// table and the drawing, recorded beside the example's own run.
TEST(GoldenRuns, SweepsGiveTheirRecordedOutput) {
  const bool update = std::getenv("NORVIKA_UPDATE_GOLDEN") != nullptr;
  for (const char* name :
       {"dtmb5415/strength-trochoid-crest", "dtmb5415/strength-trochoid-trough"}) {
    SCOPED_TRACE(name);
    RunSettings settings;
    settings.sweepPositions = 40;
    const RunRecord record = runExample(kSourceDir / "examples" / name, settings);
    const fs::path golden = kGoldenDir / name / "sweep-40";
    for (const auto& [file, text] :
         {std::pair{"status", &record.status}, std::pair{"frames", &record.frames},
          std::pair{"MUKAVEMET.SON", &record.strengthReport},
          std::pair{"TARAMA.TXT", &record.sweepTable}}) {
      checkRecorded(golden / file, *text, update);
    }
  }
}

// The first line of a file, without its line end; empty if there is none.
std::string firstLineOf(const fs::path& path) {
  std::ifstream in(path);
  std::string line;
  std::getline(in, line);
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

// Every example again in English: the same numbers in the reports, the
// equally spaced values, the strength and sweep tables, the stops, the
// questions and the windows' text, and not one Turkish word anywhere,
// drawings included; the English reports, stops and questions recorded.
TEST(GoldenRuns, EveryExampleInEnglishGivesTheSameNumbersAndNoTurkishWord) {
  const bool update = std::getenv("NORVIKA_UPDATE_GOLDEN") != nullptr;
  const std::set<std::string> turkish = testing::turkishOnlyWords();
  ASSERT_GT(turkish.size(), 50u);
  // A strength example runs again with a short crest sweep (on still water, a refusal).
  RunSettings swept;
  swept.sweepPositions = 7;
  std::vector<std::pair<std::string, RunSettings>> runs;
  for (const std::string& name : exampleNames()) {
    runs.push_back({name, {}});
    if (fs::exists(kSourceDir / "examples" / name / "Norvika.AGR")) runs.push_back({name, swept});
  }
  for (const auto& [name, settings] : runs) {
    SCOPED_TRACE(name + (settings.sweepPositions > 0 ? " with a sweep" : ""));
    const RunRecord inTurkish = runExample(kSourceDir / "examples" / name, settings);
    LanguageScope english(Language::English);
    const RunRecord inEnglish = runExample(kSourceDir / "examples" / name, settings);
    EXPECT_EQ(inEnglish.status.substr(0, 2), inTurkish.status.substr(0, 2));
    for (const auto& [part, tr, en] :
         {std::tuple{"Norvika.SON", &inTurkish.report, &inEnglish.report},
          std::tuple{"SEPHIYE.TXT", &inTurkish.values, &inEnglish.values},
          std::tuple{"MUKAVEMET.SON", &inTurkish.strengthReport, &inEnglish.strengthReport},
          std::tuple{"MUKAVEMET.TXT", &inTurkish.strengthTable, &inEnglish.strengthTable},
          std::tuple{"TARAMA.TXT", &inTurkish.sweepTable, &inEnglish.sweepTable},
          std::tuple{"status", &inTurkish.status, &inEnglish.status},
          std::tuple{"dialogue", &inTurkish.dialogue, &inEnglish.dialogue},
          std::tuple{"printed", &inTurkish.printed, &inEnglish.printed}}) {
      EXPECT_EQ(testing::numbersIn(*en), testing::numbersIn(*tr)) << part;
    }
    // The English reports and messages are recorded too, to be read as the Turkish ones are.
    const fs::path golden = kGoldenDir / name / (settings.sweepPositions > 0 ? "en-sweep-7" : "en");
    for (const auto& [file, text] :
         {std::pair{"status", &inEnglish.status}, std::pair{"dialogue", &inEnglish.dialogue},
          std::pair{"Norvika.SON", &inEnglish.report},
          std::pair{"MUKAVEMET.SON", &inEnglish.strengthReport}}) {
      if (!text->empty() || fs::exists(golden / file)) checkRecorded(golden / file, *text, update);
    }
    // The result files keep their names in every language (SEPHIYE.TXT).
    const std::regex fileName("[A-Za-z]+\\.(TXT|SON)");
    for (const std::string* said :
         {&inEnglish.status, &inEnglish.report, &inEnglish.values, &inEnglish.strengthReport,
          &inEnglish.dialogue, &inEnglish.printed, &inEnglish.frames}) {
      std::string text = std::regex_replace(*said, fileName, "");
      // The weights file's title is the user's own words, in the user's language.
      if (const std::string title = firstLineOf(kSourceDir / "examples" / name / "Norvika.AGR");
          !title.empty()) {
        for (std::size_t at; (at = text.find(title)) != std::string::npos;)
          text.erase(at, title.size());
      }
      for (const std::string& w : testing::turkishWordsIn(text, turkish)) {
        ADD_FAILURE() << "Turkish word '" << w << "' in:\n" << text;
      }
    }
  }
}

}  // namespace
}  // namespace norvika
