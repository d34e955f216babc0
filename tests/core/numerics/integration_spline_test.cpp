#include "numerics/integration_spline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace norvika {
namespace {

Table<double> tableOf(const std::vector<double>& values) {
  Table<double> t(static_cast<int>(values.size()) + 2);
  for (std::size_t i = 0; i < values.size(); ++i) t(static_cast<int>(i) + 1) = values[i];
  return t;
}

// The weights' sum of the values, for tabulatedWeights' tests.
double weightedSum(const std::vector<double>& x, const std::vector<double>& y) {
  const int n = static_cast<int>(x.size());
  Table<double> weight(n);
  tabulatedWeights(n, tableOf(x), weight);
  double sum = 0.0;
  for (int i = 1; i <= n; ++i) sum += weight(i) * y[static_cast<std::size_t>(i - 1)];
  return sum;
}

// The rule and its weights: exact for quadratics, and the weights give the
// rule's own integral of any values.
TEST(IntegrateTabulated, ExactForQuadraticsOnAnySpacing) {
  struct Case {
    std::vector<double> x;
    double (*f)(double);
    double exact;
  };
  const Case cases[] = {
      {{0, 1, 3}, [](double x) { return x * x; }, 9.0},
      {{0, 1, 2, 3, 4}, [](double x) { return 2 * x + 1; }, 20.0},
      {{0, 0.5, 2, 2.5, 4, 7}, [](double x) { return x * x - x + 3; }, 343.0 / 3 - 24.5 + 21},
      {{1, 2, 3, 4, 5, 6, 7}, [](double x) { return 3 * x * x; }, 343.0 - 1.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.x.size());
    std::vector<double> y, wave;
    for (double x : c.x) y.push_back(c.f(x));
    for (double x : c.x) wave.push_back(std::cos(3.0 * x));
    const int n = static_cast<int>(c.x.size());
    EXPECT_NEAR(integrateTabulated(n, tableOf(c.x), tableOf(y)), c.exact,
                1e-12 * std::fabs(c.exact) + 1e-12);
    EXPECT_NEAR(weightedSum(c.x, y), c.exact, 1e-12 * std::fabs(c.exact) + 1e-12);
    EXPECT_NEAR(weightedSum(c.x, wave), integrateTabulated(n, tableOf(c.x), tableOf(wave)), 1e-12);
  }
}

TEST(IntegrateTabulated, ShortTables) {
  EXPECT_DOUBLE_EQ(integrateTabulated(2, tableOf({1, 3}), tableOf({2, 4})), 6.0);
  EXPECT_EQ(integrateTabulated(1, tableOf({1}), tableOf({5})), 0.0);
  EXPECT_DOUBLE_EQ(weightedSum({1, 3}, {2, 4}), 6.0);
  EXPECT_EQ(weightedSum({1}, {5}), 0.0);
}

// A spline through the values of f at the nodes, fitted with not-a-knot ends.
SplineCoefficients fitted(const std::vector<double>& x, double (*f)(double)) {
  SplineCoefficients coef(20);
  Table<double> nodes = tableOf(x);
  for (std::size_t i = 0; i < x.size(); ++i) coef(1, static_cast<int>(i) + 1) = f(x[i]);
  fitCubicSpline(static_cast<int>(x.size()), nodes, coef, kNotAKnot, kNotAKnot);
  return coef;
}

TEST(CubicSpline, ReproducesCubicsAndParabolas) {
  struct Case {
    std::vector<double> x;
    double (*f)(double);
  };
  const Case cases[] = {
      {{0, 1, 2.5, 3, 5}, [](double x) { return x * x * x - 2 * x * x + 3 * x - 4; }},
      {{-2, -1, 0, 0.5, 1, 4}, [](double x) { return 0.5 * x * x * x + 3 * x; }},
      {{0, 1, 3}, [](double x) { return 2 * x * x - x + 1; }},
      {{1, 1.5, 4}, [](double x) { return -x * x + 7; }},
  };
  // The guards 1e-6 and 1e-7 added to the interval widths shift the slopes by
  // about |f'| * 1e-6 / width; over intervals of 0.5 m or more and slopes below
  // 100 that keeps values within 1e-3 of the exact curve.
  for (const auto& c : cases) {
    const SplineCoefficients coef = fitted(c.x, c.f);
    const Table<double> nodes = tableOf(c.x);
    const int n = static_cast<int>(c.x.size());
    for (double at = c.x.front(); at <= c.x.back(); at += 0.05) {
      double value = 0.0;
      evaluateSpline(n, at, value, nodes, coef);
      EXPECT_NEAR(value, c.f(at), 1e-3) << at;
    }
  }
}

TEST(CubicSpline, TwoNodesGiveTheLineAndOneNodeAConstant) {
  SplineCoefficients coef = fitted({1, 3}, [](double x) { return 4 * x; });
  double value = 0.0;
  evaluateSpline(2, 2.0, value, tableOf({1, 3}), coef);
  EXPECT_NEAR(value, 8.0, 1e-5);

  SplineCoefficients single = fitted({2}, [](double) { return 5.0; });
  value = 0.0;
  evaluateSpline(1, 2.0, value, tableOf({2}), single);
  EXPECT_EQ(value, 5.0);
}

TEST(CubicSpline, PrescribedEndSlopesAndSecondDerivatives) {
  // f = x^3 on [0, 3]: slope 0 and 27 at the ends, second derivative 0 and 18.
  const std::vector<double> x = {0, 1, 2, 3};
  const Table<double> nodes = tableOf(x);
  for (int condition : {kEndSlope, kEndSecond}) {
    SplineCoefficients coef(10);
    for (int i = 1; i <= 4; ++i) coef(1, i) = std::pow(x[i - 1], 3);
    coef(2, 1) = 0.0;  // both the slope and the second derivative vanish at 0
    coef(2, 4) = condition == kEndSlope ? 27.0 : 18.0;
    fitCubicSpline(4, nodes, coef, condition, condition);
    double value = 0.0;
    evaluateSpline(4, 1.5, value, nodes, coef);
    EXPECT_NEAR(value, 3.375, 1e-4) << condition;
  }
}

TEST(EvaluateSpline, OutsideTheNodesLeavesTheResult) {
  const SplineCoefficients coef = fitted({0, 1, 2, 3}, [](double x) { return x; });
  const Table<double> nodes = tableOf({0, 1, 2, 3});
  for (double at : {-0.001, 3.0001, 100.0}) {
    double value = -42.0;
    evaluateSpline(4, at, value, nodes, coef);
    EXPECT_EQ(value, -42.0) << at;
  }
  double end = 0.0;
  evaluateSpline(4, 3.0, end, nodes, coef);
  EXPECT_EQ(end, 3.0);
}

TEST(EvaluateSpline, EqualNeighboursGiveAConstantPiece) {
  // The spline through these bulges between the two equal values; the
  // evaluation must hold the value instead.
  const SplineCoefficients coef =
      fitted({0, 1, 2, 3}, [](double x) { return x == 0 ? 0.0 : (x == 3 ? 0.0 : 5.0); });
  const Table<double> nodes = tableOf({0, 1, 2, 3});
  double value = 0.0;
  evaluateSpline(4, 1.5, value, nodes, coef);
  EXPECT_EQ(value, 5.0);
}

}  // namespace
}  // namespace norvika
