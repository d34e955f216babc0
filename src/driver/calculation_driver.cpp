#include "driver/calculation_driver.h"

#include <cmath>

#include "driver/displacement_balance.h"
#include "driver/results_report.h"
#include "driver/run_state.h"
#include "driver/task_file.h"
#include "heel/heeled_block.h"
#include "hull/hull_preparation.h"
#include "numerics/integration_spline.h"
#include "text/text_format.h"

namespace norvika {

namespace {

// The longitudinal moment of the section areas about AP over the volume.
void computeLongitudinalCentre(RunState& run) {
  const HullModel& hull = run.hull;
  const double displacement = run.displacementTable(1);
  if (!(std::fabs(displacement) > 0.0)) {
    run.platform.messageBox(
        "SU HATTI HICBIR POSTAYI KESMIYOR, DEPLASMAN SIFIR CIKTI. DRAFT DEGERLERINI YENIDEN GIRIN - "
        "STOP ",
        276, "UYARI");
    run.platform.endProgram(ExitReason::CalculationStopped);
  }
  Table<double> x(kMaxStations);
  Table<double> moment(kMaxStations);
  for (int st = 1; st <= hull.stationCount; ++st) {
    x(st) = hull.stationX(st);
    moment(st) = hull.stationX(st) * run.stationArea(1, st);
  }
  const double m = integrateTabulated(hull.stationCount, x, moment);
  run.longitudinalCentre = m / (displacement / run.task.waterDensity);
}

}  // namespace

void runCalculation(Platform& platform) {
  RunState run(platform);
  run.task = readTaskFile(platform.currentDirectory());
  readHullGeometry(platform, run.task, run.hull);

  if (run.task.caseNumber == kDamagedHeeled) {
    runHeeledBlock(run);
  } else {
    balanceDisplacement(run);
  }

  computeLongitudinalCentre(run);
  printBalanceStatus(run, false);
  warnNegativeSectionAreas(run);
  const ResultFile report = writeResultsReport(run);
  const ResultFile values = writeEqualSpacedFile(run);
  publishResultFiles({&report, &values});

  platform.inputBox("PROGRAM CALISMASI TAMAMLANDI.SONUCLAR  '" + run.task.directoryPrefix +
                        "Norvika.SON'  DOSYASINA YAZILDI. BITIRMEK ICIN 'ENTER' TUSUNA BASINIZ.",
                    "PROGRAM SONU", "", 9000, 8500);
  platform.endProgram(ExitReason::Completed);
}

}  // namespace norvika
