#include "end_contours.h"

#include <cmath>
#include <limits>
#include <string>

#include "mesh_slicing.h"

namespace norvika::offsets {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

}  // namespace

std::vector<OffsetPoint> sampleEndContour(const HullMesh& mesh, bool stern, double middle,
                                          const SamplingRules& rules) {
  const char* name = stern ? "stern contour" : "bow contour";
  auto onSide = [&](double x) { return stern ? x <= middle : x >= middle; };
  // The triangles that reach this end's half: a cut of any other ends on the
  // far side of the middle (the margin covers rounding of the cut's ends).
  double farthest = std::fabs(middle);
  for (const Point3& q : mesh.nodes) farthest = std::max(farthest, std::fabs(q.x));
  const double margin = 1e-9 * (farthest + 1.0);
  std::vector<std::array<int, 3>> half;
  half.reserve(mesh.triangles.size() / 2);
  for (const auto& t : mesh.triangles) {
    for (const int i : t) {
      const double x = mesh.nodes[static_cast<std::size_t>(i)].x;
      if (stern ? x <= middle + margin : x >= middle - margin) {
        half.push_back(t);
        break;
      }
    }
  }
  // The height range of this end of the hull: its nodes and where the
  // midship cut crosses the facets.
  double low = kInfinity, high = -kInfinity;
  for (const auto& t : half) {
    for (const int i : t) {
      const Point3& q = mesh.nodes[static_cast<std::size_t>(i)];
      if (!onSide(q.x)) continue;
      low = std::min(low, q.z);
      high = std::max(high, q.z);
    }
  }
  forEachCutSegment(mesh, half, CutAxis::Length, {middle}, -kInfinity,
                    [&](std::size_t, const CutSegment& s) {
                      low = std::min({low, s.v0, s.v1});
                      high = std::max({high, s.v0, s.v1});
                    });
  if (!(high > low)) throw OffsetsError(std::string(name) + ": the model has no hull there");

  // Only the extreme end of each cut is wanted, so no cut is kept.
  auto endAt = [&](const std::vector<double>& heights) {
    std::vector<double> end(heights.size(), stern ? kInfinity : -kInfinity);
    forEachCutSegment(mesh, half, CutAxis::Height, heights, rules.modelMiddle,
                      [&](std::size_t k, const CutSegment& s) {
                        for (const double x : {s.u0, s.u1}) {
                          if (onSide(x)) end[k] = stern ? std::min(end[k], x) : std::max(end[k], x);
                        }
                      });
    return end;
  };

  // A first look at four times the heights finds where the contour turns;
  // the written heights crowd there.
  const int looks = 4 * rules.points;
  std::vector<double> lookZ;
  for (int k = 0; k < looks; ++k) lookZ.push_back(low + (high - low) * k / (looks - 1));
  lookZ.back() = high;
  const std::vector<double> lookX = endAt(lookZ);
  std::vector<double> z, x;
  std::vector<bool> covered;
  for (std::size_t k = 0; k < lookZ.size(); ++k) {
    if (!std::isfinite(lookX[k])) continue;
    if (!z.empty()) covered.back() = true;
    z.push_back(lookZ[k]);
    x.push_back(lookX[k]);
    covered.push_back(false);
  }
  if (z.size() < 2) throw OffsetsError(std::string(name) + ": the model has no hull there");

  const std::vector<double> heights = spreadHeights(z, x, covered, rules.points);
  const std::vector<double> ends = endAt(heights);
  std::vector<double> cz, cx;
  for (std::size_t k = 0; k < heights.size(); ++k) {
    if (!std::isfinite(ends[k])) continue;
    cz.push_back(heights[k]);
    cx.push_back(ends[k]);
  }
  if (cz.empty()) throw OffsetsError(std::string(name) + ": the model has no hull there");
  std::vector<OffsetPoint> records;
  for (std::size_t k = 0; k < cz.size(); ++k) {
    if (!records.empty() && cz[k] - records.back().z < kCloseRecords) continue;
    records.push_back({cz[k], cx[k], 1});
  }
  if (records.size() > 2) {
    std::vector<double> rz, rx;
    for (const OffsetPoint& r : records) {
      rz.push_back(r.z);
      rx.push_back(r.offset);
    }
    for (const std::size_t k :
         cornersOf(rz, rx, 0, rz.size() - 1, rules.knuckleDegrees, 1e-9 * (high - low))) {
      records[k].code = 0;
    }
  }
  checkRecordCapacity(records.size(), name);
  return records;
}

}  // namespace norvika::offsets
