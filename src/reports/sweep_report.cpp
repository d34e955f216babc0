#include "reports/sweep_report.h"

#include <cmath>
#include <string>

#include "calculation/strength.h"
#include "model/calculation_case.h"
#include "reports/report_cells.h"
#include "support/result_names.h"
#include "text/column_table.h"
#include "text/text_format.h"
#include "words/catalogue.h"

namespace norvika {

namespace {

const std::string kRule(105, '=');

// A wave-induced extreme and its place, appended to `row`; no value in
// either where it is within the noise of the balance (the ship is not loaded
// that way at this position).
void appendExtreme(TableRow& row, const Extreme& e, double noise) {
  const bool loaded = std::fabs(e.value) > noise;
  row.push_back(loaded ? e.value : kNoValue);
  row.push_back(loaded ? e.x : kNoValue);
}

void writePositions(ResultFile& file, const CrestSweep& sweep, double shipLength, double weight) {
  const std::string_view crest = text(Text::SweepColumnCrest);
  const FixedColumn columns[] = {{crest, "(m AP)", 10, 3},
                                 {crest, "x/L", 8, 3},
                                 {"Tm", "(m)", 9, 3},
                                 {"TRIM", "(m)", 9, 3},
                                 {text(Text::SweepColumnHogging), "(t.m)", 12, 1},
                                 {"x", "(m)", 9, 3},
                                 {text(Text::SweepColumnSagging), "(t.m)", 10, 1},
                                 {"x", "(m)", 9, 3},
                                 {"SF (+)", "(t)", 8, 1},
                                 {"x", "(m)", 9, 3},
                                 {"SF (-)", "(t)", 8, 1},
                                 {"x", "(m)", 9, 3}};
  file.line(headingLine(columns));
  file.line(unitLine(columns));
  file.line(kRule);
  const double momentNoise = closureMomentBound(weight, shipLength);
  const double forceNoise = closureShearBound(weight);
  for (const SweepPosition& p : sweep.positions) {
    TableRow row = {p.crest, p.crest / shipLength, p.meanDraft, p.trim};
    appendExtreme(row, p.hogging, momentNoise);
    appendExtreme(row, p.sagging, momentNoise);
    appendExtreme(row, p.positiveShear, forceNoise);
    appendExtreme(row, p.negativeShear, forceNoise);
    file.line(rowLine(columns, row));
  }
  file.line(kRule);
}

// A crest position, m from AP.
std::string crestText(const CrestSweep& sweep, int position) {
  return formatFixed(sweep.positions[static_cast<std::size_t>(position)].crest, 4, 3);
}

// A worst value with its crest position and its ratio to the rule's value of
// its sign at its place; "none" when no position loads the ship that way.
void writeWorst(ResultFile& file, Text label, Text none, const SweepWorst& worst,
                const CrestSweep& sweep, bool moment) {
  if (worst.position < 0 || worst.rule.computed == 0.0) {
    file.line(" " + std::string(text(label)) + ": " + std::string(text(none)));
    return;
  }
  const double value = worst.extreme.value;
  file.line(" " + std::string(text(label)) + "= " +
            (moment ? momentText(value) : forceText(value)) + atText(worst.extreme.x));
  const std::string unit = moment ? " kN.m" : " kN";
  file.line(text(Text::SweepWorstCrest,
                 {crestText(sweep, worst.position), formatFixed(worst.rule.rule, 1, 1) + unit,
                  worst.rule.hasRatio ? formatFixed(worst.rule.ratio, 1, 3) : "-"}));
}

// The largest ratio of a worst value's envelope over every row and crest position.
void writeLargestRatio(ResultFile& file, const SweepWorst& worst, const CrestSweep& sweep) {
  const EnvelopeRatios& r = worst.ratios;
  if (worst.position < 0 || worst.rule.computed == 0.0) return;
  if (r.position < 0) {
    file.line(text(Text::SweepNoLargestRatio));
    return;
  }
  file.line(text(Text::SweepLargestRatio,
                 {formatFixed(r.largest, 1, 3), atText(r.x), crestText(sweep, r.position)}));
}

// Each stretch where an envelope exceeds the rule, on a line of its own.
void writeExcesses(ResultFile& file, Text quantity, const SweepWorst& worst) {
  for (const RuleExcess& e : worst.ratios.excesses) {
    file.line(text(Text::SweepRuleExceeded,
                   {text(quantity), formatFixed(e.from, 4, 3), formatFixed(e.to, 4, 3)}));
  }
}

}  // namespace

void writeSweepSummary(ResultFile& file, const CrestSweep& sweep, double shipLength,
                       double weight) {
  file.line(text(Text::SweepTitle,
                 {std::to_string(sweep.positions.size()), formatFixed(sweep.waveLength, 1, 3)}));
  file.lines(text(Text::SweepWaveInduced, {resultName(ResultKind::SweepTable)}));
  if (caseProperties(sweep.caseNumber).trochoidal && sweep.profileCase != sweep.caseNumber) {
    file.lines(text(Text::SweepTrueTrochoid));
  }
  file.line();
  writePositions(file, sweep, shipLength, weight);
  file.line();
  const struct {
    Text label;
    Text none;
    Text excess;
    const SweepWorst& worst;
    bool moment;
  } worsts[] = {
      {Text::SweepWorstHogging, Text::SweepNoHogging, Text::SweepHoggingMoment, sweep.hogging,
       true},
      {Text::SweepWorstSagging, Text::SweepNoSagging, Text::SweepSaggingMoment, sweep.sagging,
       true},
      {Text::SweepLargestPositiveShear, Text::SweepNoPositiveShear, Text::SweepPositiveShear,
       sweep.positiveShear, false},
      {Text::SweepLargestNegativeShear, Text::SweepNoNegativeShear, Text::SweepNegativeShear,
       sweep.negativeShear, false},
  };
  for (const auto& w : worsts) {
    writeWorst(file, w.label, w.none, w.worst, sweep, w.moment);
    if (sweep.ruleApplies) writeLargestRatio(file, w.worst, sweep);
  }
  if (!sweep.ruleApplies) return;
  file.lines(text(Text::SweepRatioNote, {thresholdText(sweep.thresholds)}));
  for (const auto& w : worsts) writeExcesses(file, w.excess, w.worst);
}

ResultFile writeSweepTable(const TaskParameters& task, const CrestSweep& sweep,
                           const RuleWaveLoads& rule) {
  ResultFile file(task.directoryPrefix + resultName(ResultKind::SweepTable));
  file.line(
      "x_m SF_wave_max_t SF_max_crest_m SF_wave_min_t SF_min_crest_m BM_wave_max_tm "
      "BM_max_crest_m BM_wave_min_tm BM_min_crest_m SF_rule_pos_kN SF_rule_neg_kN "
      "BM_rule_hog_kNm BM_rule_sag_kNm SF_max_ratio SF_min_ratio BM_max_ratio BM_min_ratio");
  const auto crest = [&](int position) {
    return formatFixed(sweep.positions[static_cast<std::size_t>(position)].crest, 1, 3);
  };
  // "nan" where the rule's value is below the threshold of a meaningful ratio.
  const auto ratio = [](const EnvelopeRatios& r, std::size_t k) -> std::string {
    return r.rows[k].hasRatio ? formatFixed(r.rows[k].ratio, 1, 4) : "nan";
  };
  for (std::size_t k = 0; k < sweep.x.size(); ++k) {
    const RuleWaveLoadsAt at = ruleWaveLoadsAt(rule, sweep.x[k]);
    file.line(formatFixed(sweep.x[k], 1, 4) + " " + formatFixed(sweep.shear.largest[k], 1, 4) +
              " " + crest(sweep.shear.largestAt[k]) + " " +
              formatFixed(sweep.shear.smallest[k], 1, 4) + " " + crest(sweep.shear.smallestAt[k]) +
              " " + formatFixed(sweep.moment.largest[k], 1, 3) + " " +
              crest(sweep.moment.largestAt[k]) + " " + formatFixed(sweep.moment.smallest[k], 1, 3) +
              " " + crest(sweep.moment.smallestAt[k]) + " " + formatFixed(at.positiveShear, 1, 1) +
              " " + formatFixed(at.negativeShear, 1, 1) + " " + formatFixed(at.hogging, 1, 1) +
              " " + formatFixed(at.sagging, 1, 1) + " " + ratio(sweep.positiveShear.ratios, k) +
              " " + ratio(sweep.negativeShear.ratios, k) + " " + ratio(sweep.hogging.ratios, k) +
              " " + ratio(sweep.sagging.ratios, k));
  }
  return file;
}

}  // namespace norvika
