#pragma once

#include "support/capacities.h"
#include "support/table.h"

namespace norvika {

/// Piecewise cubic: rows 1..4 hold value, first, second and third derivative
/// at each node (one column per node) for the piece to the node's right.
struct SplineCoefficients {
  explicit SplineCoefficients(int columns = kMaxRecords) : c(4, columns) {}
  double& operator()(int row, int column) { return c(row, column); }
  double operator()(int row, int column) const { return c(row, column); }
  int columns() const { return c.columns(); }
  void clear() { c.clear(); }
  Table2<double> c;
};

/// End conditions of fitCubicSpline.
inline constexpr int kNotAKnot = 0;
inline constexpr int kEndSlope = 1;   // slope given in row 2 of the end column
inline constexpr int kEndSecond = 2;  // second derivative given in row 2 of the end column

/// Integral of y over x(1..n), x strictly increasing, each interval under the
/// parabola through it and one neighbour. n = 2: trapezoid; n <= 1: 0.
double integrateTabulated(int n, const Table<double>& x, const Table<double>& y);

/// The weights of integrateTabulated over x(1..n), into weight(1..n): for
/// every y the sum of weight(i) y(i) is integrateTabulated's integral, up to
/// rounding. A sum per quantity instead of the rule's divisions each time.
void tabulatedWeights(int n, const Table<double>& x, Table<double>& weight);

/// Fits the cubic spline through (x(k), coef(1, k)), k = 1..n, filling rows 2..4.
/// n = 2 gives the straight line, n = 1 a constant.
void fitCubicSpline(int n, const Table<double>& x, SplineCoefficients& coef, int startCondition,
                    int endCondition);

/// Value of the cubic piece of node k at distance d above the node: the value,
/// plus the first, second and third derivative terms, in nested form.
inline double cubicPieceValue(const SplineCoefficients& coef, int k, double d) {
  return coef(1, k) + d * (coef(2, k) + d * (coef(3, k) + d * coef(4, k) / 3.0) / 2.0);
}

/// Slope of the cubic piece of node k at distance d above the node: the first
/// derivative of cubicPieceValue.
inline double cubicPieceSlope(const SplineCoefficients& coef, int k, double d) {
  return coef(2, k) + d * (coef(3, k) + d * coef(4, k) / 2.0);
}

/// Writes the spline value at `at` into result; leaves result unchanged when
/// `at` lies outside [x(1), x(n)].
void evaluateSpline(int n, double at, double& result, const Table<double>& x,
                    const SplineCoefficients& coef);

}  // namespace norvika
