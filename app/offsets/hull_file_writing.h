#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "station_sampling.h"

namespace norvika::offsets {

/// The hull file's content: stations aft to forward, then the end contours.
struct OffsetTable {
  std::string title;
  std::vector<double> stationX;                    // m from AP, rising
  std::vector<std::vector<OffsetPoint>> stations;  // height, half-breadth, code
  std::vector<OffsetPoint> sternContour;           // height, m from AP, code
  std::vector<OffsetPoint> bowContour;
};

/// The hull file text: the title line, each station's position and records
/// (99 ends a station, 9999 the last), the stern and the bow contour each
/// after its title line and ended by 99. Numbers with six decimals whatever
/// the process locale; lines end with CR LF.
std::string hullFileText(const OffsetTable& table);

/// Writes the hull file through a temporary file renamed into place, so a
/// failure never leaves half a file. Throws OffsetsError naming the file.
void writeHullFile(const std::filesystem::path& path, const OffsetTable& table);

}  // namespace norvika::offsets
