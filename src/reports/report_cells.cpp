#include "reports/report_cells.h"

#include "calculation/rule_values.h"
#include "text/text_format.h"

namespace norvika {

std::string cell(const std::string& text, std::size_t width) {
  return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

std::string forceText(double tonnes) {
  return formatFixed(tonnes, 8, 1) + " t    = " + formatFixed(tonnes * kGravity, 9, 1) + " kN";
}

std::string momentText(double tonneMetres) {
  return formatFixed(tonneMetres, 9, 1) + " t.m  = " + formatFixed(tonneMetres * kGravity, 10, 1) +
         " kN.m";
}

std::string atText(double x) { return "   x = " + formatFixed(x, 4, 3) + " m. AP 'den"; }

std::string thresholdText(const RatioThresholds& t) {
  const std::string share = formatPlain(kRatioThresholdShare, 1);
  return "|KURAL| >= " + share + " Fw = " + formatFixed(t.shear, 1, 1) + " kN, " + share +
         " Mw = " + formatFixed(t.hogging, 1, 1) + " / " + formatFixed(t.sagging, 1, 1) + " kN.m";
}

std::string ratioText(bool hasRatio, double ratio, std::size_t width) {
  return cell(hasRatio ? formatPlain(ratio, 3) : "-", width);
}

}  // namespace norvika
