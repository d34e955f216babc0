// A whole run on a fuzzed hull file: the first byte picks one of seven fixed,
// valid task files (one per case) and whether the run also has a weights file
// (so that the strength step runs on the hull too); the rest is the hull
// file. Every run must end through ProgramEnd, with no sanitizer report and
// within a second.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <string>
#include <system_error>

#include "fuzz_support.h"
#include "platform/recording_platform.h"
#include "run/calculation_driver.h"

using namespace norvika;

namespace {

std::string taskText(int caseNumber, const std::string& caseValues) {
  std::string text;
  for (int i = 1; i <= 12; ++i) text += "ACIKLAMA\n";
  text += "HULL.DAT\n";
  for (int i = 14; i <= 19; ++i) text += "ACIKLAMA\n";
  text += "100\nACIKLAMA\n20\nACIKLAMA\n1.025\n";
  for (int i = 25; i <= 61; ++i) text += "ACIKLAMA\n";
  text += std::to_string(caseNumber) + "\n" + caseValues + "\n";
  for (int i = 0; i < 4; ++i) text += "ACIKLAMA\n";
  return text + "41, 0, 100\n";
}

const std::string& taskFor(std::uint8_t selector) {
  static const std::string tasks[7] = {
      taskText(1, "10250, 4"),       taskText(2, "10250, 4, 2, 1"), taskText(3, "10250, 4, 2, 1"),
      taskText(4, "10250, 4, 2, 1"), taskText(5, "10250, 4, 2, 1"), taskText(6, "6, 4"),
      taskText(7, "6, 4, 10"),
  };
  return tasks[selector % 7];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  fuzz::writeScratchFile("Norvika.TSK", taskFor(data[0]));
  fuzz::writeScratchFile("HULL.DAT", data + 1, size - 1);
  // 10250 t as the tasks require, a little forward of amidships.
  std::error_code ignored;
  std::filesystem::remove(fuzz::scratchDirectory() / "Norvika.AGR", ignored);
  if ((data[0] / 7) % 2 == 1)
    fuzz::writeScratchFile("Norvika.AGR", std::string("W\n0, 100, 95, 110\n"));

  RecordingPlatform platform(fuzz::scratchDirectory());
  const auto start = std::chrono::steady_clock::now();
  try {
    runCalculation(platform);
  } catch (const ProgramEnd&) {
    // Every ending is a clean one: completed, rejected input or a stop message.
  } catch (const std::exception& e) {
    std::fprintf(stderr, "the run ended with an exception other than ProgramEnd: %s\n", e.what());
    std::abort();
  }
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  fuzz::checkDuration(took.count(), "a whole run");
  return 0;
}
