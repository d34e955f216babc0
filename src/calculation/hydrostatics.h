#pragma once

#include <optional>
#include <vector>

#include "model/hull_model.h"

namespace norvika {

/// Drafts one hydrostatics run may take; far more than a table or a drawing can use.
inline constexpr int kMaxHydrostaticDrafts = 1000;
/// Drafts the curves of form take when none are given.
inline constexpr int kDefaultHydrostaticDrafts = 20;

/// What the curves of form are computed for. Drafts are waterline heights above
/// the base line at L/2 (m); the waterline is straight, `trim` (Tf - Ta, m)
/// turning it about L/2.
struct HydrostaticsInput {
  double shipLength = 0.0;  // L, m: AP at x = 0, FP at x = L
  double density = 0.0;     // t/m3
  double trim = 0.0;        // m, positive by the head
  std::vector<double> drafts;
  /// The centre of gravity's height, m: with it GMt, GMl and MCT from GMl.
  std::optional<double> kg = {};
};

/// The hydrostatics of the hull at one draft. Lengths in m (x from AP, z above
/// the base line), areas m2, volumes m3, masses t.
struct HydrostaticRow {
  double draft = 0.0;         // T at L/2
  double forwardDraft = 0.0;  // Tf at FP
  double aftDraft = 0.0;      // Ta at AP
  double volume = 0.0;        // displaced volume
  double displacement = 0.0;  // t
  double lcb = 0.0;           // longitudinal centre of buoyancy, m from AP
  double kb = 0.0;            // vertical centre of buoyancy above the base line
  double waterplaneArea = 0.0;
  double lcf = 0.0;  // centre of flotation, m from AP
  double tpc = 0.0;  // t per cm immersion
  double bmt = 0.0;  // transverse metacentric radius I_T / volume
  double bml = 0.0;  // longitudinal metacentric radius I_L / volume, I_L about the LCF
  double kmt = 0.0;
  double kml = 0.0;
  double mct =
      0.0;  // moment to change trim 1 cm, t.m/cm: displacement GMl / (100 L), GMl = BMl without KG
  double gmt = 0.0;                    // KMt - KG, with KG given
  double gml = 0.0;                    // KB + BMl - KG, with KG given
  double waterlineLength = 0.0;        // where the waterline meets the stern and bow contours
  double waterlineBreadth = 0.0;       // the largest breadth of the waterplane
  double midshipArea = 0.0;            // section area at L/2
  double blockCoefficient = 0.0;       // volume / (L B T)
  double prismaticCoefficient = 0.0;   // volume / (Am L)
  double midshipCoefficient = 0.0;     // Am / (B T)
  double waterplaneCoefficient = 0.0;  // Awp / (L B)
  double wettedSurface = 0.0;          // girths of the stations integrated along the ship
  double largestSectionArea = 0.0;     // the largest station's section area below the waterline
  double largestSectionX = 0.0;        // its station, m from AP
};

/// The curves of form: one row per draft, in the order of the drafts.
struct Hydrostatics {
  double shipLength = 0.0;
  double density = 0.0;
  double trim = 0.0;
  std::optional<double> kg;  // m
  std::vector<HydrostaticRow> rows;
};

/// Why the hydrostatics have no result at a draft.
enum class HydrostaticsStop {
  None,
  DeckImmersed,  // the waterline stands above a station's deck edge
  NoVolume,      // the waterline leaves no volume below it
  NoWaterplane,  // the waterline meets no breadth of the hull
};

struct HydrostaticsOutcome {
  HydrostaticsStop stop = HydrostaticsStop::None;
  double draft = 0.0;      // the draft it came at, m
  int station = 0;         // DeckImmersed: the station
  double waterline = 0.0;  // DeckImmersed: its waterline height, m
  double deck = 0.0;       // DeckImmersed: its deck edge, m
};

/// The hydrostatics at every draft of `input` (drafts positive and rising),
/// on the hull's stations: the volume from the run's own section areas
/// (sectionArea) and integration along the ship (integrateTabulated), so that
/// the displacement and LCB are those of a trimmed-waterline run at the same
/// waterline, to the last bit; KB, the waterplane and the wetted surface from
/// each station's outline (sectionBelow). Stops at the first draft whose
/// waterline is above a deck or leaves no volume or waterplane; `result` then
/// holds the rows before it.
HydrostaticsOutcome computeHydrostatics(const HullModel& hull, const HydrostaticsInput& input,
                                        Hydrostatics& result);

/// The drafts taken when none are given (m above the base line at L/2):
/// kDefaultHydrostaticDrafts equally spaced from a tenth of the hull's depth
/// (its lowest deck edge, so that no deck is under water) to the highest draft
/// whose waterline with `trim` (m) keeps below every deck edge. Empty when the
/// hull leaves no such range. Needs computeHullExtents.
std::vector<double> defaultHydrostaticDrafts(const HullModel& hull, double shipLength, double trim);

}  // namespace norvika
