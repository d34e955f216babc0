#pragma once

#include <csignal>
#include <filesystem>
#include <functional>
#include <iostream>
#include <ostream>

#include "cli/options.h"
#include "cli/program_options.h"
#include "cli/run_places.h"
#include "console/console_platform.h"
#include "words/language.h"

namespace norvika {

/// The run of an analysis program (norvika-hydrostatics, norvika-stability)
/// with its options, its texts in the --language asked for (Turkish by
/// default): checks the run directory, --plots and --pdf, runs `run`
/// (given the platform and whether to draw) on a batch platform in the run
/// directory, says where the result files are on `out` and a failure on
/// `err` headed "PROGRAM: ", then has `drawings` (none in a build without the
/// desktop program, and asking for pictures is then refused) write the
/// pictures and the record. Returns the exit status of the run's ending, or
/// 4 when a picture or the record could not be written.
template <typename Options, typename Run, typename Drawings>
int runProgramFrontEnd(const char* program, const Options& options, Drawings* drawings,
                       const std::function<Run(Platform&, bool)>& run, std::ostream& out,
                       std::ostream& err) {
  const LanguageScope language(options.language.value_or(Language::Turkish));
  const bool wanted = options.plots.has_value() || options.pdf.has_value();
  if (const int status = checkRunPlaces(program, options.directory, options.plots, options.pdf,
                                        drawings != nullptr, err);
      status != 0) {
    return status;
  }
  // A file size limit (ulimit -f) then fails the write, which is told and
  // leaves the earlier files whole, instead of killing the program mid-file.
  std::signal(SIGXFSZ, SIG_IGN);
  const std::filesystem::path directory = absolutePath(options.directory);
  ConsolePlatform platform(directory, ConsolePlatform::Mode::Batch, std::cin, out, err);
  const bool draw = drawings != nullptr && wanted;
  platform.keepDrawings(draw);
  if (draw) drawings->watch(platform);

  const Run result = run(platform, draw);
  if (result.reason != ExitReason::Completed) {
    err << program << ": " << result.message << "\n";
    return static_cast<int>(result.reason);
  }
  out << "Results:\n";
  for (const std::filesystem::path& file : result.resultFiles) out << "  " << file.string() << "\n";
  if (draw && !drawings->write(options, result, directory, out, err)) {
    return static_cast<int>(ExitReason::WriteFailed);
  }
  return 0;
}

}  // namespace norvika
