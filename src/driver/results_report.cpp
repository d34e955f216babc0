#include "driver/results_report.h"

#include <cmath>
#include <string>

#include "calculation/equal_spacing.h"
#include "driver/run_stops.h"
#include "plots/distribution_graph.h"
#include "plots/ship_position.h"
#include "plots/waterline_check.h"
#include "support/result_file.h"
#include "support/result_names.h"
#include "text/text_format.h"

namespace norvika {

namespace {

const std::string kSectionRule(61, '=');
const std::string kBuoyancyRule(29, '=');

bool isWaveCase(int c) { return c >= kTrochoidCrest && c <= kSineTrough; }

std::string caseTitleLine(const TaskParameters& task) {
  const double waveLength = task.shipLength * task.waveLengthRatio;
  const auto withRatio = [&](const char* title) {
    return std::string(title) + "  H/Lamda = " + formatFixed(task.waveHeight / waveLength, 3, 2);
  };
  switch (task.caseNumber) {
    case kLevelWaterline:
      return "HESAP: DUZ SU HATTI SEPHIYE DAGILIM HESABI";
    case kTrochoidCrest:
      return withRatio("HESAP: TROKOID DALGA TEPESI SEPHIYE DAGILIM HESABI");
    case kTrochoidTrough:
      return withRatio("HESAP: TROKOID DALGA CUKURU SEPHIYE DAGILIM HESABI");
    case kSineCrest:
      return withRatio("HESAP: SINUS DALGA TEPESI SEPHIYE DAGILIM HESABI");
    case kSineTrough:
      return withRatio("HESAP: SINUS DALGA CUKURU SEPHIYE DAGILIM HESABI");
    case kTrimmedWaterline:
      return "HESAP: TRIMLI SU HATTI SEPHIYE DAGILIM HESABI";
    default:
      return "HESAP: YARALI DURUM SEPHIYE DAGILIM HESABI";
  }
}

void writeCaseValues(ResultFile& file, const TaskParameters& task) {
  if (isWaveCase(task.caseNumber)) {
    const double waveLength = task.shipLength * task.waveLengthRatio;
    file.line("       DALGA PARAMETRELERI:");
    file.line("       DALGA YUKSEKLIGI  - H       = " + formatFixed(task.waveHeight, 3, 2) + " m.");
    file.line("       DALGA BOYU        - Lamda   = " + formatFixed(waveLength, 3, 3) + " m.");
    file.line("       DALGA PARAMETRESI - H/Lamda = " +
              formatFixed(task.waveHeight / waveLength, 3, 3));
  }
  if (task.caseNumber == kDamagedHeeled) {
    file.line("       BAS DRAFT  - Tf       = " + formatFixed(task.forwardDraft, 3, 2) + " m.");
    file.line("       KIC DRAFT  - Ta       = " + formatFixed(task.aftDraft, 3, 2) + " m.");
    file.line("       MEYIL ACISI - Theta   = " + formatFixed(task.heelAngle, 3, 2) + " derece");
  }
}

void writeSectionTable(ResultFile& file, const RunState& run) {
  file.line(" SU HATTININ POSTALAR ILE KESIM NOKTALARI ");
  file.line();
  file.line(" POSTA NO     POSTA YERI       KESIM NOKTASI      KESIT ALANI");
  file.line("    NO         (AP'den)          (AP'den)             (m2)   ");
  file.line(kSectionRule);
  const std::string gap(10, ' ');
  for (int st = 1; st <= run.hull.stationCount; ++st) {
    file.line("   " + padInteger(st, 2) + gap + formatFixed(run.hull.stationX(st), 3, 3) + gap +
              formatFixed(run.waterlineHeight(st), 3, 3) + gap +
              formatFixed(run.stationArea(st), 3, 3));
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

void writeCentreOfBuoyancy(ResultFile& file, const RunState& run) {
  if (run.task.caseNumber == kDamagedHeeled) {
    file.line("   LCB 'nin BOYUNA YERI = " + formatFixed(run.heelLCB, 3, 3) + " m. AP 'den");
    file.line("   LCB 'nin ENINE  YERI = " + formatFixed(run.heelTCB, 3, 3) + " m. CL 'den");
  } else {
    file.line("          LCB 'nin YERI = " + formatFixed(run.longitudinalCentre, 3, 3) +
              " m. AP 'den");
  }
}

void writeEqualSpacedBlock(Platform& platform, ResultFile& file, const RunState& run) {
  const EqualSpacedValues& eq = run.equalSpaced;
  const int n = run.task.equalPointCount;
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
  drawDistributionGraph(platform, eq.x, eq.v, n, numberText(n) + " POSTADA SEPHIYE DAGILIMI");
}

}  // namespace

ResultFile writeResultsReport(Platform& platform, RunState& run) {
  const TaskParameters& task = run.task;
  const HullModel& hull = run.hull;
  const int c = task.caseNumber;
  const double displacement = run.displacement;
  // Worked out before the report is opened: a stop in the correction must not
  // leave half a report in place of an earlier one.
  if (task.equalPointCount != 0 && !resampleEqualSpacing(run)) {
    stopForEqualSpacing(platform, run.displacement);
  }
  ResultFile file(task.directoryPrefix + resultName(ResultKind::Report));

  file.line();
  file.line(" SEPHIYE HESABI - BASLAMA -----------------------------------------------");
  file.blank(3);
  file.line(caseTitleLine(task));
  writeCaseValues(file, task);
  file.blank(2);
  writeSectionTable(file, run);
  file.line();
  if (c <= kTrochoidTrough) {
    file.line(" ISTENEN DEPLASMAN    = " + formatFixed(task.requiredDisplacement, 7, 1) + " ton");
  }
  file.line(" HESAPLANAN DEPLASMAN = " + formatFixed(displacement, 7, 1) + " ton");

  try {
    checkWaterlineIntersections(platform, hull, task.shipLength, run.waterlineHeight);
  } catch (const ProgramEnd& end) {
    if (end.reason() == ExitReason::GeometryRejected) {
      publishResultFiles({&file});
      removeEarlierResult(task.directoryPrefix + resultName(ResultKind::EqualSpaced));
    }
    throw;
  }

  file.line();
  const std::string title = numberText(hull.stationCount) + " POSTADA SEPHIYE DAGILIMI";
  file.line(title);
  writeBuoyancyHeader(file);
  Table<double> x(kMaxStations);
  Table<double> buoyancy(kMaxStations);
  for (int st = 1; st <= hull.stationCount; ++st) {
    x(st) = hull.stationX(st);
    buoyancy(st) = task.waterDensity * run.stationArea(st);
    file.line(buoyancyRow(st, x(st), buoyancy(st)));
  }
  file.line(kBuoyancyRule);

  drawDistributionGraph(platform, x, buoyancy, hull.stationCount, title);
  drawShipPosition(platform, hull, task.shipLength, run.waterlineHeight);

  file.line(padInteger(hull.stationCount, 3) +
            " POSTADAKI DEPLASMAN = " + formatFixed(displacement, 7, 1) + " ton");
  writeCentreOfBuoyancy(file, run);
  if (task.equalPointCount != 0) writeEqualSpacedBlock(platform, file, run);

  file.blank(2);
  file.line(" SEPHIYE HESABI - BITIS -------------------------------------------------");
  file.blank(2);
  if ((c == kTrochoidCrest || c == kTrochoidTrough) && std::fabs(run.draftStep) < 0.0001 &&
      displacement > task.requiredDisplacement) {
    file.line("*******  HATA  ********");
    file.line("HESAP DEPLASMANI ILE ISTENEN DEPLASMAN DEGERI BIRBIRINDEN FARKLI CIKTI.");
    file.line("DALGA YUKSEKLIGI FAZLA GELMIS OLABILIR.");
  }
  return file;
}

ResultFile writeEqualSpacedFile(const RunState& run) {
  ResultFile file(run.task.directoryPrefix + resultName(ResultKind::EqualSpaced));
  for (int k = 1; k <= run.task.equalPointCount; ++k) {
    file.line("  " + formatFixed(run.equalSpaced.v(k), 5, 5));
  }
  return file;
}

}  // namespace norvika
