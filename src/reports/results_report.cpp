#include "reports/results_report.h"

#include <cmath>

#include "model/calculation_case.h"
#include "support/result_names.h"
#include "text/text_format.h"

namespace norvika {

namespace {

const std::string kSectionRule(61, '=');
const std::string kBuoyancyRule(29, '=');

std::string caseTitleLine(const TaskParameters& task) {
  const CaseProperties& properties = caseProperties(task.caseNumber);
  std::string title = std::string("HESAP: ") + properties.name + " SEPHIYE DAGILIM HESABI";
  if (properties.hasWave) {
    const double waveLength = task.shipLength * task.waveLengthRatio;
    title += "  H/Lamda = " + formatFixed(task.waveHeight / waveLength, 3, 2);
  }
  return title;
}

void writeCaseValues(ResultFile& file, const TaskParameters& task) {
  const CaseProperties& properties = caseProperties(task.caseNumber);
  if (properties.hasWave) {
    const double waveLength = task.shipLength * task.waveLengthRatio;
    file.line("       DALGA PARAMETRELERI:");
    file.line("       DALGA YUKSEKLIGI  - H       = " + formatFixed(task.waveHeight, 3, 2) + " m.");
    file.line("       DALGA BOYU        - Lamda   = " + formatFixed(waveLength, 3, 3) + " m.");
    file.line("       DALGA PARAMETRESI - H/Lamda = " +
              formatFixed(task.waveHeight / waveLength, 3, 3));
  }
  if (properties.heeled) {
    file.line("       BAS DRAFT  - Tf       = " + formatFixed(task.forwardDraft, 3, 2) + " m.");
    file.line("       KIC DRAFT  - Ta       = " + formatFixed(task.aftDraft, 3, 2) + " m.");
    file.line("       MEYIL ACISI - Theta   = " + formatFixed(task.heelAngle, 3, 2) + " derece");
  }
}

void writeSectionTable(ResultFile& file, const HullModel& hull, const Immersion& immersion) {
  file.line(" SU HATTININ POSTALAR ILE KESIM NOKTALARI ");
  file.line();
  file.line(" POSTA NO     POSTA YERI       KESIM NOKTASI      KESIT ALANI");
  file.line("    NO         (AP'den)          (AP'den)             (m2)   ");
  file.line(kSectionRule);
  const std::string gap(10, ' ');
  for (int st = 1; st <= hull.stationCount; ++st) {
    file.line("   " + padInteger(st, 2) + gap + formatFixed(hull.stationX(st), 3, 3) + gap +
              formatFixed(immersion.waterline.height(st), 3, 3) + gap +
              formatFixed(immersion.stationArea(st), 3, 3));
  }
  file.line(kSectionRule);
}

void writeBuoyancyHeader(ResultFile& file) {
  file.line("NO    KESIT NO    SEPH.DEGERI");
  file.line("         (m)        (ton/m)  ");
  file.line(kBuoyancyRule);
}

std::string buoyancyRow(int k, double x, double value) {
  return padInteger(k, 3) + "    " + formatFixed(x, 3, 3) + "      " + formatFixed(value, 3, 3);
}

void writeCentreOfBuoyancy(ResultFile& file, const TaskParameters& task,
                           const CentreOfBuoyancy& centre) {
  if (caseProperties(task.caseNumber).heeled) {
    file.line("   LCB 'nin BOYUNA YERI = " + formatFixed(centre.longitudinal, 3, 3) +
              " m. AP 'den");
    file.line("   LCB 'nin ENINE  YERI = " + formatFixed(centre.transverse, 3, 3) + " m. CL 'den");
  } else {
    file.line("          LCB 'nin YERI = " + formatFixed(centre.longitudinal, 3, 3) +
              " m. AP 'den");
  }
}

void writeEqualSpacedBlock(ResultFile& file, const EqualSpacing& eq) {
  const int n = eq.count;
  file.blank(2);
  file.line(" ESIT ARALIKLI NOKTALARDA SEPHIYE DEGERLERI");
  file.blank(2);
  file.line(kBuoyancyRule);
  writeBuoyancyHeader(file);
  for (int k = 1; k <= n; ++k) file.line(buoyancyRow(k, eq.x(k), eq.v(k)));
  file.line(kBuoyancyRule);
  file.blank(2);
  file.line(" " + padInteger(n, 3) + " POSTADAKI ..");
  file.line(" ESIT ARALIKLI SEHHIYE HESAP BOYU       = " + formatFixed(eq.span, 3, 3) +
            " m. OLARAK ALINMISTIR.");
  file.line(" ESIT ARALIKLI SEHHIYE DEGERI           = " + formatFixed(eq.displacement, 6, 1) +
            " ton. OLARAK HESAPLANMISTIR.");
  file.line(" ESIT ARALIKLI SEPHIYE AGIRLIK MERKEZI  = " + formatFixed(eq.centre, 3, 3) +
            " m. OLARAK HESAPLANMISTIR.");
  file.blank(2);
}

}  // namespace

std::string distributionTitle(int count) { return numberText(count) + " POSTADA SEPHIYE DAGILIMI"; }

ResultFile writeReportHead(const TaskParameters& task, const HullModel& hull,
                           const Immersion& immersion) {
  ResultFile file(task.directoryPrefix + resultName(ResultKind::Report));
  file.line();
  file.line(" SEPHIYE HESABI - BASLAMA -----------------------------------------------");
  file.blank(3);
  file.line(caseTitleLine(task));
  writeCaseValues(file, task);
  file.blank(2);
  writeSectionTable(file, hull, immersion);
  file.line();
  if (caseProperties(task.caseNumber).showsRequiredDisplacement) {
    file.line(" ISTENEN DEPLASMAN    = " + formatFixed(task.requiredDisplacement, 7, 1) + " ton");
  }
  file.line(" HESAPLANAN DEPLASMAN = " + formatFixed(immersion.displacement, 7, 1) + " ton");
  return file;
}

void writeReportRest(ResultFile& file, const TaskParameters& task, const HullModel& hull,
                     const Immersion& immersion, const CentreOfBuoyancy& centre,
                     const EqualSpacing* equalSpacing, double lastDraftStep) {
  file.line();
  file.line(distributionTitle(hull.stationCount));
  writeBuoyancyHeader(file);
  for (int st = 1; st <= hull.stationCount; ++st) {
    file.line(buoyancyRow(st, hull.stationX(st), task.waterDensity * immersion.stationArea(st)));
  }
  file.line(kBuoyancyRule);
  file.line(padInteger(hull.stationCount, 3) +
            " POSTADAKI DEPLASMAN = " + formatFixed(immersion.displacement, 7, 1) + " ton");
  writeCentreOfBuoyancy(file, task, centre);
  if (equalSpacing != nullptr) writeEqualSpacedBlock(file, *equalSpacing);

  file.blank(2);
  file.line(" SEPHIYE HESABI - BITIS -------------------------------------------------");
  file.blank(2);
  const CaseProperties& properties = caseProperties(task.caseNumber);
  if (properties.hasWave && properties.trochoidal && std::fabs(lastDraftStep) < 0.0001 &&
      immersion.displacement > task.requiredDisplacement) {
    file.line("*******  HATA  ********");
    file.line("HESAP DEPLASMANI ILE ISTENEN DEPLASMAN DEGERI BIRBIRINDEN FARKLI CIKTI.");
    file.line("DALGA YUKSEKLIGI FAZLA GELMIS OLABILIR.");
  }
}

ResultFile writeEqualSpacedFile(const TaskParameters& task, const EqualSpacing* equalSpacing) {
  ResultFile file(task.directoryPrefix + resultName(ResultKind::EqualSpaced));
  if (equalSpacing == nullptr) return file;
  for (int k = 1; k <= equalSpacing->count; ++k) {
    file.line("  " + formatFixed(equalSpacing->v(k), 5, 5));
  }
  return file;
}

}  // namespace norvika
