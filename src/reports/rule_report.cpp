#include "reports/rule_report.h"

#include <cmath>
#include <string>

#include "reports/report_cells.h"
#include "text/text_format.h"

namespace norvika {

namespace {

const std::string kRule(96, '=');

// L, B and T with where each came from.
void writeRuleValues(ResultFile& file, const RuleWaveLoads& rule, const RuleLengthSource& source) {
  std::string length = "   L  = " + formatFixed(rule.length, 4, 3) + " m. ";
  if (source.lengthGiven) {
    length += "(VERILEN KURAL BOYU)";
  } else if (source.waterline > 0.0) {
    length += "(Lpp = " + formatPlain(source.perpendiculars, 3) +
              " m., 0.96 Lwl - 0.97 Lwl ARALIGINDA; DUMEN RODUNUN YERI BILINMIYOR)";
  } else {
    length += "(Lpp: SU HATTI BOYU BULUNAMADI)";
  }
  file.line(length);
  if (source.waterline > 0.0) {
    file.line("   Lwl = " + formatFixed(source.waterline, 3, 3) + " m. KURAL DRAFTINDA; L: x = " +
              formatPlain(rule.aftEnd, 3) + " - " + formatPlain(source.waterlineForward, 3) +
              " m. AP 'den (BAS UCU SU HATTININ BAS UCU)");
  }
  file.line("   B  = " + formatFixed(rule.breadth, 3, 3) +
            " m.   T = " + formatFixed(rule.draft, 3, 3) +
            (source.draftGiven ? " m. (VERILEN YAPI DRAFTI, DUZ SU HATTI)"
                               : " m. (SAKIN SU DRAFTI; YAPI DRAFTI VERILMEDI)"));
  file.line("   Cb = " + formatFixed(rule.blockCoefficient, 1, 4) + " (HESAPLANAN " +
            formatFixed(rule.computedBlockCoefficient, 1, 4) +
            ", EN AZ 0.6)   C = " + formatFixed(rule.coefficient, 2, 4) + "   g = 9.81 m/s2");
  file.line("   KURAL KAMBURLASMA Mw = +190 C L2 B Cb 1E-3       = " +
            formatFixed(rule.hogging, 10, 1) + " kN.m");
  file.line("   KURAL SARKMA      Mw = -110 C L2 B (Cb+0.7) 1E-3 = " +
            formatFixed(rule.sagging, 10, 1) + " kN.m");
  file.line("   KURAL KESME KUV.  Fw = 30 C L B (Cb+0.7) 1E-2    = " +
            formatFixed(rule.shear, 10, 1) + " kN");
  file.line("   (GEMI BOYUNCA Mw x M, +Fw x F1, -Fw x F2; a = 190 Cb / (110 (Cb+0.7)) = " +
            formatFixed(rule.hoggingShare, 1, 4) + ")");
}

// The wave-induced extremes against the rule's values where M is 1; a crest
// bends the ship one way only: the other line says so instead of a zero ratio.
void writeMidshipComparison(ResultFile& file, const Strength& result, double noise) {
  const auto compare = [&](const char* label, const char* word, const Extreme& computed,
                           double ruleValue) {
    const double kNm = computed.value * kGravity;
    if (!(std::fabs(computed.value) > noise) || !(kNm / ruleValue > 0.0)) {
      file.line(std::string("   HESAPLANAN DALGA ") + label + ": BU DALGADA " + word + " YOK");
      return;
    }
    file.line(std::string("   HESAPLANAN DALGA ") + label + "= " + formatFixed(kNm, 10, 1) +
              " kN.m" + atText(computed.x) + "   ORAN = " + formatFixed(kNm / ruleValue, 1, 3));
  };
  compare("KAMBURLASMA MOMENTI ", "KAMBURLASMA", result.waveHogging, result.rule.hogging);
  compare("SARKMA MOMENTI      ", "SARKMA", result.waveSagging, result.rule.sagging);
  file.line("   (DALGA MOMENTI = DALGADAKI BM - SAKIN SUDAKI BM)");
}

void writeLargestRatio(ResultFile& file, const char* label, const Extreme& ratio) {
  if (ratio.value > 0.0) {
    file.line(std::string("   EN BUYUK ORAN, ") + label + " = " + formatFixed(ratio.value, 1, 3) +
              atText(ratio.x));
  } else {
    file.line(std::string("   EN BUYUK ORAN, ") + label + " : BU DALGADA DALGA ETKISI YOK");
  }
}

void writeTable(ResultFile& file, const RuleComparison& c, const RuleWaveLoads& rule) {
  file.line(" GEMI BOYUNCA DALGA ETKISI VE KURAL DEGERI (AYNI ISARETLI KURAL DEGERI ILE ORAN)");
  file.line();
  file.line(cell("X", 10) + cell("M", 7) + cell("F1", 7) + cell("F2", 7) + cell("DALGA SF", 12) +
            cell("KURAL SF", 12) + cell("ORAN", 7) + cell("DALGA BM", 13) + cell("KURAL BM", 13) +
            cell("ORAN", 7));
  file.line(cell("(m)", 10) + std::string(21, ' ') + cell("(kN)", 12) + cell("(kN)", 12) +
            std::string(7, ' ') + cell("(kN.m)", 13) + cell("(kN.m)", 13));
  file.line(kRule);
  for (std::size_t k = 0; k < c.x.size(); ++k) {
    const double t = ruleLengthShare(rule, c.x[k]);
    const RuleRatio& f = c.shear[k];
    const RuleRatio& m = c.moment[k];
    file.line(cell(formatFixed(c.x[k], 5, 3), 10) +
              cell(formatFixed(waveMomentFactor(t), 1, 3), 7) +
              cell(formatFixed(positiveShearFactor(t, rule.hoggingShare), 1, 3), 7) +
              cell(formatFixed(negativeShearFactor(t, rule.hoggingShare), 1, 3), 7) +
              cell(formatFixed(f.computed, 1, 1), 12) + cell(formatFixed(f.rule, 1, 1), 12) +
              ratioText(f.hasRatio, f.ratio, 7) + cell(formatFixed(m.computed, 1, 1), 13) +
              cell(formatFixed(m.rule, 1, 1), 13) + ratioText(m.hasRatio, m.ratio, 7));
  }
  file.line(kRule);
}

}  // namespace

void writeRuleComparison(ResultFile& file, const Strength& result, double weight,
                         double shipLength) {
  const RuleWaveLoads& rule = result.rule;
  file.line(" KLAS KURALI (IACS UR S11) DALGA EGILME MOMENTI ILE KARSILASTIRMA");
  if (!rule.applies) {
    file.line("   L = " + formatFixed(rule.length, 1, 3) +
              " m. KURAL 90 - 500 m. BOYLAR ICINDIR: BU GEMIYE UYGULANMAZ");
    return;
  }
  writeRuleValues(file, rule, result.ruleSource);
  if (!result.hasStillWater) {
    file.line("   SAKIN SU HESABI: DALGA MOMENTI HESAPLANMADI (DALGA HESAPLARI 2-5)");
    return;
  }
  writeMidshipComparison(file, result, closureMomentBound(weight, shipLength));
  writeLargestRatio(file, "DALGA EGILME MOMENTI ", result.ruleComparison.largestMomentRatio);
  writeLargestRatio(file, "DALGA KESME KUVVETI  ", result.ruleComparison.largestShearRatio);
  file.line("   (ORAN YALNIZ " + thresholdText(result.ruleComparison.thresholds) +
            " OLAN YERLERDE ALINIR)");
  file.line();
  writeTable(file, result.ruleComparison, rule);
}

}  // namespace norvika
