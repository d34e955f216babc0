#pragma once

#include <cstddef>
#include <vector>

#include "model/hull_model.h"
#include "numerics/station_spline.h"

namespace norvika {

/// A station's fitted half-breadth curve laid out for the area integration:
/// the node heights, and per piece its cubic or, where the half-breadths at
/// both ends of the piece are equal, that half-breadth (a vertical side).
/// Fitted once per run, it is read for every waterline the run tries.
struct SectionCurve {
  struct Piece {
    bool vertical = false;
    double halfBreadth = 0.0;                       // m, a vertical piece
    double c1 = 0.0, c2 = 0.0, c3 = 0.0, c4 = 0.0;  // value and derivatives at the lower node
  };
  std::vector<double> z;           // node heights, m, rising; z[k] and z[k + 1] bound pieces[k]
  std::vector<Piece> pieces;       // one fewer than the nodes
  double bottomHalfBreadth = 0.0;  // m, at the lowest node
  double topHalfBreadth = 0.0;     // m, at the highest node (the deck edge)

  double keel() const { return z.front(); }
  double deck() const { return z.back(); }
};

/// Half-breadth (m) of a piece at d (m) above its lower node.
inline double pieceHalfBreadth(const SectionCurve::Piece& p, double d) {
  if (p.vertical) return p.halfBreadth;
  return p.c1 + d * (p.c2 + d * (p.c3 + d * p.c4 / 3.0) / 2.0);
}

/// Half-breadth (m) of the section at height t (m): the node's own at the
/// lowest and highest node, nothing outside the section, else the piece
/// holding t. `k`, a piece index, is where the search starts and is left at
/// the piece found: heights asked in rising order cost one walk up.
inline double halfBreadthWalking(const SectionCurve& curve, double t, std::size_t& k) {
  const double* z = curve.z.data();
  const std::size_t top = curve.z.size() - 1;
  if (t == z[0]) return curve.bottomHalfBreadth;
  if (t == z[top]) return curve.topHalfBreadth;
  if (top == 0 || !(z[0] <= t && t < z[top])) return 0.0;
  while (t < z[k]) --k;
  while (t >= z[k + 1]) ++k;
  return pieceHalfBreadth(curve.pieces[k], t - z[k]);
}

/// Half-breadth (m) of the section at height t (m), as halfBreadthWalking.
inline double halfBreadthAt(const SectionCurve& curve, double t) {
  std::size_t k = 0;
  return halfBreadthWalking(curve, t, k);
}

/// Station st of the hull with its fitted spline, laid out for sectionArea.
SectionCurve layOutSection(const HullModel& hull, int st, const StationSpline& spline);

/// Every station of the hull fitted and laid out; curves[st - 1] is station st.
std::vector<SectionCurve> layOutStations(const HullModel& hull);

/// Immersed area (m2, both sides) of the section below the waterline height
/// zw (m), by the 10-point Gauss-Legendre rule on four equal sub-intervals
/// from the keel.
double sectionArea(const SectionCurve& curve, double zw);

}  // namespace norvika
