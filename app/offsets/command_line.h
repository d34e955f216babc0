#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "words/language.h"

namespace norvika::offsets {

/// The options of one norvika-offsets run. Lengths are metres at ship scale
/// (after --scale), along the model's length and height axes as --axes names them.
struct OffsetsOptions {
  std::filesystem::path model;
  std::filesystem::path output;
  double ap = 0.0;                 // aft perpendicular
  double fp = 0.0;                 // forward perpendicular
  int stationCount = 21;           // equally spaced from AP to FP
  std::vector<double> stationsAt;  // or these positions, rising
  int points = 30;                 // heights per station
  double scale = 1.0;
  std::optional<double> base;  // base-line height; the model's lowest point if none
  std::string axes = "xyz";
  double knuckleDegrees = 30.0;
  std::optional<double> draft;  // m above the base line
  double deflection = 0.001;    // m: chord error of the facets (STEP, IGES: asked of the mesher)
  std::optional<double> tolerance;  // m, the written curves' (CutTolerances::curve) if given
  std::filesystem::path task;       // a task file for case 1 at the draft, if named
  std::optional<double> density;    // t/m3, for the task file (1.025 if not given)
  bool force = false;               // write even when the checks advise against it
  // --language: the words of Norvika's own messages about the files written
  // (its readers' and its strength step's); none: Turkish. The cutter's own
  // messages are English.
  std::optional<Language> language;
  bool help = false;
  bool version = false;
};

/// The usage text printed by --help.
std::string usageText();

/// Reads the arguments after the program name. Throws OffsetsError naming the
/// option and what it expects: a missing model, -o, --ap or --fp; AP not aft
/// of FP; --points outside 2..249; fewer than 2 or more than 100 stations;
/// positions that do not rise; a non-positive scale or deflection; a curve
/// tolerance outside 0.01 mm .. 1 m; a knuckle angle outside 0..180 degrees;
/// --task without --draft; --density without --task or outside 0.5..2 t/m3;
/// an unknown option.
OffsetsOptions parseCommandLine(const std::vector<std::string>& args);

}  // namespace norvika::offsets
