#include "model_sections.h"

#include <algorithm>
#include <cmath>

#include "mesh_slicing.h"
#include "station_fitting.h"
#include "station_sampling.h"

namespace norvika::offsets {

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

std::vector<ClosedCut> closedCutsAt(const CutModel& model, const std::vector<double>& planes,
                                    std::optional<double> alsoAt,
                                    std::vector<std::size_t>* borrowed) {
  const HullMesh& mesh = *model.mesh;
  const double seam = model.tolerances.seam;
  std::vector<std::vector<CutSegment>> cuts =
      sliceMesh(mesh, CutAxis::Length, planes, model.middleX, &model.boundary);
  // Planes in a crack: one more pass over the mesh for the planes beside them.
  std::vector<std::size_t> empty;
  std::vector<double> beside;
  for (std::size_t i = 0; i < planes.size(); ++i) {
    if (!cuts[i].empty()) continue;
    empty.push_back(i);
    beside.push_back(planes[i] - seam);
    beside.push_back(planes[i] + seam);
  }
  if (!empty.empty()) {
    std::vector<std::size_t> order(beside.size());
    for (std::size_t k = 0; k < order.size(); ++k) order[k] = k;
    std::sort(order.begin(), order.end(), [&](auto a, auto b) { return beside[a] < beside[b]; });
    std::vector<double> sorted;
    for (const std::size_t k : order) sorted.push_back(beside[k]);
    const auto besideCuts =
        sliceMesh(mesh, CutAxis::Length, sorted, model.middleX, &model.boundary);
    for (std::size_t k = 0; k < order.size(); ++k) {
      std::vector<CutSegment>& into = cuts[empty[order[k] / 2]];
      into.insert(into.end(), besideCuts[k].begin(), besideCuts[k].end());
    }
    if (borrowed != nullptr) {
      for (const std::size_t i : empty) {
        if (!cuts[i].empty()) borrowed->push_back(i);
      }
    }
  }
  std::vector<ClosedCut> closed;
  closed.reserve(planes.size());
  for (const auto& cut : cuts) closed.push_back(closeSeams(cut, seam, kSeamShare, alsoAt));
  return closed;
}

SectionValues sectionValues(const SectionOutline& outline, const SectionOutline& reduced,
                            double waterline, bool upCentreLine) {
  SectionValues v;
  if (outline.empty()) return v;
  v.area = outlineArea(outline, waterline);
  v.breadth = 2.0 * outlineHalfBreadth(outline, waterline);
  v.girth = outlineGirth(reduced, waterline);
  const double top = reduced.top();
  if (upCentreLine && waterline > top)
    v.girth += 2.0 * (reduced.runs.back().y.back() + waterline - top);
  return v;
}

ModelHydrostatics modelHydrostaticsBelow(const CutModel& model, double lowX, double highX,
                                         const ModelParts& parts, const SectionRules& rules,
                                         double waterline) {
  const std::vector<double> ends =
      partEnds(*model.mesh, lowX, highX, parts.mostPlaces, parts.equalParts);
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
  const std::vector<ClosedCut> cuts = closedCutsAt(model, planes, waterline);
  ModelHydrostatics m;
  double moment = 0.0;
  for (std::size_t i = 0; i < planes.size(); ++i) {
    const SectionOutline outline = sectionOutline(cuts[i], rules.sides, rules.presence);
    if (outline.empty()) continue;
    const SectionOutline reduced =
        reducedOutline(outline, curveTolerance(outline, model.tolerances.curve));
    const SectionValues v = sectionValues(outline, reduced, waterline,
                                          goesUpCentreLine(outline.top(), rules.modelMiddle));
    m.cuts.push_back({planes[i], weights[i], v});
    m.volume += v.area * weights[i];
    moment += v.area * weights[i] * planes[i];
    m.waterplaneArea += v.breadth * weights[i];
    m.wettedSurface += v.girth * weights[i];
  }
  m.lcb = m.volume > 0.0 ? moment / m.volume : 0.0;
  m.sections = static_cast<int>(planes.size());
  return m;
}

}  // namespace norvika::offsets
