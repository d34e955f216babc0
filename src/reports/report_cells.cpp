#include "reports/report_cells.h"

#include "calculation/rule_values.h"
#include "text/text_format.h"
#include "words/catalogue.h"

namespace norvika {

std::string forceText(double tonnes) {
  return formatFixed(tonnes, 8, 1) + " t    = " + formatFixed(tonnes * kGravity, 9, 1) + " kN";
}

std::string momentText(double tonneMetres) {
  return formatFixed(tonneMetres, 9, 1) + " t.m  = " + formatFixed(tonneMetres * kGravity, 10, 1) +
         " kN.m";
}

std::string atText(double x) { return text(Text::StrengthAt, {formatFixed(x, 4, 3)}); }

std::string thresholdText(const RatioThresholds& t) {
  const std::string share = formatPlain(kRatioThresholdShare, 1);
  return text(Text::RuleThresholds, {share, formatFixed(t.shear, 1, 1),
                                     formatFixed(t.hogging, 1, 1), formatFixed(t.sagging, 1, 1)});
}

}  // namespace norvika
