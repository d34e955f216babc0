#include "calculation/section_integrals.h"

#include <array>
#include <cmath>

#include "numerics/gauss_legendre.h"

namespace norvika {

namespace {

// A piece's cubic in the run's own form, d metres above its lower node.
struct Cubic {
  double c1 = 0.0, c2 = 0.0, c3 = 0.0, c4 = 0.0;

  // The run's evaluation, operation for operation, so that the outline's
  // half-breadth is the run's to the last bit where it follows the run.
  double value(double d) const { return c1 + d * (c2 + d * (c3 + d * c4 / 3.0) / 2.0); }
  double slope(double d) const { return c2 + d * (c3 + d * c4 / 2.0); }
  // From the node up to d: the integral of y and of d y.
  double area(double d) const { return d * (c1 + d * (c2 / 2.0 + d * (c3 / 6.0 + d * c4 / 24.0))); }
  double firstMoment(double d) const {
    return d * d * (c1 / 2.0 + d * (c2 / 3.0 + d * (c3 / 8.0 + d * c4 / 30.0)));
  }
};

Cubic cubicOf(const OutlineRange& range) { return {range.c1, range.c2, range.c3, range.c4}; }

// Heights strictly inside a piece, rising: at most two slope roots and three
// zeros.
struct Cuts {
  std::array<double, 5> d{};
  std::size_t count = 0;

