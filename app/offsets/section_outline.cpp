#include "section_outline.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>

namespace norvika::offsets {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kFlatRise = 10.0;

using Half = SectionProfile::Half;

// Open ends nearer than `seam` joined, nearest first, each end once; the
// indices of the ends joined are marked.
std::vector<CutSegment> seamJoins(const std::vector<ClosedCut::OpenEnd>& ends, double seam,
                                  std::vector<bool>& joined) {
  std::vector<std::size_t> byHeight(ends.size());
  for (std::size_t i = 0; i < ends.size(); ++i) byHeight[i] = i;
  std::sort(byHeight.begin(), byHeight.end(),
            [&](std::size_t a, std::size_t b) { return ends[a].v < ends[b].v; });
  std::vector<std::tuple<double, std::size_t, std::size_t>> pairs;
  for (std::size_t i = 0; i < byHeight.size(); ++i) {
    const ClosedCut::OpenEnd& a = ends[byHeight[i]];
    for (std::size_t j = i + 1; j < byHeight.size() && ends[byHeight[j]].v - a.v < seam; ++j) {
      const ClosedCut::OpenEnd& b = ends[byHeight[j]];
      const double d = std::hypot(b.u - a.u, b.v - a.v);
      if (d < seam) pairs.emplace_back(d, byHeight[i], byHeight[j]);
    }
  }
  std::sort(pairs.begin(), pairs.end());
  joined.assign(ends.size(), false);
  std::vector<CutSegment> joins;
  for (const auto& [d, i, j] : pairs) {
    if (joined[i] || joined[j]) continue;
    joined[i] = joined[j] = true;
    if (d > 0.0) joins.push_back({ends[i].u, ends[i].v, ends[j].u, ends[j].v});
  }
  return joins;
}

// The line from (z0, y0) to (z1, y1) at height z; the outer end of it where
// the two stand at one height.
double chordAt(double z0, double y0, double z1, double y1, double z) {
  return z1 == z0 ? std::max(y0, y1) : y0 + (z - z0) / (z1 - z0) * (y1 - y0);
}

// Steps lying within [low, high].
std::pair<std::size_t, std::size_t> stepsWithin(const std::vector<double>& z, double low,
                                                double high) {
  const auto first =
      static_cast<std::size_t>(std::lower_bound(z.begin(), z.end(), low) - z.begin());
  auto last = static_cast<std::size_t>(std::upper_bound(z.begin(), z.end(), high) - z.begin());
  last = last == 0 ? 0 : last - 1;  // the step ends at z[last]
  return {first, std::max(first, last)};
}

// Holes of one half: pairs of its open ends, next to each other in height,
// between which its hull falls inside the line joining them by more than
// the seam tolerance (or is missing). The other half fills a hole where it
// is there all along it; elsewhere the line does.
void fillHoles(const ClosedCut& cut, bool portHalf, ModelSides sides, double presence,
               SectionProfile& p, std::vector<std::pair<double, double>>& bridged) {
  const Half& half0 = portHalf ? cut.profile.port : cut.profile.starboard;
  const Half& other0 = portHalf ? cut.profile.starboard : cut.profile.port;
  Half& half = portHalf ? p.port : p.starboard;
  std::vector<ClosedCut::OpenEnd> ends;
  for (const ClosedCut::OpenEnd& e : cut.openEnds) {
    const double w = portHalf ? e.u : -e.u;
    if (w > presence) ends.push_back({w, e.v});
  }
  std::sort(ends.begin(), ends.end(),
            [](const ClosedCut::OpenEnd& a, const ClosedCut::OpenEnd& b) { return a.v < b.v; });
  for (std::size_t i = 0; i + 1 < ends.size();) {
    const ClosedCut::OpenEnd a = ends[i], b = ends[i + 1];
    const auto [first, last] = stepsWithin(p.z, a.v, b.v);
    auto chord = [&](double z) { return chordAt(a.v, a.u, b.v, b.u, z); };
    bool falls = false, otherWhole = sides == ModelSides::Both;
    for (std::size_t k = first; k < last; ++k) {
      const double middle = 0.5 * (p.z[k] + p.z[k + 1]);
      falls = falls || !(half0.middle[k] > chord(middle) - cut.seam);
      otherWhole = otherWhole && other0.middle[k] > presence;
    }
    if (!(b.v - a.v > cut.seam) || !falls) {
      ++i;
      continue;
    }
    for (std::size_t k = first; k < last; ++k) {
      if (otherWhole) {
        half.foot[k] = half.middle[k] = half.head[k] = -kInfinity;
        continue;
      }
      half.foot[k] = std::max(half.foot[k], chord(p.z[k]));
      half.middle[k] = std::max(half.middle[k], chord(0.5 * (p.z[k] + p.z[k + 1])));
      half.head[k] = std::max(half.head[k], chord(p.z[k + 1]));
      p.covered[k] = true;
    }
    if (!otherWhole && (bridged.empty() || bridged.back() != std::pair{a.v, b.v})) {
      bridged.emplace_back(a.v, b.v);
    }
    i += 2;
  }
}

// Joins the gaps of the profile narrower than the seam tolerance: each
// half straight across from its hull below to its hull above.
int closeNarrowGaps(SectionProfile& p, double seam) {
  const std::size_t steps = p.z.size() - 1;
  int closed = 0;
  for (std::size_t k = 0; k < steps;) {
    if (p.covered[k]) {
      ++k;
      continue;
    }
    const std::size_t a = k;
    while (k < steps && !p.covered[k]) ++k;
    const std::size_t b = k;
    if (a == 0 || b == steps || !(p.z[b] - p.z[a] < seam)) continue;
    for (Half* half : {&p.port, &p.starboard}) {
      const double low = std::isfinite(half->head[a - 1]) ? half->head[a - 1] : half->at[a];
      const double high = std::isfinite(half->foot[b]) ? half->foot[b] : half->at[b];
      if (!std::isfinite(low) || !std::isfinite(high)) continue;  // this half is not there
      auto across = [&](double z) { return chordAt(p.z[a], low, p.z[b], high, z); };
      for (std::size_t j = a; j < b; ++j) {
        half->foot[j] = across(p.z[j]);
        half->middle[j] = across(0.5 * (p.z[j] + p.z[j + 1]));
        half->head[j] = across(p.z[j + 1]);
      }
    }
    for (std::size_t j = a; j < b; ++j) p.covered[j] = true;
    ++closed;
  }
  return closed;
}

void addVertex(SectionOutline::Run& run, double z, double y, double tiny) {
  if (!run.z.empty() && run.z.back() == z && std::fabs(run.y.back() - y) <= tiny) return;
  run.z.push_back(z);
  run.y.push_back(y);
}

// The largest distance of the vertices first+1..last-1 from the chord
// first-last, and where.
std::pair<double, std::size_t> farthestFromChord(const SectionOutline::Run& r, std::size_t first,
                                                 std::size_t last) {
  const double dz = r.z[last] - r.z[first], dy = r.y[last] - r.y[first];
  const double length = std::hypot(dz, dy);
  double farthest = 0.0;
  std::size_t at = first;
  for (std::size_t i = first + 1; i < last; ++i) {
    const double ez = r.z[i] - r.z[first], ey = r.y[i] - r.y[first];
    const double d = length > 0.0 ? std::fabs(ez * dy - ey * dz) / length : std::hypot(ez, ey);
    if (d > farthest) {
      farthest = d;
      at = i;
    }
  }
  return {farthest, at};
}

// Douglas-Peucker: the vertices that keep the run within `tolerance` (m).
SectionOutline::Run simplified(const SectionOutline::Run& r, double tolerance) {
  const std::size_t n = r.z.size();
  if (n < 3) return r;
  std::vector<bool> keep(n, false);
  keep.front() = keep.back() = true;
  std::vector<std::pair<std::size_t, std::size_t>> stack{{0, n - 1}};
  while (!stack.empty()) {
    const auto [first, last] = stack.back();
    stack.pop_back();
    if (last - first < 2) continue;
    const auto [distance, at] = farthestFromChord(r, first, last);
    if (distance <= tolerance) continue;
    keep[at] = true;
    stack.emplace_back(first, at);
    stack.emplace_back(at, last);
  }
  SectionOutline::Run out;
  for (std::size_t i = 0; i < n; ++i) {
    if (!keep[i]) continue;
    out.z.push_back(r.z[i]);
    out.y.push_back(r.y[i]);
  }
  return out;
}

// The outermost half-breadth of the vertices within `height` before each
// vertex (`forward`) or after it, -inf where there are none.
std::vector<double> reachWithin(const SectionOutline::Run& r, double height, bool forward) {
  const std::size_t n = r.z.size();
  std::vector<double> most(n, -kInfinity);
  std::vector<std::size_t> window;  // a deque of vertex indices, half-breadths falling
  std::size_t front = 0;
  for (std::size_t step = 0; step < n; ++step) {
    const std::size_t i = forward ? step : n - 1 - step;
    while (front < window.size() && std::fabs(r.z[window[front]] - r.z[i]) > height) ++front;
    if (front < window.size()) most[i] = r.y[window[front]];
    while (window.size() > front && r.y[window.back()] <= r.y[i]) window.pop_back();
    window.push_back(i);
  }
  return most;
}

// Fills the notches narrower than `height`: a vertex lying further in than
// hull both below and above it within that height is taken out to the
// lower of the two (a flat bottom's or a bottom a hair off level's cut folds
// in and out).
void fillNotches(SectionOutline::Run& r, double height) {
  const std::vector<double> below = reachWithin(r, height, true);
  const std::vector<double> above = reachWithin(r, height, false);
  for (std::size_t i = 0; i < r.z.size(); ++i)
    r.y[i] = std::max(r.y[i], std::min(below[i], above[i]));
}

// The keel's flat: from the keel up the run's outer envelope (how far out
// the hull has reached at or below each height) while it runs out more than
// kFlatRise times as far as it rises (a bottom within 6 degrees of level),
// found without the envelope's undulations under half the band (a flat
// bottom's noise, whose cut folds in and out) and no taller than `band`:
// made one flat at the height that keeps the envelope's area. A keel that
// rises faster keeps its shape.
void flattenKeel(SectionOutline::Run& r, double band) {
  SectionOutline::Run envelope;
  double most = 0.0;
  for (std::size_t i = 0; i < r.z.size(); ++i) {
    most = std::max(most, r.y[i]);
    envelope.z.push_back(r.z[i]);
    envelope.y.push_back(most);
    if (!(r.z[i] - r.z.front() < band)) break;
  }
  const SectionOutline::Run shape = simplified(envelope, 0.5 * band);
  std::size_t edge = 0;
  while (edge + 1 < shape.z.size() && shape.z[edge + 1] - r.z.front() < band &&
         shape.y[edge + 1] - shape.y[edge] > kFlatRise * (shape.z[edge + 1] - shape.z[edge])) {
    ++edge;
  }
  if (edge == 0 || edge + 1 == shape.z.size()) return;
  const double top = shape.z[edge], y = shape.y[edge];
  double area = 0.0;
  for (std::size_t i = 0; i + 1 < envelope.z.size() && envelope.z[i + 1] <= top; ++i) {
    area += 0.5 * (envelope.y[i] + envelope.y[i + 1]) * (envelope.z[i + 1] - envelope.z[i]);
  }
  const double flat = std::clamp(top - area / y, r.z.front(), top);
  const auto above = std::upper_bound(r.z.begin(), r.z.end(), top) - r.z.begin();
  r.z.erase(r.z.begin(), r.z.begin() + above);
  r.y.erase(r.y.begin(), r.y.begin() + above);
  r.z.insert(r.z.begin(), flat);
  r.y.insert(r.y.begin(), y);
}

}  // namespace

