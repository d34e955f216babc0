#pragma once

#include <filesystem>
#include <ostream>

#include "platform/platform.h"
#include "run/stability_run.h"
#include "stability/stability_options.h"

namespace norvika {

/// Turns the drawings of a stability run into files (the pictures of --plots
/// and the record of --pdf); the desktop program has one, norvika-stability
/// none.
class StabilityDrawings {
 public:
  virtual ~StabilityDrawings() = default;
  /// Before the run: follows the drawings made on the platform's windows.
  virtual void watch(Platform& platform) = 0;
  /// Once the run has put its files in place: writes what the options ask
  /// for, says where on `out` and any failure on `err`; false on a failure.
  virtual bool write(const StabilityOptions& options, const StabilityRun& run,
                     const std::filesystem::path& directory, std::ostream& out,
                     std::ostream& err) = 0;
};

/// Whether the run saves pictures or a run record, which the desktop program draws.
inline bool needsDrawings(const StabilityOptions& options) {
  return options.plots.has_value() || options.pdf.has_value();
}

/// The stability run of norvika-stability with its options: checks the run
/// directory, --plots and --pdf, runs the stability, says where the results
/// are on `out` and a failure on `err`, headed "norvika-stability: ".
/// Pictures and the record are asked of `drawings`; without it (a build
/// without the desktop program) asking for them is refused. Returns the exit
/// status: 0, 1 for a bad input or a refused condition (nothing written), 4
/// for a failed write.
int runStabilityFrontEnd(const StabilityOptions& options, StabilityDrawings* drawings,
                         std::ostream& out, std::ostream& err);

}  // namespace norvika
