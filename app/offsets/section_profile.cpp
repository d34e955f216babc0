#include "section_profile.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace norvika::offsets {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

double uAtHeight(const CutSegment& s, double z) {
  if (z == s.v0) return s.u0;
  if (z == s.v1) return s.u1;
  return s.u0 + (z - s.v0) / (s.v1 - s.v0) * (s.u1 - s.u0);
}

// The outermost u to port (largest) and to starboard (smallest) met so far.
struct Outermost {
  double port = -kInfinity, starboard = kInfinity;
  void take(double u) {
    port = std::max(port, u);
    starboard = std::min(starboard, u);
  }
};

void append(SectionProfile::Half& port, SectionProfile::Half& starboard,
            std::vector<double> SectionProfile::Half::*values, const Outermost& o) {
  (port.*values).push_back(o.port);
  (starboard.*values).push_back(-o.starboard);
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

  SectionProfile p;
  const std::size_t n = events.size();
  p.z = events;
  p.covered.reserve(n);
  for (SectionProfile::Half* half : {&p.port, &p.starboard}) {
    half->at.reserve(n);
    half->foot.reserve(n);
    half->middle.reserve(n);
    half->head.reserve(n);
  }
  // A sweep up the heights: only the few segments that span the current
  // height are looked at, so a cut of thousands of segments stays cheap.
  std::vector<const Span*> active;
  std::size_t next = 0;
  for (std::size_t k = 0; k < n; ++k) {
    const double z = events[k];
    std::erase_if(active, [z](const Span* s) { return s->high < z; });
    while (next < spans.size() && spans[next].low <= z) active.push_back(&spans[next++]);
    Outermost at, foot, middle, head;
    // No segment begins or ends inside a step: those that reach beyond z
    // span the whole of it.
    const double above = k + 1 < n ? events[k + 1] : z;
    const double half = 0.5 * (z + above);
    for (const Span* s : active) {
      const CutSegment& c = *s->segment;
      if (s->low == s->high) {
        at.take(c.u0);
        at.take(c.u1);
        continue;
      }
      at.take(uAtHeight(c, z));
      if (s->high > z) {
        foot.take(uAtHeight(c, z));
        middle.take(uAtHeight(c, half));
        head.take(uAtHeight(c, above));
      }
    }
    p.covered.push_back(k + 1 < n && std::isfinite(middle.port));
    append(p.port, p.starboard, &SectionProfile::Half::at, at);
    append(p.port, p.starboard, &SectionProfile::Half::foot, foot);
    append(p.port, p.starboard, &SectionProfile::Half::middle, middle);
    append(p.port, p.starboard, &SectionProfile::Half::head, head);
  }
  return p;
}

void noteHalvesPresent(const SectionProfile& p, double presence, HalvesPresent& present) {
  for (std::size_t k = 0; k < p.z.size(); ++k) {
    present.port = present.port || p.port.at[k] > presence || p.port.middle[k] > presence;
    present.starboard =
        present.starboard || p.starboard.at[k] > presence || p.starboard.middle[k] > presence;
  }
}

std::optional<ModelSides> modelSidesOf(const HalvesPresent& present) {
  if (present.port && present.starboard) return ModelSides::Both;
  if (present.port) return ModelSides::Port;
  if (present.starboard) return ModelSides::Starboard;
  return std::nullopt;
}

HalvesAt halvesAt(double port, double starboard, double presence) {
  const bool portThere = port > presence, starboardThere = starboard > presence;
  if (portThere == starboardThere) return HalvesAt::Both;
  if (portThere) return port - starboard <= presence ? HalvesAt::Both : HalvesAt::PortOnly;
  return starboard - port <= presence ? HalvesAt::Both : HalvesAt::StarboardOnly;
}

double halfBreadthOf(double port, double starboard, ModelSides sides, HalvesAt there) {
  double h = 0.0;
  if (sides == ModelSides::Port || (sides == ModelSides::Both && there == HalvesAt::PortOnly)) {
    h = port;
  } else if (sides == ModelSides::Starboard || there == HalvesAt::StarboardOnly) {
    h = starboard;
  } else {
    h = !std::isfinite(port)        ? starboard
        : !std::isfinite(starboard) ? port
                                    : 0.5 * (port + starboard);
  }
  return std::isfinite(h) ? std::max(h, 0.0) : 0.0;
}

}  // namespace norvika::offsets
