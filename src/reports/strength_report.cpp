#include "reports/strength_report.h"

#include <cmath>
#include <string>
#include <vector>

#include "model/calculation_case.h"
#include "reports/report_cells.h"
#include "reports/rule_report.h"
#include "reports/sweep_report.h"
#include "support/result_names.h"
#include "text/column_table.h"
#include "text/report_text.h"
#include "text/text_format.h"
#include "words/catalogue.h"

namespace norvika {

namespace {

const std::string kRule(83, '=');

std::string conditionName(int profileCase) {
  return std::string(inCurrentLanguage(caseProperties(profileCase).strengthCondition));
}

void writeCondition(ResultFile& file, const StrengthCondition& condition, const std::string& name) {
  file.line(condition.balanced
                ? text(Text::StrengthBalanced, {name, std::to_string(condition.iterations)})
                : text(Text::StrengthNotBalanced, {name}));
  if (caseProperties(condition.profileCase).hasWave) file.line(text(Text::StrengthDraftsOnWave));
  file.line(text(Text::StrengthForwardDraft, {formatFixed(condition.forwardDraft, 4, 3)}));
  file.line(text(Text::StrengthAftDraft, {formatFixed(condition.aftDraft, 4, 3)}));
  file.line(text(Text::StrengthMeanDraft, {formatFixed(condition.meanDraft, 4, 3)}));
  file.line(text(Text::StrengthTrim, {formatFixed(condition.trim, 4, 3)}));
  file.line(text(Text::StrengthDisplacement, {formatFixed(condition.displacement, 8, 1)}));
  file.line(text(Text::StrengthLcb, {formatFixed(condition.centre, 4, 3)}));
}

// The largest and smallest BM and SF of a curve, each with its place; a value
// within the noise (t m, t) of zero is none.
void writeMaxima(ResultFile& file, const Extreme& hogging, const Extreme& sagging,
                 const Extreme& positiveShear, const Extreme& negativeShear, double momentBound,
                 double forceBound) {
  file.line(hogging.value > momentBound
                ? text(Text::StrengthLargestHogging, {momentText(hogging.value), atText(hogging.x)})
                : text(Text::StrengthNoHogging));
  file.line(sagging.value < -momentBound
                ? text(Text::StrengthLargestSagging, {momentText(sagging.value), atText(sagging.x)})
                : text(Text::StrengthNoSagging));
  file.line(positiveShear.value > forceBound
                ? text(Text::StrengthLargestPositiveShear,
                       {forceText(positiveShear.value), atText(positiveShear.x)})
                : text(Text::StrengthNoPositiveShear));
  file.line(negativeShear.value < -forceBound
                ? text(Text::StrengthLargestNegativeShear,
                       {forceText(negativeShear.value), atText(negativeShear.x)})
                : text(Text::StrengthNoNegativeShear));
}

void writeMaxima(ResultFile& file, const LoadCurves& curves, double weight, double shipLength) {
  writeMaxima(file, curves.hogging, curves.sagging, curves.positiveShear, curves.negativeShear,
              momentNoise(weight, shipLength), shearNoise(weight));
}

void writeClosure(ResultFile& file, const LoadCurves& curves, const WeightDistribution& weights,
                  const StrengthCondition& condition, double shipLength) {
  const double W = weights.total;
  file.line(text(Text::StrengthClosureAt, {formatFixed(curves.forwardEnd, 1, 3)}));
  if (condition.balanced) {
    const double shearBound = closureShearBound(W);
    const double momentBound = closureMomentBound(W, shipLength);
    const bool closed =
        std::fabs(curves.endShear) <= shearBound && std::fabs(curves.endMoment) <= momentBound;
    file.line(text(Text::StrengthClosureShear,
                   {formatFixed(curves.endShear, 4, 6), formatFixed(shearBound, 4, 3)}));
    file.line(text(Text::StrengthClosureMoment,
                   {formatFixed(curves.endMoment, 4, 6), formatFixed(momentBound, 4, 3)}));
    file.line(text(closed ? Text::StrengthClosed : Text::StrengthNotClosed));
  } else {
    file.line(text(Text::StrengthEndShear, {formatFixed(curves.endShear, 6, 3)}));
    file.line(text(Text::StrengthEndMoment, {formatFixed(curves.endMoment, 8, 3)}));
    // The moment of the weights less that of the buoyancy about the forward
    // end: what BM, integrated from the aft end, comes to there.
    const double xF = curves.forwardEnd;
    const double D = condition.displacement;
    file.line(text(Text::StrengthRemainingForce, {formatFixed(W - D, 6, 3)}));
    file.line(text(Text::StrengthRemainingMoment,
                   {formatFixed(W * (xF - weights.centre) - D * (xF - condition.centre), 8, 3)}));
    file.lines(text(Text::StrengthUnbalancedNote));
  }
}

// The strength table's columns; a wave case adds its still-water and
// wave-induced moments.
std::vector<FixedColumn> tableColumns(bool wave) {
  std::vector<FixedColumn> columns = {{"X", "(m)", 10, 3},
                                      {text(Text::StrengthColumnWeight), "(t/m)", 12, 3},
                                      {text(Text::StrengthColumnBuoyancy), "(t/m)", 12, 3},
                                      {text(Text::StrengthColumnLoad), "(t/m)", 12, 3},
                                      {text(Text::StrengthColumnShear), "SF (t)", 13, 2},
                                      {text(Text::StrengthColumnMoment), "BM (t.m)", 13, 1}};
  if (wave) {
    columns.push_back({text(Text::StrengthColumnStillMoment), "(t.m)", 13, 1});
    columns.push_back({text(Text::StrengthColumnWaveMoment), "(t.m)", 13, 1});
  }
  return columns;
}

void writeTable(ResultFile& file, const Strength& result) {
  const LoadCurves& c = result.curves;
  const bool wave = result.hasStillWater;
  const std::vector<FixedColumn> columns = tableColumns(wave);
  file.line(headingLine(columns));
  file.line(unitLine(columns));
  file.line(kRule + (wave ? std::string(26, '=') : ""));
  for (std::size_t k = 0; k < c.x.size(); ++k) {
    TableRow row = {c.x[k], c.weight[k], c.buoyancy[k], c.load[k], c.shear[k], c.moment[k]};
    if (wave) {
      row.push_back(result.stillCurves.moment[k]);
      row.push_back(result.waveMoment[k]);
    }
    file.line(rowLine(columns, row));
  }
  file.line(kRule + (wave ? std::string(26, '=') : ""));
}

// Case 3's wave beside the true trochoid with its trough amidships, in one line.
void writeTrueTrough(ResultFile& file, const Strength& result) {
  const auto mirrored = [&](const std::string& trueTrough) {
    file.line(text(Text::StrengthMirroredTrough, {trueTrough}));
  };
  if (!result.hasTrueTrough) {
    mirrored(std::string(text(Text::StrengthTrueTroughNoBalance)));
    return;
  }
  const double sagging = result.trueTroughSagging.value;
  if (!(sagging < 0.0)) {
    mirrored(std::string(text(Text::StrengthTrueTroughNoSagging)));
    return;
  }
  const double difference = (result.waveSagging.value / sagging - 1.0) * 100.0;
  mirrored(
      text(Text::StrengthTrueTroughSagging,
           {formatPlain(sagging, 1), (difference >= 0.0 ? "+" : "") + formatPlain(difference, 1)}));
}

}  // namespace

ResultFile writeStrengthReport(const TaskParameters& task, const WeightDistribution& weights,
                               const Strength& result, const CrestSweep* sweep) {
  const bool balanced = caseProperties(task.caseNumber).balancesInSinkAndTrim;
  ResultFile file(task.directoryPrefix + resultName(ResultKind::StrengthReport));
  file.line();
  file.line(text(Text::StrengthStart));
  file.blank(2);
  file.line(text(Text::StrengthWeightFile, {asciiReportText(weights.fileName)}));
  file.line(" " + asciiReportText(weights.title));
  file.line(
      text(Text::StrengthBlockCount, {padInteger(static_cast<double>(weights.blocks.size()), 8)}));
  file.line(text(Text::StrengthTotalWeight, {formatFixed(weights.total, 8, 1)}));
  file.line(text(Text::StrengthWeightCentre, {formatFixed(weights.centre, 4, 3)}));
  if (balanced) {
    file.line(
        text(Text::StrengthRequiredDisplacement, {formatFixed(task.requiredDisplacement, 8, 1)}));
  }
  file.line(text(Text::StrengthSigns));
  file.blank(2);

  writeCondition(file, result.condition, conditionName(result.condition.profileCase));
  if (result.hasStillWater) {
    file.line();
    writeCondition(file, result.stillWater, conditionName(kLevelWaterline));
  }
  file.blank(2);
  file.line(text(Text::StrengthCurvesTitle, {conditionName(result.condition.profileCase)}));
  if (result.curves.rowSpacing != 0.01 * task.shipLength) {
    file.line(text(Text::StrengthRowSpacing, {formatFixed(result.curves.rowSpacing, 1, 3)}));
  }
  file.line();
  writeTable(file, result);
  file.line();
  file.line(" " + conditionName(result.condition.profileCase) + ":");
  writeMaxima(file, result.curves, weights.total, task.shipLength);
  if (result.hasStillWater) {
    file.line();
    file.line(" " + conditionName(kLevelWaterline) + ":");
    writeMaxima(file, result.stillCurves, weights.total, task.shipLength);
    file.line();
    file.line(text(Text::StrengthWaveInducedTitle));
    writeMaxima(file, result.waveHogging, result.waveSagging, result.wavePositiveShear,
                result.waveNegativeShear, closureMomentBound(weights.total, task.shipLength),
                closureShearBound(weights.total));
    const CaseProperties& properties = caseProperties(result.caseNumber);
    if (properties.trochoidal && !properties.crestAmidships) writeTrueTrough(file, result);
  }
  file.blank(2);
  writeClosure(file, result.curves, weights, result.condition, task.shipLength);
  if (result.hasStillWater) {
    file.line(text(Text::StrengthStillWaterClosure));
    writeClosure(file, result.stillCurves, weights, result.stillWater, task.shipLength);
  }
  if (balanced) {
    file.blank(2);
    writeRuleComparison(file, result, weights.total, task.shipLength);
  }
  if (sweep != nullptr) {
    file.blank(2);
    writeSweepSummary(file, *sweep, task.shipLength, weights.total);
  }
  file.blank(2);
  file.line(text(Text::StrengthEnd));
  return file;
}

ResultFile writeStrengthTable(const TaskParameters& task, const Strength& result) {
  ResultFile file(task.directoryPrefix + resultName(ResultKind::StrengthTable));
  const LoadCurves& c = result.curves;
  const bool wave = result.hasStillWater;
  file.line(std::string("x_m w_t/m b_t/m q_t/m SF_t BM_tm") +
            (wave ? " BM_still_tm BM_wave_tm SF_still_t SF_wave_t" : ""));
  for (std::size_t k = 0; k < c.x.size(); ++k) {
    std::string row = formatFixed(c.x[k], 1, 4) + " " + formatFixed(c.weight[k], 1, 4) + " " +
                      formatFixed(c.buoyancy[k], 1, 4) + " " + formatFixed(c.load[k], 1, 4) + " " +
                      formatFixed(c.shear[k], 1, 4) + " " + formatFixed(c.moment[k], 1, 3);
    if (wave) {
      row += " " + formatFixed(result.stillCurves.moment[k], 1, 3) + " " +
             formatFixed(result.waveMoment[k], 1, 3) + " " +
             formatFixed(result.stillCurves.shear[k], 1, 4) + " " +
             formatFixed(result.waveShear[k], 1, 4);
    }
    file.line(row);
  }
  return file;
}

}  // namespace norvika
