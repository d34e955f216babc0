#include "reports/stability_report.h"

#include <algorithm>
#include <string>
#include <utility>

#include "reports/hull_lines.h"
#include "support/result_names.h"
#include "text/column_table.h"
#include "text/text_format.h"

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

void writeInputs(ResultFile& file, const TaskParameters& task, const HullModel& hull,
                 const StabilityReportInputs& inputs) {
  writeHullLines(file, task, hull, task.shipLength, inputs.density, inputs.densityFromCommandLine);
  file.line(std::string(" TRIM                          = ") +
            (inputs.trimMode == TrimMode::Free ? "SERBEST (LCB = LCG OLANA KADAR)"
                                               : "SABIT (DIK DURUMDAKI TRIM TUTULUR)"));
  file.line(" LCG                           = " +
            (inputs.lcg ? formatFixed(*inputs.lcg, 4, 3) + " m. AP 'den (--lcg)"
                        : std::string("HER DEPLASMANIN DUZ OMURGADAKI LCB 'SI")));
  file.line(" MEYIL ACISI SAYISI            = " +
            padInteger(static_cast<double>(inputs.heels.size()), 8) + "   (" +
            formatPlain(inputs.heels.front(), 2) + " - " + formatPlain(inputs.heels.back(), 2) +
            " derece)");
  file.line(" MEYIL SANCAK TARAFI SUYA GIRECEK YONDE; DEPLASMAN HER ACIDA AYNI TUTULUR.");
  file.line(" KN = yB cos(FI) + zB sin(FI): G TABAN HATTINDA, MERKEZ HATTI UZERINDE.");
  file.blank(2);
}

// A row of a block: its name, then one cell per curve.
template <class CellOf>
void writeRow(ResultFile& file, const std::string& name, const std::vector<CrossCurve>& curves,
              std::size_t first, std::size_t last, CellOf cellOf) {
  std::string text = cell(name, kHeelWidth);
  for (std::size_t k = first; k < last; ++k) text += cell(cellOf(curves[k]), kCurveWidth);
  file.line(text);
}

void writeCrossCurves(ResultFile& file, double shipLength, const std::vector<double>& heels,
                      const std::vector<CrossCurve>& curves) {
  file.line(" KN CAPRAZ EGRILERI (m)");
  file.line();
  for (std::size_t first = 0; first < curves.size(); first += kCurvesPerBlock) {
    const std::size_t last = std::min(curves.size(), first + kCurvesPerBlock);
    const std::string rule(kHeelWidth + (last - first) * kCurveWidth + 1, '=');
    writeRow(file, "DEPLASMAN", curves, first, last,
             [](const CrossCurve& c) { return formatPlain(c.condition.displacement, 1); });
    file.line(cell("(ton)", kHeelWidth));
    file.line(cell("MEYIL (der)", kHeelWidth));
    file.line(rule);
    for (std::size_t h = 0; h < heels.size(); ++h) {
      writeRow(file, formatPlain(heels[h], 2), curves, first, last, [&](const CrossCurve& c) {
        return h < c.points.size() ? formatPlain(c.points[h].kn, 3) : std::string("-");
      });
    }
    file.line(rule);
    writeRow(file, "T L/2 (m)", curves, first, last,
             [](const CrossCurve& c) { return formatPlain(c.condition.upright.plane.height, 3); });
    writeRow(file, "TRIM (m)", curves, first, last, [&](const CrossCurve& c) {
      return formatPlain(c.condition.upright.plane.trimSlope * shipLength, 3);
    });
    writeRow(file, "LCG (m AP)", curves, first, last,
             [](const CrossCurve& c) { return formatPlain(c.condition.lcg, 3); });
    writeRow(file, "GUV.K. (der)", curves, first, last,
             [](const CrossCurve& c) { return angleText(c.deckEdgeAngle); });
    file.line(rule);
    file.blank(1);
  }
  for (const CrossCurve& c : curves) {
    if (c.stop == EquilibriumStop::None) continue;
    file.line(" " + formatPlain(c.condition.displacement, 1) +
              " ton: " + formatPlain(c.stopHeel, 2) + " DERECEDE DENGE YOK (" +
              equilibriumStopText(c.stop) + ")");
  }
  file.line(" GUV.K.: GUVERTE KENARININ SUYA GIRDIGI MEYIL ACISI (- : GIRMIYOR).");
  file.line(" TRIM Tf-Ta DIK DURUMDA, L/2 ETRAFINDA.");
  file.blank(2);
}

// "  12.345 m." after a label padded to the values' column.
std::string valueLine(const std::string& label, const std::string& value) {
  return " " + label + std::string(label.size() < 30 ? 30 - label.size() : 1, ' ') + "= " + value;
}

std::string metres(double value) { return formatFixed(value, 4, 3) + " m."; }
std::string degrees(double value) { return formatFixed(value, 4, 2) + " derece"; }

