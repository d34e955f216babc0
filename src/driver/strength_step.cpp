#include "driver/strength_step.h"

#include <cmath>

#include "calculation/strength.h"
#include "model/calculation_case.h"
#include "platform/pause.h"
#include "plots/strength_graph.h"
#include "support/run_end.h"
#include "text/text_format.h"

namespace norvika {

namespace {

[[noreturn]] void stopForStrengthBalance(Platform& platform, const TaskParameters& task,
                                         const WeightDistribution& weights,
                                         const BalanceOutcome& outcome) {
  switch (outcome.stop) {
    case BalanceStop::DeckImmersed:
      stopWithMessage(platform,
                      "MUKAVEMET DENGESINDE " + padInteger(outcome.station, 2) +
                          ". POSTADA SU HATTI GUVERTEYI ASTI. GUVERTE YUKSEKLIGI = " +
                          formatFixed(outcome.deck, 3, 3) +
                          " m, SU HATTI = " + formatFixed(outcome.waterline, 3, 3) +
                          " m. AGIRLIK DAGILIMINI VEYA DALGA YUKSEKLIGINI KONTROL EDIN - STOP ",
                      "UYARI");
    case BalanceStop::WavePhase:
      stopWithMessage(
          platform,
          "MUKAVEMET DENGESINDE DALGA YUKSEKLIGI = " + formatFixed(task.waveHeight, 3, 3) +
              " m. ICIN YAKINSAMA OLMADI. YENI BIR DALGA YUKSEKLIGI GIRIN - STOP",
          "DALGA YUKSEKLIGI GIRIS HATASI");
    default:
      break;
  }
  stopWithMessage(platform,
                  "BATMA VE TRIM DENGESI " + std::to_string(kTrimBalanceIterationLimit) +
                      " ADIMDA BULUNAMADI: W = " + formatFixed(weights.total, 7, 1) +
                      " ton, LCG = " + formatFixed(weights.centre, 3, 3) +
                      " m. AGIRLIK DAGILIMINI KONTROL EDIN - STOP ",
                  "UYARI");
}

}  // namespace

std::optional<WeightDistribution> readRunWeights(const TaskParameters& task,
                                                 const RunSettings& settings) {
  std::optional<std::filesystem::path> path = settings.weightsFile;
  if (!path) path = findWeightsFile(task.directoryPrefix);
  if (!path) return std::nullopt;
  return checkRunWeights(task, readWeightsFile(*path, path->filename().string(), task.shipLength));
}

WeightDistribution checkRunWeights(const TaskParameters& task, WeightDistribution weights) {
  if (caseProperties(task.caseNumber).searchesDisplacement) {
    const double required = task.requiredDisplacement;
    if (!(std::fabs(weights.total - required) <= 0.005 * required)) {
      throw ProgramEnd(
          ExitReason::InputError,
          weights.fileName + ": TOPLAM AGIRLIK W = " + formatFixed(weights.total, 1, 1) +
              " ton ISTENEN DEPLASMANDAN (" + formatFixed(required, 1, 1) + " ton, " +
              (task.file.empty() ? std::string("HESAP DEGERLERI") : task.file.filename().string()) +
              ") %0.5 'TEN FAZLA FARKLI");
    }
  }
  return weights;
}

Strength runStrengthStep(Platform& platform, const TaskParameters& task, const HullModel& hull,
                         const Immersion& immersion, double meanDraft,
                         const WeightDistribution& weights) {
  Strength strength = computeStrength(task, hull, immersion, meanDraft, weights);
  if (strength.outcome.stop != BalanceStop::None) {
    stopForStrengthBalance(platform, task, weights, strength.outcome);
  }
  drawStrengthGraph(platform, strength);
  return strength;
}

}  // namespace norvika
