#pragma once

#include <vector>

#include "hull_mesh.h"
#include "mesh_slicing.h"
#include "station_sampling.h"

namespace norvika::offsets {

/// Area (m2, both sides of the ship) of a transverse cut below the waterline
/// (m above base), from its outer profile: twice the half-breadth halfway up
/// each step of hull, times the step. How the facets turn plays no part: a
/// mesh with facets facing every way gives the same.
double sectionAreaBelow(const std::vector<CutSegment>& cut, ModelSides sides, double presence,
                        double waterline);

/// The model's own volume below a waterline and its centre along the ship.
struct ModelVolume {
  double volume = 0.0;  // m3
  double lcb = 0.0;     // m from AP
  int sections = 0;     // cuts made
};

/// How the model's length is cut into parts for its volume.
struct ModelParts {
  int mostPlaces = 1001;  // nodes at no more places along the ship: parts between them
  int equalParts = 100;   // else this many equal parts
};

/// The model's volume below the waterline (m above base): its length cut
/// into parts, between the places of its nodes along the ship when they are
/// few (a box-like or coarse model: exact), else equal ones; each part's
/// areas (sectionAreaBelow) integrated by two-point Gauss-Legendre, so no
/// cut stands on an end or a step of the model. The model spans lowX to
/// highX (m from AP).
ModelVolume modelVolumeBelow(const HullMesh& mesh, double lowX, double highX,
                             const ModelParts& parts, ModelSides sides, double presence,
                             double waterline);

}  // namespace norvika::offsets
