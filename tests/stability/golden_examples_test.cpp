// Every example of norvika-stability (an example directory holding
// norvika-stability.args, its arguments one a line) run with its arguments
// against committed golden records: the three result files byte for byte and the
// display lists of both drawings (drawing_record.h); in English too.
//
// NORVIKA_UPDATE_GOLDEN=1 rewrites the records (only after checking the change
// is wanted).

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "drawing_record.h"
#include "language_words.h"
#include "platform/recording_platform.h"
#include "run_files.h"
#include "stability/stability_options.h"

namespace norvika {
namespace {

namespace fs = std::filesystem;

const fs::path kSourceDir = NORVIKA_SOURCE_DIR;

// The example's run with `more` arguments, its drawings recorded in `frames`.
StabilityRun runExample(const std::string& name, const testing::RunDirectory& directory,
                        std::string* frames = nullptr, const std::vector<std::string>& more = {}) {
  const fs::path source = kSourceDir / "examples" / name;
  for (const auto& entry : fs::directory_iterator(source)) {
    fs::copy_file(entry.path(), directory.path() / entry.path().filename());
  }
  std::string error;
  std::vector<std::string> args = testing::fileLines(source / "norvika-stability.args");
  args.insert(args.end(), more.begin(), more.end());
  const auto options = parseStabilityOptions(args, error);
  EXPECT_TRUE(options) << error;
  const LanguageScope language(options ? options->language.value_or(Language::Turkish)
                                       : Language::Turkish);
  RecordingPlatform platform(directory.path());
  testing::DrawingRecord drawings;
  platform.observeWindows(&drawings);
  StabilitySettings settings = options ? options->settings : StabilitySettings{};
  settings.draw = frames != nullptr;
  StabilityRun run = runStability(platform, settings);
  if (frames != nullptr) *frames = drawings.text();
  return run;
}

TEST(StabilityGolden, EveryExampleGivesItsRecordedFilesAndDrawings) {
  const bool update = std::getenv("NORVIKA_UPDATE_GOLDEN") != nullptr;
  const std::vector<std::string> names =
      testing::examplesWith(kSourceDir, "norvika-stability.args");
  ASSERT_GE(names.size(), 2u);
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    testing::RunDirectory directory;
    std::string frames;
    const StabilityRun run = runExample(name, directory, &frames);
    ASSERT_EQ(run.reason, ExitReason::Completed) << run.message;
    const fs::path golden = kSourceDir / "tests" / "golden" / name;
    const std::pair<std::string, std::string> parts[] = {
        {"STABILITE.SON", directory.read("STABILITE.SON")},
        {"KN.TXT", directory.read("KN.TXT")},
        {"GZ.TXT", directory.read("GZ.TXT")},
        {"frames", frames}};
    for (const auto& [file, text] : parts) {
      if (update) {
        fs::create_directories(golden);
        std::ofstream(golden / file, std::ios::binary) << text;
      } else {
        EXPECT_EQ(testing::firstDifference(text, testing::recordedText(golden / file)), "")
            << "golden " << (golden / file).string();
      }
    }
    EXPECT_EQ(run.report, directory.read("STABILITE.SON"));
  }
}

// Every example again with --language en: the same numbers in the files and on the
// drawings, and not one Turkish word in the report or on the drawings; the English
// report recorded.
TEST(StabilityGolden, EveryExampleInEnglishGivesTheSameNumbersAndNoTurkishWord) {
  const bool update = std::getenv("NORVIKA_UPDATE_GOLDEN") != nullptr;
  const std::set<std::string> turkish = testing::turkishOnlyWords();
  for (const std::string& name : testing::examplesWith(kSourceDir, "norvika-stability.args")) {
    SCOPED_TRACE(name);
    testing::RunDirectory inTurkish;
    std::string turkishFrames;
    runExample(name, inTurkish, &turkishFrames);
    testing::RunDirectory inEnglish;
    std::string englishFrames;
    const StabilityRun run = runExample(name, inEnglish, &englishFrames, {"--language", "en"});
    ASSERT_EQ(run.reason, ExitReason::Completed) << run.message;
    const fs::path golden = kSourceDir / "tests" / "golden" / name / "en" / "STABILITE.SON";
    if (update) {
      fs::create_directories(golden.parent_path());
      std::ofstream(golden, std::ios::binary) << run.report;
    } else {
      EXPECT_EQ(testing::firstDifference(run.report, testing::recordedText(golden)), "")
          << "golden " << golden.string();
    }
    for (const char* file : {"STABILITE.SON", "KN.TXT", "GZ.TXT"}) {
      EXPECT_EQ(testing::numbersIn(inEnglish.read(file)), testing::numbersIn(inTurkish.read(file)))
          << file;
    }
    EXPECT_EQ(testing::numbersIn(testing::drawnTexts(englishFrames)),
              testing::numbersIn(testing::drawnTexts(turkishFrames)));
    for (const std::string* said : {&run.report, static_cast<const std::string*>(&englishFrames)}) {
      for (const std::string& w : testing::turkishWordsIn(*said, turkish)) {
        ADD_FAILURE() << "Turkish word '" << w << "' in:\n" << *said;
      }
    }
  }
}

// The DTMB 5415's published GMt at its design draft of 6.15 m with KG 7.555 m is
// 1.95 m.
TEST(StabilityGolden, DtmbExampleHasItsPublishedMetacentricHeight) {
  testing::RunDirectory directory;
  const StabilityRun run = runExample("dtmb5415/stability", directory);
  ASSERT_TRUE(run.condition.has_value()) << run.message;
  EXPECT_NEAR(run.condition->levers.gm0, 1.95, 0.05);
}

}  // namespace
}  // namespace norvika
