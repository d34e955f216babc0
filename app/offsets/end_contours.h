#pragma once

#include <vector>

#include "hull_mesh.h"
#include "station_sampling.h"

namespace norvika::offsets {

/// The stern (aftmost hull point, `stern` true) or bow contour (foremost) of
/// the half of the model on that side of x = middle (m from AP), at
/// rules.points heights over that half: records of height and m from AP.
std::vector<OffsetPoint> sampleEndContour(const HullMesh& mesh, bool stern, double middle,
                                          const SamplingRules& rules);

}  // namespace norvika::offsets
