#include "calculation/section_outline.h"

#include <algorithm>
#include <cmath>

#include "numerics/gauss_legendre.h"

namespace norvika {

namespace {

struct Point {
  double y = 0.0;
  double z = 0.0;
};

Point edgePoint(const OutlineEdge& edge, double t) {
  return {cubicValue(edge.y, t), edge.z0 + edge.dz * t};
}

// The integrals of an edge from t = a to t = b by the 10-point rule, exact
// for them: y is a cubic and z a line in t, so y^2 is of degree six.
GreenTerms edgeTerms(const OutlineEdge& edge, double a, double b) {
  GreenTerms sum;
  const double half = (b - a) / 2.0;
  auto add = [&](double weight, double t) {
    const double y = cubicValue(edge.y, t);
    const double z = edge.z0 + edge.dz * t;
    sum.area += weight * y;
    sum.momentY += weight * y * y / 2.0;
    sum.momentZ += weight * y * z;
  };
  forEachGaussPair((a + b) / 2.0, half, [&](double weight, double tPlus, double tMinus) {
    add(weight, tPlus);
    add(weight, tMinus);
  });
  const double scale = half * edge.dz;
  return {sum.area * scale, sum.momentY * scale, sum.momentZ * scale};
}

void addTerms(GreenTerms& sum, const GreenTerms& terms) {
  sum.area += terms.area;
  sum.momentY += terms.momentY;
  sum.momentZ += terms.momentZ;
}

OutlineBox unite(const OutlineBox& a, const OutlineBox& b) {
  return {std::fmin(a.yLeast, b.yLeast), std::fmax(a.yGreatest, b.yGreatest),
          std::fmin(a.zLeast, b.zLeast), std::fmax(a.zGreatest, b.zGreatest)};
}

OutlineBox boxOf(const OutlineEdge& edge) {
  const CubicRange range = cubicRange(edge.y, 0.0, 1.0);
  return {range.least, range.greatest, std::fmin(edge.z0, edge.z0 + edge.dz),
          std::fmax(edge.z0, edge.z0 + edge.dz)};
}

// Groups the edges into runs of about the square root of their number.
void groupIntoRuns(SectionOutline& outline) {
  const int n = static_cast<int>(outline.edges.size());
  const int size = std::max(4, static_cast<int>(std::lround(std::sqrt(n))));
  for (int first = 0; first < n; first += size) {
    OutlineRun run;
    run.first = first;
    run.last = std::min(n, first + size) - 1;
    OutlineBox box = outline.edgeBoxes[static_cast<std::size_t>(first)];
    for (int k = first; k <= run.last; ++k) {
      box = unite(box, outline.edgeBoxes[static_cast<std::size_t>(k)]);
      addTerms(run.terms, outline.edges[static_cast<std::size_t>(k)].terms);
    }
    outline.box = first == 0 ? box : unite(outline.box, box);
    addTerms(outline.whole, run.terms);
    outline.runs.push_back(run);
    outline.runBoxes.push_back(box);
  }
}

OutlineEdge segment(Point from, Point to) {
  OutlineEdge edge;
  edge.y = {from.y, to.y - from.y, 0.0, 0.0};
  edge.z0 = from.z;
  edge.dz = to.z - from.z;
  return edge;
}

// Piece k of the curve, from its lower node to its upper one, in t.
OutlineEdge pieceEdge(const SectionCurve& curve, std::size_t k) {
  const SectionCurve::Piece& p = curve.pieces[k];
  OutlineEdge edge;
  edge.z0 = curve.z[k];
  const double h = curve.z[k + 1] - curve.z[k];
  edge.dz = h;
  if (p.vertical) {
    edge.y = {p.halfBreadth, 0.0, 0.0, 0.0};
  } else {
    edge.y = {p.c1, p.c2 * h, p.c3 * h * h / 2.0, p.c4 * h * h * h / 6.0};
  }
  return edge;
}

// The edge mirrored to port and run backwards: y(t) -> -y(1 - t).
OutlineEdge mirroredBack(const OutlineEdge& e) {
  const Cubic& a = e.y;
  OutlineEdge edge;
  edge.y = {-(a[0] + a[1] + a[2] + a[3]), a[1] + 2.0 * a[2] + 3.0 * a[3], -(a[2] + 3.0 * a[3]),
            a[3]};
  edge.z0 = e.z0 + e.dz;
  edge.dz = -e.dz;
  return edge;
}

// Ends closer than this are one point (m): a fitted piece ends at its upper
// node to rounding, so the outline gains an edge only where the fit leaves a
// real step (a two-point piece's slope guard, a vertical piece beside a cubic).
constexpr double kSamePoint = 1e-12;

void joinTo(std::vector<OutlineEdge>& chain, Point& end, Point next) {
  if (std::fabs(next.y - end.y) > kSamePoint || std::fabs(next.z - end.z) > kSamePoint) {
    chain.push_back(segment(end, next));
  }
  end = next;
}

}  // namespace

SectionOutline outlineOfSection(const SectionCurve& curve) {
  SectionOutline outline;
  if (curve.z.size() < 2) return outline;
  // The starboard side from the keel point up to the deck edge.
  std::vector<OutlineEdge> side;
  Point end{curve.bottomHalfBreadth, curve.keel()};
  const Point start = end;
  for (std::size_t k = 0; k < curve.pieces.size(); ++k) {
    const OutlineEdge piece = pieceEdge(curve, k);
    joinTo(side, end, edgePoint(piece, 0.0));
    side.push_back(piece);
    end = edgePoint(piece, 1.0);
  }
  const Point deckEdge{curve.topHalfBreadth, curve.deck()};
  joinTo(side, end, deckEdge);

  std::vector<OutlineEdge>& edges = outline.edges;
  edges = side;
  if (deckEdge.y != 0.0) edges.push_back(segment(deckEdge, {-deckEdge.y, deckEdge.z}));
  for (auto e = side.rbegin(); e != side.rend(); ++e) edges.push_back(mirroredBack(*e));
  if (start.y != 0.0) edges.push_back(segment({-start.y, start.z}, start));

  for (OutlineEdge& edge : edges) {
    edge.terms = edgeTerms(edge, 0.0, 1.0);
    outline.edgeBoxes.push_back(boxOf(edge));
  }
  groupIntoRuns(outline);
  outline.deckEdgeY = deckEdge.y;
  outline.deckEdgeZ = deckEdge.z;
  return outline;
}

namespace {

// Walks the outline's immersed arcs. Green's theorem closes each arc along the
// waterline; the chords' share depends only on where the arcs enter and leave
// the water, whatever chord joins which, since the chords lie on one line.
class CutWalk {
 public:
  explicit CutWalk(const InclinedWaterline& line)
      : s_(line.sinHeel), c_(line.cosHeel), h_(line.height) {}

