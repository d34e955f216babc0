#pragma once

#include <optional>
#include <vector>

#include "calculation/intact_criteria.h"
#include "calculation/righting_levers.h"
#include "calculation/weather_criterion.h"

namespace norvika {

/// A loading condition worked out: its righting levers and the intact
/// stability criteria read from them.
struct ConditionCheck {
  LoadingCondition input;
  RightingLevers levers;
  std::vector<CriterionCheck> criteria;  // 2.2, in the order of IntactCriterion
  std::optional<WeatherInput> wind;
  std::optional<WeatherParticulars> particulars;
  std::optional<WeatherCriterion> weather;  // 2.3, when the wind is given
};

/// The condition's righting levers and, when it floats upright, the general
/// criteria and, with `wind`, the severe wind and rolling criterion.
ConditionCheck checkLoadingCondition(const StabilityHull& hull, const HullModel& model,
                                     const LoadingCondition& condition,
                                     const std::optional<WeatherInput>& wind);

}  // namespace norvika
