#include "reports/stability_report.h"

#include <algorithm>
#include <string>
#include <utility>

#include "reports/hull_lines.h"
#include "support/result_names.h"
#include "text/column_table.h"
#include "text/text_format.h"
#include "words/catalogue.h"

namespace norvika {

namespace {

// Displacements side by side in the cross curves' table.
constexpr std::size_t kCurvesPerBlock = 6;
constexpr std::size_t kHeelWidth = 13;
constexpr std::size_t kCurveWidth = 11;
// The criteria's names.
constexpr std::size_t kCriterionWidth = 48;

std::string angleText(const std::optional<double>& angle) {
  return angle ? formatPlain(*angle, 2) : "-";
}

std::string degreesText(const std::string& value) { return text(Text::StabilityDegrees, {value}); }

void writeInputs(ResultFile& file, const TaskParameters& task, const HullModel& hull,
                 const StabilityReportInputs& inputs) {
  writeHullLines(file, task, hull, task.shipLength, inputs.density, inputs.densityFromCommandLine);
  file.line(
      text(inputs.trimMode == TrimMode::Free ? Text::StabilityTrimFree : Text::StabilityTrimFixed));
  file.line(inputs.lcg ? text(Text::StabilityLcgGiven, {formatFixed(*inputs.lcg, 4, 3)})
                       : std::string(text(Text::StabilityLcgOfEachDisplacement)));
  file.line(text(Text::StabilityHeelCount,
                 {padInteger(static_cast<double>(inputs.heels.size()), 8),
                  formatPlain(inputs.heels.front(), 2), formatPlain(inputs.heels.back(), 2)}));
  file.lines(text(Text::StabilityInputNotes));
  file.blank(2);
}

// A row of a block: its name, then one cell per curve.
template <class CellOf>
void writeRow(ResultFile& file, std::string_view name, const std::vector<CrossCurve>& curves,
              std::size_t first, std::size_t last, CellOf cellOf) {
  std::string row = cell(name, kHeelWidth);
  for (std::size_t k = first; k < last; ++k) row += cell(cellOf(curves[k]), kCurveWidth);
  file.line(row);
}

void writeCrossCurves(ResultFile& file, double shipLength, const std::vector<double>& heels,
                      const std::vector<CrossCurve>& curves) {
  file.line(text(Text::StabilityCrossCurvesTitle));
  file.line();
  for (std::size_t first = 0; first < curves.size(); first += kCurvesPerBlock) {
    const std::size_t last = std::min(curves.size(), first + kCurvesPerBlock);
    const std::string rule(kHeelWidth + (last - first) * kCurveWidth + 1, '=');
    writeRow(file, text(Text::StabilityDisplacementRow), curves, first, last,
             [](const CrossCurve& c) { return formatPlain(c.condition.displacement, 1); });
    file.line(cell(text(Text::StabilityTonnesRow), kHeelWidth));
    file.line(cell(text(Text::StabilityHeelRow), kHeelWidth));
    file.line(rule);
    for (std::size_t h = 0; h < heels.size(); ++h) {
      writeRow(file, formatPlain(heels[h], 2), curves, first, last, [&](const CrossCurve& c) {
        return h < c.points.size() ? formatPlain(c.points[h].kn, 3) : std::string("-");
      });
    }
    file.line(rule);
    writeRow(file, text(Text::StabilityDraftRow), curves, first, last,
             [](const CrossCurve& c) { return formatPlain(c.condition.upright.plane.height, 3); });
    writeRow(file, text(Text::StabilityTrimRow), curves, first, last, [&](const CrossCurve& c) {
      return formatPlain(c.condition.upright.plane.trimSlope * shipLength, 3);
    });
    writeRow(file, text(Text::StabilityLcgRow), curves, first, last,
             [](const CrossCurve& c) { return formatPlain(c.condition.lcg, 3); });
    writeRow(file, text(Text::StabilityDeckEdgeRow), curves, first, last,
             [](const CrossCurve& c) { return angleText(c.deckEdgeAngle); });
    file.line(rule);
    file.blank(1);
  }
  for (const CrossCurve& c : curves) {
    if (c.stop == EquilibriumStop::None) continue;
    file.line(text(Text::StabilityNoEquilibriumAtHeel,
                   {formatPlain(c.condition.displacement, 1), formatPlain(c.stopHeel, 2),
                    equilibriumStopText(c.stop)}));
  }
  file.lines(text(Text::StabilityCrossCurvesNotes));
  file.blank(2);
}

// "  12.345 m." after a label padded to the values' column.
std::string valueLine(std::string_view label, const std::string& value) {
  return " " + std::string(label) + std::string(label.size() < 30 ? 30 - label.size() : 1, ' ') +
         "= " + value;
}

std::string metres(double value) { return formatFixed(value, 4, 3) + " m."; }
std::string degrees(double value) { return degreesText(formatFixed(value, 4, 2)); }

void writeCondition(ResultFile& file, double shipLength, const StabilityReportInputs& inputs,
                    const ConditionCheck& check) {
  const LoadingCondition& in = check.input;
  const RightingLevers& levers = check.levers;
  const Waterplane& upright = levers.condition.upright.plane;
  file.line(text(Text::StabilityConditionTitle));
  file.line();
  file.line(valueLine(text(Text::StabilityDisplacementLabel),
                      text(Text::StabilityTonnes, {formatFixed(in.displacement, 6, 1)}) +
                          (inputs.conditionDraft ? text(Text::StabilityEvenKeelDraft,
                                                        {formatPlain(*inputs.conditionDraft, 3)})
                                                 : "")));
  file.line(valueLine("KG", metres(in.kg)));
  file.line(valueLine(text(Text::StabilityFreeSurfaceLabel),
                      text(Text::StabilityTonneMetres, {formatFixed(in.freeSurfaceMoment, 6, 1)})));
  file.line(valueLine(text(Text::StabilityFluidKgLabel), metres(levers.fluidKg)));
  file.line(valueLine("KMt", metres(levers.upright.kmt)));
  file.line(valueLine(text(Text::StabilityGm0Label), metres(levers.gm0)));
  file.line(
      valueLine("LCG", metres(levers.condition.lcg) + std::string(text(Text::StabilityFromAft))));
  file.line(valueLine(text(Text::StabilityDraftLabel), metres(upright.height)));
  file.line(valueLine("TRIM                  - Tf-Ta", metres(upright.trimSlope * shipLength)));
  file.line(valueLine(
      text(Text::StabilityFloodingAngleLabel),
      in.floodingAngle ? degrees(*in.floodingAngle) : std::string(text(Text::StabilityNotGiven))));
  file.blank(2);
}

void writeLevers(ResultFile& file, const ConditionCheck& check) {
  const RightingLevers& levers = check.levers;
  file.line(text(Text::StabilityLeversTitle));
  file.line();
  file.lines(text(Text::StabilityLeversHeading));
  const std::string rule(45, '=');
  file.line(rule);
  for (const GzPoint& p : levers.table) {
    file.line(cell(formatPlain(p.heel, 2), 11) + cell(formatPlain(p.kn, 3), 11) +
              cell(formatPlain(p.kn - p.gz, 3), 11) + cell(formatPlain(p.gz, 3), 11));
  }
  file.line(rule);
  if (levers.outcome.stop != EquilibriumStop::None) {
    file.line(text(Text::StabilityCurveEnds, {formatPlain(levers.outcome.heel, 2),
                                              equilibriumStopText(levers.outcome.stop)}));
  }
  file.blank(1);
  file.line(valueLine(text(Text::StabilityMaxLeverLabel),
                      metres(levers.maximum.lever) + "  (" +
                          degreesText(formatPlain(levers.maximum.heel, 2)) + ")"));
  file.line(valueLine(text(Text::StabilityVanishingLabel),
                      levers.vanishingAngle ? degrees(*levers.vanishingAngle)
                                            : text(Text::StabilityNotVanishing,
                                                   {formatPlain(levers.curve.lastHeel(), 2)})));
  file.line(valueLine(text(Text::StabilityDeckEdgeLabel),
                      levers.deckEdgeAngle ? degrees(*levers.deckEdgeAngle)
                                           : std::string(text(Text::StabilityDeckEdgeDry))));
  const auto area = [](const std::optional<double>& a) {
    return a ? formatFixed(*a, 4, 4) + " m.rad" : std::string("-");
  };
  file.line(valueLine(text(Text::StabilityAreaUpTo, {"30"}), area(levers.area30)));
  file.line(valueLine(text(Text::StabilityAreaUpTo, {"40"}), area(levers.area40)));
  if (check.input.floodingAngle) {
    file.line(valueLine(text(Text::StabilityAreaToFlooding), area(levers.areaToFlooding)));
  }
  file.blank(2);
}

// The criterion's name, with the limits of an area.
std::string criterionName(const CriterionCheck& c) {
  switch (c.criterion) {
    case IntactCriterion::Area0To30:
    case IntactCriterion::Area0To40:
    case IntactCriterion::Area30To40:
      return text(Text::StabilityCriterionArea, {formatPlain(c.from, 1), formatPlain(c.to, 1)});
    case IntactCriterion::LeverAt30OrMore:
      return std::string(text(Text::StabilityCriterionLeverAt30));
    case IntactCriterion::AngleOfMaxLever:
      return std::string(text(Text::StabilityCriterionMaxLeverAngle));
    case IntactCriterion::InitialGm:
      return std::string(text(Text::StabilityCriterionGm0));
    case IntactCriterion::WeatherSteadyHeel:
      return std::string(text(Text::StabilityCriterionSteadyHeel));
    default:
      return std::string(text(Text::StabilityCriterionWindAreas));
  }
}

void writeCriterion(ResultFile& file, const CriterionCheck& c, bool atMost) {
  const int decimals = c.criterion == IntactCriterion::AngleOfMaxLever ||
                               c.criterion == IntactCriterion::WeatherSteadyHeel
                           ? 2
                           : 4;
  std::string name = criterionName(c);
  name.resize(kCriterionWidth, ' ');
  file.line(" " + name + (atMost ? "<= " : ">= ") + cell(formatPlain(c.required, decimals), 8) +
            cell(c.determined ? formatPlain(c.attained, decimals) : "-", 12) + "   " +
            std::string(text(c.passes ? Text::StabilityPasses : Text::StabilityFails)) +
            std::string(c.determined ? "" : text(Text::StabilityUndetermined)));
}

void writeCriteria(ResultFile& file, const ConditionCheck& check) {
  std::vector<std::pair<const CriterionCheck*, bool>> checks;  // with whether "at most"
  for (const CriterionCheck& c : check.criteria) checks.emplace_back(&c, false);
  if (check.weather) {
    checks.emplace_back(&check.weather->steadyHeelCheck, true);
    checks.emplace_back(&check.weather->areasCheck, false);
  }
  file.line(text(Text::StabilityCriteriaTitle));
  file.line();
  file.line(text(Text::StabilityCriteriaHeading));
  const std::string rule(82, '=');
  file.line(rule);
  bool passes = true;
  bool determined = true;
  for (const auto& [c, atMost] : checks) {
    writeCriterion(file, *c, atMost);
    passes = passes && c->passes;
    determined = determined && c->determined;
  }
  file.line(rule);
  file.line(text(passes ? Text::StabilityConditionPasses : Text::StabilityConditionFails,
                 {check.weather ? text(Text::StabilityGeneralAndWeather) : "2.2"}));
  if (!check.weather) file.line(text(Text::StabilityNoWeather));
  if (!determined) file.lines(text(Text::StabilityUndeterminedNote));
  file.blank(2);
}

void writeWeather(ResultFile& file, const WeatherInput& wind, const WeatherParticulars& ship,
                  const WeatherCriterion& w) {
  const auto plain = [](double v, int d) { return formatFixed(v, 4, d); };
  file.line(text(Text::StabilityWeatherTitle));
  file.line();
  file.line(valueLine(text(Text::StabilityWindArea), plain(wind.windArea, 2) + " m2"));
  file.line(valueLine(text(Text::StabilityWindLever), metres(wind.windLever)));
  file.line(valueLine(text(Text::StabilityWindPressure), plain(wind.windPressure, 1) + " Pa"));
  file.line(valueLine(text(Text::StabilityBilgeKeelArea),
                      plain(wind.bilgeKeelArea, 2) + " m2" +
                          std::string(wind.sharpBilges ? text(Text::StabilitySharpBilges) : "")));
  file.line(valueLine("Lwl, B, d", plain(ship.waterlineLength, 3) + " m., " +
                                       formatPlain(ship.breadth, 3) + " m., " +
                                       formatPlain(ship.meanDraft, 3) + " m."));
  file.line(valueLine("Cb", plain(ship.blockCoefficient, 4)));
  file.line(valueLine("lw1 = P A Z / (1000 g D)", metres(w.steadyLever)));
  file.line(valueLine("lw2 = 1.5 lw1", metres(w.gustLever)));
  file.line(valueLine("B/d, X1, X2", plain(w.roll.breadthDraftRatio, 3) + ", " +
                                         formatPlain(w.roll.x1, 3) + ", " +
                                         formatPlain(w.roll.x2, 3)));
  file.line(valueLine("Ak 100/(Lwl B), k",
                      plain(w.roll.bilgeKeelRatio, 3) + ", " + formatPlain(w.roll.k, 3)));
  file.line(valueLine("OG, r", plain(w.roll.og, 3) + " m., " + formatPlain(w.roll.r, 3)));
  file.line(valueLine(text(Text::StabilityRollPeriod),
                      plain(w.roll.c, 4) + ", " + formatPlain(w.roll.rollPeriod, 2) + " s"));
  file.line(valueLine("s", plain(w.roll.s, 4)));
  file.line(valueLine(text(Text::StabilityRollAngle), degrees(w.roll.angle)));
  file.line(
      valueLine(text(Text::StabilitySteadyHeel), w.steadyHeel ? degrees(*w.steadyHeel) : "-"));
  file.line(valueLine(text(Text::StabilitySecondGustHeel),
                      w.secondGustHeel ? degrees(*w.secondGustHeel) : "-"));
  file.line(valueLine(text(Text::StabilityUpperHeel), degrees(w.upperHeel)));
  file.line(
      valueLine(text(Text::StabilityWeatherArea, {"a"}), formatFixed(w.areaA, 4, 4) + " m.rad"));
  file.line(
      valueLine(text(Text::StabilityWeatherArea, {"b"}), formatFixed(w.areaB, 4, 4) + " m.rad"));
  file.blank(2);
}

}  // namespace

std::string equilibriumStopText(EquilibriumStop stop) {
  switch (stop) {
    case EquilibriumStop::VolumeOutsideHull:
      return std::string(text(Text::StabilityVolumeOutsideHull));
    case EquilibriumStop::TrimOutOfReach:
      return std::string(text(Text::StabilityTrimOutOfReach));
    default:
      return std::string(text(Text::StabilityNotConverged));
  }
}

ResultFile writeStabilityReport(const TaskParameters& task, const HullModel& hull,
                                const StabilityReportInputs& inputs,
                                const std::vector<CrossCurve>& crossCurves,
                                const ConditionCheck* condition) {
  ResultFile file(task.directoryPrefix + resultName(ResultKind::StabilityReport));
  file.line();
  file.line(text(Text::StabilityStart));
  file.blank(2);
  writeInputs(file, task, hull, inputs);
  writeCrossCurves(file, task.shipLength, inputs.heels, crossCurves);
  if (condition != nullptr) {
    writeCondition(file, task.shipLength, inputs, *condition);
    writeLevers(file, *condition);
    writeCriteria(file, *condition);
    if (condition->weather) {
      writeWeather(file, *condition->wind, *condition->particulars, *condition->weather);
    }
  }
  file.line(text(Text::StabilityEnd));
  return file;
}

ResultFile writeCrossCurvesTable(const TaskParameters& task,
                                 const std::vector<CrossCurve>& crossCurves) {
  ResultFile file(task.directoryPrefix + resultName(ResultKind::CrossCurvesTable));
  file.line("D_t heel_deg KN_m");
  for (const CrossCurve& c : crossCurves) {
    for (const CrossCurvePoint& p : c.points) {
      file.line(formatPlain(c.condition.displacement, 3) + " " + formatPlain(p.heel, 3) + " " +
                formatPlain(p.kn, 4));
    }
  }
  return file;
}

ResultFile writeGzTable(const TaskParameters& task, const RightingLevers& levers) {
  ResultFile file(task.directoryPrefix + resultName(ResultKind::GzTable));
  file.line("heel_deg KN_m GZ_m");
  for (const GzPoint& p : levers.samples) {
    file.line(formatPlain(p.heel, 3) + " " + formatPlain(p.kn, 4) + " " + formatPlain(p.gz, 4));
  }
  return file;
}

}  // namespace norvika
