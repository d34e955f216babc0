#include "mesh_slicing.h"

#include <algorithm>
#include <array>

namespace norvika::offsets {

namespace {

struct Corner {
  double a;     // along the cutting axis
  double u, v;  // in the plane
};

Corner cornerOf(const Point3& p, CutAxis axis) {
  return axis == CutAxis::Length ? Corner{p.x, p.y, p.z} : Corner{p.z, p.x, p.y};
}

}  // namespace

std::vector<std::vector<CutSegment>> sliceMesh(const HullMesh& mesh, CutAxis axis,
                                               const std::vector<double>& planes, double middle) {
  std::vector<std::vector<CutSegment>> cuts(planes.size());
  for (const auto& t : mesh.triangles) {
    const std::array<Corner, 3> c = {cornerOf(mesh.nodes[static_cast<std::size_t>(t[0])], axis),
                                     cornerOf(mesh.nodes[static_cast<std::size_t>(t[1])], axis),
                                     cornerOf(mesh.nodes[static_cast<std::size_t>(t[2])], axis)};
    const double low = std::min({c[0].a, c[1].a, c[2].a});
    const double high = std::max({c[0].a, c[1].a, c[2].a});
    auto first = std::lower_bound(planes.begin(), planes.end(), low);
    const auto last = std::upper_bound(first, planes.end(), high);
    if (first == last) continue;
    // The loops turn with the facet's outward normal n: along (-n_v, n_u).
    const double eu = c[1].u - c[0].u, ev = c[1].v - c[0].v, ea = c[1].a - c[0].a;
    const double fu = c[2].u - c[0].u, fv = c[2].v - c[0].v, fa = c[2].a - c[0].a;
    const double nu = ev * fa - ea * fv;
    const double nv = ea * fu - eu * fa;
    for (; first != last; ++first) {
      const double plane = *first;
      const bool onPlaneBelow = plane < middle;
      std::array<bool, 3> below{};
      std::array<double, 3> d{};
      for (std::size_t k = 0; k < 3; ++k) {
        d[k] = c[k].a - plane;
        below[k] = d[k] < 0.0 || (d[k] == 0.0 && onPlaneBelow);
      }
      if (below[0] == below[1] && below[1] == below[2]) continue;
      // The corner alone on its side; the cut crosses its two edges.
      const std::size_t lone = below[0] != below[1] ? (below[0] != below[2] ? 0 : 1) : 2;
      const std::size_t j = (lone + 1) % 3, k = (lone + 2) % 3;
      const double tj = d[lone] / (d[lone] - d[j]);
      const double tk = d[lone] / (d[lone] - d[k]);
      CutSegment s{c[lone].u + tj * (c[j].u - c[lone].u), c[lone].v + tj * (c[j].v - c[lone].v),
                   c[lone].u + tk * (c[k].u - c[lone].u), c[lone].v + tk * (c[k].v - c[lone].v)};
      if (s.u0 == s.u1 && s.v0 == s.v1) continue;
      if ((s.u1 - s.u0) * -nv + (s.v1 - s.v0) * nu < 0.0) {
        std::swap(s.u0, s.u1);
        std::swap(s.v0, s.v1);
      }
      cuts[static_cast<std::size_t>(first - planes.begin())].push_back(s);
    }
  }
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
