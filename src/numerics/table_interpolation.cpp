#include "numerics/table_interpolation.h"

#include <cmath>

#include "numerics/integration_spline.h"
#include "support/capacities.h"

namespace norvika {

namespace {

double splineValue(int n, const Table<double>& x, const Table<double>& y, double at) {
  Table<double> nodes(kMaxStations);
  SplineCoefficients coef(kMaxStations);
  for (int i = 1; i <= n; ++i) {
    nodes(i) = x(i);
    coef(1, i) = y(i);
  }
  fitCubicSpline(n, nodes, coef, kNotAKnot, kNotAKnot);
  if (at == x(1)) return coef(1, 1);
  if (at == x(n)) return coef(1, n);
  int i = 1;
  while (i < n - 1 && !(x(i) < at && at <= x(i + 1))) ++i;
  const double d = at - x(i);
  // Grouped otherwise than cubicPieceValue, as the resampled buoyancy always
  // was: the last digits of the equally spaced values depend on it.
  return coef(1, i) + coef(2, i) * d + ((coef(4, i) * d / 3.0 + coef(3, i)) * d * d) / 2.0;
}

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

}  // namespace

void interpolateTable(int n, const Table<double>& x, const Table<double>& y, double at,
                      double& result, InterpolationMethod method) {
  if (n < 1 || n > kMaxStations) return;
  if (at < x(1) || at > x(n)) return;
  if (n == 1) {
    result = y(1);
    return;
  }
  int k = 0;
  for (int i = 1; i <= n - 1; ++i) {
    if (x(i) <= at && at <= x(i + 1)) k = i;
  }
  if (std::fabs(y(k + 1) - y(k)) < 1e-5) {
    result = y(k);
    return;
  }
  switch (method) {
    case InterpolationMethod::Spline:
      result = splineValue(n, x, y, at);
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
