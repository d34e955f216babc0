#pragma once

#include <vector>

#include "hull_mesh.h"

namespace norvika::offsets {

/// A piece of a plane cut from (u0, v0) to (u1, v1), m. u and v are the
/// plane's other two axes in turn: for a transverse plane (x fixed) u = y and
/// v = z, for a horizontal plane (z fixed) u = x and v = y. The cut of a
/// closed, outward-facing mesh is made of loops that turn counter-clockwise
/// in (u, v).
struct CutSegment {
  double u0 = 0.0, v0 = 0.0, u1 = 0.0, v1 = 0.0;
};

/// The axis the cutting planes stand across.
enum class CutAxis { Length, Height };

/// The cut of the mesh by every plane `axis = planes[i]` (planes ascending),
/// in one pass over the triangles. A node lying exactly in a plane counts as
/// lying on the side of `middle`, so a plane through the end of the model
/// still meets it (the end face itself is not part of a cut).
std::vector<std::vector<CutSegment>> sliceMesh(const HullMesh& mesh, CutAxis axis,
                                               const std::vector<double>& planes, double middle);

/// Volume (m3) and its moment about x = 0 (m4) of the mesh below the
/// waterplane z = waterline (m), by the divergence theorem over the facets
/// clipped there: the waterplane itself adds nothing, so a mesh open only
/// above the waterline or along a vertical centre plane gives the same as a
/// closed one. Signed by the facets' turn: negative for an inward-facing mesh.
struct VolumeBelow {
  double volume = 0.0;
  double moment = 0.0;
};
VolumeBelow meshVolumeBelow(const HullMesh& mesh, double waterline);

/// Area (m2) enclosed by the loops of a transverse cut below v = waterline,
/// signed as meshVolumeBelow.
double cutAreaBelow(const std::vector<CutSegment>& cut, double waterline);

}  // namespace norvika::offsets
