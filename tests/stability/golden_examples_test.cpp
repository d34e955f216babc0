// Every example of norvika-stability (an example directory holding
// norvika-stability.args, its arguments one a line) run with its arguments
// against committed golden records: the three result files byte for byte and the
// display lists of both drawings (drawing_record.h).
//
// NORVIKA_UPDATE_GOLDEN=1 rewrites the records (only after checking the change
// is wanted).

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "drawing_record.h"
#include "platform/recording_platform.h"
#include "run_files.h"
#include "stability/stability_options.h"

namespace norvika {
namespace {

namespace fs = std::filesystem;

const fs::path kSourceDir = NORVIKA_SOURCE_DIR;

// The example's run, its drawings recorded in `frames`.
StabilityRun runExample(const std::string& name, const testing::RunDirectory& directory,
                        std::string* frames = nullptr) {
  const fs::path source = kSourceDir / "examples" / name;
  for (const auto& entry : fs::directory_iterator(source)) {
    fs::copy_file(entry.path(), directory.path() / entry.path().filename());
  }
  std::string error;
  const auto options =
      parseStabilityOptions(testing::fileLines(source / "norvika-stability.args"), error);
  EXPECT_TRUE(options) << error;
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
