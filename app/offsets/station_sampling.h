#pragma once

#include <optional>
#include <vector>

#include "hull_mesh.h"
#include "mesh_slicing.h"

namespace norvika::offsets {

/// One record of a hull-file curve: height z (m above the base line), offset
/// (half-breadth for a station, m from AP for an end contour) and its code
/// (0 a corner or the edge of a gap, 1 an ordinary point).
struct OffsetPoint {
  double z = 0.0;
  double offset = 0.0;
  int code = 1;
};

/// Which halves of the hull the model holds.
enum class ModelSides { Port, Starboard, Both };

/// How a station is sampled.
struct SamplingRules {
  int points = 30;               // heights per station (and per end contour)
  std::optional<double> draft;   // m above base: a record at the waterline too
  double knuckleDegrees = 30.0;  // a sharper turn of the section is a corner
  ModelSides sides = ModelSides::Both;
  double modelTop = 0.0;     // m above base
  double modelMiddle = 0.0;  // m above base: halfway between the model's bottom and top
};

/// The largest difference between the two halves of the hull met so far in
/// the sampled part of the stations,
/// as a fraction of the larger half-breadth, and where it was.
struct SideMismatch {
  double fraction = 0.0;
  double x = 0.0;
  double z = 0.0;
};

/// The outer half-breadth of a transverse cut as a polyline of height: at
/// every height where a cut segment begins or ends, the outermost hull there
/// (the two halves averaged, or the one the model holds). covered[k] tells
/// whether hull lies between z[k] and z[k + 1].
struct SectionProfile {
  std::vector<double> z;
  std::vector<double> halfBreadth;
  std::vector<bool> covered;
  std::vector<double> port, starboard;  // each half on its own (-inf where it has no hull)
};

/// The outer profile of a transverse cut.
SectionProfile outerProfile(const std::vector<CutSegment>& cut, ModelSides sides);

/// `count` heights from z.front() to z.back() spread over the covered parts
/// of the polyline (z, value): half of them by its length, half by height, so
/// they crowd where the curve turns fast (the keel and the bilge of a
/// section) and still cover the straight parts. Heights ascend strictly.
std::vector<double> spreadHeights(const std::vector<double>& z, const std::vector<double>& value,
                                  const std::vector<bool>& covered, int count);

/// The records of station x (m from AP) from its cut: from its lowest hull
/// point to its deck edge (a cambered deck above the edge left out), at the
/// spread heights plus the draft, corners and gap edges; half-breadth 0
/// between two code-0 records across a gap, and up the centre line to the
/// model's top when the cut ends below the model's middle (a bulb ahead of
/// the stem). Throws OffsetsError when the cut holds no hull.
std::vector<OffsetPoint> sampleStation(int station, double x, const std::vector<CutSegment>& cut,
                                       const SamplingRules& rules, SideMismatch& mismatch);

/// The stern (aftmost hull point, `stern` true) or bow contour (foremost) of
/// the half of the model on that side of x = middle (m from AP), at
/// rules.points heights over that half: records of height and m from AP.
std::vector<OffsetPoint> sampleEndContour(const HullMesh& mesh, bool stern, double middle,
                                          const SamplingRules& rules);

}  // namespace norvika::offsets
