#pragma once

#include <filesystem>
#include <string>

#include "model/hull_model.h"

namespace norvika {

/// Reads the stations (position, then records of height, half-breadth and
/// code; 99 ends a station, 9999 the last one) and the stern and bow contours
/// (records of height, position from AP and code; 99 ends each) into a hull
/// model of the file's own size, after checking that every station has two
/// points or more, every contour one point or more, heights rise strictly
/// within each curve and station positions rise strictly. Ends the run
/// (InputError) naming file and line.
HullModel readHullDataFile(const std::filesystem::path& path, const std::string& displayName);

/// readHullDataFile on a hull file's text in memory (one about to be written).
HullModel readHullDataText(std::string text, const std::string& displayName);

}  // namespace norvika
