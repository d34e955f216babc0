#pragma once

#include <optional>
#include <string>
#include <vector>

#include "section_outline.h"

namespace norvika::offsets {

/// One record of a hull-file curve: height z (m above the base line), offset
/// (half-breadth for a station, m from AP for an end contour) and its code
/// (0 a corner or the edge of a gap, 1 an ordinary point).
struct OffsetPoint {
  double z = 0.0;
  double offset = 0.0;
  int code = 1;
};

/// The hull file holds micrometres: records closer than this in height (m)
/// would be written at the same height, which no curve may have.
inline constexpr double kCloseRecords = 1e-5;

/// How a station is sampled.
struct SamplingRules {
  int points = 30;               // heights per station (and per end contour)
  std::optional<double> draft;   // m above base: a record at the waterline too
  double knuckleDegrees = 30.0;  // a sharper turn of the section is a corner
  double modelTop = 0.0;         // m above base
  double modelMiddle = 0.0;      // m above base: halfway between the model's bottom and top
  // A half of the hull is there at a height when its hull reaches further
  // out than this (m): points of a half model a hair across the centre plane
  // are no other half.
  double presence = 0.0;
  double curve = 0.01;  // m: the written curve's tolerance (CutTolerances::curve)
};

/// `count` heights from z.front() to z.back() spread over the covered parts
/// of the polyline (z, value): half of them by its length, half by height, so
/// they crowd where the curve turns fast (the keel and the bilge of a
/// section) and still cover the straight parts. Heights ascend strictly.
std::vector<double> spreadHeights(const std::vector<double>& z, const std::vector<double>& value,
                                  const std::vector<bool>& covered, int count);

/// Interior vertices of the polyline (z, value) from first to last where it
/// turns by more than `degrees`; a side shorter than `tiny` (m) turns nothing.
std::vector<std::size_t> cornersOf(const std::vector<double>& z, const std::vector<double>& value,
                                   std::size_t first, std::size_t last, double degrees,
                                   double tiny);

/// Throws OffsetsError when a curve of `records` records (named `curve`)
/// would not fit a hull-file curve.
void checkRecordCapacity(std::size_t records, const std::string& curve);

/// Whether a station whose outline ends at `top` (m above base) is written on
/// up the centre line to the model's top: a cut ending below the model's
/// middle (`modelMiddle`, m above base; a bulb ahead of the stem).
inline bool goesUpCentreLine(double top, double modelMiddle) { return top < modelMiddle; }

/// The outline a station's records follow: reducedOutline by its curve
/// tolerance, and a cambered deck above the deck edge left out unless the
/// station goes on up the centre line.
SectionOutline writtenOutline(const SectionOutline& outline, const SamplingRules& rules);

/// The records of station x (m from AP) from its written outline: from its
/// lowest hull point to its top, at the spread heights (none within the
/// curve tolerance of another record) plus the draft, the corners and each
/// horizontal step of the hull (two code-0 records the tolerance apart),
/// more where Norvika's curve through them would stray (fitToOutline);
/// across a gap of the ship half-breadth 0 between two code-0 records, and
/// up the centre line to the model's top when goesUpCentreLine. Throws
/// OffsetsError when the outline holds no hull.
std::vector<OffsetPoint> sampleStation(int station, double x, const SectionOutline& written,
                                       const SamplingRules& rules);

/// "station 3 at x = 10.5 m", as messages name a station.
std::string stationName(int station, double x);

}  // namespace norvika::offsets
