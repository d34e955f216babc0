// Whole runs of every shipped example against committed golden records: the two
// result files byte for byte, every question and message box, the text printed
// on the windows and a fingerprint of every finished drawing. Any change in the
// run's output shows up here, whatever moved in the code.
//
// NORVIKA_UPDATE_GOLDEN=1 rewrites the records (only after checking the change
// is wanted).

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "frame_fingerprints.h"
#include "platform/recording_platform.h"
#include "run/calculation_driver.h"
#include "run_files.h"

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
  testing::FrameFingerprints fingerprints;
  platform.observeWindows(&fingerprints);
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
  record.printed = fingerprints.printed();
  record.frames = fingerprints.text();
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
    EXPECT_EQ(text, testing::recordedText(record)) << "golden " << record.string();
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

}  // namespace
}  // namespace norvika
