#pragma once

#include <optional>
#include <vector>

#include "calculation/gz_curve.h"

namespace norvika {

/// The criteria of the 2008 Intact Stability Code (IMO Res. MSC.267(85)),
/// part A: the general criteria of paragraph 2.2 and the severe wind and
/// rolling criterion of 2.3.
enum class IntactCriterion {
  Area0To30,          // 2.2.1: area under GZ to 30 degrees
  Area0To40,          // 2.2.1: to 40 degrees or the flooding angle if less
  Area30To40,         // 2.2.1: from 30 to 40 degrees or the flooding angle if less
  LeverAt30OrMore,    // 2.2.2: GZ at a heel of 30 degrees or more
  AngleOfMaxLever,    // 2.2.3: the heel of the greatest GZ
  InitialGm,          // 2.2.4: GM0
  WeatherSteadyHeel,  // 2.3.1.2: the heel under the steady wind
  WeatherAreas,       // 2.3.1.4: area b against area a
};

/// One criterion checked: what the Code asks and what the ship has, in the
/// criterion's unit (m rad for areas, m for levers and GM, degrees for
/// angles). An area's limits are `from` and `to` (degrees). A criterion the
/// curve cannot decide (it ends short, a lever is never reached) is not
/// determined, and fails.
struct CriterionCheck {
  IntactCriterion criterion{};
  double required = 0.0;
  double attained = 0.0;
  double from = 0.0;
  double to = 0.0;
  bool determined = true;
  bool passes = false;
};

/// The Code's limits of paragraph 2.2.
inline constexpr double kRequiredArea30 = 0.055;       // m rad, 2.2.1
inline constexpr double kRequiredArea40 = 0.090;       // m rad, 2.2.1
inline constexpr double kRequiredArea30To40 = 0.030;   // m rad, 2.2.1
inline constexpr double kRequiredLever = 0.20;         // m, 2.2.2
inline constexpr double kLeverFromHeel = 30.0;         // degrees, 2.2.2
inline constexpr double kRequiredMaxLeverHeel = 25.0;  // degrees, 2.2.3
inline constexpr double kRequiredGm0 = 0.15;           // m, 2.2.4

/// The general criteria (2.2.1 to 2.2.4) on a GZ curve (corrected for free
/// surfaces), its GM0 (m) and the flooding angle if any (degrees), in the
/// order of IntactCriterion. The lever of 2.2.2 is the greatest at 30 degrees
/// or more, to the curve's end; the maximum of 2.2.3 is the curve's greatest.
std::vector<CriterionCheck> checkGeneralCriteria(const GzCurve& curve, double gm0,
                                                 std::optional<double> floodingAngle);

}  // namespace norvika