void writeCondition(ResultFile& file, double shipLength, const StabilityReportInputs& inputs,
                    const ConditionCheck& check) {
  const LoadingCondition& in = check.input;
  const RightingLevers& levers = check.levers;
  const Waterplane& upright = levers.condition.upright.plane;
  file.line(" YUKLEME KONDISYONU");
  file.line();
  file.line(
      valueLine("DEPLASMAN             - D",
                formatFixed(in.displacement, 6, 1) + " ton" +
                    (inputs.conditionDraft
                         ? " (DUZ OMURGADA DRAFT " + formatPlain(*inputs.conditionDraft, 3) + " m.)"
                         : "")));
  file.line(valueLine("KG", metres(in.kg)));
  file.line(
      valueLine("SERBEST YUZEY MOMENTI - FSM", formatFixed(in.freeSurfaceMoment, 6, 1) + " ton.m"));
  file.line(valueLine("DUZELTILMIS KG (KG + FSM/D)", metres(levers.fluidKg)));
  file.line(valueLine("KMt", metres(levers.upright.kmt)));
  file.line(valueLine("GM0 (KMt - DUZELTILMIS KG)", metres(levers.gm0)));
  file.line(valueLine("LCG", metres(levers.condition.lcg) + " AP 'den"));
  file.line(valueLine("DRAFT L/2 'DE        - T", metres(upright.height)));
  file.line(valueLine("TRIM                  - Tf-Ta", metres(upright.trimSlope * shipLength)));
  file.line(valueLine("SU ALMA ACISI",
                      in.floodingAngle ? degrees(*in.floodingAngle) : std::string("VERILMEDI")));
  file.blank(2);
}

void writeLevers(ResultFile& file, const ConditionCheck& check) {
  const RightingLevers& levers = check.levers;
  file.line(" DOGRULTUCU MOMENT KOLLARI (GZ = KN - DUZELTILMIS KG sin(FI))");
  file.line();
  file.line("      MEYIL         KN   KG sin(FI)         GZ");
  file.line("   (derece)        (m)        (m)        (m)");
  const std::string rule(45, '=');
  file.line(rule);
  for (const GzPoint& p : levers.table) {
    file.line(cell(formatPlain(p.heel, 2), 11) + cell(formatPlain(p.kn, 3), 11) +
              cell(formatPlain(p.kn - p.gz, 3), 11) + cell(formatPlain(p.gz, 3), 11));
  }
  file.line(rule);
  if (levers.outcome.stop != EquilibriumStop::None) {
    file.line(" " + formatPlain(levers.outcome.heel, 2) + " DERECEDE DENGE YOK (" +
              equilibriumStopText(levers.outcome.stop) + "); EGRI ORADA BITER.");
  }
  file.blank(1);
  file.line(valueLine("EN BUYUK GZ", metres(levers.maximum.lever) + "  (" +
                                         formatPlain(levers.maximum.heel, 2) + " derece)"));
  file.line(valueLine("STABILITENIN KAYBOLDUGU ACI",
                      levers.vanishingAngle
                          ? degrees(*levers.vanishingAngle)
                          : "EGRININ SONUNA (" + formatPlain(levers.curve.lastHeel(), 2) +
                                " derece) KADAR KAYBOLMUYOR"));
  file.line(valueLine("GUVERTE KENARI SUYA GIRER", levers.deckEdgeAngle
                                                       ? degrees(*levers.deckEdgeAngle)
                                                       : std::string("GIRMIYOR")));
  const auto area = [](const std::optional<double>& a) {
    return a ? formatFixed(*a, 4, 4) + " m.rad" : std::string("-");
  };
  file.line(valueLine("GZ ALTINDA ALAN 0-30 derece", area(levers.area30)));
  file.line(valueLine("GZ ALTINDA ALAN 0-40 derece", area(levers.area40)));
  if (check.input.floodingAngle) {
    file.line(valueLine("GZ ALTINDA ALAN 0-SU ALMA", area(levers.areaToFlooding)));
  }
  file.blank(2);
}

// The criterion's name, with the limits of an area.
std::string criterionName(const CriterionCheck& c) {
  const std::string range = formatPlain(c.from, 1) + "-" + formatPlain(c.to, 1) + " derece";
  switch (c.criterion) {
    case IntactCriterion::Area0To30:
    case IntactCriterion::Area0To40:
    case IntactCriterion::Area30To40:
      return "2.2.1   ALAN " + range + " (m.rad)";
    case IntactCriterion::LeverAt30OrMore:
      return "2.2.2   30 derece VE USTUNDE EN BUYUK GZ (m)";
    case IntactCriterion::AngleOfMaxLever:
      return "2.2.3   EN BUYUK GZ 'NIN ACISI (derece)";
    case IntactCriterion::InitialGm:
      return "2.2.4   GM0 (m)";
    case IntactCriterion::WeatherSteadyHeel:
      return "2.3.1.2 SUREKLI RUZGAR MEYLI TETA0 (derece)";
    default:
      return "2.3.1.4 ALAN b, ALAN a 'DAN BUYUK (m.rad)";
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
            (c.passes ? "SAGLAR" : "SAGLAMAZ") + (c.determined ? "" : " (BELIRLENEMEDI)"));
}