  void add(double at) {
    if (count == d.size()) return;
    std::size_t i = count++;
    for (; i > 0 && d[i - 1] > at; --i) d[i] = d[i - 1];
    d[i] = at;
  }
};

// Adds the roots of a + b d + c d^2 strictly inside (0, h).
void addQuadraticRoots(double a, double b, double c, double h, Cuts& cuts) {
  const auto keep = [&](double d) {
    if (d > 0.0 && d < h) cuts.add(d);
  };
  if (c == 0.0) {
    if (b != 0.0) keep(-a / b);
    return;
  }
  const double discriminant = b * b - 4.0 * a * c;
  if (!(discriminant >= 0.0)) return;
  // The root larger in size first, the other from their product: no cancellation.
  const double q = -(b + std::copysign(std::sqrt(discriminant), b)) / 2.0;
  keep(q / c);
  if (q != 0.0) keep(a / q);
}

// How far a piece's cubic may reach beyond the half-breadths of its two
// points, in heights of the piece. A fair curve bulges beyond them by a small
// part of it (a circular arc by half at most; the worst piece of the DTMB 5415
// hull by a third); a cubic forced through two points a millimetre apart
// reaches thousands of heights beyond them, between the points, where the
// run's area rule almost never takes a sample.
constexpr double kLargestSwing = 10.0;

// Whether the cubic on [0, h], whose slope roots inside are `extremes`, reaches
// beyond its end half-breadths y0 and y1 by more than it may.
bool swings(const Cubic& cubic, double h, const Cuts& extremes, double y0, double y1) {
  const double allowed = kLargestSwing * h;
  const auto within = [&](double y) {
    return y - std::fmax(y0, y1) <= allowed && std::fmin(y0, y1) - y <= allowed;
  };
  if (!within(cubic.value(h))) return true;
  for (std::size_t i = 0; i < extremes.count; ++i) {
    if (!within(cubic.value(extremes.d[i]))) return true;
  }
  return false;
}

// The zero of the cubic between a and b, where it changes sign and is
// monotone, by halving to the last bit.
double zeroBetween(const Cubic& cubic, double a, double b) {
  const bool negativeAtA = cubic.value(a) < 0.0;
  while (true) {
    const double middle = a + (b - a) / 2.0;
    if (!(middle > a && middle < b)) return b;
    ((cubic.value(middle) < 0.0) == negativeAtA ? a : b) = middle;
  }
}

// Piece k (from 0) of the outline, cut where its slope or its half-breadth
// changes sign: the run's vertical side or cubic, or the chord where the cubic
// swings.
void appendPiece(const SectionCurve& curve, std::size_t k, std::vector<OutlineRange>& outline) {
  const SectionCurve::Piece& piece = curve.pieces[k];
  const double node = curve.z[k];
  const double top = curve.z[k + 1];
  const double h = top - node;
  Cubic cubic{piece.c1, piece.c2, piece.c3, piece.c4};
  Cuts cuts;
  if (piece.vertical) {
    cubic = {piece.halfBreadth, 0.0, 0.0, 0.0};
  } else {
    addQuadraticRoots(cubic.c2, cubic.c3, cubic.c4 / 2.0, h, cuts);
    const double y1 = k + 1 < curve.pieces.size() ? curve.pieces[k + 1].c1 : curve.topHalfBreadth;
    if (swings(cubic, h, cuts, piece.c1, y1)) {
      cubic = {piece.c1, (y1 - piece.c1) / h, 0.0, 0.0};
      cuts.count = 0;
    }
  }
  // Between the slope's roots the cubic is monotone: one zero at most.
  const Cuts extremes = cuts;
  double start = 0.0;
  for (std::size_t i = 0; i <= extremes.count; ++i) {
    const double end = i < extremes.count ? extremes.d[i] : h;
    if ((cubic.value(start) < 0.0) != (cubic.value(end) < 0.0)) {
      const double zero = zeroBetween(cubic, start, end);
      if (zero < h) cuts.add(zero);
    }
    start = end;
  }

  double from = 0.0;
  for (std::size_t i = 0; i <= cuts.count; ++i) {
    const double to = i < cuts.count ? cuts.d[i] : h;
    if (!(to > from)) continue;
    outline.push_back({node + from, i < cuts.count ? node + to : top, node, cubic.c1, cubic.c2,
                       cubic.c3, cubic.c4, cubic.value((from + to) / 2.0) < 0.0});
    from = to;
  }
}

// One side's area, moment about the base line and girth.
struct Integrals {
  double area = 0.0;
  double moment = 0.0;
  double girth = 0.0;
};

// Of a range, from its start up to the height `top` within it.
Integrals rangeIntegrals(const OutlineRange& range, double top) {
  if (range.clipped) return {0.0, 0.0, top - range.from};
  const Cubic cubic = cubicOf(range);
  const double a = range.from - range.node;
  const double b = top - range.node;
  Integrals result;
  result.area = cubic.area(b) - cubic.area(a);
  result.moment = range.node * result.area + (cubic.firstMoment(b) - cubic.firstMoment(a));
  if (cubic.c3 == 0.0 && cubic.c4 == 0.0) {
    result.girth = (b - a) * std::sqrt(1.0 + cubic.c2 * cubic.c2);
    return result;
  }
  // The 10-point Gauss rule: the slope is smooth and of one sign on the range.
  const double half = (b - a) / 2.0;
  double sum = 0.0;
  forEachGaussPair(a + half, half, [&](double weight, double dPlus, double dMinus) {
    const double sPlus = cubic.slope(dPlus);
    const double sMinus = cubic.slope(dMinus);
    sum += weight * (std::sqrt(1.0 + sPlus * sPlus) + std::sqrt(1.0 + sMinus * sMinus));
  });
  result.girth = half * sum;
  return result;
}

// A half-breadth below zero is taken as zero, as the run takes the waterline's.
double notBelowZero(double y) { return y > 0.0 ? y : 0.0; }

// The outline's half-breadth at height z within a range.
double halfBreadthIn(const OutlineRange& range, double z) {
  return range.clipped ? 0.0 : notBelowZero(cubicOf(range).value(z - range.node));
}

// The piece k with z[k] <= zw < z[k + 1], for zw strictly between keel and deck.
std::size_t pieceHolding(const std::vector<double>& z, double zw) {
  std::size_t low = 0;
  std::size_t count = z.size() - 1;
  while (count > 1) {
    const std::size_t half = count / 2;
    low = z[low + half] <= zw ? low + half : low;
    count -= half;
  }
  return low;
}

}  // namespace

void prepareStationSection(const HullModel& hull, int st, StationSection& section) {
  StationSpline spline(hull.pointCount(st));
  fitCurveSpline(hull, st, spline);
  section.curve = layOutSection(hull, st, spline);
  const SectionCurve& curve = section.curve;
  std::vector<OutlineRange>& outline = section.outline;
  outline.clear();
  outline.reserve(curve.pieces.size());
  section.firstRange.assign(curve.z.size(), 0);
  for (std::size_t k = 0; k < curve.pieces.size(); ++k) {
    section.firstRange[k] = outline.size();
    appendPiece(curve, k, outline);
  }
  section.firstRange.back() = outline.size();

  section.areaBelow.resize(outline.size() + 1);
  section.momentBelow.resize(outline.size() + 1);
  section.girthBelow.resize(outline.size() + 1);
  // The flat of the bottom, from the centre line out to the keel point.
  double girth = notBelowZero(curve.bottomHalfBreadth);
  double area = 0.0;
  double moment = 0.0;
  for (std::size_t i = 0; i < outline.size(); ++i) {
    if (i > 0) {
      girth += std::fabs(halfBreadthIn(outline[i], outline[i].from) -
                         halfBreadthIn(outline[i - 1], outline[i - 1].to));
    }
    section.areaBelow[i] = area;
    section.momentBelow[i] = moment;
    section.girthBelow[i] = girth;
    const Integrals range = rangeIntegrals(outline[i], outline[i].to);
    area += range.area;
    moment += range.moment;
    girth += range.girth;
  }
  if (!outline.empty()) {
    girth += std::fabs(notBelowZero(curve.topHalfBreadth) -
                       halfBreadthIn(outline.back(), outline.back().to));
  }
  section.areaBelow.back() = area;
  section.momentBelow.back() = moment;
  section.girthBelow.back() = girth;
}

SectionBelow sectionBelow(const StationSection& section, double zw) {
  const SectionCurve& curve = section.curve;
  if (zw < curve.keel()) return {};
  if (zw == curve.keel()) return {0.0, 0.0, 0.0, notBelowZero(curve.bottomHalfBreadth)};
  if (zw >= curve.deck()) {
    return {2.0 * section.areaBelow.back(), 2.0 * section.momentBelow.back(),
            2.0 * section.girthBelow.back(), notBelowZero(curve.topHalfBreadth)};
  }
  const std::size_t k = pieceHolding(curve.z, zw);
  std::size_t i = section.firstRange[k];
  while (i + 1 < section.firstRange[k + 1] && section.outline[i + 1].from <= zw) ++i;
  const OutlineRange& range = section.outline[i];
  const Integrals part = rangeIntegrals(range, zw);
  return {2.0 * (section.areaBelow[i] + part.area), 2.0 * (section.momentBelow[i] + part.moment),
          2.0 * (section.girthBelow[i] + part.girth), halfBreadthIn(range, zw)};
}

}  // namespace norvika
