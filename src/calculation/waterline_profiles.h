#pragma once

#include "calculation/run_state.h"

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

/// Fills waterlineHeight(1..stationCount) for the case at meanDraft (m);
/// cases 1, 6 and 7 first set the waterline's heights at AP and FP, and cases
/// 1-6 the drafts the status lines show. Returns false when the trochoid's
/// phase does not converge at some station (500 iterations); the heights are
/// then incomplete.
[[nodiscard]] bool setWaterlineProfile(RunState& run, int caseNumber, double meanDraft);

}  // namespace norvika
