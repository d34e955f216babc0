#include "hydrostatics/hydrostatics_front_end.h"

#include <csignal>
#include <iostream>
#include <system_error>

#include "cli/options.h"
#include "cli/record_file.h"
#include "console/console_platform.h"

namespace fs = std::filesystem;

namespace norvika {

namespace {

constexpr int kInputError = static_cast<int>(ExitReason::InputError);

// What must hold before anything is read: the run directory is there, and the
// pictures and the record can go where they are asked to.
int checkBeforeRun(const HydrostaticsOptions& options, const HydrostaticsDrawings* drawings,
                   std::ostream& err) {
  const std::string program = std::string(kHydrostaticsProgram) + ": ";
  if (const std::string problem = runDirectoryProblem(options.directory); !problem.empty()) {
    err << program << problem << "\n";
    return kInputError;
  }
  if (needsDrawings(options) && drawings == nullptr) {
    err << program
        << "--plots and --pdf need the desktop program norvika-qt, which this build "
           "does not have\n";
    return kInputError;
  }
  if (options.plots) {
    const fs::path plots = absolutePath(*options.plots);
    std::error_code ec;
    if (fs::exists(fs::symlink_status(plots, ec)) && !fs::is_directory(plots, ec)) {
      err << program << "--plots: " << quotedPath(plots) << " is not a directory\n";
      return kInputError;
    }
  }
  if (options.pdf) {
    const NamedOutput place = recordPlace(absolutePath(*options.pdf));
    if (place.refused()) {
      err << program << place.problem << "\n";
      return static_cast<int>(place.refusal);
    }
  }
  return 0;
}

}  // namespace

HydrostaticsSettings hydrostaticsSettings(const HydrostaticsOptions& options, bool draw) {
  HydrostaticsSettings settings;
  settings.drafts = options.drafts;
  settings.trim = options.trim;
  settings.density = options.density;
  settings.kg = options.kg;
  settings.draw = draw;
  return settings;
}

int runHydrostaticsFrontEnd(const HydrostaticsOptions& options, HydrostaticsDrawings* drawings,
                            std::ostream& out, std::ostream& err) {
  if (const int status = checkBeforeRun(options, drawings, err); status != 0) return status;
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
