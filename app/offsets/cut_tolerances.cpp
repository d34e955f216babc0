#include "cut_tolerances.h"

#include <algorithm>
#include <cmath>

namespace norvika::offsets {

namespace {

// Exporters close their patches to about their own chord tolerance, so the
// seams they leave grow with it and with the facets they make.
constexpr double kLeastSeam = 0.02;  // m
constexpr double kSeamDeflections = 20.0;
constexpr double kSeamEdgeShare = 0.04;
// The median of this many triangles' edges is as good as all of them.
constexpr std::size_t kEdgeSample = 20000;

double medianEdge(const HullMesh& mesh) {
  const std::size_t stride = std::max<std::size_t>(1, mesh.triangles.size() / kEdgeSample);
  std::vector<double> lengths;
  lengths.reserve(3 * (mesh.triangles.size() / stride + 1));
  for (std::size_t t = 0; t < mesh.triangles.size(); t += stride) {
    for (std::size_t k = 0; k < 3; ++k) {
      const Point3& p = mesh.nodes[static_cast<std::size_t>(mesh.triangles[t][k])];
      const Point3& q = mesh.nodes[static_cast<std::size_t>(mesh.triangles[t][(k + 1) % 3])];
      lengths.push_back(std::hypot(p.x - q.x, p.y - q.y, p.z - q.z));
    }
  }
  if (lengths.empty()) return 0.0;
  const auto middle = lengths.begin() + static_cast<long>(lengths.size() / 2);
  std::nth_element(lengths.begin(), middle, lengths.end());
  return *middle;
}

}  // namespace

CutTolerances cutTolerances(const HullMesh& mesh, double deflection) {
  CutTolerances t;
  t.seam = std::max({kLeastSeam, kSeamDeflections * deflection, kSeamEdgeShare * medianEdge(mesh)});
  t.curve = 0.5 * t.seam;
  return t;
}

}  // namespace norvika::offsets
