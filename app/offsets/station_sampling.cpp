#include "station_sampling.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <string>

#include "support/capacities.h"
#include "text/text_format.h"

namespace norvika::offsets {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
// A deck that falls inward at less than this to the horizontal is camber
// above the deck edge, not side.
constexpr double kCamberDegrees = 10.0;
// Camber is at most this share of the section's height.
constexpr double kCamberShare = 0.02;
// Gaps narrower than this share of the height, or than kCrack, are cracks
// in the model.
constexpr double kCrackShare = 1e-6;
constexpr double kCrack = 1e-4;  // m
// The hull file holds micrometres: records closer than this in height would
// be written at the same height, which no curve may have.
constexpr double kCloseRecords = 1e-5;  // m
// The records that close a gap stand this share of the height inside it
// (or a quarter of the gap if that is less).
constexpr double kGapInset = 0.002;

double degreesBetween(double a1, double a2, double b1, double b2) {
  const double la = std::hypot(a1, a2), lb = std::hypot(b1, b2);
  const double c = std::clamp((a1 * b1 + a2 * b2) / (la * lb), -1.0, 1.0);
  return std::acos(c) * 180.0 / std::numbers::pi;
}

double uAtHeight(const CutSegment& s, double z) {
  if (z == s.v0) return s.u0;
  if (z == s.v1) return s.u1;
  return s.u0 + (z - s.v0) / (s.v1 - s.v0) * (s.u1 - s.u0);
}

// Value of the polyline (z, value) at height at: exact at a vertex, linear
// between covered vertices, 0 in a gap.
double profileAt(const std::vector<double>& z, const std::vector<double>& value,
                 const std::vector<bool>& covered, double at) {
  const auto it = std::lower_bound(z.begin(), z.end(), at);
  if (it == z.end()) return value.back();
  const auto k = static_cast<std::size_t>(it - z.begin());
  if (*it == at || k == 0) return value[k];
  if (!covered[k - 1]) return 0.0;
  return value[k - 1] + (at - z[k - 1]) / (z[k] - z[k - 1]) * (value[k] - value[k - 1]);
}

// Interior vertices of the polyline (first..last) where it turns by more
// than `degrees`.
std::vector<std::size_t> cornersOf(const std::vector<double>& z, const std::vector<double>& value,
                                   std::size_t first, std::size_t last, double degrees,
                                   double tiny) {
  std::vector<std::size_t> corners;
  for (std::size_t i = first + 1; i < last; ++i) {
    const double a1 = value[i] - value[i - 1], a2 = z[i] - z[i - 1];
    const double b1 = value[i + 1] - value[i], b2 = z[i + 1] - z[i];
    if (std::hypot(a1, a2) <= tiny || std::hypot(b1, b2) <= tiny) continue;
    if (degreesBetween(a1, a2, b1, b2) > degrees) corners.push_back(i);
  }
  return corners;
}

std::string stationName(int station, double x) {
  return "station " + std::to_string(station) + " at x =" + numberText(x) + " m";
}

void checkCapacity(std::size_t records, const std::string& curve) {
  if (records > static_cast<std::size_t>(kMaxRecords - 1)) {
    throw OffsetsError(curve + ": " + std::to_string(records) + " records, more than the " +
                       std::to_string(kMaxRecords - 1) +
                       " a hull-file curve holds; ask for fewer --points");
  }
}

}  // namespace

