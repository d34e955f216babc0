#include "mesh_slicing.h"

namespace norvika::offsets {

std::vector<std::vector<CutSegment>> sliceMesh(const HullMesh& mesh, CutAxis axis,
                                               const std::vector<double>& planes, double middle,
                                               const MeshBoundary* boundary) {
  std::vector<std::vector<CutSegment>> cuts(planes.size());
  forEachCutSegment(
      mesh, mesh.triangles, axis, planes, middle,
      [&cuts](std::size_t plane, const CutSegment& s) { cuts[plane].push_back(s); }, boundary);
  return cuts;
}

}  // namespace norvika::offsets
