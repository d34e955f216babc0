#pragma once

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

/// Station st of the hull with its fitted spline, laid out for sectionArea.
SectionCurve layOutSection(const HullModel& hull, int st, const StationSpline& spline);

/// Every station of the hull fitted and laid out; curves[st - 1] is station st.
std::vector<SectionCurve> layOutStations(const HullModel& hull);

/// Immersed area (m2, both sides) of the section below the waterline height
/// zw (m), by the 10-point Gauss-Legendre rule on four equal sub-intervals
/// from the keel.
double sectionArea(const SectionCurve& curve, double zw);

}  // namespace norvika