SectionProfile outerProfile(const std::vector<CutSegment>& cut, std::optional<double> alsoAt) {
  struct Span {
    double low, high;
    const CutSegment* segment;
  };
  std::vector<Span> spans;
  spans.reserve(cut.size());
  std::vector<double> events;
  events.reserve(cut.size() * 2);
  for (const CutSegment& s : cut) {
    spans.push_back({std::min(s.v0, s.v1), std::max(s.v0, s.v1), &s});
    events.push_back(s.v0);
    events.push_back(s.v1);
  }
  std::sort(spans.begin(), spans.end(), [](const Span& a, const Span& b) { return a.low < b.low; });
  std::sort(events.begin(), events.end());
  events.erase(std::unique(events.begin(), events.end()), events.end());
  if (alsoAt && !events.empty() && *alsoAt > events.front() && *alsoAt < events.back()) {
    events.insert(std::lower_bound(events.begin(), events.end(), *alsoAt), *alsoAt);
    events.erase(std::unique(events.begin(), events.end()), events.end());
  }

  SectionProfile profile;
  const std::size_t n = events.size();
  profile.z = events;
  profile.covered.reserve(n);
  for (auto* side :
       {&profile.port, &profile.starboard, &profile.portAbove, &profile.starboardAbove}) {
    side->reserve(n);
  }
  // A sweep up the heights: only the few segments that span the current
  // height are looked at, so a cut of thousands of segments stays cheap.
  std::vector<const Span*> active;
  std::size_t next = 0;
  for (std::size_t k = 0; k < n; ++k) {
    const double z = events[k];
    std::erase_if(active, [z](const Span* s) { return s->high < z; });
    while (next < spans.size() && spans[next].low <= z) active.push_back(&spans[next++]);
    double outPort = -kInfinity, outStarboard = kInfinity;
    double abovePort = -kInfinity, aboveStarboard = kInfinity;
    // Halfway up to the next height the segments that reach beyond z span
    // the whole step: no segment begins or ends inside it.
    const double middle = k + 1 < n ? 0.5 * (z + events[k + 1]) : z;
    for (const Span* s : active) {
      const CutSegment& c = *s->segment;
      if (s->low == s->high) {
        outPort = std::max({outPort, c.u0, c.u1});
        outStarboard = std::min({outStarboard, c.u0, c.u1});
        continue;
      }
      const double u = uAtHeight(c, z);
      outPort = std::max(outPort, u);
      outStarboard = std::min(outStarboard, u);
      if (s->high > z) {
        const double um = uAtHeight(c, middle);
        abovePort = std::max(abovePort, um);
        aboveStarboard = std::min(aboveStarboard, um);
      }
    }
    profile.covered.push_back(std::isfinite(abovePort));
    profile.port.push_back(outPort);
    profile.starboard.push_back(-outStarboard);
    profile.portAbove.push_back(abovePort);
    profile.starboardAbove.push_back(-aboveStarboard);
  }
  return profile;
}

void noteHalvesPresent(const SectionProfile& p, double presence, HalvesPresent& present) {
  for (std::size_t k = 0; k < p.z.size(); ++k) {
    present.port = present.port || p.port[k] > presence || p.portAbove[k] > presence;
    present.starboard =
        present.starboard || p.starboard[k] > presence || p.starboardAbove[k] > presence;
  }
}

std::optional<ModelSides> modelSidesOf(const HalvesPresent& present) {
  if (present.port && present.starboard) return ModelSides::Both;
  if (present.port) return ModelSides::Port;
  if (present.starboard) return ModelSides::Starboard;
  return std::nullopt;
}

namespace {

enum class Halves { Both, PortOnly, StarboardOnly };

// Which halves are there at one height: a half is when it reaches beyond
// `presence`; one that falls short of it only by less than `presence` is
// there too, just narrow (both halves close to a sharp keel).
Halves halvesAt(double port, double starboard, double presence) {
  const bool portThere = port > presence, starboardThere = starboard > presence;
  if (portThere == starboardThere) return Halves::Both;
  if (portThere) return port - starboard <= presence ? Halves::Both : Halves::PortOnly;
  return starboard - port <= presence ? Halves::Both : Halves::StarboardOnly;
}

}  // namespace

double halfBreadthOf(double port, double starboard, ModelSides sides, double presence) {
  double h = 0.0;
  switch (sides) {
    case ModelSides::Port:
      h = port;
      break;
    case ModelSides::Starboard:
      h = starboard;
      break;
    case ModelSides::Both:
      switch (halvesAt(port, starboard, presence)) {
        case Halves::PortOnly:
          h = port;
          break;
        case Halves::StarboardOnly:
          h = starboard;
          break;
        case Halves::Both:
          h = !std::isfinite(port)        ? starboard
              : !std::isfinite(starboard) ? port
                                          : 0.5 * (port + starboard);
          break;
      }
      break;
  }
  return std::max(h, 0.0);
}

void combineHalves(SectionProfile& p, ModelSides sides, double presence) {
  const std::size_t n = p.z.size();
  p.halfBreadth.assign(n, 0.0);
  p.oneSided.assign(n, false);
  for (std::size_t k = 0; k < n; ++k) {
    p.halfBreadth[k] = halfBreadthOf(p.port[k], p.starboard[k], sides, presence);
    p.oneSided[k] = sides == ModelSides::Both && p.covered[k] &&
                    halvesAt(p.portAbove[k], p.starboardAbove[k], presence) != Halves::Both;
  }
}

