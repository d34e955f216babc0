#include "hull_mesh.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <unordered_map>

namespace norvika::offsets {

namespace {

struct NodeKey {
  std::uint64_t x, y, z;
  bool operator==(const NodeKey&) const = default;
};

struct NodeKeyHash {
  std::size_t operator()(const NodeKey& k) const {
    std::uint64_t h = k.x * 0x9E3779B97F4A7C15ULL;
    h ^= k.y + 0x9E3779B97F4A7C15ULL + (h << 6) + (h >> 2);
    h ^= k.z + 0x9E3779B97F4A7C15ULL + (h << 6) + (h >> 2);
    return static_cast<std::size_t>(h);
  }
};

// -0.0 and 0.0 are the same place: both become +0.0 before the bits are compared.
std::uint64_t coordinateBits(double v) { return std::bit_cast<std::uint64_t>(v + 0.0); }

}  // namespace

MeshBounds meshBounds(const HullMesh& mesh) {
  MeshBounds b;
  bool first = true;
  for (const auto& t : mesh.triangles) {
    for (const int i : t) {
      const Point3& p = mesh.nodes[static_cast<std::size_t>(i)];
      if (first) {
        b.low = b.high = b.lowest = p;
        first = false;
        continue;
      }
      if (p.z < b.low.z) b.lowest = p;
      b.low.x = std::min(b.low.x, p.x);
      b.low.y = std::min(b.low.y, p.y);
      b.low.z = std::min(b.low.z, p.z);
      b.high.x = std::max(b.high.x, p.x);
      b.high.y = std::max(b.high.y, p.y);
      b.high.z = std::max(b.high.z, p.z);
    }
  }
  return b;
}

void weldNodes(HullMesh& mesh) {
  std::unordered_map<NodeKey, int, NodeKeyHash> index;
  index.reserve(mesh.nodes.size());
  std::vector<Point3> nodes;
  nodes.reserve(mesh.nodes.size());
  std::vector<int> newIndex(mesh.nodes.size());
  for (std::size_t i = 0; i < mesh.nodes.size(); ++i) {
    const Point3& p = mesh.nodes[i];
    const NodeKey key{coordinateBits(p.x), coordinateBits(p.y), coordinateBits(p.z)};
    const auto [it, added] = index.try_emplace(key, static_cast<int>(nodes.size()));
    if (added) nodes.push_back(p);
    newIndex[i] = it->second;
  }
  std::vector<std::array<int, 3>> triangles;
  triangles.reserve(mesh.triangles.size());
  for (const auto& t : mesh.triangles) {
    const std::array<int, 3> w = {newIndex[static_cast<std::size_t>(t[0])],
                                  newIndex[static_cast<std::size_t>(t[1])],
                                  newIndex[static_cast<std::size_t>(t[2])]};
    if (w[0] == w[1] || w[1] == w[2] || w[2] == w[0]) continue;
    triangles.push_back(w);
  }
  mesh.nodes = std::move(nodes);
  mesh.triangles = std::move(triangles);
}

MeshBoundary boundaryOf(const HullMesh& mesh) {
  // Each edge filed under its lower node (a counting sort by node, no
  // comparison sort of all edges): a node has a handful of edges, and an
  // upper node that stands once in its lower node's list belongs to one
  // triangle only.
  const std::size_t nodes = mesh.nodes.size();
  std::vector<std::uint32_t> start(nodes + 1, 0);
  auto lower = [](const std::array<int, 3>& t, std::size_t k) {
    return std::min(t[k], t[(k + 1) % 3]);
  };
  auto upper = [](const std::array<int, 3>& t, std::size_t k) {
    return std::max(t[k], t[(k + 1) % 3]);
  };
  for (const auto& t : mesh.triangles) {
    for (std::size_t k = 0; k < 3; ++k) ++start[static_cast<std::size_t>(lower(t, k)) + 1];
  }
  for (std::size_t i = 0; i < nodes; ++i) start[i + 1] += start[i];
  std::vector<int> others(start[nodes]);
  std::vector<std::uint32_t> filled(start.begin(), start.end() - 1);
  for (const auto& t : mesh.triangles) {
    for (std::size_t k = 0; k < 3; ++k) {
      others[filled[static_cast<std::size_t>(lower(t, k))]++] = upper(t, k);
    }
  }
  MeshBoundary open;
  for (std::size_t i = 0; i < nodes; ++i) {
    const auto first = others.begin() + start[i], last = others.begin() + start[i + 1];
    std::sort(first, last);
    for (auto at = first; at != last;) {
      const auto next = std::find_if(at, last, [&](int n) { return n != *at; });
      if (next - at == 1) {
        if (open.nodes.empty()) open.nodes.assign(nodes, false);
        open.edges.push_back(edgeKey(static_cast<int>(i), *at));
        open.nodes[i] = open.nodes[static_cast<std::size_t>(*at)] = true;
      }
      at = next;
    }
  }
  return open;
}

}  // namespace norvika::offsets
