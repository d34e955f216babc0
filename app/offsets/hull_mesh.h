#pragma once

#include <array>
#include <stdexcept>
#include <vector>

namespace norvika::offsets {

/// A point in ship axes, metres: x forward, y to port, z up.
struct Point3 {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

/// The hull as triangles over shared nodes. A closed model's triangles turn
/// counter-clockwise seen from outside (or all the other way; the volume
/// takes its sign from the whole).
struct HullMesh {
  std::vector<Point3> nodes;
  std::vector<std::array<int, 3>> triangles;
};

/// The smallest axis-aligned box around the nodes, m.
struct MeshBounds {
  Point3 low;
  Point3 high;
};

/// A bad option or a model that cannot be cut: the message names the file or
/// the option and what was expected; the tool ends with status 1.
class OffsetsError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

/// Bounds of the nodes that triangles use; all zero for an empty mesh.
MeshBounds meshBounds(const HullMesh& mesh);

/// Merges nodes at the same coordinates (readers repeat a node for every
/// facet or surface patch that meets there) and drops triangles that
/// collapse to a line or a point.
void weldNodes(HullMesh& mesh);

/// Edges that only one triangle uses: zero for a closed, watertight mesh.
long countOpenEdges(const HullMesh& mesh);

}  // namespace norvika::offsets
