#pragma once

#include <vector>

#include "calculation/rule_comparison.h"
#include "calculation/strength.h"
#include "model/hull_model.h"
#include "model/task_parameters.h"
#include "model/weights_file.h"
#include "support/value_bounds.h"

namespace norvika {

/// Crest positions a sweep takes: at least two (one is today's crest
/// amidships), at most one every tenth of a per cent of the wave length.
inline constexpr int kFewestSweepPositions = static_cast<int>(kSweepPositionsBounds.lowest);
inline constexpr int kMostSweepPositions = static_cast<int>(kSweepPositionsBounds.highest);

/// The ship balanced with the wave's crest at one place.
struct SweepPosition {
  double crest = 0.0;      // m from AP
  int iterations = 0;      // Newton steps of the balance in sink and trim
  double meanDraft = 0.0;  // m, the wave's mean level at L/2
  double trim = 0.0;       // m, forward draft minus aft draft
  // The wave-induced moment (t m) and shear force (t) at their extremes over the rows.
  Extreme hogging;
  Extreme sagging;
  Extreme positiveShear;
  Extreme negativeShear;
};

/// The largest and smallest value of a wave-induced curve at each row over
/// every crest position, with the position (index into the sweep's positions)
/// that gave it, the aftmost crest on a tie.
struct SweepEnvelope {
  std::vector<double> largest;
  std::vector<double> smallest;
  std::vector<int> largestAt;
  std::vector<int> smallestAt;
};

/// A worst wave-induced value of the whole sweep: where it stands, the crest
/// position that gave it (none: -1, when no position loads the ship that way)
/// and its ratio to the rule there.
struct SweepWorst {
  Extreme extreme;  // t or t m
  int position = -1;
  RuleRatio rule;  // kN or kN m
};

/// The wave's crest moved along the ship in equal steps over one wave length,
/// the ship balanced in sink and trim at each step: what each position
/// gives, the envelopes along the ship and the worst of all.
struct CrestSweep {
  /// Why a position could not be balanced (its crest in failedCrest); None
  /// when every one was.
  BalanceOutcome outcome;
  double failedCrest = 0.0;              // m from AP
  double waveLength = 0.0;               // m
  std::vector<SweepPosition> positions;  // from the aftmost crest forward
  std::vector<double> x;                 // m from AP, the rows of the table
  SweepEnvelope shear;                   // t
  SweepEnvelope moment;                  // t m
  SweepWorst hogging;
  SweepWorst sagging;
  SweepWorst positiveShear;
  SweepWorst negativeShear;
};

/// The `count` crest positions (m from AP) a step of waveLength / count
/// apart, from aft to forward within half a wave length of L/2 (the crest
/// amidships, exactly L/2, among them; the aftmost half a wave length aft of
/// it is the foremost's wave again and is left out).
std::vector<double> sweepCrestPositions(double shipLength, double waveLength, int count);

/// The sweep of the wave of case 2-5 over `count` crest positions, each
/// balanced from startDraft (m) as the case's own strength step is, its
/// wave-induced curves taken against strength's still water; the ratios to
/// strength's rule values.
CrestSweep sweepCrest(const TaskParameters& task, const HullModel& hull,
                      const WeightDistribution& weights, const Strength& strength, int count,
                      double startDraft);

}  // namespace norvika
