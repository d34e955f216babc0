#include "model_sections.h"

#include <algorithm>
#include <cmath>

namespace norvika::offsets {

double sectionAreaBelow(const std::vector<CutSegment>& cut, ModelSides sides, double presence,
                        double waterline) {
  // The waterline is a height of the profile, so no step crosses it, and the
  // half-breadth halfway up a step is its mean (the hull is straight between
  // heights where a segment begins or ends).
  const SectionProfile p = outerProfile(cut, waterline);
  double area = 0.0;
  for (std::size_t k = 0; k + 1 < p.z.size() && p.z[k] < waterline; ++k) {
    if (!p.covered[k]) continue;
    area += 2.0 * halfBreadthOf(p.portAbove[k], p.starboardAbove[k], sides, presence) *
            (p.z[k + 1] - p.z[k]);
  }
  return area;
}

namespace {

// The places of the nodes along the ship when there are at most
// `mostPlaces`, else `equalParts` + 1 equally spaced from the aftmost to the
// foremost.
std::vector<double> partEnds(const HullMesh& mesh, double lowX, double highX, int mostPlaces,
                             int equalParts) {
  std::vector<double> ends;
  for (const Point3& p : mesh.nodes) {
    const auto at = std::lower_bound(ends.begin(), ends.end(), p.x);
    if (at != ends.end() && *at == p.x) continue;
    ends.insert(at, p.x);
    if (ends.size() > static_cast<std::size_t>(mostPlaces)) {
      ends.clear();
      for (int i = 0; i <= equalParts; ++i) ends.push_back(lowX + (highX - lowX) * i / equalParts);
      ends.back() = highX;
      return ends;
    }
  }
  return ends;
}

}  // namespace

ModelVolume modelVolumeBelow(const HullMesh& mesh, double lowX, double highX,
                             const ModelParts& parts, ModelSides sides, double presence,
                             double waterline) {
  const std::vector<double> ends = partEnds(mesh, lowX, highX, parts.mostPlaces, parts.equalParts);
  // Within a part no node begins or ends a facet's cut, so the area is a
  // quadratic in x there (less where the waterline meets a corner), which
  // the two Gauss points integrate exactly.
  const double gauss = 0.5 / std::sqrt(3.0);
  std::vector<double> planes, weights;
  for (std::size_t i = 0; i + 1 < ends.size(); ++i) {
    const double middle = 0.5 * (ends[i] + ends[i + 1]), step = ends[i + 1] - ends[i];
    planes.push_back(middle - gauss * step);
    planes.push_back(middle + gauss * step);
    weights.push_back(0.5 * step);
    weights.push_back(0.5 * step);
  }
  const auto cuts = sliceMesh(mesh, CutAxis::Length, planes, 0.5 * (ends.front() + ends.back()));
  double volume = 0.0, moment = 0.0;
  for (std::size_t i = 0; i < planes.size(); ++i) {
    const double part = sectionAreaBelow(cuts[i], sides, presence, waterline) * weights[i];
    volume += part;
    moment += part * planes[i];
  }
  return {volume, volume > 0.0 ? moment / volume : 0.0, static_cast<int>(planes.size())};
}

}  // namespace norvika::offsets
