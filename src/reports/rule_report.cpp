#include "reports/rule_report.h"

#include <cmath>
#include <string>

#include "reports/report_cells.h"
#include "text/column_table.h"
#include "text/text_format.h"
#include "words/catalogue.h"

namespace norvika {

namespace {

const std::string kRule(96, '=');

// L, B and T with where each came from.
void writeRuleValues(ResultFile& file, const RuleWaveLoads& rule, const RuleLengthSource& source) {
  const std::string length = formatFixed(rule.length, 4, 3);
  if (source.lengthGiven) {
    file.line(text(Text::RuleLengthGiven, {length}));
  } else if (source.waterline > 0.0) {
    file.line(
        text(Text::RuleLengthFromPerpendiculars, {length, formatPlain(source.perpendiculars, 3)}));
  } else {
    file.line(text(Text::RuleLengthNoWaterline, {length}));
  }
  if (source.waterline > 0.0) {
    file.line(
        text(Text::RuleWaterline, {formatFixed(source.waterline, 3, 3), formatPlain(rule.aftEnd, 3),
                                   formatPlain(source.waterlineForward, 3)}));
  }
  file.line(text(source.draftGiven ? Text::RuleScantlingDraft : Text::RuleStillDraft,
                 {formatFixed(rule.breadth, 3, 3), formatFixed(rule.draft, 3, 3)}));
  file.line(text(Text::RuleBlockCoefficient, {formatFixed(rule.blockCoefficient, 1, 4),
                                              formatFixed(rule.computedBlockCoefficient, 1, 4),
                                              formatFixed(rule.coefficient, 2, 4)}));
  file.line(text(Text::RuleHogging, {formatFixed(rule.hogging, 10, 1)}));
  file.line(text(Text::RuleSagging, {formatFixed(rule.sagging, 10, 1)}));
  file.line(text(Text::RuleShear, {formatFixed(rule.shear, 10, 1)}));
  file.line(text(Text::RuleAlongTheShip, {formatFixed(rule.hoggingShare, 1, 4)}));
}

// The wave-induced extremes against the rule's values where M is 1; a crest
// bends the ship one way only: the other line says so instead of a zero ratio.
void writeMidshipComparison(ResultFile& file, const Strength& result, double noise) {
  const auto compare = [&](Text computedLine, Text noneLine, const Extreme& computed,
                           double ruleValue) {
    const double kNm = computed.value * kGravity;
    if (!(std::fabs(computed.value) > noise) || !(kNm / ruleValue > 0.0)) {
      file.line(text(noneLine));
      return;
    }
    file.line(text(computedLine, {formatFixed(kNm, 10, 1), atText(computed.x),
                                  formatFixed(kNm / ruleValue, 1, 3)}));
  };
  compare(Text::RuleComputedHogging, Text::RuleNoHoggingOnWave, result.waveHogging,
          result.rule.hogging);
  compare(Text::RuleComputedSagging, Text::RuleNoSaggingOnWave, result.waveSagging,
          result.rule.sagging);
  file.line(text(Text::RuleWaveMoment));
}

void writeLargestRatio(ResultFile& file, Text largest, Text none, const Extreme& ratio) {
  file.line(ratio.value > 0.0 ? text(largest, {formatFixed(ratio.value, 1, 3), atText(ratio.x)})
                              : text(none));
}

void writeTable(ResultFile& file, const RuleComparison& c, const RuleWaveLoads& rule) {
  file.line(text(Text::RuleTableTitle));
  file.line();
  const std::string_view ratio = text(Text::StrengthColumnRatio);
  const FixedColumn columns[] = {{"X", "(m)", 10, 3},
                                 {"M", "", 7, 3},
                                 {"F1", "", 7, 3},
                                 {"F2", "", 7, 3},
                                 {text(Text::StrengthColumnWaveShear), "(kN)", 12, 1},
                                 {text(Text::StrengthColumnRuleShear), "(kN)", 12, 1},
                                 {ratio, "", 7, 3},
                                 {text(Text::StrengthColumnWaveMoment), "(kN.m)", 13, 1},
                                 {text(Text::StrengthColumnRuleMoment), "(kN.m)", 13, 1},
                                 {ratio, "", 7, 3}};
  file.line(headingLine(columns));
  // The ratio at the end has no unit, and the line no blanks for it.
  file.line(unitLine(columns, UnitLineEnd::AtLastUnit));
  file.line(kRule);
  const auto ratioOf = [](const RuleRatio& r) { return r.hasRatio ? r.ratio : kNoValue; };
  for (std::size_t k = 0; k < c.x.size(); ++k) {
    const double t = ruleLengthShare(rule, c.x[k]);
    const RuleRatio& f = c.shear[k];
    const RuleRatio& m = c.moment[k];
    file.line(
        rowLine(columns, {c.x[k], waveMomentFactor(t), positiveShearFactor(t, rule.hoggingShare),
                          negativeShearFactor(t, rule.hoggingShare), f.computed, f.rule, ratioOf(f),
                          m.computed, m.rule, ratioOf(m)}));
  }
  file.line(kRule);
}

}  // namespace

void writeRuleComparison(ResultFile& file, const Strength& result, double weight,
                         double shipLength) {
  const RuleWaveLoads& rule = result.rule;
  file.line(text(Text::RuleTitle));
  if (!rule.applies) {
    file.line(text(Text::RuleNotApplied, {formatFixed(rule.length, 1, 3)}));
    return;
  }
  writeRuleValues(file, rule, result.ruleSource);
  if (!result.hasStillWater) {
    file.line(text(Text::RuleStillWaterOnly));
    return;
  }
  writeMidshipComparison(file, result, closureMomentBound(weight, shipLength));
  writeLargestRatio(file, Text::RuleLargestMomentRatio, Text::RuleNoMomentRatio,
                    result.ruleComparison.largestMomentRatio);
  writeLargestRatio(file, Text::RuleLargestShearRatio, Text::RuleNoShearRatio,
                    result.ruleComparison.largestShearRatio);
  file.line(text(Text::RuleRatiosWhere, {thresholdText(result.ruleComparison.thresholds)}));
  file.line();
  writeTable(file, result.ruleComparison, rule);
}

}  // namespace norvika
