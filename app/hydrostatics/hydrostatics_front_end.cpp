#include "hydrostatics/hydrostatics_front_end.h"

#include <csignal>
#include <iostream>

#include "cli/options.h"
#include "cli/run_places.h"
#include "console/console_platform.h"

namespace fs = std::filesystem;

namespace norvika {

HydrostaticsSettings hydrostaticsSettings(const HydrostaticsOptions& options, bool draw) {
  HydrostaticsSettings settings;
  settings.drafts = options.drafts;
  settings.trim = options.trim;
  settings.density = options.density;
  settings.draw = draw;
  return settings;
}

int runHydrostaticsFrontEnd(const HydrostaticsOptions& options, HydrostaticsDrawings* drawings,
                            std::ostream& out, std::ostream& err) {
  if (const int status = checkRunPlaces(kHydrostaticsProgram, options.directory, options.plots,
                                        options.pdf, drawings != nullptr, err);
      status != 0) {
    return status;
  }
  // A file size limit (ulimit -f) then fails the write, which is told and
  // leaves the earlier files whole, instead of killing the program mid-file.
  std::signal(SIGXFSZ, SIG_IGN);
  const fs::path directory = absolutePath(options.directory);
  ConsolePlatform platform(directory, ConsolePlatform::Mode::Batch, std::cin, out, err);
  const bool draw = drawings != nullptr && needsDrawings(options);
  platform.keepDrawings(draw);
  if (draw) drawings->watch(platform);

  const HydrostaticsRun run = runHydrostatics(platform, hydrostaticsSettings(options, draw));
  if (run.reason != ExitReason::Completed) {
    err << kHydrostaticsProgram << ": " << run.message << "\n";
    return static_cast<int>(run.reason);
  }
  out << "Results:\n";
  for (const fs::path& file : run.resultFiles) out << "  " << file.string() << "\n";
  if (draw && !drawings->write(options, run, directory, out, err)) {
    return static_cast<int>(ExitReason::WriteFailed);
  }
  return 0;
}

}  // namespace norvika
