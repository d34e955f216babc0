#include "run/strength_step.h"

#include <cmath>
#include <string>

#include "calculation/crest_sweep.h"
#include "calculation/strength.h"
#include "model/calculation_case.h"
#include "platform/pause.h"
#include "plots/strength_graph.h"
#include "support/run_end.h"
#include "text/text_format.h"
#include "words/catalogue.h"

namespace norvika {

namespace {

// `where` names the crest position of a sweep, before the balance's own words.
[[noreturn]] void stopForStrengthBalance(Platform& platform, const TaskParameters& task,
                                         const WeightDistribution& weights,
                                         const BalanceOutcome& outcome,
                                         const std::string& where = "") {
  switch (outcome.stop) {
    case BalanceStop::DeckImmersed:
      stopWithMessage(platform,
                      where + text(Text::StrengthStopDeck,
                                   {padInteger(outcome.station, 2), formatFixed(outcome.deck, 3, 3),
                                    formatFixed(outcome.waterline, 3, 3)}),
                      std::string(text(Text::StopTitleWarning)));
    case BalanceStop::WavePhase:
      stopWithMessage(
          platform, where + text(Text::StrengthStopWavePhase, {formatFixed(task.waveHeight, 3, 3)}),
          std::string(text(Text::StopTitleWaveHeight)));
    default:
      break;
  }
  stopWithMessage(
      platform,
      where + text(Text::StrengthStopNoBalance,
                   {std::to_string(kTrimBalanceIterationLimit), formatFixed(weights.total, 7, 1),
                    formatFixed(weights.centre, 3, 3)}),
      std::string(text(Text::StopTitleWarning)));
}

}  // namespace

std::optional<std::filesystem::path> runWeightsFile(const TaskParameters& task,
                                                    const RunSettings& settings) {
  if (settings.weightsFile) return settings.weightsFile;
  return findWeightsFile(task.directoryPrefix);
}

std::optional<WeightDistribution> readRunWeights(const TaskParameters& task,
                                                 const std::optional<std::filesystem::path>& file) {
  if (!file) return std::nullopt;
  return checkRunWeights(task, readWeightsFile(*file, file->filename().string(), task.shipLength));
}

WeightDistribution checkRunWeights(const TaskParameters& task, WeightDistribution weights) {
  if (caseProperties(task.caseNumber).searchesDisplacement) {
    const double required = task.requiredDisplacement;
    if (!(std::fabs(weights.total - required) <= 0.005 * required)) {
      throw ProgramEnd(
          ExitReason::InputError,
          text(Text::StrengthWeightMismatch,
               {weights.fileName, formatFixed(weights.total, 1, 1), formatFixed(required, 1, 1),
                task.file.empty() ? std::string(text(Text::StrengthGivenValues))
                                  : task.file.filename().string()}));
    }
  }
  return weights;
}

void checkStrengthRequest(const RunSettings& settings, const TaskParameters& task,
                          const std::optional<WeightDistribution>& weights) {
  if (settings.rule.length || settings.rule.scantlingDraft) {
    if (!caseProperties(task.caseNumber).balancesInSinkAndTrim) {
      throw ProgramEnd(ExitReason::InputError,
                       text(Text::StrengthRuleCaseOnly, {std::to_string(task.caseNumber)}));
    }
    if (!weights) {
      throw ProgramEnd(ExitReason::InputError, std::string(text(Text::StrengthRuleNeedsWeights)));
    }
  }
  if (settings.sweepPositions == 0) return;
  if (!caseProperties(task.caseNumber).hasWave) {
    throw ProgramEnd(ExitReason::InputError,
                     text(Text::StrengthSweepCaseOnly, {std::to_string(task.caseNumber)}));
  }
  if (!weights) {
    throw ProgramEnd(ExitReason::InputError, std::string(text(Text::StrengthSweepNeedsWeights)));
  }
}

void runStrengthStep(Platform& platform, const TaskParameters& task, const HullModel& hull,
                     const Immersion& immersion, double meanDraft,
                     const WeightDistribution& weights, const RunSettings& settings,
                     RunOutcome& outcome) {
  const int sweepPositions = settings.sweepPositions;
  const Strength& strength = outcome.strength.emplace(
      computeStrength(task, hull, immersion, meanDraft, weights, settings.rule));
  if (strength.outcome.stop != BalanceStop::None) {
    stopForStrengthBalance(platform, task, weights, strength.outcome);
  }
  const CrestSweep* sweep = nullptr;
  if (sweepPositions > 0) {
    sweep = &outcome.sweep.emplace(
        sweepCrest(task, hull, weights, strength, sweepPositions, meanDraft));
    if (sweep->outcome.stop != BalanceStop::None) {
      stopForStrengthBalance(
          platform, task, weights, sweep->outcome,
          text(Text::StrengthStopAtCrest, {formatFixed(sweep->failedCrest, 1, 3)}));
    }
  }
  drawStrengthGraph(platform, strength, hull, task.shipLength, weights.total, sweep);
}

}  // namespace norvika