  // The part of the outline from `edge` at t = a on, wet or dry, with its
  // integrals when wet.
  void arc(const OutlineEdge& edge, double a, bool wet, const GreenTerms& terms) {
    if (!started_) {
      started_ = true;
      firstWet_ = wet;
    } else if (wet != wet_) {
      cross(edgePoint(edge, a), wet);
    }
    wet_ = wet;
    if (wet) addTerms(cut_.terms, terms);
  }

  struct Result {
    GreenTerms terms;
    double waterlineBreadth = 0.0;
  };

  Result finish(const OutlineEdge& first) {
    if (started_ && wet_ != firstWet_) cross(edgePoint(first, 0.0), firstWet_);
    return cut_;
  }

 private:
  // The waterline entered (wet) or left at p: the chord integrals of y dz,
  // y^2/2 dz and y z dz up to p along the line, y = u c - h s, z = u s + h c.
  void cross(Point p, bool wet) {
    const double u = c_ * p.y + s_ * p.z;
    const double sign = wet ? 1.0 : -1.0;
    const double cs = c_ * s_;
    GreenTerms& t = cut_.terms;
    t.area += sign * s_ * u * (c_ * u / 2.0 - h_ * s_);
    t.momentY += sign * s_ / 2.0 * u * (c_ * c_ * u * u / 3.0 - cs * h_ * u + s_ * s_ * h_ * h_);
    t.momentZ +=
        sign * s_ * u * (cs * u * u / 3.0 + (c_ * c_ - s_ * s_) * h_ * u / 2.0 - cs * h_ * h_);
    cut_.waterlineBreadth -= sign * u;
  }

