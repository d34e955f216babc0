#pragma once

#include "hull_mesh.h"

namespace norvika::offsets {

/// A seam is at most this share of the height of the section it opens.
inline constexpr double kSeamShare = 0.05;
/// The written curve's tolerance is at most this share of its section's height.
inline constexpr double kCurveShare = 0.01;

/// How closely the cut follows the model and the written curves follow the
/// cut, m at ship scale.
struct CutTolerances {
  /// A gap of a section's outline narrower than this (and than kSeamShare of
  /// the section's height) is a seam or a crack of the model, joined.
  double seam = 0.02;
  /// Each written station curve stays this close to the cut's outline (and
  /// kCurveShare of the section's height); records closer in height merge.
  double curve = 0.01;
};

/// The tolerances for a mesh whose facets lie within `deflection` (m) of the
/// hull: the seam the larger of 2 cm, 20 deflections and 4 % of the mesh's
/// median edge length; the curve half of it.
CutTolerances cutTolerances(const HullMesh& mesh, double deflection);

}  // namespace norvika::offsets
