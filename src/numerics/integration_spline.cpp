#include "numerics/integration_spline.h"

namespace norvika {

double integrateTabulated(int n, const Table<double>& x, const Table<double>& y) {
  if (n <= 1) return 0.0;
  if (n == 2) return (x(2) - x(1)) * (y(1) + y(2)) / 2.0;

  // Every interval under the parabola through its ends and one neighbour: the
  // right-hand one for the first interval, the left-hand one for the others.
  double h1 = x(2) - x(1);
  double h2 = x(3) - x(2);
  double whole = h1 + h2;
  double sum =
      h1 / 6.0 *
      ((2.0 + h2 / whole) * y(1) + (2.0 + whole / h2) * y(2) - (h1 * h1 / (whole * h2)) * y(3));
  for (int i = 2; i <= n - 1; ++i) {
    h1 = x(i) - x(i - 1);
    h2 = x(i + 1) - x(i);
    whole = h1 + h2;
    sum = sum + h2 / 6.0 *
                    (-(h2 * h2 / (whole * h1)) * y(i - 1) + (2.0 + whole / h1) * y(i) +
                     (2.0 + h1 / whole) * y(i + 1));
  }
  return sum;
}

void tabulatedWeights(int n, const Table<double>& x, Table<double>& weight) {
  for (int i = 1; i <= n; ++i) weight(i) = 0.0;
  if (n <= 1) return;
  if (n == 2) {
    weight(1) = weight(2) = (x(2) - x(1)) / 2.0;
    return;
  }
  // integrateTabulated's parabolas, their coefficients gathered per station.
  double h1 = x(2) - x(1);
  double h2 = x(3) - x(2);
  double whole = h1 + h2;
  weight(1) += h1 / 6.0 * (2.0 + h2 / whole);
  weight(2) += h1 / 6.0 * (2.0 + whole / h2);
  weight(3) -= h1 / 6.0 * (h1 * h1 / (whole * h2));
  for (int i = 2; i <= n - 1; ++i) {
    h1 = x(i) - x(i - 1);
    h2 = x(i + 1) - x(i);
    whole = h1 + h2;
    weight(i - 1) -= h2 / 6.0 * (h2 * h2 / (whole * h1));
    weight(i) += h2 / 6.0 * (2.0 + whole / h1);
    weight(i + 1) += h2 / 6.0 * (2.0 + h1 / whole);
  }
}

void fitCubicSpline(int n, const Table<double>& x, SplineCoefficients& coef, int startCondition,
                    int endCondition) {
  if (n <= 0) return;
  if (n == 1) {
    coef(2, 1) = coef(3, 1) = coef(4, 1) = 0.0;
    return;
  }

  // The unknowns are the node slopes in row 2; rows 3 and 4 hold the
  // tridiagonal system: coef(4, m)·s(m) + coef(3, m)·s(m+1) = coef(2, m).
  for (int m = 2; m <= n; ++m) {
    coef(3, m) = x(m) - x(m - 1);
    coef(4, m) = (coef(1, m) - coef(1, m - 1)) / (coef(3, m) + 1e-6);
  }

  if (n == 2) {
    coef(2, 1) = coef(4, 2);
    coef(3, 1) = 0.0;
    coef(4, 1) = 0.0;
    coef(2, 2) = coef(4, 2);
    return;
  }

  if (startCondition == kEndSlope) {
    coef(4, 1) = 1.0;
    coef(3, 1) = 0.0;
  } else if (startCondition == kEndSecond) {
    coef(4, 1) = 2.0;
    coef(3, 1) = 1.0;
    coef(2, 1) = 3.0 * coef(4, 2) - coef(3, 2) / 2.0 * coef(2, 1);
  } else {
    coef(4, 1) = coef(3, 3);
    coef(3, 1) = coef(3, 2) + coef(3, 3);
    coef(2, 1) = ((coef(3, 2) + 2.0 * coef(3, 1)) * coef(4, 2) * coef(3, 3) +
                  coef(3, 2) * coef(3, 2) * coef(4, 3)) /
                 (coef(3, 1) + 1e-7);
  }

  for (int m = 2; m <= n - 1; ++m) {
    const double g = -coef(3, m + 1) / coef(4, m - 1);
    coef(2, m) =
        g * coef(2, m - 1) + 3.0 * (coef(3, m) * coef(4, m + 1) + coef(3, m + 1) * coef(4, m));
    coef(4, m) = g * coef(3, m - 1) + 2.0 * (coef(3, m) + coef(3, m + 1));
  }

  // With a prescribed end slope the system is already in shape for the back
  // substitution.
  if (endCondition != kEndSlope) {
    double g = 0.0;
    if (endCondition == kEndSecond) {
      coef(2, n) = 3.0 * coef(4, n) + coef(3, n) / 2.0 * coef(2, n);
      coef(4, n) = 2.0;
      g = -1.0 / (coef(4, n - 1) + 1e-7);
    } else if (n == 3 && startCondition == kNotAKnot) {
      coef(2, n) = 2.0 * coef(4, n);
      coef(4, n) = 1.0;
      g = -1.0 / (coef(4, n - 1) + 1e-7);
    } else {
      g = coef(3, n - 1) + coef(3, n);
      coef(2, n) = ((coef(3, n) + 2.0 * g) * coef(4, n) * coef(3, n - 1) +
                    coef(3, n) * coef(3, n) * (coef(1, n - 1) - coef(1, n - 2)) / coef(3, n - 1)) /
                   g;
      g = -g / coef(4, n - 1);
      coef(4, n) = coef(3, n - 1);
    }
    coef(4, n) = g * coef(3, n - 1) + coef(4, n);
    coef(2, n) = (g * coef(2, n - 1) + coef(2, n)) / coef(4, n);
  }

  for (int j = n - 1; j >= 1; --j) {
    coef(2, j) = (coef(2, j) - coef(3, j) * coef(2, j + 1)) / coef(4, j);
  }

  for (int i = 2; i <= n; ++i) {
    const double w = coef(3, i);
    const double d1 = (coef(1, i) - coef(1, i - 1)) / (w + 1e-6);
    const double d3 = coef(2, i - 1) + coef(2, i) - 2.0 * d1;
    coef(3, i - 1) = 2.0 * (d1 - coef(2, i - 1) - d3) / (w + 1e-6);
    coef(4, i - 1) = (d3 / (w + 1e-6)) * (6.0 / (w + 1e-6));
  }
}

void evaluateSpline(int n, double at, double& result, const Table<double>& x,
                    const SplineCoefficients& coef) {
  if (n <= 0) return;
  if (at == x(1)) {
    result = coef(1, 1);
    return;
  }
  if (at == x(n)) {
    result = coef(1, n);
    return;
  }
  int k = 0;
  for (int i = 1; i <= n - 1; ++i) {
    if (x(i) < at && at <= x(i + 1)) {
      k = i;
      break;
    }
  }
  if (k == 0) return;
  // A piece with equal end values is a vertical part of the section.
  if (coef(1, k + 1) == coef(1, k)) {
    result = coef(1, k);
    return;
  }
  const double d = at - x(k);
  result = cubicPieceValue(coef, k, d);
}

}  // namespace norvika
