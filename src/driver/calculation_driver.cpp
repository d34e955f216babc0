#include "driver/calculation_driver.h"

#include <cmath>

#include "calculation/displacement_balance.h"
#include "driver/balance_status.h"
#include "driver/heeled_block.h"
#include "driver/hull_preparation.h"
#include "driver/results_report.h"
#include "driver/run_stops.h"
#include "model/task_file.h"
#include "platform/pause.h"

namespace norvika {

RunState runCalculation(Platform& platform) {
  RunState run;
  run.task = readTaskFile(platform.currentDirectory());
  readHullGeometry(platform, run.task, run.hull);

  if (run.task.caseNumber == kDamagedHeeled) {
    runHeeledBlock(platform, run);
  } else {
    const BalanceOutcome outcome = balanceDisplacement(
        run, [&platform](const RunState& state) { printBalanceStatus(platform, state, true); });
    if (outcome.stop != BalanceStop::None) stopForBalance(platform, run, outcome);
  }

  if (!(std::fabs(run.displacement) > 0.0)) stopForZeroDisplacement(platform);
  computeLongitudinalCentre(run);
  printBalanceStatus(platform, run, false);
  warnNegativeSectionAreas(platform, run);
  const ResultFile report = writeResultsReport(platform, run);
  const ResultFile values = writeEqualSpacedFile(run);
  publishResultFiles({&report, &values});

  ask(platform,
      "PROGRAM CALISMASI TAMAMLANDI.SONUCLAR  '" + run.task.directoryPrefix +
          "Norvika.SON'  DOSYASINA YAZILDI. BITIRMEK ICIN 'ENTER' TUSUNA BASINIZ.",
      "PROGRAM SONU", "", kClosingQuestionAt);
  platform.finishAllFrames();
  return run;
}

}  // namespace norvika
