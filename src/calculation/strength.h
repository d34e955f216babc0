#pragma once

#include <vector>

#include "calculation/displacement_balance.h"
#include "calculation/run_state.h"
#include "model/weights_file.h"

namespace norvika {

/// Newton iterations of the balance in sink and trim that no valid input needs.
inline constexpr int kTrimBalanceIterationLimit = 50;

/// g used to turn tonnes into kilonewtons, m/s2.
inline constexpr double kGravity = 9.81;

/// The buoyancy of one condition of the ship. The waterline is the case's
/// profile at the mean draft plus a straight trim line through L/2.
struct StrengthCondition {
  int profileCase = 0;    // 1 level, 2-5 the wave, 6 and 7 the run's own waterline
  bool balanced = false;  // found in sink and trim (cases 1-5)
  int iterations = 0;
  double meanDraft = 0.0;     // m at L/2 (the wave's mean level on a wave)
  double trim = 0.0;          // m, forward draft minus aft draft
  double aftDraft = 0.0;      // m at AP
  double forwardDraft = 0.0;  // m at FP
  double displacement = 0.0;  // t, of the buoyancy as sampleBuoyancy takes it
  double centre = 0.0;        // LCB, m from AP
  /// Buoyancy per metre at each station, t/m.
  Table<double> buoyancy{kMaxStations};
};

/// A largest or smallest value of a curve and where it stands.
struct Extreme {
  double value = 0.0;
  double x = 0.0;  // m from AP
};

/// Steps of the table grid between the ends of the ship at most: with the
/// weight blocks within a ship length of the perpendiculars, stations and
/// blocks of a real ship never need the grid coarser than 0.01 L.
inline constexpr double kMaxTableSteps = 1000.0;

/// Spacing of the table's grid (m): 0.01 L, or coarser where the stations
/// reach so far beyond a ship of length L (m) that the table would pass
/// kMaxTableSteps rows between the aft and forward end (m from AP).
double tableRowSpacing(double shipLength, double aftEnd, double forwardEnd);

/// Load, shear force and bending moment of one condition along the ship.
/// Load q = w - b (t/m), SF = integral of q from the aft end (t), BM = integral
/// of SF from the aft end (t m), BM > 0 hogging. Rows stand at every station
/// and at every rowSpacing from the aft end, and at both ends; w, b and q are
/// the values just forward of a row (just aft of it at the forward end).
struct LoadCurves {
  std::vector<double> x, weight, buoyancy, load, shear, moment;
  double rowSpacing = 0.0;  // m, see tableRowSpacing
  double aftEnd = 0.0;      // m from AP: the aftmost station or weight
  double forwardEnd = 0.0;  // m from AP: the foremost station or weight
  double endShear = 0.0;    // SF at the forward end, t
  double endMoment = 0.0;   // BM at the forward end, t m
  Extreme hogging;          // largest BM (0 when the moment never rises above 0)
  Extreme sagging;          // smallest BM (0 when it never falls below 0)
  Extreme largestShear;     // SF of largest magnitude, with its sign
};

/// The wave bending moments of the unified requirement for longitudinal
/// strength of the classification societies, kN m.
struct RuleWaveMoments {
  bool applies = false;           // 90 m <= L <= 500 m
  double length = 0.0;            // L, m
  double breadth = 0.0;           // B, m
  double draft = 0.0;             // T, m
  double blockCoefficient = 0.0;  // Cb, not below 0.6
  double coefficient = 0.0;       // C
  double hogging = 0.0;           // kN m, positive
  double sagging = 0.0;           // kN m, negative
};

/// Everything the strength step reports.
struct StrengthResult {
  int caseNumber = 0;
  StrengthCondition condition;  // on the case's waterline
  LoadCurves curves;
  bool hasStillWater = false;  // cases 2-5: the same weights balanced on still water
  StrengthCondition stillWater;
  LoadCurves stillCurves;
  std::vector<double> waveMoment;  // BM on the wave minus BM on still water, t m, at each row
  Extreme waveHogging;
  Extreme waveSagging;
  RuleWaveMoments rule;  // cases 1-5
};

/// Samples of the buoyancy per metre between the stations, per station interval.
inline constexpr int kBuoyancySamples = 8;

/// The buoyancy per metre along the ship as the strength step takes it: the
/// not-a-knot cubic spline through the stations' values, sampled at
/// kBuoyancySamples points per station interval (never below zero), linear
/// between samples and nothing beyond the end stations. The balance and the
/// integration of SF and BM use this one curve, so that both close.
struct BuoyancySamples {
  std::vector<double> x;  // m from AP, from the first station to the last
  std::vector<double> b;  // t/m
};
BuoyancySamples sampleBuoyancy(const HullModel& hull, const Table<double>& buoyancy);

/// Displacement (t) and LCB (m from AP) of buoyancy per metre b(1..n) at the
/// stations, taken between them as sampleBuoyancy gives it.
void integrateStationBuoyancy(const HullModel& hull, const Table<double>& buoyancy,
                              double& displacement, double& centre);

/// Load, shear force and bending moment of the weights against the buoyancy
/// per metre at the stations (between them as sampleBuoyancy gives it), for a
/// ship of length L (m).
LoadCurves computeLoadCurves(const HullModel& hull, const Table<double>& buoyancy,
                             const WeightDistribution& weights, double shipLength);

/// Finds the mean draft and trim at which the ship on the waterline of
/// `profileCase` (1 level, 2-5 the task's wave) carries the weights with LCB
/// at LCG: |D - W| <= 1e-6 W and |LCB - LCG| <= 1e-6 L, by Newton steps from
/// (startDraft, level trim). Stops on a deck under water, a trochoid phase
/// that does not settle or kTrimBalanceIterationLimit steps.
BalanceOutcome balanceSinkAndTrim(const RunState& run, int profileCase,
                                  const WeightDistribution& weights, double startDraft,
                                  StrengthCondition& condition);

/// The rule's coefficient C for a length L (m); 0 outside 90-500 m.
double ruleWaveCoefficient(double length);

/// Rule wave moments for length L, breadth B, draft T (m) and displaced volume (m3).
RuleWaveMoments ruleWaveMoments(double length, double breadth, double draft, double volume);

/// The strength of a completed run: cases 1-5 balanced in sink and trim (2-5
/// also on still water), cases 6 and 7 on the run's own buoyancy.
BalanceOutcome computeStrength(const RunState& run, const WeightDistribution& weights,
                               StrengthResult& result);

}  // namespace norvika
