#pragma once

#include <optional>

#include "model/hull_model.h"
#include "model/task_parameters.h"
#include "support/capacities.h"
#include "support/table.h"

namespace norvika {

/// A straight waterline: its height at AP (m above the base line) and its
/// rise per metre forward.
struct StraightWaterline {
  double aft = 0.0;
  double slope = 0.0;
  /// Height (m above the base line) at x (m from AP).
  double heightAt(double x) const { return aft + x * slope; }
};

/// The straight waterline through the heights `aft` at AP and `forward` at FP
/// (m above the base line), FP standing shipLength (m) forward of AP.
StraightWaterline straightWaterline(double aft, double forward, double shipLength);

/// A waterline along the ship: its heights above the base line at AP, at FP
/// and at each station, and the drafts the status lines show for it.
struct WaterlineProfile {
  double aft = 0.0;                    // m above the base line at AP (straight waterlines)
  double forward = 0.0;                // m at FP (straight waterlines)
  Table<double> height{kMaxStations};  // m at each station
  double shownForwardDraft = 0.0;      // m
  double shownAftDraft = 0.0;          // m
};

/// The waterline of one case for any mean draft: what depends on the stations
/// alone (a wave's phase and rise at each station) is worked out once, so that
/// every draft of a search costs only the additions.
struct WaterlineShape {
  int caseNumber = 0;
  double shipLength = 0.0;    // m
  double forwardDraft = 0.0;  // m, the task's, for the trimmed and heeled cases
  double aftDraft = 0.0;      // m
  int stationCount = 0;
  Table<double> stationX{kMaxStations};  // m from AP
  /// Wave cases: where the wave's crest stands, m from AP.
  double crestPosition = 0.0;
  /// Wave cases: half the wave height times the cosine of the station's phase, m.
  Table<double> waveRise{kMaxStations};
};

/// Where the crest of case 2-5's wave stands when the wave is in its own place
/// (m from AP): half a wave length forward of AP on the crest cases (amidships
/// when the wave is as long as the ship), at AP on the trough cases.
double ownCrestPosition(const TaskParameters& task, int caseNumber);

/// The shape of the waterline of case 1-7 on this hull; none when the
/// trochoid's phase does not converge at some station (500 iterations).
std::optional<WaterlineShape> shapeWaterline(const TaskParameters& task, const HullModel& hull,
                                             int caseNumber);

/// The same with the wave of case 2-5 moved along the ship so that its crest
/// stands at crestPosition (m from AP); at ownCrestPosition it is the shape
/// above to the last bit.
std::optional<WaterlineShape> shapeWaterline(const TaskParameters& task, const HullModel& hull,
                                             int caseNumber, double crestPosition);

/// The waterline at meanDraft (m): level at it (case 1), the task's drafts
/// raised by it (6; 7 takes them as they are), or the wave's mean level at it
/// with the crest or trough amidships (2-5).
WaterlineProfile waterlineProfile(const WaterlineShape& shape, double meanDraft);

}  // namespace norvika
