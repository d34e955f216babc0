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

// A path in a message, quoted, its control characters shown as '?' so that a
// name cannot drive the terminal.
std::string quotedPath(const fs::path& path) {
  std::string shown = path.string();
  for (char& c : shown) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 32 || byte == 127) c = '?';
  }
  return "'" + shown + "'";
}

// What must hold before anything is read: the run directory is there, and the
// pictures and the record can go where they are asked to.
int checkBeforeRun(const HydrostaticsOptions& options, const HydrostaticsDrawings* drawings,
                   std::ostream& err) {
  const std::string program = std::string(kHydrostaticsProgram) + ": ";
  std::error_code ec;
  if (!fs::is_directory(absolutePath(options.directory), ec)) {
    err << program << "run directory " << quotedPath(options.directory) << " does not exist\n";
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
    if (fs::exists(fs::symlink_status(plots, ec)) && !fs::is_directory(plots, ec)) {
      err << program << "--plots: " << quotedPath(plots) << " is not a directory\n";
      return kInputError;
    }
  }
  if (options.pdf) {
    std::string problem;
    if (const int status = checkRecordTarget(absolutePath(*options.pdf), absolutePath(options.directory),
                                            kHydrostaticsRunResults, problem); status != 0) {
      err << program << problem << "\n";
      return status;
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

  HydrostaticsRun run;
  try {
    run = runHydrostatics(platform, hydrostaticsSettings(options, draw));
  } catch (const ProgramEnd& end) {
    err << kHydrostaticsProgram << ": " << end.message() << "\n";
    return static_cast<int>(end.reason());
  }
  out << "Results:\n";
  for (const fs::path& file : run.resultFiles) out << "  " << file.string() << "\n";
  if (draw && !drawings->write(options, run, directory, out, err)) {
    return static_cast<int>(ExitReason::WriteFailed);
  }
  return 0;
}

}  // namespace norvika
