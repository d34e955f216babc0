#pragma once

#include <filesystem>
#include <optional>

#include "calculation/rule_values.h"

namespace norvika {

/// Where a run's result files go.
enum class ResultFiles {
  OnDisc,     // put in place in the run directory, those of an earlier run removed
  InOutcome,  // kept in the run's outcome only; nothing on disc is touched
};

/// What a front end tells the run besides its directory.
struct RunSettings {
  /// The weights file named on the command line (absolute); without it the
  /// run directory's Norvika.AGR, if there is one.
  std::optional<std::filesystem::path> weightsFile;
  /// Crest positions of the sweep along the ship (wave cases with weights); 0 for none.
  int sweepPositions = 0;
  /// The rule length and the scantling draft given for the rule's wave loads.
  RuleChoices rule = {};
  ResultFiles resultFiles = ResultFiles::OnDisc;
};

}  // namespace norvika
