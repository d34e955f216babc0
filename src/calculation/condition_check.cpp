#include "calculation/condition_check.h"

namespace norvika {

ConditionCheck checkLoadingCondition(const StabilityHull& hull, const HullModel& model,
                                     const LoadingCondition& condition,
                                     const std::optional<WeatherInput>& wind) {
  ConditionCheck check{condition, computeRightingLevers(hull, model, condition), {}, wind, {}, {}};
  const RightingLevers& levers = check.levers;
  // Without the upright condition or two samples there is no curve to read.
  if (levers.condition.stop != EquilibriumStop::None ||
      levers.outcome.hydrostatics != HydrostaticsStop::None || levers.curve.heels.size() < 2) {
    return check;
  }
  check.criteria = checkGeneralCriteria(levers.curve, levers.gm0, condition.floodingAngle);
  if (wind) {
    check.particulars = weatherParticulars(levers, condition.floodingAngle);
    check.weather = checkWeatherCriterion(levers.curve, *wind, *check.particulars);
  }
  return check;
}

}  // namespace norvika
