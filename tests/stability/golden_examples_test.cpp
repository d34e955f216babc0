// Every example of norvika-stability (an example directory holding
// norvika-stability.args, its arguments one a line) run with its arguments
// against committed golden records, byte for byte.
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

#include "platform/quiet_platform.h"
#include "run_files.h"
#include "stability/stability_options.h"

namespace norvika {
namespace {

namespace fs = std::filesystem;

const fs::path kSourceDir = NORVIKA_SOURCE_DIR;

StabilityRun runExample(const std::string& name, const testing::RunDirectory& directory) {
  const fs::path source = kSourceDir / "examples" / name;
  for (const auto& entry : fs::directory_iterator(source)) {
    fs::copy_file(entry.path(), directory.path() / entry.path().filename());
  }
  std::string error;
  const auto options =
      parseStabilityOptions(testing::fileLines(source / "norvika-stability.args"), error);
  EXPECT_TRUE(options) << error;
  QuietPlatform platform(directory.path());
  return runStability(platform, options ? options->settings : StabilitySettings{});
}

TEST(StabilityGolden, EveryExampleGivesItsRecordedFiles) {
  const bool update = std::getenv("NORVIKA_UPDATE_GOLDEN") != nullptr;
  const std::vector<std::string> names =
      testing::examplesWith(kSourceDir, "norvika-stability.args");
  ASSERT_GE(names.size(), 2u);
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    testing::RunDirectory directory;
    const StabilityRun run = runExample(name, directory);
    ASSERT_EQ(run.reason, ExitReason::Completed) << run.message;
    const fs::path golden = kSourceDir / "tests" / "golden" / name;
    for (const char* file : {"STABILITE.SON", "KN.TXT", "GZ.TXT"}) {
      if (update) {
        fs::create_directories(golden);
        std::ofstream(golden / file, std::ios::binary) << directory.read(file);
      } else {
        EXPECT_EQ(directory.read(file), testing::recordedText(golden / file))
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
