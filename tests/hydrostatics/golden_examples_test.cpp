// Every example of norvika-hydrostatics (an example directory holding
// norvika-hydrostatics.args, its arguments one a line) run with its arguments
// against committed golden records: the three result files byte for byte and the
// display lists of both drawings (drawing_record.h).
//
// NORVIKA_UPDATE_GOLDEN=1 rewrites the records; see tests/README.md for reading
// the change before keeping it.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "drawing_record.h"
#include "hydrostatics/hydrostatics_front_end.h"
#include "language_words.h"
#include "platform/recording_platform.h"
#include "run_files.h"

namespace norvika {
namespace {

namespace fs = std::filesystem;

const fs::path kSourceDir = NORVIKA_SOURCE_DIR;

struct ExampleRun {
  testing::RunDirectory directory;
  HydrostaticsRun run;
  std::string frames;
};

void runExample(const std::string& name, ExampleRun& example,
                const std::vector<std::string>& more = {}) {
  const fs::path source = kSourceDir / "examples" / name;
  for (const auto& entry : fs::directory_iterator(source)) {
    fs::copy_file(entry.path(), example.directory.path() / entry.path().filename());
  }
  std::string error;
  std::vector<std::string> args = testing::fileLines(source / "norvika-hydrostatics.args");
  args.insert(args.end(), more.begin(), more.end());
  const auto options = parseHydrostaticsOptions(args, error);
  ASSERT_TRUE(options) << error;
  RecordingPlatform platform(example.directory.path());
  testing::DrawingRecord drawings;
  platform.observeWindows(&drawings);
  const LanguageScope language(options->language.value_or(Language::Turkish));
  example.run = runHydrostatics(platform, hydrostaticsSettings(*options, true));
  example.frames = drawings.text();
}

TEST(HydrostaticsGolden, EveryExampleGivesItsRecordedFilesAndDrawings) {
  const bool update = std::getenv("NORVIKA_UPDATE_GOLDEN") != nullptr;
  const std::vector<std::string> names =
      testing::examplesWith(kSourceDir, "norvika-hydrostatics.args");
  ASSERT_GE(names.size(), 3u);
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    ExampleRun example;
    runExample(name, example);
    const fs::path golden = kSourceDir / "tests" / "golden" / name;
    const std::pair<std::string, std::string> parts[] = {
        {"HIDROSTATIK.SON", example.directory.read("HIDROSTATIK.SON")},
        {"HIDROSTATIK.TXT", example.directory.read("HIDROSTATIK.TXT")},
        {"BONJEAN.TXT", example.directory.read("BONJEAN.TXT")},
        {"frames", example.frames}};
    for (const auto& [file, text] : parts) {
      if (update) {
        fs::create_directories(golden);
        std::ofstream(golden / file, std::ios::binary) << text;
      } else {
        EXPECT_EQ(testing::firstDifference(text, testing::recordedText(golden / file)), "")
            << "golden " << (golden / file).string();
      }
    }
    EXPECT_EQ(example.run.report, example.directory.read("HIDROSTATIK.SON"));
  }
}

// Every example again with --language en: the same numbers in the files and the
// drawings, and not one Turkish word in the report or on the drawings; the English
// report recorded.
TEST(HydrostaticsGolden, EveryExampleInEnglishGivesTheSameNumbersAndNoTurkishWord) {
  const bool update = std::getenv("NORVIKA_UPDATE_GOLDEN") != nullptr;
  const std::set<std::string> turkish = testing::turkishOnlyWords();
  for (const std::string& name : testing::examplesWith(kSourceDir, "norvika-hydrostatics.args")) {
    SCOPED_TRACE(name);
    ExampleRun inTurkish;
    runExample(name, inTurkish);
    ExampleRun inEnglish;
    runExample(name, inEnglish, {"--language", "en"});
    const fs::path golden = kSourceDir / "tests" / "golden" / name / "en" / "HIDROSTATIK.SON";
    if (update) {
      fs::create_directories(golden.parent_path());
      std::ofstream(golden, std::ios::binary) << inEnglish.run.report;
    } else {
      EXPECT_EQ(testing::firstDifference(inEnglish.run.report, testing::recordedText(golden)), "")
          << "golden " << golden.string();
    }
    for (const char* file : {"HIDROSTATIK.SON", "HIDROSTATIK.TXT", "BONJEAN.TXT"}) {
      EXPECT_EQ(testing::numbersIn(inEnglish.directory.read(file)),
                testing::numbersIn(inTurkish.directory.read(file)))
          << file;
    }
    EXPECT_EQ(testing::numbersIn(testing::drawnTexts(inEnglish.frames)),
              testing::numbersIn(testing::drawnTexts(inTurkish.frames)));
    for (const std::string* said : {&inEnglish.run.report, &inEnglish.frames}) {
      for (const std::string& w : testing::turkishWordsIn(*said, turkish)) {
        ADD_FAILURE() << "Turkish word '" << w << "' in:\n" << *said;
      }
    }
  }
}

// The DTMB 5415's published displacement volume at its design draft of 6.15 m
// is 8424.4 m3; the example's 41 stations hold it within half a per cent.
TEST(HydrostaticsGolden, DtmbExampleHoldsThePublishedVolumeAtItsDesignDraft) {
  ExampleRun example;
  runExample("dtmb5415/hydrostatics", example);
  const auto at = std::find_if(example.run.table.rows.begin(), example.run.table.rows.end(),
                               [](const HydrostaticRow& row) { return row.draft == 6.15; });
  ASSERT_NE(at, example.run.table.rows.end());
  EXPECT_NEAR(at->volume, 8424.4, 0.005 * 8424.4);
}

}  // namespace
}  // namespace norvika
