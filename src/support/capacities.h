#pragma once

namespace norvika {

/// Capacities fixed by the file formats and the run tables.
inline constexpr int kMaxStations = 100;
inline constexpr int kMaxCurves = 150;
inline constexpr int kMaxRecords = 250;  // per curve, terminator included
inline constexpr int kMaxEqualPoints = 2500;
inline constexpr int kMaxWaterlineRows = 100;
inline constexpr int kMaxWeightBlocks = 500;  // records of the weights file

}  // namespace norvika
