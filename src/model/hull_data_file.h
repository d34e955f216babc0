#pragma once

#include <filesystem>
#include <string>
#include <vector>

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

/// A curve of a hull given in code, its records as the hull file holds them:
/// heights z (m, rising), then for a station the half-breadths (m), for an
/// end contour the positions from AP (m), and the point codes (0 a knuckle).
struct CurveValues {
  std::vector<double> z;
  std::vector<double> y;
  std::vector<double> code;
};

/// A station given in code: its position (m from AP) and its section curve.
struct StationValues {
  double x = 0.0;
  CurveValues curve;
};

/// A hull given in code: the stations from aft to forward, the stern and the bow contour.
struct HullValues {
  std::vector<StationValues> stations;
  CurveValues stern;
  CurveValues bow;
};

/// The hull of `values`, checked as the hull file's records are checked, with
/// the same messages (without file and line): numbers of the file's size,
/// whole point codes, heights rising within each curve, stations rising, two
/// points a station, one a contour, two stations; and no more stations or
/// points than a file holds, and no terminator code (99, 9999) as a point's
/// code. Ends the run (InputError, no place) at the first problem.
HullModel hullFromValues(const HullValues& values);

}  // namespace norvika
