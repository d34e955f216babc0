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

/// A stretch of rows (m from AP) where an envelope exceeds the rule.
struct RuleExcess {
  double from = 0.0;
  double to = 0.0;
};

/// One side of a wave-induced envelope (the largest or the smallest values)
/// against the rule's value of that side at each row, taken where the rule's
/// value reaches the threshold: its ratios, the largest with its place and
/// the crest position that gave it (-1: none), and where it exceeds 1.
struct EnvelopeRatios {
  std::vector<RuleRatio> rows;  // kN or kN m
  double largest = 0.0;
  double x = 0.0;  // m from AP
  int position = -1;
  std::vector<RuleExcess> excesses;
};

/// A worst wave-induced value of the whole sweep: where it stands, the crest
/// position that gave it (none: -1, when no position loads the ship that way)
/// and its ratio to the rule there; and the largest ratio of its envelope
/// over every row and every crest position.
struct SweepWorst {
  Extreme extreme;  // t or t m
  int position = -1;
  RuleRatio rule;  // kN or kN m
  EnvelopeRatios ratios;
};

/// The wave's crest moved along the ship in equal steps over one wave length,
/// the ship balanced in sink and trim at each step: what each position
/// gives, the envelopes along the ship and the worst of all.
struct CrestSweep {
  int caseNumber = 0;   // the run's case
  int profileCase = 0;  // the case whose wave profile is moved (sweptWaveCase)
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
  bool ruleApplies = false;  // else no ratios
  RatioThresholds thresholds;
};

/// The ratios of one side of an envelope `values` (t or t m at rows x, m
/// from AP, the crest position of each in `at`) to the rule's values there
/// of the same side (kN or kN m, `ruleValues`), taken where |rule| reaches
/// |threshold|; values within `noise` (t or t m) of zero or of the other
/// sign count as none (ratio 0).
EnvelopeRatios envelopeRatios(const std::vector<double>& x, const std::vector<double>& values,
                              const std::vector<int>& at, const std::vector<double>& ruleValues,
                              double threshold, double noise);

/// The case whose wave profile a sweep of case 2-5 moves: the crest case of
/// its family (2 for the trochoids, 4 for the sines), the physical wave. The
/// trough trochoid of case 3 is the crest's turned upside down (a sharp
/// trough, flat crests), not a real trochoid moved by half a wave length.
int sweptWaveCase(int caseNumber);

/// The `count` crest positions (m from AP) a step of waveLength / count
/// apart, from aft to forward within half a wave length of L/2 (the crest
/// amidships, exactly L/2, among them; the aftmost half a wave length aft of
/// it is the foremost's wave again and is left out).
std::vector<double> sweepCrestPositions(double shipLength, double waveLength, int count);

/// The sweep of the wave of case 2-5 (its family's physical wave,
/// sweptWaveCase) over `count` crest positions, each
/// balanced from startDraft (m) as the case's own strength step is, its
/// wave-induced curves taken against strength's still water; the ratios to
/// strength's rule values.
CrestSweep sweepCrest(const TaskParameters& task, const HullModel& hull,
                      const WeightDistribution& weights, const Strength& strength, int count,
                      double startDraft);

}  // namespace norvika
