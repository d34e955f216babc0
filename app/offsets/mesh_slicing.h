#pragma once

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "hull_mesh.h"

namespace norvika::offsets {

/// A piece of a plane cut from (u0, v0) to (u1, v1), m. u and v are the
/// plane's other two axes in turn: for a transverse plane (x fixed) u = y and
/// v = z, for a horizontal plane (z fixed) u = x and v = y. The cut of a
/// closed, outward-facing mesh is made of loops that turn counter-clockwise
/// in (u, v). An end on an edge of the mesh that only one triangle uses is
/// open: the cut's outline is torn there (a seam, a crack, a hole).
struct CutSegment {
  double u0 = 0.0, v0 = 0.0, u1 = 0.0, v1 = 0.0;
  bool open0 = false, open1 = false;
};

/// The axis the cutting planes stand across.
enum class CutAxis { Length, Height };

namespace detail {

struct Corner {
  double a;     // along the cutting axis
  double u, v;  // in the plane
};

inline Corner cornerOf(const Point3& p, CutAxis axis) {
  return axis == CutAxis::Length ? Corner{p.x, p.y, p.z} : Corner{p.z, p.x, p.y};
}

}  // namespace detail

/// Calls take(plane index, segment) for every piece of the cut of the
/// triangles (over the mesh's nodes) by the planes `axis = planes[i]` (planes
/// ascending), in one pass over the triangles; the segments as sliceMesh
/// gives them, their ends marked open where they lie on the mesh's
/// `boundary` (an open edge, or a node at one where the plane meets a node;
/// none when null).
template <typename Take>
void forEachCutSegment(const HullMesh& mesh, const std::vector<std::array<int, 3>>& triangles,
                       CutAxis axis, const std::vector<double>& planes, double middle, Take&& take,
                       const MeshBoundary* boundary = nullptr) {
  using detail::Corner;
  for (const auto& t : triangles) {
    const std::array<Corner, 3> c = {
        detail::cornerOf(mesh.nodes[static_cast<std::size_t>(t[0])], axis),
        detail::cornerOf(mesh.nodes[static_cast<std::size_t>(t[1])], axis),
        detail::cornerOf(mesh.nodes[static_cast<std::size_t>(t[2])], axis)};
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
      // Where the plane crosses the edge from corner a to corner b, taken
      // from the edge's lower node, so that the two triangles sharing an
      // edge give the very same point and their cuts meet there exactly.
      struct Crossing {
        double u, v;
        bool open;  // on an open edge, or on a node at one
      };
      auto crossing = [&](std::size_t a, std::size_t b) {
        if (t[a] > t[b]) std::swap(a, b);
        const double f = d[a] / (d[a] - d[b]);
        bool open = false;
        if (boundary != nullptr && !boundary->edges.empty()) {
          const std::size_t node = static_cast<std::size_t>(t[f == 0.0 ? a : b]);
          open = f == 0.0 || f == 1.0
                     ? static_cast<bool>(boundary->nodes[node])
                     : std::binary_search(boundary->edges.begin(), boundary->edges.end(),
                                          edgeKey(t[a], t[b]));
        }
        return Crossing{c[a].u + f * (c[b].u - c[a].u), c[a].v + f * (c[b].v - c[a].v), open};
      };
      const Crossing from = crossing(lone, j), to = crossing(lone, k);
      CutSegment s{from.u, from.v, to.u, to.v, from.open, to.open};
      if (s.u0 == s.u1 && s.v0 == s.v1) continue;
      if ((s.u1 - s.u0) * -nv + (s.v1 - s.v0) * nu < 0.0) {
        std::swap(s.u0, s.u1);
        std::swap(s.v0, s.v1);
        std::swap(s.open0, s.open1);
      }
      take(static_cast<std::size_t>(first - planes.begin()), s);
    }
  }
}

/// The cut of the mesh by every plane `axis = planes[i]` (planes ascending),
/// in one pass over the triangles. A node lying exactly in a plane counts as
/// lying on the side of `middle`, so a plane through the end of the model
/// still meets it (the end face itself is not part of a cut). Ends on the
/// mesh's `boundary` (see forEachCutSegment) are marked open.
std::vector<std::vector<CutSegment>> sliceMesh(const HullMesh& mesh, CutAxis axis,
                                               const std::vector<double>& planes, double middle,
                                               const MeshBoundary* boundary = nullptr);

}  // namespace norvika::offsets
