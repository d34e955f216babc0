#include "driver/calculation_driver.h"

#include <cmath>
#include <new>
#include <optional>
#include <utility>
#include <vector>

#include "driver/balance_status.h"
#include "driver/heeled_block.h"
#include "driver/hull_preparation.h"
#include "driver/input_places.h"
#include "driver/results_report.h"
#include "driver/run_stops.h"
#include "driver/strength_report.h"
#include "driver/strength_step.h"
#include "driver/sweep_report.h"
#include "model/calculation_case.h"
#include "model/task_file.h"
#include "platform/pause.h"
#include "plots/distribution_graph.h"
#include "plots/drawing_texts.h"
#include "plots/ship_position.h"
#include "plots/waterline_check.h"
#include "support/result_file.h"

namespace norvika {

namespace {

// Keeps the run's questions, answers and stop messages in its outcome.
class DialogueRecord : public DialogueObserver {
 public:
  DialogueRecord(Platform& platform, RunOutcome& outcome) : platform_(platform), outcome_(outcome) {
    platform_.observeDialogue(this);
  }
  ~DialogueRecord() override { platform_.forgetDialogueObserver(this); }
  DialogueRecord(const DialogueRecord&) = delete;
  DialogueRecord& operator=(const DialogueRecord&) = delete;

  void questionAnswered(const std::string& title, const std::string& prompt,
                        const std::string& answer) override {
    outcome_.answers.push_back({title, prompt, answer});
  }
  void messageShown(const std::string& title, const std::string& text) override {
    outcome_.messages.push_back({title, text});
  }

