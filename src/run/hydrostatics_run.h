#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "calculation/bonjean.h"
#include "calculation/hydrostatics.h"
#include "platform/platform.h"

namespace norvika {

/// What a front end tells a hydrostatics run besides its directory.
struct HydrostaticsSettings {
  /// Drafts at L/2, m above the base line, positive and rising, at most
  /// kMaxHydrostaticDrafts; none: the default ones.
  std::optional<std::vector<double>> drafts;
  double trim = 0.0;              // Tf - Ta, m
  std::optional<double> density;  // t/m3, in place of the task file's
  std::optional<double> kg;       // m: GMt, GMl and MCT from GMl
  bool draw = false;              // the curves of form and the Bonjean curves on their windows
};

/// What a hydrostatics run computed and wrote, and how it ended.
struct HydrostaticsRun : AnalysisEnding {
  Hydrostatics table;
  BonjeanCurves bonjean;
  std::string report;                              // HIDROSTATIK.SON as written
  std::vector<std::filesystem::path> resultFiles;  // in the order they are listed
};

/// Why the hydrostatics have no result at the draft `outcome` stopped at
/// on `hull` (extents computed) ("DRAFT T = 10.500 m: 1. POSTADA SU HATTI
/// GUVERTEYI ASIYOR ...").
std::string hydrostaticsRefusal(const HydrostaticsOutcome& outcome, const HullModel& hull);

/// The drafts of a hydrostatics run: those given, else the default ones for
/// the hull (computeHullExtents done), ship length L (m) and trim (m); ends
/// the run (InputError) when the hull leaves no room for the default ones,
/// telling the user to give them with `draftsOption` (the front end's name
/// for them: "--drafts", Python's "drafts=").
std::vector<double> hydrostaticDrafts(const HullModel& hull, double shipLength, double trim,
                                      const std::optional<std::vector<double>>& given,
                                      const std::string& draftsOption);

/// The file name stem (and the caption) of the drawing a hydrostatics run
/// makes on `window`: "curves-of-form" (FORM EGRILERI) on the Graph window,
/// "bonjean-curves" (BONJEAN EGRILERI) on the ShipPosition window; empty for
/// the others.
const char* hydrostaticsDrawingName(WindowId window);
const char* hydrostaticsDrawingCaption(WindowId window);

/// The hydrostatics in the platform's run directory: reads Norvika.TSK (ship
/// length, density, hull file) and the hull file with the run's readers,
/// computes the curves of form and the Bonjean curves, puts HIDROSTATIK.SON,
/// HIDROSTATIK.TXT and BONJEAN.TXT in place together and, when asked, draws
/// the curves of form on the Graph window and the Bonjean curves on the
/// ShipPosition window. A malformed input, a draft above a deck or without a
/// waterplane ends the run (InputError) with its message and nothing written;
/// a failed write ends it (WriteFailed) with the earlier files whole. Throws
/// nothing a run can end by: the ending is the outcome's.
HydrostaticsRun runHydrostatics(Platform& platform, const HydrostaticsSettings& settings);

}  // namespace norvika