  double s_, c_, h_;
  bool started_ = false;
  bool firstWet_ = false;
  bool wet_ = false;
  Result cut_;
};

// The least and greatest of n . p over a box: the corners taken, for the
// heel's quadrant, once per line.
class BoxTest {
 public:
  explicit BoxTest(const InclinedWaterline& line)
      : s_(line.sinHeel),
        c_(line.cosHeel),
        h_(line.height),
        sPositive_(s_ >= 0.0),
        cPositive_(c_ >= 0.0) {}

  HeightSpan heights(const OutlineBox& b) const {
    return {
        -s_ * (sPositive_ ? b.yGreatest : b.yLeast) + c_ * (cPositive_ ? b.zLeast : b.zGreatest),
        -s_ * (sPositive_ ? b.yLeast : b.yGreatest) + c_ * (cPositive_ ? b.zGreatest : b.zLeast)};
  }

  // Whether a box lies wholly under the waterline (1), wholly above it (-1),
  // or the line may cross it (0).
  int side(const OutlineBox& b) const {
    const HeightSpan span = heights(b);
    if (span.greatest < h_) return 1;
    if (span.least > h_) return -1;
    return 0;
  }

 private:
  double s_, c_, h_;
  bool sPositive_, cPositive_;
};

// One edge the waterline may cross: split where it does, each part wet or dry.
void cutEdge(const OutlineEdge& edge, const InclinedWaterline& line, CutWalk& walk) {
  const double s = line.sinHeel, c = line.cosHeel, h = line.height;
  // Depth below the waterline along the edge: h - n . p(t).
  const Cubic depth{h + s * edge.y[0] - c * edge.z0, s * edge.y[1] - c * edge.dz, s * edge.y[2],
                    s * edge.y[3]};
  const CubicCrossings crossings = cubicCrossings(depth, 0.0, 1.0);
  double a = 0.0;
  for (int i = 0; i <= crossings.count; ++i) {
    const double b = i < crossings.count ? crossings.t[static_cast<std::size_t>(i)] : 1.0;
    if (b > a) {
      const bool wet = cubicValue(depth, (a + b) / 2.0) > 0.0;
      walk.arc(edge, a, wet, wet ? edgeTerms(edge, a, b) : GreenTerms{});
    }
    a = b;
  }
}

}  // namespace

SectionCut cutSection(const SectionOutline& outline, const InclinedWaterline& line) {
  if (outline.edges.empty()) return {};
  CutWalk walk(line);
  const BoxTest box(line);
  for (std::size_t r = 0; r < outline.runs.size(); ++r) {
    const OutlineRun& run = outline.runs[r];
    const auto first = static_cast<std::size_t>(run.first);
    if (const int side = box.side(outline.runBoxes[r]); side != 0) {
      walk.arc(outline.edges[first], 0.0, side > 0, run.terms);
      continue;
    }
    for (auto k = first; k <= static_cast<std::size_t>(run.last); ++k) {
      const OutlineEdge& edge = outline.edges[k];
      if (const int side = box.side(outline.edgeBoxes[k]); side != 0) {
        walk.arc(edge, 0.0, side > 0, edge.terms);
      } else {
        cutEdge(edge, line, walk);
      }
    }
  }
  const CutWalk::Result cut = walk.finish(outline.edges.front());
  return {cut.terms.area, cut.terms.momentY, cut.terms.momentZ, cut.waterlineBreadth};
}

HeightSpan heightSpan(const SectionOutline& outline, const InclinedWaterline& line) {
  if (outline.edges.empty()) return {INFINITY, -INFINITY};
  return BoxTest(line).heights(outline.box);
}

}  // namespace norvika
