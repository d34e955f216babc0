#pragma once

#include <array>
#include <cstddef>
#include <span>

#include "model/task_parameters.h"
#include "model/task_values.h"
#include "words/language.h"

namespace norvika {

/// What a calculation case is and does: the one place the run, the reports,
/// the strength step and the run record learn it from.
struct CaseProperties {
  int number = 0;
  /// The values the case takes, in the order its line of the task file holds them.
  std::span<const TaskValue> values;
  /// The waterline in the reports and messages ("HESAP: <name> SEPHIYE ..."), in each language.
  Words name;
  /// The condition the strength report and diagram name for this case's waterline.
  Words strengthCondition;
  /// Searches the draft that carries the required displacement (else the
  /// waterline comes from the task's drafts).
  bool searchesDisplacement = false;
  bool hasWave = false;
  bool trochoidal = false;      // the wave is a trochoid (else a sine)
  bool crestAmidships = false;  // the wave's crest stands amidships (else its trough)
  bool heeled = false;
  /// The strength step balances the ship in sink and trim on this waterline.
  bool balancesInSinkAndTrim = false;
  /// The report and the status lines show the required displacement: the
  /// level and trochoid cases, as they always have (the sine cases never did).
  bool showsRequiredDisplacement = false;
  /// The status lines at the end of the calculation show the drafts, which stay in sight at
  /// the waterline question: the straight waterlines found or given, the wave's mean level
  /// as both (as the search's lines show it); the heeled case never did.
  bool showsFinalDrafts = false;
};

inline constexpr std::array<CaseProperties, 7> kCases = {{
    {.number = kLevelWaterline,
     .values = kLevelValues,
     .name = {"DUZ SU HATTI", "LEVEL WATERLINE"},
     .strengthCondition = {"SAKIN SU (DUZ SU HATTI)", "STILL WATER (LEVEL WATERLINE)"},
     .searchesDisplacement = true,
     .balancesInSinkAndTrim = true,
     .showsRequiredDisplacement = true,
     .showsFinalDrafts = true},
    {.number = kTrochoidCrest,
     .values = kWaveValues,
     .name = {"TROKOID DALGA TEPESI", "TROCHOIDAL WAVE, CREST AMIDSHIPS"},
     .strengthCondition = {"TROKOID DALGA TEPESI", "TROCHOIDAL WAVE CREST"},
     .searchesDisplacement = true,
     .hasWave = true,
     .trochoidal = true,
     .crestAmidships = true,
     .balancesInSinkAndTrim = true,
     .showsRequiredDisplacement = true,
     .showsFinalDrafts = true},
    {.number = kTrochoidTrough,
     .values = kWaveValues,
     .name = {"TROKOID DALGA CUKURU", "TROCHOIDAL WAVE, TROUGH AMIDSHIPS"},
     .strengthCondition = {"TROKOID DALGA CUKURU", "TROCHOIDAL WAVE TROUGH"},
     .searchesDisplacement = true,
     .hasWave = true,
     .trochoidal = true,
     .balancesInSinkAndTrim = true,
     .showsRequiredDisplacement = true,
     .showsFinalDrafts = true},
    {.number = kSineCrest,
     .values = kWaveValues,
     .name = {"SINUS DALGA TEPESI", "SINE WAVE, CREST AMIDSHIPS"},
     .strengthCondition = {"SINUS DALGA TEPESI", "SINE WAVE CREST"},
     .searchesDisplacement = true,
     .hasWave = true,
     .crestAmidships = true,
     .balancesInSinkAndTrim = true,
     .showsFinalDrafts = true},
    {.number = kSineTrough,
     .values = kWaveValues,
     .name = {"SINUS DALGA CUKURU", "SINE WAVE, TROUGH AMIDSHIPS"},
     .strengthCondition = {"SINUS DALGA CUKURU", "SINE WAVE TROUGH"},
     .searchesDisplacement = true,
     .hasWave = true,
     .balancesInSinkAndTrim = true,
     .showsFinalDrafts = true},
    {.number = kTrimmedWaterline,
     .values = kTrimmedValues,
     .name = {"TRIMLI SU HATTI", "TRIMMED WATERLINE"},
     .strengthCondition = {"TRIMLI SU HATTI (VERILEN DRAFTLAR)",
                           "TRIMMED WATERLINE (GIVEN DRAFTS)"},
     .showsFinalDrafts = true},
    {.number = kDamagedHeeled,
     .values = kHeeledValues,
     .name = {"YARALI DURUM", "DAMAGED CONDITION, HEELED"},
     .strengthCondition = {"YARALI DURUM (VERILEN DRAFTLAR VE MEYIL)",
                           "DAMAGED CONDITION (GIVEN DRAFTS AND HEEL)"},
     .heeled = true},
}};

/// The number of calculation cases: the task file's case numbers run from 1 to it.
inline constexpr int kCaseCount = static_cast<int>(kCases.size());

/// The properties of case 1-7 (the task file's reader admits no other).
constexpr const CaseProperties& caseProperties(int caseNumber) {
  return kCases[static_cast<std::size_t>(caseNumber - 1)];
}

}  // namespace norvika
