#include "calculation/section_outline.h"

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

// The three integrals of an edge from t = a to t = b by the 10-point rule,
// exact for them: y is a cubic and z a line in t, so y^2 is of degree six.
struct EdgeTerms {
  double area = 0.0;
  double momentY = 0.0;
  double momentZ = 0.0;
};

EdgeTerms edgeTerms(const OutlineEdge& edge, double a, double b) {
  EdgeTerms sum;
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

OutlineEdge finished(OutlineEdge edge) {
  const CubicRange range = cubicRange(edge.y, 0.0, 1.0);
  edge.yLeast = range.least;
  edge.yGreatest = range.greatest;
  edge.zLeast = std::fmin(edge.z0, edge.z0 + edge.dz);
  edge.zGreatest = std::fmax(edge.z0, edge.z0 + edge.dz);
  const EdgeTerms terms = edgeTerms(edge, 0.0, 1.0);
  edge.areaTerm = terms.area;
  edge.momentYTerm = terms.momentY;
  edge.momentZTerm = terms.momentZ;
  return edge;
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

void joinTo(std::vector<OutlineEdge>& chain, Point& end, Point next) {
  if (next.y != end.y || next.z != end.z) chain.push_back(segment(end, next));
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
    edge = finished(edge);
    outline.area += edge.areaTerm;
    outline.momentY += edge.momentYTerm;
    outline.momentZ += edge.momentZTerm;
  }
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

  void arc(const OutlineEdge& edge, double a, double b, bool wet) {
    if (!started_) {
      started_ = true;
      firstWet_ = wet;
    } else if (wet != wet_) {
      cross(edgePoint(edge, a), wet);
    }
    wet_ = wet;
    if (!wet) return;
    if (a == 0.0 && b == 1.0) {
      cut_.area += edge.areaTerm;
      cut_.momentY += edge.momentYTerm;
      cut_.momentZ += edge.momentZTerm;
    } else {
      const EdgeTerms terms = edgeTerms(edge, a, b);
      cut_.area += terms.area;
      cut_.momentY += terms.momentY;
      cut_.momentZ += terms.momentZ;
    }
  }

  SectionCut finish(const OutlineEdge& first) {
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
    cut_.area += sign * s_ * u * (c_ * u / 2.0 - h_ * s_);
    cut_.momentY +=
        sign * s_ / 2.0 * u * (c_ * c_ * u * u / 3.0 - cs * h_ * u + s_ * s_ * h_ * h_);
    cut_.momentZ +=
        sign * s_ * u * (cs * u * u / 3.0 + (c_ * c_ - s_ * s_) * h_ * u / 2.0 - cs * h_ * h_);
    cut_.waterlineBreadth -= sign * u;
  }

  double s_, c_, h_;
  bool started_ = false;
  bool firstWet_ = false;
  bool wet_ = false;
  SectionCut cut_;
};

// The least and greatest of n . p over the edge's box.
HeightSpan boxHeights(const OutlineEdge& e, double s, double c) {
  const double low = -s * (s >= 0.0 ? e.yGreatest : e.yLeast) + c * (c >= 0.0 ? e.zLeast : e.zGreatest);
  const double high = -s * (s >= 0.0 ? e.yLeast : e.yGreatest) + c * (c >= 0.0 ? e.zGreatest : e.zLeast);
  return {low, high};
}

}  // namespace

SectionCut cutSection(const SectionOutline& outline, const InclinedWaterline& line) {
  if (outline.edges.empty()) return {};
  const double s = line.sinHeel, c = line.cosHeel, h = line.height;
  CutWalk walk(line);
  for (const OutlineEdge& edge : outline.edges) {
    const HeightSpan box = boxHeights(edge, s, c);
    if (box.greatest < h || box.least > h) {
      walk.arc(edge, 0.0, 1.0, box.greatest < h);
      continue;
    }
    // Depth below the waterline along the edge: h - n . p(t).
    const Cubic depth{h + s * edge.y[0] - c * edge.z0, s * edge.y[1] - c * edge.dz, s * edge.y[2],
                      s * edge.y[3]};
    const CubicCrossings crossings = cubicCrossings(depth, 0.0, 1.0);
    double a = 0.0;
    for (int i = 0; i <= crossings.count; ++i) {
      const double b = i < crossings.count ? crossings.t[static_cast<std::size_t>(i)] : 1.0;
      if (b > a) walk.arc(edge, a, b, cubicValue(depth, (a + b) / 2.0) > 0.0);
      a = b;
    }
  }
  return walk.finish(outline.edges.front());
}

HeightSpan heightSpan(const SectionOutline& outline, const InclinedWaterline& line) {
  HeightSpan span{INFINITY, -INFINITY};
  for (const OutlineEdge& edge : outline.edges) {
    const HeightSpan box = boxHeights(edge, line.sinHeel, line.cosHeel);
    span.least = std::fmin(span.least, box.least);
    span.greatest = std::fmax(span.greatest, box.greatest);
  }
  return span;
}

}  // namespace norvika
