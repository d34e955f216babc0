#include "driver/calculation_driver.h"

#include <cmath>

#include "calculation/displacement_balance.h"
#include "driver/balance_status.h"
#include "driver/heeled_block.h"
#include "driver/hull_preparation.h"
#include "driver/results_report.h"
#include "driver/run_stops.h"
#include "driver/strength_step.h"
#include "model/task_file.h"
#include "platform/pause.h"
#include "support/result_names.h"

namespace norvika {

namespace {

// The strength files of an earlier run do not belong beside this run's report.
void removeEarlierStrengthFiles(const RunState& run) {
  removeEarlierResult(run.task.directoryPrefix + resultName(ResultKind::StrengthReport));
  removeEarlierResult(run.task.directoryPrefix + resultName(ResultKind::StrengthTable));
}

// The report of the buoyancy; a "yes" at its waterline check puts it in place
// cut short, without the strength files of an earlier run.
ResultFile writeStrengthAwareReport(Platform& platform, RunState& run) {
  try {
    return writeResultsReport(platform, run);
  } catch (const ProgramEnd& end) {
    if (end.reason() == ExitReason::GeometryRejected) removeEarlierStrengthFiles(run);
    throw;
  }
}

}  // namespace

RunState runCalculation(Platform& platform, const RunSettings& settings) {
  RunState run;
  run.task = readTaskFile(platform.currentDirectory());
  // Read before anything is asked: a malformed weights file ends the run at once.
  const std::optional<WeightDistribution> weights = readRunWeights(run.task, settings);
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
  const ResultFile report = writeStrengthAwareReport(platform, run);
  const ResultFile values = writeEqualSpacedFile(run);
  if (weights) {
    const StrengthFiles strength = runStrengthStep(platform, run, *weights);
    publishResultFiles({&report, &values, &strength.report, &strength.table});
    run.strengthWritten = true;
  } else {
    publishResultFiles({&report, &values});
    removeEarlierStrengthFiles(run);
  }

  ask(platform,
      "PROGRAM CALISMASI TAMAMLANDI.SONUCLAR  '" + run.task.directoryPrefix +
          "Norvika.SON'  DOSYASINA YAZILDI. BITIRMEK ICIN 'ENTER' TUSUNA BASINIZ.",
      "PROGRAM SONU", "", kClosingQuestionAt);
  platform.finishAllFrames();
  return run;
}

}  // namespace norvika
