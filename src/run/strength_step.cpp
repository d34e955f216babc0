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
                      where + "MUKAVEMET DENGESINDE " + padInteger(outcome.station, 2) +
                          ". POSTADA SU HATTI GUVERTEYI ASTI. GUVERTE YUKSEKLIGI = " +
                          formatFixed(outcome.deck, 3, 3) +
                          " m, SU HATTI = " + formatFixed(outcome.waterline, 3, 3) +
                          " m. AGIRLIK DAGILIMINI VEYA DALGA YUKSEKLIGINI KONTROL EDIN - STOP ",
                      "UYARI");
    case BalanceStop::WavePhase:
      stopWithMessage(
          platform,
          where + "MUKAVEMET DENGESINDE DALGA YUKSEKLIGI = " + formatFixed(task.waveHeight, 3, 3) +
              " m. ICIN YAKINSAMA OLMADI. YENI BIR DALGA YUKSEKLIGI GIRIN - STOP",
          "DALGA YUKSEKLIGI GIRIS HATASI");
    default:
      break;
  }
  stopWithMessage(platform,
                  where + "BATMA VE TRIM DENGESI " + std::to_string(kTrimBalanceIterationLimit) +
                      " ADIMDA BULUNAMADI: W = " + formatFixed(weights.total, 7, 1) +
                      " ton, LCG = " + formatFixed(weights.centre, 3, 3) +
                      " m. AGIRLIK DAGILIMINI KONTROL EDIN - STOP ",
                  "UYARI");
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
          weights.fileName + ": TOPLAM AGIRLIK W = " + formatFixed(weights.total, 1, 1) +
              " ton ISTENEN DEPLASMANDAN (" + formatFixed(required, 1, 1) + " ton, " +
              (task.file.empty() ? std::string("HESAP DEGERLERI") : task.file.filename().string()) +
              ") %0.5 'TEN FAZLA FARKLI");
    }
  }
  return weights;
}

void checkStrengthRequest(const RunSettings& settings, const TaskParameters& task,
                          const std::optional<WeightDistribution>& weights) {
  if (settings.rule.length || settings.rule.scantlingDraft) {
    if (!caseProperties(task.caseNumber).balancesInSinkAndTrim) {
      throw ProgramEnd(ExitReason::InputError,
                       "--rule-length, --scantling-draft: KURAL DEGERLERI YALNIZ HESAP 1-5 'TE "
                       "HESAPLANIR, Norvika.TSK HESAP NO = " +
                           std::to_string(task.caseNumber));
    }
    if (!weights) {
      throw ProgramEnd(ExitReason::InputError,
                       "--rule-length, --scantling-draft: KURAL DEGERLERI MUKAVEMET HESABINDADIR, "
                       "AGIRLIK DOSYASI ISTER (Norvika.AGR VEYA --weights), BU CALISMADA AGIRLIK "
                       "DOSYASI YOK");
    }
  }
  if (settings.sweepPositions == 0) return;
  if (!caseProperties(task.caseNumber).hasWave) {
    throw ProgramEnd(ExitReason::InputError,
                     "--sweep: DALGA TEPESI TARAMASI YALNIZ DALGA HESAPLARINDA (2-5) YAPILIR, "
                     "Norvika.TSK HESAP NO = " +
                         std::to_string(task.caseNumber));
  }
  if (!weights) {
    throw ProgramEnd(ExitReason::InputError,
                     "--sweep: DALGA TEPESI TARAMASI AGIRLIK DOSYASI ISTER (Norvika.AGR VEYA "
                     "--weights), BU CALISMADA AGIRLIK DOSYASI YOK");
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
      stopForStrengthBalance(platform, task, weights, sweep->outcome,
                             "DALGA TEPESI TARAMASINDA TEPE x = " +
                                 formatFixed(sweep->failedCrest, 1, 3) + " m. AP 'den IKEN ");
    }
  }
  drawStrengthGraph(platform, strength, hull, task.shipLength, weights.total, sweep);
}

}  // namespace norvika
