#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "calculation/rule_comparison.h"

namespace norvika {

/// A force in tonnes and in kilonewtons: "   810.0 t    =    7946.2 kN".
std::string forceText(double tonnes);

/// A moment in tonne-metres and in kilonewton-metres.
std::string momentText(double tonneMetres);

/// Where a value stands: "   x =   36.300 m. AP 'den".
std::string atText(double x);

/// Where ratios to the rule are taken: "|KURAL| >= 0.1 Fw = 960.3 kN, 0.1 Mw =
/// 38718.4 / -48567.8 kN.m".
std::string thresholdText(const RatioThresholds& t);

}  // namespace norvika
