#include "calculation/intact_criteria.h"

#include <algorithm>
#include <cmath>

namespace norvika {

namespace {

CriterionCheck atLeast(IntactCriterion criterion, double required, double attained) {
  return {criterion, required, attained, 0.0, 0.0, true, attained >= required};
}

CriterionCheck areaCheck(const GzCurve& curve, IntactCriterion criterion, double required,
                         double from, double to) {
  CriterionCheck check{criterion, required, 0.0, from, to, false, false};
  if (to > curve.lastHeel()) return check;
  check.determined = true;
  check.attained = to > from ? gzArea(curve, from, to) : 0.0;
  check.passes = check.attained >= required;
  return check;
}

}  // namespace

std::vector<CriterionCheck> checkGeneralCriteria(const GzCurve& curve, double gm0,
                                                 std::optional<double> floodingAngle) {
  // 2.2.1: the flooding angle ends the areas where it comes before 40 degrees.
  const double upper = floodingAngle ? std::fmin(40.0, *floodingAngle) : 40.0;
  std::vector<CriterionCheck> checks;
  checks.push_back(areaCheck(curve, IntactCriterion::Area0To30, kRequiredArea30, 0.0, 30.0));
  checks.push_back(areaCheck(curve, IntactCriterion::Area0To40, kRequiredArea40, 0.0, upper));
  checks.push_back(areaCheck(curve, IntactCriterion::Area30To40, kRequiredArea30To40, 30.0,
                             std::fmax(30.0, upper)));

  CriterionCheck lever{
      IntactCriterion::LeverAt30OrMore, kRequiredLever, 0.0, 0.0, 0.0, false, false};
  if (curve.lastHeel() >= kLeverFromHeel) {
    lever = atLeast(lever.criterion, kRequiredLever,
                    gzMaximum(curve, kLeverFromHeel, curve.lastHeel()).lever);
  }
  checks.push_back(lever);
  // A greatest lever at the curve's end may lie further on: undecided below 25 degrees.
  CriterionCheck peak = atLeast(IntactCriterion::AngleOfMaxLever, kRequiredMaxLeverHeel,
                                gzMaximum(curve, 0.0, curve.lastHeel()).heel);
  peak.determined = peak.passes || peak.attained < curve.lastHeel();
  checks.push_back(peak);
  checks.push_back(atLeast(IntactCriterion::InitialGm, kRequiredGm0, gm0));
  return checks;
}

}  // namespace norvika