std::vector<std::pair<double, double>> oneSidedStretches(const SectionProfile& p, double shortest) {
  std::vector<std::pair<double, double>> stretches;
  for (std::size_t k = 0; k + 1 < p.z.size(); ++k) {
    if (!p.oneSided[k]) continue;
    if (!stretches.empty() && stretches.back().second == p.z[k]) {
      stretches.back().second = p.z[k + 1];
    } else {
      stretches.emplace_back(p.z[k], p.z[k + 1]);
    }
  }
  std::erase_if(stretches, [shortest](const auto& s) { return s.second - s.first <= shortest; });
  return stretches;
}

std::vector<double> spreadHeights(const std::vector<double>& z, const std::vector<double>& value,
                                  const std::vector<bool>& covered, int count) {
  const std::size_t n = z.size();
  double length = 0.0, height = 0.0;
  for (std::size_t k = 0; k + 1 < n; ++k) {
    if (!covered[k]) continue;
    length += std::hypot(z[k + 1] - z[k], value[k + 1] - value[k]);
    height += z[k + 1] - z[k];
  }
  if (n < 2 || height <= 0.0 || count < 2) return {z.front()};
  std::vector<double> measure(n, 0.0);
  for (std::size_t k = 0; k + 1 < n; ++k) {
    double step = 0.0;
    if (covered[k]) {
      step = 0.5 * std::hypot(z[k + 1] - z[k], value[k + 1] - value[k]) / length +
             0.5 * (z[k + 1] - z[k]) / height;
    }
    measure[k + 1] = measure[k] + step;
  }
  std::vector<double> heights;
  heights.reserve(static_cast<std::size_t>(count));
  heights.push_back(z.front());
  std::size_t k = 0;
  for (int j = 1; j < count - 1; ++j) {
    const double target = measure.back() * j / (count - 1);
    while (k + 2 < n && measure[k + 1] < target) ++k;
    const double span = measure[k + 1] - measure[k];
    const double at = span > 0.0 ? z[k] + (target - measure[k]) / span * (z[k + 1] - z[k]) : z[k];
    if (at > heights.back()) heights.push_back(at);
  }
  if (z.back() > heights.back()) heights.push_back(z.back());
  return heights;
}

