#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "station_sampling.h"
#include "support/result_file.h"

namespace norvika::offsets {

/// The hull file's content: stations aft to forward, then the end contours.
struct OffsetTable {
  std::string title;
  std::vector<double> stationX;                    // m from AP, rising
  std::vector<std::vector<OffsetPoint>> stations;  // height, half-breadth, code
  std::vector<OffsetPoint> sternContour;           // height, m from AP, code
  std::vector<OffsetPoint> bowContour;
};

/// The hull file to write at `path`: the title line, each station's position
/// and records (99 ends a station, 9999 the last), the stern and the bow
/// contour each after its title line and ended by 99. Numbers with six
/// decimals whatever the process locale (a number too large for the hull
/// file is written whole, for Norvika's reader to refuse); lines end with
/// CR LF.
ResultFile hullFile(const std::filesystem::path& path, const OffsetTable& table);

/// What a task file for case 1 holds.
struct LevelTask {
  std::string hullFileName;
  double length = 0.0;        // m between the perpendiculars
  int stationDivisions = 20;  // stations - 1
  double density = 1.025;     // t/m3
  double displacement = 0.0;  // t required
  double initialDraft = 0.0;  // m
};

/// Norvika's task file at `path` for case 1 (a level waterline carrying the
/// displacement), with the labels of the shipped examples and 101 equally
/// spaced values from AP to FP.
ResultFile levelTaskFile(const std::filesystem::path& path, const LevelTask& task);

}  // namespace norvika::offsets
