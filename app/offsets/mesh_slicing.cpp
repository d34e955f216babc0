#include "mesh_slicing.h"

#include <algorithm>
#include <array>

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

VolumeBelow meshVolumeBelow(const HullMesh& mesh, double waterline) {
  VolumeBelow result;
  std::array<Point3, 4> piece{};
  for (const auto& t : mesh.triangles) {
    // Clip the facet to z <= waterline, keeping the corners' turn.
    int n = 0;
    for (std::size_t k = 0; k < 3; ++k) {
      const Point3& p = mesh.nodes[static_cast<std::size_t>(t[k])];
      const Point3& q = mesh.nodes[static_cast<std::size_t>(t[(k + 1) % 3])];
      const bool pIn = p.z <= waterline;
      const bool qIn = q.z <= waterline;
      if (pIn) piece[static_cast<std::size_t>(n++)] = p;
      if (pIn != qIn) {
        const double s = (waterline - p.z) / (q.z - p.z);
        piece[static_cast<std::size_t>(n++)] = {p.x + s * (q.x - p.x), p.y + s * (q.y - p.y),
                                                waterline};
      }
    }
    // The field (0, 0, z - T) has divergence 1 and (0, 0, x (z - T)) has x;
    // both vanish on the waterplane.
    for (int k = 1; k + 1 < n; ++k) {
      const Point3& a = piece[0];
      const Point3& b = piece[static_cast<std::size_t>(k)];
      const Point3& c = piece[static_cast<std::size_t>(k + 1)];
      const double projected = 0.5 * ((b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x));
      const double wa = a.z - waterline, wb = b.z - waterline, wc = c.z - waterline;
      result.volume += projected * (wa + wb + wc) / 3.0;
      result.moment +=
          projected / 12.0 * (a.x * wa + b.x * wb + c.x * wc + (a.x + b.x + c.x) * (wa + wb + wc));
    }
  }
  return result;
}

double cutAreaBelow(const std::vector<CutSegment>& cut, double waterline) {
  // Green's theorem with -(v - T) du: the waterline itself adds nothing.
  double area = 0.0;
  for (const CutSegment& s : cut) {
    double u0 = s.u0, v0 = s.v0, u1 = s.u1, v1 = s.v1;
    if (v0 > waterline && v1 > waterline) continue;
    if (v0 > waterline || v1 > waterline) {
      const double f = (waterline - v0) / (v1 - v0);
      const double uw = u0 + f * (u1 - u0);
      if (v0 > waterline) {
        u0 = uw;
        v0 = waterline;
      } else {
        u1 = uw;
        v1 = waterline;
      }
    }
    area -= (0.5 * (v0 + v1) - waterline) * (u1 - u0);
  }
  return area;
}

}  // namespace norvika::offsets
