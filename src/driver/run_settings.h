#pragma once

#include <filesystem>
#include <optional>

namespace norvika {

/// What a front end tells the run besides its directory.
struct RunSettings {
  /// The weights file named on the command line (absolute); without it the
  /// run directory's Norvika.AGR, if there is one.
  std::optional<std::filesystem::path> weightsFile;
  /// Crest positions of the sweep along the ship (wave cases with weights); 0 for none.
  int sweepPositions = 0;
};

}  // namespace norvika