void writeCriteria(ResultFile& file, const ConditionCheck& check) {
  std::vector<std::pair<const CriterionCheck*, bool>> checks;  // with whether "at most"
  for (const CriterionCheck& c : check.criteria) checks.emplace_back(&c, false);
  if (check.weather) {
    checks.emplace_back(&check.weather->steadyHeelCheck, true);
    checks.emplace_back(&check.weather->areasCheck, false);
  }
  file.line(" HASAR GORMEMIS STABILITE KRITERLERI: IMO 2008 IS CODE (MSC.267(85)), BOLUM A");
  file.line();
  std::string heading = "KRITER";
  heading.resize(kCriterionWidth, ' ');
  file.line(" " + heading + "   " + cell("ISTENEN", 8) + cell("HESAPLANAN", 12) + "   SONUC");
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
  file.line(std::string(" KONDISYON ") + (check.weather ? "2.2 VE 2.3 " : "2.2 ") +
            (passes ? "KRITERLERINI SAGLAR." : "KRITERLERINI SAGLAMAZ."));
  if (!check.weather) file.line(" 2.3 RUZGAR VE YALPA KRITERI: RUZGAR ALANI VE KOLU VERILMEDI.");
  if (!determined) {
    file.line(" BELIRLENEMEDI: GZ EGRISI KRITERIN ISTEDIGI ACIYA ULASMADAN BITER YA DA GM0");
    file.line(" SIFIRIN ALTINDA (YALPA PERYODU YOK); KRITER SAGLANMAMIS SAYILIR.");
  }
  file.blank(2);
}

void writeWeather(ResultFile& file, const WeatherInput& wind, const WeatherParticulars& ship,
                  const WeatherCriterion& w) {
  const auto plain = [](double v, int d) { return formatFixed(v, 4, d); };
  file.line(" RUZGAR VE YALPA KRITERI (2.3)");
  file.line();
  file.line(valueLine("RUZGAR ALANI          - A", plain(wind.windArea, 2) + " m2"));
  file.line(valueLine("RUZGAR KOLU           - Z", metres(wind.windLever)));
  file.line(valueLine("RUZGAR BASINCI        - P", plain(wind.windPressure, 1) + " Pa"));
  file.line(valueLine(
      "YALPA OMURGASI ALANI  - Ak",
      plain(wind.bilgeKeelArea, 2) + " m2" + (wind.sharpBilges ? " (KESKIN SINTINE)" : "")));
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
  file.line(valueLine("C, YALPA PERYODU T",
                      plain(w.roll.c, 4) + ", " + formatPlain(w.roll.rollPeriod, 2) + " s"));
  file.line(valueLine("s", plain(w.roll.s, 4)));
  file.line(valueLine("YALPA ACISI TETA1", degrees(w.roll.angle)));
  file.line(valueLine("TETA0 (GZ = lw1)", w.steadyHeel ? degrees(*w.steadyHeel) : "-"));
  file.line(valueLine("TETAc (GZ YINE lw2)", w.secondGustHeel ? degrees(*w.secondGustHeel) : "-"));
  file.line(valueLine("TETA2", degrees(w.upperHeel)));
  file.line(valueLine("ALAN a", formatFixed(w.areaA, 4, 4) + " m.rad"));
  file.line(valueLine("ALAN b", formatFixed(w.areaB, 4, 4) + " m.rad"));
  file.blank(2);
}

}  // namespace

std::string equilibriumStopText(EquilibriumStop stop) {
  switch (stop) {
    case EquilibriumStop::VolumeOutsideHull:
      return "HACIM SIFIR YA DA GEMININ GUVERTEYE KADAR HACMINDEN BUYUK";
    case EquilibriumStop::TrimOutOfReach:
      return "LCB ANCAK 1/4 'TEN BUYUK TRIMLE LCG 'YE GELIR";
    default:
      return "DENGE HESABI YAKINSAMADI";
  }
}

ResultFile writeStabilityReport(const TaskParameters& task, const HullModel& hull,
                                const StabilityReportInputs& inputs,
                                const std::vector<CrossCurve>& crossCurves,
                                const ConditionCheck* condition) {
  ResultFile file(task.directoryPrefix + resultName(ResultKind::StabilityReport));
  file.line();
  file.line(" STABILITE HESABI - BASLAMA ----------------------------------------------");
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
  file.line(" STABILITE HESABI - BITIS ------------------------------------------------");
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
