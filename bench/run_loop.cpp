// The C++ side of the Python module's speed: N runs of the case in a run
// directory (bench/make_run.py writes one), as the module runs them: inputs
// read once, each run on a quiet platform with its result files kept in the
// outcome. Prints the CPU and wall time of the loop.
//
//   norvika_run_loop DIR [N]      (N = 1000)

#include <time.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "model/hull_data_file.h"
#include "model/task_file.h"
#include "platform/quiet_platform.h"
#include "run/calculation_driver.h"
#include "support/file_names.h"

namespace {

double cpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace norvika;
  if (argc < 2) {
    std::fprintf(stderr, "usage: norvika_run_loop DIR [N]\n");
    return 1;
  }
  const std::filesystem::path directory = argv[1];
  const int runs = argc > 2 ? std::atoi(argv[2]) : 1000;
  const TaskParameters task = readTaskFile(directory);
  const HullModel hull = readHullDataFile(findIgnoringCase(task.directoryPrefix, task.hullFileName),
                                          task.hullFileName);
  RunSettings settings;
  settings.resultFiles = ResultFiles::InOutcome;

  double displacement = 0.0;
  const double cpuStart = cpuSeconds();
  const auto wallStart = std::chrono::steady_clock::now();
  for (int i = 0; i < runs; ++i) {
    QuietPlatform platform(directory);
    const RunOutcome outcome =
        runCalculation(platform, RunInputs{task, hull, std::nullopt}, settings);
    if (outcome.reason != ExitReason::Completed) {
      std::fprintf(stderr, "run %d ended: %s\n", i, outcome.endingText().c_str());
      return 1;
    }
    displacement += outcome.immersion()->displacement;
  }
  const double wall =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
  std::printf("C++     %d runs: CPU %.3f s, wall %.3f s (displacement %.1f t)\n", runs,
              cpuSeconds() - cpuStart, wall, displacement / runs);
  return 0;
}
