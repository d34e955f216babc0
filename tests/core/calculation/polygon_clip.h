#pragma once

// An independent check of the large-angle integration: a polygon (y, z)
// clipped by an inclined waterline (Sutherland-Hodgman), its area and centroid
// by the shoelace formula, and a prism floated at a heel by halving.

#include <cmath>
#include <vector>

namespace norvika::cliptest {

struct Vertex {
  double y = 0.0;
  double z = 0.0;
};
using Polygon = std::vector<Vertex>;

struct Centroid {
  double area = 0.0;
  double y = 0.0;
  double z = 0.0;
};

inline double radians(double degrees) { return degrees * 3.14159265358979323846 / 180.0; }

// The part of a simple polygon with -y sin(heel) + z cos(heel) < height.
inline Polygon clipBelow(const Polygon& polygon, double heel, double height) {
  const double s = std::sin(radians(heel)), c = std::cos(radians(heel));
  auto depth = [&](const Vertex& v) { return height - (-v.y * s + v.z * c); };
  Polygon out;
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    const Vertex& p = polygon[i];
    const Vertex& q = polygon[(i + 1) % polygon.size()];
    const double dp = depth(p), dq = depth(q);
    if (dp >= 0.0) out.push_back(p);
    if ((dp >= 0.0) != (dq >= 0.0)) {
      const double t = dp / (dp - dq);
      out.push_back({p.y + t * (q.y - p.y), p.z + t * (q.z - p.z)});
    }
  }
  return out;
}

inline Centroid centroidOf(const Polygon& polygon) {
  Centroid c;
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    const Vertex& p = polygon[i];
    const Vertex& q = polygon[(i + 1) % polygon.size()];
    const double cross = p.y * q.z - q.y * p.z;
    c.area += cross / 2.0;
    c.y += (p.y + q.y) * cross / 6.0;
    c.z += (p.z + q.z) * cross / 6.0;
  }
  if (c.area != 0.0) {
    c.y /= c.area;
    c.z /= c.area;
  }
  return c;
}

// A prism of this section floated at `heel` with the immersed area `area`:
// KN = y cos(heel) + z sin(heel) of the immersed part's centroid.
inline double prismKn(const Polygon& section, double heel, double area) {
  double lo = -1e3, hi = 1e3;
  for (int i = 0; i < 200; ++i) {
    const double mid = (lo + hi) / 2.0;
    (centroidOf(clipBelow(section, heel, mid)).area < area ? lo : hi) = mid;
  }
  const Centroid c = centroidOf(clipBelow(section, heel, (lo + hi) / 2.0));
  return c.y * std::cos(radians(heel)) + c.z * std::sin(radians(heel));
}

}  // namespace norvika::cliptest
