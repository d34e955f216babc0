#pragma once

#include <cstddef>
#include <vector>

#include "model/hull_model.h"
#include "support/capacities.h"
#include "support/table.h"

namespace norvika {

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

/// Where sampleBuoyancy samples (m from AP): the same for any buoyancy.
std::vector<double> buoyancySamplePositions(const HullModel& hull);

/// Buoyancy per metre (t/m) at x (m from AP) from the samples, linear between
/// them, none beyond the end stations. `k` is the sample interval to start
/// the search from, moved forward: a walk along the ship costs one pass.
double buoyancyAt(const BuoyancySamples& samples, double x, std::size_t& k);

/// Displacement (t) and LCB (m from AP) of buoyancy per metre b(1..n) at the
/// stations, taken between them as sampleBuoyancy gives it.
void integrateStationBuoyancy(const HullModel& hull, const Table<double>& buoyancy,
                              double& displacement, double& centre);

}  // namespace norvika
