#include "run/calculation_driver.h"

#include <cmath>
#include <new>
#include <optional>
#include <utility>
#include <vector>

#include "model/calculation_case.h"
#include "model/task_file.h"
#include "platform/pause.h"
#include "plots/distribution_graph.h"
#include "plots/drawing_texts.h"
#include "plots/ship_position.h"
#include "plots/waterline_check.h"
#include "reports/balance_status.h"
#include "reports/results_report.h"
#include "reports/strength_report.h"
#include "reports/sweep_report.h"
#include "run/heeled_block.h"
#include "run/hull_preparation.h"
#include "run/input_places.h"
#include "run/run_stops.h"
#include "run/strength_step.h"
#include "support/result_file.h"
#include "words/catalogue.h"

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
// disc) and keeps them in the outcome; the run's other result files, there
// from an earlier run, are removed: they would not belong beside these.
void publish(RunOutcome& outcome, const RunSettings& settings, const Results& results) {
  if (settings.resultFiles == ResultFiles::OnDisc) {
    std::vector<const ResultFile*> files;
    for (const auto& [kind, file] : results) files.push_back(file);
    publishResultFiles(files);
  }
  for (const auto& [kind, file] : results)
    outcome.written.push_back({kind, file->path(), file->text()});
  if (settings.resultFiles != ResultFiles::OnDisc) return;
  for (const ResultKind kind : resultsOf(Analysis::CaseRun)) {
    if (outcome.file(kind) == nullptr &&
        removeEarlierResult(outcome.task->directoryPrefix + resultName(kind))) {
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
                        {std::string(text(Text::DrawingStationsCaption)), t::kStationsName});
  drawShipPosition(platform, hull, task.shipLength, immersion.waterline.height,
                   caseProperties(task.caseNumber).hasWave);
  if (equalSpacing != nullptr) {
    drawDistributionGraph(platform, equalSpacing->x, equalSpacing->v, equalSpacing->count,
                          distributionTitle(equalSpacing->count), task.shipLength,
                          {std::string(text(Text::DrawingEqualCaption)), t::kEqualName});
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
      if (weightsFile) inputs.push_back({*weightsFile, Text::InputWeightsFile, std::nullopt});
      refuseInputsAtResults(platform.currentDirectory(), inputs, resultsOf(Analysis::CaseRun));
    }
    outcome.weights = readRunWeights(task, weightsFile);
    checkStrengthRequest(settings, task, outcome.weights);
    outcome.hull.emplace(readRunHull(task));
    return;
  }
  const TaskParameters& task = outcome.task.emplace(std::move(given->task));
  if (given->weights) outcome.weights = checkRunWeights(task, std::move(*given->weights));
  checkStrengthRequest(settings, task, outcome.weights);
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
  if (!checkWaterlineIntersections(platform, hull, task.shipLength, immersion.waterline.height,
                                   caseProperties(task.caseNumber).hasWave)) {
    // The report cut short is put in place alone.
    publish(outcome, settings, {{ResultKind::Report, &report}});
    platform.endProgram(ExitReason::GeometryRejected);
  }
  drawBuoyancy(platform, task, hull, immersion, equalSpacing);
  writeReportRest(report, task, hull, immersion, *outcome.centre, equalSpacing, lastDraftStep);
  const ResultFile values = writeEqualSpacedFile(task, equalSpacing);

  if (outcome.weights) {
    runStrengthStep(platform, task, hull, immersion, meanDraft, *outcome.weights, settings,
                    outcome);
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
  } else {
    publish(outcome, settings, {{ResultKind::Report, &report}, {ResultKind::EqualSpaced, &values}});
  }

  std::vector<std::filesystem::path> written;
  for (const WrittenFile& file : outcome.written) written.push_back(file.path);
  platform.closingQuestion(written);
}

// Runs the case and keeps how it ended in the outcome.
RunOutcome runCase(Platform& platform, const RunSettings& settings,
                   std::optional<RunInputs> given) {
  RunOutcome outcome;
  outcome.directory = platform.currentDirectory();
  {
    const DialogueRecord dialogue(platform, outcome);
    static_cast<AnalysisEnding&>(outcome) =
        runToEnd([&] { driveRun(platform, settings, given, outcome); });
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
