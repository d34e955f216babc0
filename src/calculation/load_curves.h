#pragma once

#include <vector>

#include "model/hull_model.h"
#include "model/weights_file.h"
#include "support/table.h"

namespace norvika {

/// A largest or smallest value of a curve and where it stands.
struct Extreme {
  double value = 0.0;
  double x = 0.0;  // m from AP
};

/// Keeps `value` at x (m from AP) in `e` when it is larger (smaller) than what `e` holds.
inline void keepLarger(Extreme& e, double value, double x) {
  if (value > e.value) e = {value, x};
}
inline void keepSmaller(Extreme& e, double value, double x) {
  if (value < e.value) e = {value, x};
}

/// Steps of the table grid between the ends of the ship at most: with the
/// weight blocks within a ship length of the perpendiculars, stations and
/// blocks of a real ship never need the grid coarser than 0.01 L.
inline constexpr double kMaxTableSteps = 1000.0;

/// A point of the table's grid this close to a station, as a share of the
/// ship's length, is the station's row: 7.100 and 7.120 are one place to a reader.
inline constexpr double kStationRowReach = 0.001;

/// Spacing of the table's grid (m): 0.01 L, or coarser where the stations
/// reach so far beyond a ship of length L (m) that the table would pass
/// kMaxTableSteps rows between the aft and forward end (m from AP).
double tableRowSpacing(double shipLength, double aftEnd, double forwardEnd);

/// Load, shear force and bending moment of one condition along the ship.
/// Load q = w - b (t/m), SF = integral of q from the aft end (t), BM = integral
/// of SF from the aft end (t m), BM > 0 hogging. Rows stand at every station,
/// at both ends and at every rowSpacing from the aft end except within
/// kStationRowReach of a station or of the forward end, whose row stands for
/// it; w, b and q are the values just forward of a row (just aft of it at the
/// forward end).
struct LoadCurves {
  std::vector<double> x, weight, buoyancy, load, shear, moment;
  double rowSpacing = 0.0;  // m, see tableRowSpacing
  double aftEnd = 0.0;      // m from AP: the aftmost station or weight
  double forwardEnd = 0.0;  // m from AP: the foremost station or weight
  double endShear = 0.0;    // SF at the forward end, t
  double endMoment = 0.0;   // BM at the forward end, t m
  Extreme hogging;          // largest BM (0 when the moment never rises above 0)
  Extreme sagging;          // smallest BM (0 when it never falls below 0)
  Extreme positiveShear;    // largest SF (0 when it never rises above 0)
  Extreme negativeShear;    // smallest SF (0 when it never falls below 0)
};

/// Where the load curves of the weights on a ship of length L (m) are
/// integrated and tabulated: every point where the load changes its linear
/// law (stations, buoyancy samples, block ends) and every row; the same for
/// any buoyancy, so that a sweep over wave positions works it out once.
struct LoadGrid {
  std::vector<double> x;    // m from AP, rising
  std::vector<bool> row;    // whether x is a row of the table
  double rowSpacing = 0.0;  // m, see tableRowSpacing
  double aftEnd = 0.0;      // m from AP: the aftmost station or weight
  double forwardEnd = 0.0;  // m from AP: the foremost station or weight
};
LoadGrid loadGrid(const HullModel& hull, const WeightDistribution& weights, double shipLength);

/// Load, shear force and bending moment of the weights against the buoyancy
/// per metre at the stations (between them as sampleBuoyancy gives it), for a
/// ship of length L (m).
LoadCurves computeLoadCurves(const HullModel& hull, const Table<double>& buoyancy,
                             const WeightDistribution& weights, double shipLength);

/// The same on the grid loadGrid(hull, weights, shipLength) gave.
LoadCurves computeLoadCurves(const LoadGrid& grid, const HullModel& hull,
                             const Table<double>& buoyancy, const WeightDistribution& weights,
                             double shipLength);

}  // namespace norvika
