#pragma once

#include "numerics/integration_spline.h"
#include "support/table.h"

namespace norvika {

enum class InterpolationMethod { Linear = 1, Quadratic = 2, Spline = 3 };

/// Value of the table y(x), x(1..n) strictly increasing, at `at`, written to
/// result; result is unchanged outside [x(1), x(n)]. Neighbouring values within
/// 1e-5 of each other make a flat piece. The spline method takes n <= 100.
void interpolateTable(int n, const Table<double>& x, const Table<double>& y, double at,
                      double& result, InterpolationMethod method);

/// The spline method of interpolateTable with the spline through the table
/// fitted once, for many abscissae: the same values bit for bit.
class SplineTable {
 public:
  SplineTable(int n, const Table<double>& x, const Table<double>& y);
  /// As interpolateTable(n, x, y, at, result, InterpolationMethod::Spline).
  void interpolate(double at, double& result) const;

 private:
  double value(double at) const;

  int n_;
  const Table<double>& x_;
  const Table<double>& y_;
  SplineCoefficients coef_;
};

}  // namespace norvika
