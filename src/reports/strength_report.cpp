#include "reports/strength_report.h"

#include <cmath>
#include <string>

#include "model/calculation_case.h"
#include "reports/report_cells.h"
#include "reports/rule_report.h"
#include "reports/sweep_report.h"
#include "support/result_names.h"
#include "text/report_text.h"
#include "text/text_format.h"

namespace norvika {

namespace {

const std::string kRule(83, '=');

std::string conditionName(int profileCase) { return caseProperties(profileCase).strengthCondition; }

void writeCondition(ResultFile& file, const StrengthCondition& condition, const std::string& name) {
  file.line(" DENGE DURUMU: " + name +
            (condition.balanced
                 ? " - BATMA VE TRIM DENGESI, " + std::to_string(condition.iterations) + " ADIM"
                 : " - DENGE ARANMADI"));
  if (caseProperties(condition.profileCase).hasWave) {
    file.line("   (DALGADA DRAFTLAR DALGANIN ORTALAMA SEVIYESINDEN OLCULUR)");
  }
  file.line("   BAS DRAFT      - Tf   = " + formatFixed(condition.forwardDraft, 4, 3) + " m.");
  file.line("   KIC DRAFT      - Ta   = " + formatFixed(condition.aftDraft, 4, 3) + " m.");
  file.line("   ORTALAMA DRAFT - Tm   = " + formatFixed(condition.meanDraft, 4, 3) + " m.");
  file.line("   TRIM      - Tf - Ta   = " + formatFixed(condition.trim, 4, 3) + " m.");
  file.line("   DEPLASMAN      - D    = " + formatFixed(condition.displacement, 8, 1) + " ton");
  file.line("   LCB 'nin YERI         = " + formatFixed(condition.centre, 4, 3) + " m. AP 'den");
}

// Values within rounding of zero (1e-6 W, 1e-6 W L) are no moment or force at all.
double momentNoise(double weight, double shipLength) { return 1e-6 * weight * shipLength; }
double forceNoise(double weight) { return 1e-6 * weight; }

// The largest and smallest BM and SF of a curve, each with its place; a value
// within the noise (t m, t) of zero is none.
void writeMaxima(ResultFile& file, const Extreme& hogging, const Extreme& sagging,
                 const Extreme& positiveShear, const Extreme& negativeShear, double momentNoise,
                 double forceNoise) {
  if (hogging.value > momentNoise) {
    file.line(" EN BUYUK KAMBURLASMA MOMENTI = " + momentText(hogging.value) + atText(hogging.x));
  } else {
    file.line(" EN BUYUK KAMBURLASMA MOMENTI : KAMBURLASMA YOK");
  }
  if (sagging.value < -momentNoise) {
    file.line(" EN BUYUK SARKMA MOMENTI      = " + momentText(sagging.value) + atText(sagging.x));
  } else {
    file.line(" EN BUYUK SARKMA MOMENTI      : SARKMA YOK");
  }
  if (positiveShear.value > forceNoise) {
    file.line(" EN BUYUK KESME KUVVETI (+)   = " + forceText(positiveShear.value) + "     " +
              atText(positiveShear.x));
  } else {
    file.line(" EN BUYUK KESME KUVVETI (+)   : POZITIF KESME KUVVETI YOK");
  }
  if (negativeShear.value < -forceNoise) {
    file.line(" EN BUYUK KESME KUVVETI (-)   = " + forceText(negativeShear.value) + "     " +
              atText(negativeShear.x));
  } else {
    file.line(" EN BUYUK KESME KUVVETI (-)   : NEGATIF KESME KUVVETI YOK");
  }
}

void writeMaxima(ResultFile& file, const LoadCurves& curves, double weight, double shipLength) {
  writeMaxima(file, curves.hogging, curves.sagging, curves.positiveShear, curves.negativeShear,
              momentNoise(weight, shipLength), forceNoise(weight));
}

void writeClosure(ResultFile& file, const LoadCurves& curves, const WeightDistribution& weights,
                  const StrengthCondition& condition, double shipLength) {
  const double W = weights.total;
  file.line(" BAS UCTA (x = " + formatFixed(curves.forwardEnd, 1, 3) + " m.) KAPANMA:");
  if (condition.balanced) {
    const double shearBound = closureShearBound(W);
    const double momentBound = closureMomentBound(W, shipLength);
    const bool closed =
        std::fabs(curves.endShear) <= shearBound && std::fabs(curves.endMoment) <= momentBound;
    file.line("   KESME KUVVETI  SF = " + formatFixed(curves.endShear, 4, 6) +
              " t     SINIR 1E-5 W   = " + formatFixed(shearBound, 4, 3) + " t");
    file.line("   EGILME MOMENTI BM = " + formatFixed(curves.endMoment, 4, 6) +
              " t.m   SINIR 1E-5 W L = " + formatFixed(momentBound, 4, 3) + " t.m");
    file.line(closed ? "   KAPANMA SAGLANDI" : "   KAPANMA SAGLANMADI");
  } else {
    file.line("   KESME KUVVETI  SF = " + formatFixed(curves.endShear, 6, 3) + " t");
    file.line("   EGILME MOMENTI BM = " + formatFixed(curves.endMoment, 8, 3) + " t.m");
    // The moment of the weights less that of the buoyancy about the forward
    // end: what BM, integrated from the aft end, comes to there.
    const double xF = curves.forwardEnd;
    const double D = condition.displacement;
    file.line("   KALAN KUVVET   W - D                         = " + formatFixed(W - D, 6, 3) +
              " t");
    file.line("   KALAN MOMENT   W (xF - LCG) - D (xF - LCB)   = " +
              formatFixed(W * (xF - weights.centre) - D * (xF - condition.centre), 8, 3) + " t.m");
    file.line("   (VERILEN SU HATTINDA DENGE ARANMAZ: BAS UCTAKI SF VE BM BU KALANLARI GOSTERIR;");
    file.line("    xF BAS UC, KALAN MOMENT BAS UCA GORE, BM > 0 GIBI KAMBURLASMA YONUNDE)");
  }
}

void writeTable(ResultFile& file, const Strength& result) {
  const LoadCurves& c = result.curves;
  const bool wave = result.hasStillWater;
  file.line(cell("X", 10) + cell("AGIRLIK w", 12) + cell("SEPHIYE b", 12) + cell("YUK q", 12) +
            cell("KESME KUV.", 13) + cell("EGILME MOM.", 13) +
            (wave ? cell("SAKIN SU BM", 13) + cell("DALGA BM", 13) : ""));
  file.line(cell("(m)", 10) + cell("(t/m)", 12) + cell("(t/m)", 12) + cell("(t/m)", 12) +
            cell("SF (t)", 13) + cell("BM (t.m)", 13) +
            (wave ? cell("(t.m)", 13) + cell("(t.m)", 13) : ""));
  file.line(kRule + (wave ? std::string(26, '=') : ""));
  for (std::size_t k = 0; k < c.x.size(); ++k) {
    std::string row =
        cell(formatFixed(c.x[k], 5, 3), 10) + cell(formatFixed(c.weight[k], 6, 3), 12) +
        cell(formatFixed(c.buoyancy[k], 6, 3), 12) + cell(formatFixed(c.load[k], 6, 3), 12) +
        cell(formatFixed(c.shear[k], 8, 2), 13) + cell(formatFixed(c.moment[k], 9, 1), 13);
    if (wave) {
      row += cell(formatFixed(result.stillCurves.moment[k], 9, 1), 13) +
             cell(formatFixed(result.waveMoment[k], 9, 1), 13);
    }
    file.line(row);
  }
  file.line(kRule + (wave ? std::string(26, '=') : ""));
}

// Case 3's wave beside the true trochoid with its trough amidships, in one line.
void writeTrueTrough(ResultFile& file, const Strength& result) {
  const std::string mirrored = " (BU CUKUR DALGASI TEPE TROKOIDININ TERSIDIR; GERCEK TROKOIDDE ";
  if (!result.hasTrueTrough) {
    file.line(mirrored + "DENGE BULUNAMADI)");
    return;
  }
  const double sagging = result.trueTroughSagging.value;
  if (!(sagging < 0.0)) {
    file.line(mirrored + "SARKMA YOK)");
    return;
  }
  const double difference = (result.waveSagging.value / sagging - 1.0) * 100.0;
  file.line(mirrored + "SARKMA " + formatPlain(sagging, 1) + " t.m, FARK " +
            (difference >= 0.0 ? "+" : "") + formatPlain(difference, 1) + " %)");
}

}  // namespace

ResultFile writeStrengthReport(const TaskParameters& task, const WeightDistribution& weights,
                               const Strength& result, const CrestSweep* sweep) {
  const bool balanced = caseProperties(task.caseNumber).balancesInSinkAndTrim;
  ResultFile file(task.directoryPrefix + resultName(ResultKind::StrengthReport));
  file.line();
  file.line(" BOYUNA MUKAVEMET HESABI - BASLAMA ----------------------------------------");
  file.blank(2);
  file.line(" AGIRLIK DOSYASI: " + asciiReportText(weights.fileName));
  file.line(" " + asciiReportText(weights.title));
  file.line(" AGIRLIK BLOK SAYISI           = " +
            padInteger(static_cast<double>(weights.blocks.size()), 8));
  file.line(" TOPLAM AGIRLIK        - W     = " + formatFixed(weights.total, 8, 1) + " ton");
  file.line(" AGIRLIK MERKEZI       - LCG   = " + formatFixed(weights.centre, 4, 3) +
            " m. AP 'den");
  if (balanced) {
    file.line(" ISTENEN DEPLASMAN             = " + formatFixed(task.requiredDisplacement, 8, 1) +
              " ton");
  }
  file.line(" ISARETLER: YUK q = w - b, SF VE BM KIC UCTAN INTEGRE EDILIR, BM > 0 KAMBURLASMA");
  file.blank(2);

  writeCondition(file, result.condition, conditionName(result.condition.profileCase));
  if (result.hasStillWater) {
    file.line();
    writeCondition(file, result.stillWater, conditionName(kLevelWaterline));
  }
  file.blank(2);
  file.line(" " + conditionName(result.condition.profileCase) +
            ": KESME KUVVETI VE EGILME MOMENTI");
  if (result.curves.rowSpacing != 0.01 * task.shipLength) {
    file.line(" (TABLO POSTALARDA VE HER " + formatFixed(result.curves.rowSpacing, 1, 3) +
              " m.DE: POSTALAR GEMI BOYUNUN COK DISINA UZANDIGI ICIN 0.01 L YERINE)");
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
    file.line(" DALGA ETKISI (DALGADAKI - SAKIN SUDAKI):");
    writeMaxima(file, result.waveHogging, result.waveSagging, result.wavePositiveShear,
                result.waveNegativeShear, closureMomentBound(weights.total, task.shipLength),
                closureShearBound(weights.total));
    const CaseProperties& properties = caseProperties(result.caseNumber);
    if (properties.trochoidal && !properties.crestAmidships) writeTrueTrough(file, result);
  }
  file.blank(2);
  writeClosure(file, result.curves, weights, result.condition, task.shipLength);
  if (result.hasStillWater) {
    file.line(" SAKIN SU:");
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
  file.line(" BOYUNA MUKAVEMET HESABI - BITIS ------------------------------------------");
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