ClosedCut closeSeams(const std::vector<CutSegment>& cut, double seam, double seamShare,
                     std::optional<double> alsoAt) {
  ClosedCut result;
  double low = kInfinity, high = -kInfinity;
  std::vector<ClosedCut::OpenEnd> ends;
  for (const CutSegment& s : cut) {
    low = std::min({low, s.v0, s.v1});
    high = std::max({high, s.v0, s.v1});
    if (s.open0) ends.push_back({s.u0, s.v0});
    if (s.open1) ends.push_back({s.u1, s.v1});
  }
  result.seam = cut.empty() ? seam : std::min(seam, seamShare * (high - low));
  if (ends.empty()) {
    result.profile = outerProfile(cut, alsoAt);
    return result;
  }
  std::vector<bool> joined;
  std::vector<CutSegment> closed = seamJoins(ends, result.seam, joined);
  result.seamsClosed = static_cast<int>(closed.size());
  for (std::size_t i = 0; i < ends.size(); ++i) {
    if (!joined[i]) result.openEnds.push_back(ends[i]);
  }
  closed.insert(closed.end(), cut.begin(), cut.end());
  result.profile = outerProfile(closed, alsoAt);
  return result;
}

SectionOutline sectionOutline(const ClosedCut& cut, ModelSides sides, double presence) {
  SectionOutline outline;
  outline.seamsClosed = cut.seamsClosed;
  if (cut.profile.z.size() < 2) return outline;
  SectionProfile p = cut.profile;
  if (sides != ModelSides::Starboard) fillHoles(cut, true, sides, presence, p, outline.bridged);
  if (sides != ModelSides::Port) fillHoles(cut, false, sides, presence, p, outline.bridged);
  outline.seamsClosed += closeNarrowGaps(p, cut.seam);

  const std::size_t steps = p.z.size() - 1;
  double scale = p.z.back() - p.z.front();
  for (const double y : p.port.at) scale = std::isfinite(y) ? std::max(scale, std::fabs(y)) : scale;
  const double tiny = 1e-9 * scale;
  std::vector<HalvesAt> there(steps, HalvesAt::Both);
  double widest = 0.0;
  for (std::size_t k = 0; k < steps; ++k) {
    if (!p.covered[k]) continue;
    if (sides == ModelSides::Both) {
      there[k] = halvesAt(p.port.middle[k], p.starboard.middle[k], presence);
    }
    widest =
        std::max(widest, halfBreadthOf(p.port.middle[k], p.starboard.middle[k], sides, there[k]));
  }
  auto value = [&](const std::vector<double> Half::*values, std::size_t at, std::size_t step) {
    return halfBreadthOf((p.port.*values)[at], (p.starboard.*values)[at], sides, there[step]);
  };
  for (std::size_t k = 0; k < steps; ++k) {
    if (!p.covered[k]) continue;
    const bool starts = k == 0 || !p.covered[k - 1];
    if (starts) outline.runs.emplace_back();
    SectionOutline::Run& run = outline.runs.back();
    const double foot = starts ? value(&Half::at, k, k) : value(&Half::foot, k, k);
    const double head =
        k + 1 == steps || !p.covered[k + 1] ? value(&Half::at, k + 1, k) : value(&Half::head, k, k);
    const double middle = value(&Half::middle, k, k);
    const double zMiddle = 0.5 * (p.z[k] + p.z[k + 1]);
    addVertex(run, p.z[k], foot, tiny);
    if (std::fabs(middle - 0.5 * (foot + head)) > tiny) addVertex(run, zMiddle, middle, tiny);
    addVertex(run, p.z[k + 1], head, tiny);
    if (sides == ModelSides::Both && there[k] != HalvesAt::Both) {
      if (!outline.oneSided.empty() && outline.oneSided.back().second == p.z[k]) {
        outline.oneSided.back().second = p.z[k + 1];
      } else {
        outline.oneSided.emplace_back(p.z[k], p.z[k + 1]);
      }
    }
  }
  // A single height between gaps is no hull to write.
  std::erase_if(outline.runs, [](const SectionOutline::Run& r) { return r.z.size() < 2; });
  if (sides != ModelSides::Both || outline.empty()) return outline;
  // Near the tips of a section both halves are tiny and their ratio says
  // nothing: the halves are compared where the section is broad and both are
  // there, away from the keel and the deck edge.
  for (std::size_t k = 0; k < steps; ++k) {
    const double port = p.port.middle[k], starboard = p.starboard.middle[k];
    const double larger = std::max(port, starboard);
    if (!p.covered[k] || there[k] != HalvesAt::Both || larger < 0.05 * widest ||
        !(std::min(port, starboard) > presence) || p.z[k] - outline.keel() <= presence ||
        outline.top() - p.z[k + 1] <= presence) {
      continue;
    }
    const double share = std::fabs(port - starboard) / larger;
    if (share > outline.mismatch) {
      outline.mismatch = share;
      outline.mismatchZ = 0.5 * (p.z[k] + p.z[k + 1]);
    }
  }
  return outline;
}

