#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
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

/// The smallest axis-aligned box around the nodes, m, and the lowest node.
struct MeshBounds {
  Point3 low;
  Point3 high;
  Point3 lowest;
};

/// How a run of norvika-offsets ends; the values are its exit statuses.
enum class OffsetsStatus {
  Done = 0,             // the hull file (and the task file) written
  BadInput = 1,         // a bad option, model or output; nothing written
  Disagrees = 2,        // the written offsets would not hold the model's volume; nothing written
  WriteFailed = 4,      // a file could not be put in place; the earlier one kept whole
  InternalFailure = 5,  // out of memory; nothing written
};

/// A run that cannot go on: the message names the file or the option and
/// what was expected; the tool ends with the status (a bad input unless said).
class OffsetsError : public std::runtime_error {
 public:
  explicit OffsetsError(const std::string& message, OffsetsStatus status = OffsetsStatus::BadInput)
      : std::runtime_error(message), status_(status) {}
  OffsetsStatus status() const { return status_; }

 private:
  OffsetsStatus status_;
};

/// Bounds of the nodes that triangles use; all zero for an empty mesh.
MeshBounds meshBounds(const HullMesh& mesh);

/// Merges nodes at the same coordinates (readers repeat a node for every
/// facet or surface patch that meets there) and drops triangles that
/// collapse to a line or a point.
void weldNodes(HullMesh& mesh);

/// Where a mesh is open: the edges that only one triangle uses (none for a
/// closed, watertight mesh), each as edgeKey of its nodes, ascending, and
/// the nodes at their ends.
struct MeshBoundary {
  std::vector<std::uint64_t> edges;
  std::vector<bool> nodes;  // by node index; empty for a closed mesh
};
MeshBoundary boundaryOf(const HullMesh& mesh);

/// The key of the edge between nodes a and b, either way round.
inline std::uint64_t edgeKey(int a, int b) {
  const auto low = static_cast<std::uint64_t>(a < b ? a : b);
  const auto high = static_cast<std::uint64_t>(a < b ? b : a);
  return low << 32 | high;
}

}  // namespace norvika::offsets
