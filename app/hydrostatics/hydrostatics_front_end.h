#pragma once

#include <filesystem>
#include <ostream>

#include "hydrostatics/hydrostatics_options.h"
#include "platform/platform.h"
#include "run/hydrostatics_run.h"

namespace norvika {

/// Turns the drawings of a hydrostatics run into files (the pictures of --plots
/// and the record of --pdf); the desktop program has one, norvika-hydrostatics
/// none.
class HydrostaticsDrawings {
 public:
  virtual ~HydrostaticsDrawings() = default;
  /// Before the run: follows the drawings made on the platform's windows.
  virtual void watch(Platform& platform) = 0;
  /// Once the run has put its files in place: writes what the options ask
  /// for, says where on `out` and any failure on `err`; false on a failure.
  virtual bool write(const HydrostaticsOptions& options, const HydrostaticsRun& run,
                     const std::filesystem::path& directory, std::ostream& out,
                     std::ostream& err) = 0;
};

/// What the options tell the run; `draw` makes it draw the curves.
HydrostaticsSettings hydrostaticsSettings(const HydrostaticsOptions& options, bool draw);

/// The hydrostatics run of norvika-hydrostatics with its options: checks the
/// run directory, --plots and --pdf, runs the hydrostatics, says where the
/// results are on `out` and a failure on `err`, headed "norvika-hydrostatics: ".
/// Pictures and the record are asked of `drawings`; without it (a build
/// without the desktop program) asking for them is refused. Returns the exit
/// status: 0, 1 for a bad input (nothing written), 4 for a failed write.
int runHydrostaticsFrontEnd(const HydrostaticsOptions& options, HydrostaticsDrawings* drawings,
                            std::ostream& out, std::ostream& err);

}  // namespace norvika