SectionOutline reducedOutline(const SectionOutline& outline, double tolerance) {
  SectionOutline reduced = outline;
  for (SectionOutline::Run& run : reduced.runs) fillNotches(run, tolerance);
  if (!reduced.empty()) flattenKeel(reduced.runs.front(), tolerance);
  return reduced;
}

SectionOutline simplifiedOutline(const SectionOutline& outline, double tolerance) {
  SectionOutline simple = outline;
  for (SectionOutline::Run& run : simple.runs) run = simplified(run, tolerance);
  return simple;
}

double runHalfBreadth(const SectionOutline::Run& r, double z) {
  const auto at = std::lower_bound(r.z.begin(), r.z.end(), z);
  if (at == r.z.end()) return r.y.back();
  auto i = static_cast<std::size_t>(at - r.z.begin());
  if (r.z[i] == z || i == 0) {
    double y = r.y[i];
    while (i + 1 < r.z.size() && r.z[i + 1] == r.z[i]) y = std::max(y, r.y[++i]);
    return y;
  }
  return chordAt(r.z[i - 1], r.y[i - 1], r.z[i], r.y[i], z);
}

double outlineHalfBreadth(const SectionOutline& outline, double z) {
  for (const SectionOutline::Run& r : outline.runs) {
    if (z >= r.z.front() && z <= r.z.back()) return runHalfBreadth(r, z);
  }
  return 0.0;
}