 private:
  Platform& platform_;
  RunOutcome& outcome_;
};

using Results = std::vector<std::pair<ResultKind, const ResultFile*>>;

// Puts the files in place together (unless the settings keep them off the
// disc) and keeps them in the outcome.
void publish(RunOutcome& outcome, const RunSettings& settings, const Results& results) {
  if (settings.resultFiles == ResultFiles::OnDisc) {
    std::vector<const ResultFile*> files;
    for (const auto& [kind, file] : results) files.push_back(file);
    publishResultFiles(files);
  }
  for (const auto& [kind, file] : results)
    outcome.written.push_back({kind, file->path(), file->text()});
}

// Result files of an earlier run that would not belong beside this run's.
void removeEarlier(RunOutcome& outcome, const RunSettings& settings,
                   const std::vector<ResultKind>& kinds) {
  if (settings.resultFiles != ResultFiles::OnDisc) return;
  for (const ResultKind kind : kinds) {
    if (removeEarlierResult(outcome.task->directoryPrefix + resultName(kind))) {
      outcome.removed.emplace_back(resultName(kind));
    }
  }
}

// The buoyancy per metre along the ship, its position in the water and the
// equally spaced values, each graph with its pause.
void drawBuoyancy(Platform& platform, const TaskParameters& task, const HullModel& hull,
                  const Immersion& immersion, const EqualSpacing* equalSpacing) {
  Table<double> x(kMaxStations);
  Table<double> buoyancy(kMaxStations);
  for (int st = 1; st <= hull.stationCount; ++st) {
    x(st) = hull.stationX(st);
    buoyancy(st) = task.waterDensity * immersion.stationArea(st);
  }
  namespace t = texts::distribution;
  drawDistributionGraph(platform, x, buoyancy, hull.stationCount,
                        distributionTitle(hull.stationCount), task.shipLength,
                        {t::kStationsCaption, t::kStationsName});
  drawShipPosition(platform, hull, task.shipLength, immersion.waterline.height,
                   caseProperties(task.caseNumber).hasWave);
  if (equalSpacing != nullptr) {
    drawDistributionGraph(platform, equalSpacing->x, equalSpacing->v, equalSpacing->count,
                          distributionTitle(equalSpacing->count), task.shipLength,
                          {t::kEqualCaption, t::kEqualName});
  }
}

// The run's inputs, read from the run directory or taken as given, and
// checked against each other before anything is asked: a malformed weights
// file ends the run at once.
void takeInputs(Platform& platform, const RunSettings& settings, std::optional<RunInputs>& given,
                RunOutcome& outcome) {
  if (!given) {
    const TaskParameters& task = outcome.task.emplace(readTaskFile(platform.currentDirectory()));
    const std::optional<std::filesystem::path> weightsFile = runWeightsFile(task, settings);
    if (settings.resultFiles == ResultFiles::OnDisc) {
      std::vector<RunInputFile> inputs = taskInputFiles(task);
      if (weightsFile) inputs.push_back({*weightsFile, "AGIRLIK DOSYASI", std::nullopt});
      refuseInputsAtResults(platform.currentDirectory(), inputs, kBuoyancyRunResults);
    }
    outcome.weights = readRunWeights(task, weightsFile);
    checkSweepRequest(settings, task, outcome.weights);
    outcome.hull.emplace(readRunHull(task));
    return;
  }
  const TaskParameters& task = outcome.task.emplace(std::move(given->task));
  if (given->weights) outcome.weights = checkRunWeights(task, std::move(*given->weights));
  checkSweepRequest(settings, task, outcome.weights);
  outcome.hull.emplace(prepareRunHull(task, std::move(given->hull)));
}

// The run in the order users know: read, check, compute, present, ask, write.
void driveRun(Platform& platform, const RunSettings& settings, std::optional<RunInputs>& given,
              RunOutcome& outcome) {
  takeInputs(platform, settings, given, outcome);
  const TaskParameters& task = *outcome.task;
  const HullModel& hull = *outcome.hull;
  checkHullGeometry(platform, task, hull);

  double meanDraft = 0.0;
  double lastDraftStep = 0.0;
  if (caseProperties(task.caseNumber).heeled) {
    const HeeledHull& heeled = outcome.heeled.emplace(runHeeledBlock(platform, task, hull));
    outcome.centre = CentreOfBuoyancy{heeled.lcb, heeled.tcb};
  } else {
    const Balance& balance =
        outcome.balance.emplace(balanceDisplacement(task, hull, [&](const Balance& step) {
          printBalanceStatus(platform, task, hull, step.immersion.waterline,
                             step.immersion.displacement, true);
        }));
    if (balance.outcome.stop != BalanceStop::None) stopForBalance(platform, task, hull, balance);
    meanDraft = balance.meanDraft;
    lastDraftStep = balance.draftStep;
  }
  const Immersion& immersion = *outcome.immersion();
  if (!(std::fabs(immersion.displacement) > 0.0)) stopForZeroDisplacement(platform);
  if (!outcome.centre) {
    outcome.centre = CentreOfBuoyancy{
        longitudinalCentre(hull, immersion.stationArea, immersion.displacement, task.waterDensity)};
  }
  printBalanceStatus(platform, task, hull, immersion.waterline, immersion.displacement, false);
  warnNegativeSectionAreas(platform, hull, immersion.stationArea);
  // Worked out before the report: a stop in the correction must not leave
  // half a report in place of an earlier one.
  if (task.equalPointCount != 0) {
    outcome.equalSpacing =
        resampleEqualSpacing(task, hull, immersion.stationArea, immersion.displacement);
    if (!outcome.equalSpacing) stopForEqualSpacing(platform, immersion.displacement);
  }
  const EqualSpacing* equalSpacing = outcome.equalSpacing ? &*outcome.equalSpacing : nullptr;

  ResultFile report = writeReportHead(task, hull, immersion);
  try {
    checkWaterlineIntersections(platform, hull, task.shipLength, immersion.waterline.height);
  } catch (const ProgramEnd& end) {
    // The report cut short is put in place without the files of an earlier
    // run, which would not belong beside it.
    if (end.reason() == ExitReason::GeometryRejected) {
      publish(outcome, settings, {{ResultKind::Report, &report}});
      removeEarlier(outcome, settings,
                    {ResultKind::EqualSpaced, ResultKind::StrengthReport, ResultKind::StrengthTable,
                     ResultKind::SweepTable});
    }
    throw;
  }
  drawBuoyancy(platform, task, hull, immersion, equalSpacing);
  writeReportRest(report, task, hull, immersion, *outcome.centre, equalSpacing, lastDraftStep);
  const ResultFile values = writeEqualSpacedFile(task, equalSpacing);

  if (outcome.weights) {
    runStrengthStep(platform, task, hull, immersion, meanDraft, *outcome.weights,
                    settings.sweepPositions, outcome);
    const Strength& strength = *outcome.strength;
    const CrestSweep* sweep = outcome.sweep ? &*outcome.sweep : nullptr;
    const ResultFile strengthReport = writeStrengthReport(task, *outcome.weights, strength, sweep);
    const ResultFile strengthTable = writeStrengthTable(task, strength);
    Results results = {{ResultKind::Report, &report},
                       {ResultKind::EqualSpaced, &values},
                       {ResultKind::StrengthReport, &strengthReport},
                       {ResultKind::StrengthTable, &strengthTable}};
    std::optional<ResultFile> sweepTable;
    if (sweep != nullptr) {
      results.emplace_back(ResultKind::SweepTable,
                           &sweepTable.emplace(writeSweepTable(task, *sweep, strength.rule)));
    }
    publish(outcome, settings, results);
    if (sweep == nullptr) removeEarlier(outcome, settings, {ResultKind::SweepTable});
  } else {
    publish(outcome, settings, {{ResultKind::Report, &report}, {ResultKind::EqualSpaced, &values}});
    removeEarlier(outcome, settings,
                  {ResultKind::StrengthReport, ResultKind::StrengthTable, ResultKind::SweepTable});
  }

  try {
    std::vector<std::filesystem::path> written;
    for (const WrittenFile& file : outcome.written) written.push_back(file.path);
    platform.closingQuestion(written);
  } catch (const ProgramEnd& end) {
    // The results are in place: stopping at the closing question ends a complete run.
    if (end.reason() != ExitReason::StoppedByUser) throw;
  }
}

// Runs the case and keeps how it ended in the outcome.
RunOutcome runCase(Platform& platform, const RunSettings& settings,
                   std::optional<RunInputs> given) {
  RunOutcome outcome;
  outcome.directory = platform.currentDirectory();
  {
    const DialogueRecord dialogue(platform, outcome);
    try {
      driveRun(platform, settings, given, outcome);
    } catch (const ProgramEnd& end) {
      outcome.reason = end.reason();
      outcome.message = end.message();
      outcome.place = end.place();
    } catch (const std::filesystem::filesystem_error& e) {
      outcome.reason = ExitReason::WriteFailed;
      outcome.message = e.what();
    } catch (const std::bad_alloc&) {
      outcome.reason = ExitReason::InternalFailure;
      outcome.message = "internal failure: out of memory";
    } catch (const std::exception& e) {
      outcome.reason = ExitReason::InternalFailure;
      outcome.message = std::string("internal failure: ") + e.what();
    }
  }
  platform.finishAllFrames();
  return outcome;
}

}  // namespace

RunOutcome runCalculation(Platform& platform, const RunSettings& settings) {
  return runCase(platform, settings, std::nullopt);
}

RunOutcome runCalculation(Platform& platform, RunInputs inputs, const RunSettings& settings) {
  return runCase(platform, settings, std::move(inputs));
}

}  // namespace norvika