std::vector<OffsetPoint> sampleStation(int station, double x, const SectionProfile& p,
                                       ModelSides sides, const SamplingRules& rules,
                                       SideMismatch& mismatch) {
  const std::string name = stationName(station, x);
  if (p.z.size() < 2 || !(p.z.back() > p.z.front())) {
    throw OffsetsError(name + ": the model has no hull there");
  }
  const double fullHeight = p.z.back() - p.z.front();
  std::vector<bool> covered = p.covered;
  for (std::size_t k = 0; k + 1 < p.z.size(); ++k) {
    const double crack = std::max(kCrackShare * fullHeight, kCrack);
    if (!covered[k] && p.z[k + 1] - p.z[k] < crack) covered[k] = true;
  }

  // Stretches of hull from bottom to top; a lone point between gaps is none.
  struct Run {
    std::size_t first, last;
  };
  std::vector<Run> runs;
  for (std::size_t k = 0; k + 1 < p.z.size(); ++k) {
    if (!covered[k]) continue;
    if (!runs.empty() && runs.back().last == k) {
      runs.back().last = k + 1;
    } else {
      runs.push_back({k, k + 1});
    }
  }
  if (runs.empty()) throw OffsetsError(name + ": the model has no hull there");

  const double tiny = std::max(1e-9 * fullHeight, kCloseRecords);
  const bool extend = p.z[runs.back().last] < rules.modelMiddle;
  if (!extend) {
    // Leave out a cambered deck: the top of the section is its deck edge.
    const double slope = std::tan(kCamberDegrees * std::numbers::pi / 180.0);
    const std::size_t crown = runs.back().last;
    std::size_t k = crown;
    while (k > runs.back().first + 1 && p.halfBreadth[k - 1] > p.halfBreadth[k] &&
           p.z[k] - p.z[k - 1] < slope * (p.halfBreadth[k - 1] - p.halfBreadth[k]) &&
           p.z[crown] - p.z[k - 1] <= kCamberShare * fullHeight) {
      --k;
    }
    runs.back().last = k;
  }

  // The profile from the lowest hull point to the top, the part sampled.
  const std::size_t from = runs.front().first, to = runs.back().last;
  const std::vector<double> z(p.z.begin() + static_cast<long>(from),
                              p.z.begin() + static_cast<long>(to) + 1);
  const std::vector<double> h(p.halfBreadth.begin() + static_cast<long>(from),
                              p.halfBreadth.begin() + static_cast<long>(to) + 1);
  std::vector<bool> c(covered.begin() + static_cast<long>(from),
                      covered.begin() + static_cast<long>(to) + 1);
  c.back() = false;
  const double height = z.back() - z.front();
  if (sides == ModelSides::Both) {
    // Near the tips of a section both halves are tiny and their ratio says
    // nothing; the halves are compared where the section is broad and both
    // are there (a hole in one is told on its own), away from the keel and
    // the deck edge, where a bottom or a deck a hair off level is no side.
    const double widest = *std::max_element(h.begin(), h.end());
    for (std::size_t k = from; k <= to; ++k) {
      const double larger = std::max(p.port[k], p.starboard[k]);
      if (larger < 0.05 * widest || !(std::min(p.port[k], p.starboard[k]) > rules.presence) ||
          p.z[k] - p.z[from] <= rules.presence || p.z[to] - p.z[k] <= rules.presence) {
        continue;
      }
      const double fraction = std::fabs(p.port[k] - p.starboard[k]) / larger;
      if (fraction > mismatch.fraction) mismatch = {fraction, x, p.z[k]};
    }
  }

  // Heights that must be written: the ends of every stretch (code 0 where a
  // gap follows or precedes) and the corners.
  std::vector<std::pair<double, int>> fixed;
  for (std::size_t r = 0; r < runs.size(); ++r) {
    const double bottom = p.z[runs[r].first], top = p.z[runs[r].last];
    fixed.emplace_back(bottom, r == 0 ? 1 : 0);
    fixed.emplace_back(top, r + 1 == runs.size() && !extend ? 1 : 0);
    for (const std::size_t k :
         cornersOf(p.z, p.halfBreadth, runs[r].first, runs[r].last, rules.knuckleDegrees, tiny)) {
      fixed.emplace_back(p.z[k], 0);
    }
  }

  const bool draftWritten = rules.draft && *rules.draft > z.front() && *rules.draft < z.back() &&
                            profileAt(z, std::vector<double>(c.size(), 1.0), c, *rules.draft) > 0.0;
  if (draftWritten) fixed.emplace_back(*rules.draft, 1);

  std::vector<double> spread = spreadHeights(z, h, c, rules.points);
  // A fixed height takes the place of the nearest spread one, so corners and
  // gap edges do not crowd the record count.
  for (const auto& [at, code] : fixed) {
    if (spread.size() <= 2) break;
    const auto it = std::lower_bound(spread.begin() + 1, spread.end() - 1, at);
    auto nearest = it;
    if (it != spread.begin() + 1 && (it == spread.end() - 1 || at - *(it - 1) < *it - at)) {
      nearest = it - 1;
    }
    if (nearest == spread.end() - 1) continue;
    const double gap = std::min(*nearest - *(nearest - 1), *(nearest + 1) - *nearest);
    if (std::fabs(*nearest - at) < 0.35 * gap) spread.erase(nearest);
  }

  std::vector<OffsetPoint> records;
  for (const double at : spread) records.push_back({at, 0.0, 1});
  for (const auto& [at, code] : fixed) records.push_back({at, 0.0, code});
  std::stable_sort(records.begin(), records.end(),
                   [](const OffsetPoint& a, const OffsetPoint& b) { return a.z < b.z; });
  std::vector<OffsetPoint> unique;
  for (const OffsetPoint& r : records) {
    if (!unique.empty() && r.z - unique.back().z <= tiny) {
      unique.back().code = std::min(unique.back().code, r.code);
      continue;
    }
    unique.push_back(r);
  }
  // Heights that fell into a gap carry nothing: the gap's own records say it.
  std::vector<OffsetPoint> result;
  for (std::size_t r = 0; r < runs.size(); ++r) {
    const double bottom = p.z[runs[r].first], top = p.z[runs[r].last];
    for (OffsetPoint point : unique) {
      if (point.z < bottom - tiny || point.z > top + tiny) continue;
      point.offset = profileAt(z, h, c, point.z);
      result.push_back(point);
    }
    if (r + 1 < runs.size()) {
      const double next = p.z[runs[r + 1].first];
      const double inset = std::min(0.25 * (next - top), kGapInset * height);
      result.push_back({top + inset, 0.0, 0});
      result.push_back({next - inset, 0.0, 0});
    }
  }
  if (extend && rules.modelTop - z.back() > 4.0 * kCloseRecords) {
    const double inset = std::min(0.25 * (rules.modelTop - z.back()), kGapInset * height);
    result.push_back({z.back() + inset, 0.0, 0});
    result.push_back({rules.modelTop, 0.0, 0});
  }
  checkCapacity(result.size(), name);
  return result;
}

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
  checkCapacity(records.size(), name);
  return records;
}

}  // namespace norvika::offsets