double outlineArea(const SectionOutline& outline, double waterline) {
  double area = 0.0;
  for (const SectionOutline::Run& r : outline.runs) {
    for (std::size_t i = 0; i + 1 < r.z.size() && r.z[i] < waterline; ++i) {
      const double top = std::min(r.z[i + 1], waterline);
      const double yTop = chordAt(r.z[i], r.y[i], r.z[i + 1], r.y[i + 1], top);
      area += (r.y[i] + yTop) * (top - r.z[i]);
    }
  }
  return area;
}

double outlineGirth(const SectionOutline& outline, double waterline) {
  if (outline.empty() || !(waterline > outline.keel())) return 0.0;
  double girth = outline.runs.front().y.front();
  for (std::size_t r = 0; r < outline.runs.size(); ++r) {
    const SectionOutline::Run& run = outline.runs[r];
    if (r > 0) {
      const SectionOutline::Run& below = outline.runs[r - 1];
      girth += below.y.back() + std::min(waterline, run.z.front()) - below.z.back();
      if (!(run.z.front() < waterline)) break;
      girth += run.y.front();
    }
    for (std::size_t i = 0; i + 1 < run.z.size() && run.z[i] < waterline; ++i) {
      const double top = std::min(run.z[i + 1], waterline);
      const double yTop = chordAt(run.z[i], run.y[i], run.z[i + 1], run.y[i + 1], top);
      girth += std::hypot(top - run.z[i], yTop - run.y[i]);
    }
    if (!(run.z.back() < waterline)) break;
  }
  return 2.0 * girth;
}

}  // namespace norvika::offsets
