#pragma once

#include <array>
#include <cstddef>

#include "model/task_parameters.h"

namespace norvika {

/// What a calculation case is and does: the one place the run, the reports,
/// the strength step and the run record learn it from.
struct CaseProperties {
  int number = 0;
  /// The waterline in the program's Turkish texts: "HESAP: <name> SEPHIYE ..."
  const char* name = "";
  /// The same for readers of the run record.
  const char* englishName = "";
  /// The condition the strength report names for this case's waterline.
  const char* strengthCondition = "";
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
     .name = "DUZ SU HATTI",
     .englishName = "level waterline",
     .strengthCondition = "SAKIN SU (DUZ SU HATTI)",
     .searchesDisplacement = true,
     .balancesInSinkAndTrim = true,
     .showsRequiredDisplacement = true,
     .showsFinalDrafts = true},
    {.number = kTrochoidCrest,
     .name = "TROKOID DALGA TEPESI",
     .englishName = "trochoidal wave, crest amidships",
     .strengthCondition = "TROKOID DALGA TEPESI",
     .searchesDisplacement = true,
     .hasWave = true,
     .trochoidal = true,
     .crestAmidships = true,
     .balancesInSinkAndTrim = true,
     .showsRequiredDisplacement = true,
     .showsFinalDrafts = true},
    {.number = kTrochoidTrough,
     .name = "TROKOID DALGA CUKURU",
     .englishName = "trochoidal wave, trough amidships",
     .strengthCondition = "TROKOID DALGA CUKURU",
     .searchesDisplacement = true,
     .hasWave = true,
     .trochoidal = true,
     .balancesInSinkAndTrim = true,
     .showsRequiredDisplacement = true,
     .showsFinalDrafts = true},
    {.number = kSineCrest,
     .name = "SINUS DALGA TEPESI",
     .englishName = "sine wave, crest amidships",
     .strengthCondition = "SINUS DALGA TEPESI",
     .searchesDisplacement = true,
     .hasWave = true,
     .crestAmidships = true,
     .balancesInSinkAndTrim = true,
     .showsFinalDrafts = true},
    {.number = kSineTrough,
     .name = "SINUS DALGA CUKURU",
     .englishName = "sine wave, trough amidships",
     .strengthCondition = "SINUS DALGA CUKURU",
     .searchesDisplacement = true,
     .hasWave = true,
     .balancesInSinkAndTrim = true,
     .showsFinalDrafts = true},
    {.number = kTrimmedWaterline,
     .name = "TRIMLI SU HATTI",
     .englishName = "trimmed waterline",
     .strengthCondition = "TRIMLI SU HATTI (VERILEN DRAFTLAR)",
     .showsFinalDrafts = true},
    {.number = kDamagedHeeled,
     .name = "YARALI DURUM",
     .englishName = "damaged condition, heeled",
     .strengthCondition = "YARALI DURUM (VERILEN DRAFTLAR VE MEYIL)",
     .heeled = true},
}};

/// The properties of case 1-7 (the task file's reader admits no other).
constexpr const CaseProperties& caseProperties(int caseNumber) {
  return kCases[static_cast<std::size_t>(caseNumber - 1)];
}

}  // namespace norvika
