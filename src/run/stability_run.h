#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "calculation/condition_check.h"
#include "calculation/cross_curves.h"
#include "platform/platform.h"

namespace norvika {

/// The most displacements and heels the cross curves take from a user.
inline constexpr int kMaxCrossCurveDisplacements = 100;
inline constexpr int kMaxCrossCurveHeels = 361;

/// Displacements as the user gives them: in tonnes, or by the drafts at L/2
/// (m above the base line) of the ship upright on an even keel.
struct DisplacementsGiven {
  std::vector<double> values;
  bool byDraft = false;
};

/// The loading condition whose GZ curve and criteria a stability run is asked for.
struct ConditionSettings {
  DisplacementsGiven displacement;      // one value
  double kg = 0.0;                      // m above the base line
  double freeSurfaceMoment = 0.0;       // t m
  std::optional<double> floodingAngle;  // degrees
  std::optional<WeatherInput> wind;     // the severe wind and rolling criterion
};

/// What a front end tells a stability run besides its directory.
struct StabilitySettings {
  /// The cross curves' displacements, rising; none: the condition's alone.
  DisplacementsGiven crossCurves;
  std::optional<ConditionSettings> condition;
  /// Heels from 0 to 180 degrees, rising; none: 0 to 80 by 5 (finerHeels:
  /// by 2.5 from 10 to 30).
  std::optional<std::vector<double>> heels;
  bool finerHeels = false;
  TrimMode trimMode = TrimMode::Free;
  std::optional<double> lcg;      // m from AP; none: each displacement's even-keel LCB
  std::optional<double> density;  // t/m3, in place of the task file's
  bool draw = false;              // the cross curves and the GZ curve on their windows
};

/// The cross curves and the loading condition worked out.
struct StabilityResults {
  std::vector<double> heels;  // degrees
  std::vector<CrossCurve> crossCurves;
  std::optional<ConditionCheck> condition;
};

/// The cross curves and the condition `settings` ask for on `hull`
/// (computeHullExtents done, `stability` prepared from it): drafts floated
/// upright on an even keel. Ends the run (InputError) on a draft over the
/// lowest deck or under the keel, a displacement the hull cannot float upright,
/// a KG above the deck or a condition that capsizes before the first heel
/// past upright.
StabilityResults computeStability(const HullModel& hull, const StabilityHull& stability,
                                  const StabilitySettings& settings);

/// What a stability run computed and wrote, and how it ended.
struct StabilityRun : AnalysisEnding, StabilityResults {
  double density = 0.0;                            // t/m3
  std::string report;                              // STABILITE.SON as written
  std::vector<std::filesystem::path> resultFiles;  // in the order they are listed
};

/// The file name stem (and the caption, in the thread's language) of the
/// drawing a stability run makes on `window`: "cross-curves" (the KN cross
/// curves) on the Graph window, "gz-curve" (the GZ curve) on the Stability
/// window; empty for the others.
const char* stabilityDrawingName(WindowId window);
const char* stabilityDrawingCaption(WindowId window);

/// The large-angle stability in the platform's run directory: reads
/// Norvika.TSK (ship length, density, hull file) and the hull file, computes
/// the cross curves at the displacements given and, with a loading condition,
/// its GZ curve and the intact stability criteria; puts STABILITE.SON, KN.TXT
/// and (with a condition) GZ.TXT in place together, removing a GZ.TXT of an
/// earlier run when there is no condition, and, when asked, draws the cross
/// curves on the Graph window and the GZ curve on the Stability window. A
/// malformed input, a displacement the hull cannot float, a KG above the
/// deck or a condition that capsizes before the first heel past upright ends
/// the run (InputError) with its message and nothing written; a failed write
/// ends it (WriteFailed) with the earlier files whole. Throws nothing a run
/// can end by.
StabilityRun runStability(Platform& platform, const StabilitySettings& settings);

}  // namespace norvika
