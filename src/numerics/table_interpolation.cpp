#include "numerics/table_interpolation.h"

#include <cmath>

#include "numerics/integration_spline.h"
#include "support/capacities.h"

namespace norvika {

namespace {

// Parabola through the three points around interval k.
double quadraticValue(int n, const Table<double>& x, const Table<double>& y, int k, double at) {
  const int i = k + 2 <= n ? k : k - 1;
  double sum = 0.0;
  for (int a = i; a <= i + 2; ++a) {
    double term = y(a);
    for (int b = i; b <= i + 2; ++b) {
      if (b != a) term *= (at - x(b)) / (x(a) - x(b));
    }
    sum += term;
  }
  return sum;
}

// What every method shares: outside the table nothing is written; a single
// point, or a flat piece around `at`, gives its value. Returns the last
// interval holding `at`, or 0 when the value is settled.
int intervalToInterpolate(int n, const Table<double>& x, const Table<double>& y, double at,
                          double& result) {
  if (n < 1 || n > kMaxStations) return 0;
  if (at < x(1) || at > x(n)) return 0;
  if (n == 1) {
    result = y(1);
    return 0;
  }
  int k = 0;
  for (int i = 1; i <= n - 1; ++i) {
    if (x(i) <= at && at <= x(i + 1)) k = i;
  }
  if (std::fabs(y(k + 1) - y(k)) < 1e-5) {
    result = y(k);
    return 0;
  }
  return k;
}

}  // namespace

SplineTable::SplineTable(int n, const Table<double>& x, const Table<double>& y)
    : n_(n), x_(x), y_(y), coef_(kMaxStations) {
  if (n < 1 || n > kMaxStations) return;
  Table<double> nodes(kMaxStations);
  for (int i = 1; i <= n; ++i) {
    nodes(i) = x(i);
    coef_(1, i) = y(i);
  }
  fitCubicSpline(n, nodes, coef_, kNotAKnot, kNotAKnot);
}

double SplineTable::value(double at) const {
  if (at == x_(1)) return coef_(1, 1);
  if (at == x_(n_)) return coef_(1, n_);
  int i = 1;
  while (i < n_ - 1 && !(x_(i) < at && at <= x_(i + 1))) ++i;
  const double d = at - x_(i);
  // Grouped otherwise than cubicPieceValue, as the resampled buoyancy always
  // was: the last digits of the equally spaced values depend on it.
  return coef_(1, i) + coef_(2, i) * d + ((coef_(4, i) * d / 3.0 + coef_(3, i)) * d * d) / 2.0;
}

void SplineTable::interpolate(double at, double& result) const {
  if (intervalToInterpolate(n_, x_, y_, at, result) != 0) result = value(at);
}

void interpolateTable(int n, const Table<double>& x, const Table<double>& y, double at,
                      double& result, InterpolationMethod method) {
  const int k = intervalToInterpolate(n, x, y, at, result);
  if (k == 0) return;
  switch (method) {
    case InterpolationMethod::Spline:
      SplineTable(n, x, y).interpolate(at, result);
      return;
    case InterpolationMethod::Linear:
      result = y(k) + (y(k + 1) - y(k)) * (at - x(k)) / (x(k + 1) - x(k));
      return;
    case InterpolationMethod::Quadratic:
      result = n < 3 ? y(k) + (y(k + 1) - y(k)) * (at - x(k)) / (x(k + 1) - x(k))
                     : quadraticValue(n, x, y, k, at);
      return;
  }
}

}  // namespace norvika
