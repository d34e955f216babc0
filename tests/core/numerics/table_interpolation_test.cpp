#include "numerics/table_interpolation.h"

#include <gtest/gtest.h>

namespace norvika {
namespace {

struct Tab {
  Tab(std::initializer_list<double> xs, std::initializer_list<double> ys) : x(10), y(10) {
    int i = 1;
    for (double v : xs) x(i++) = v;
    n = i - 1;
    i = 1;
    for (double v : ys) y(i++) = v;
  }
  int n;
  Table<double> x, y;
};

double at(const Tab& t, double where, InterpolationMethod m, double start = -1.0) {
  double result = start;
  interpolateTable(t.n, t.x, t.y, where, result, m);
  return result;
}

TEST(InterpolateTable, SplineReproducesACubic) {
  Tab t({0, 1, 2, 4, 5}, {0, 1, 8, 64, 125});
  for (double w : {0.5, 1.5, 3.0, 4.5}) {
    EXPECT_NEAR(at(t, w, InterpolationMethod::Spline), w * w * w, 1e-3) << w;
  }
}

TEST(InterpolateTable, EndsOutsideAndFlatPieces) {
  Tab t({0, 1, 2, 3}, {2, 5, 5.000001, 1});
  EXPECT_EQ(at(t, 0, InterpolationMethod::Spline), 2.0);
  EXPECT_EQ(at(t, 3, InterpolationMethod::Spline), 1.0);
  EXPECT_EQ(at(t, -0.1, InterpolationMethod::Spline), -1.0);
  EXPECT_EQ(at(t, 3.1, InterpolationMethod::Spline), -1.0);
  // Within 1e-5: the left value across the whole interval, no bulge.
  EXPECT_EQ(at(t, 1.5, InterpolationMethod::Spline), 5.0);
  // At an inner node the flat test looks to the right: x = 1 is in [1, 2].
  EXPECT_EQ(at(t, 1.0, InterpolationMethod::Spline), 5.0);
}

TEST(InterpolateTable, LinearAndQuadraticMethods) {
  Tab t({0, 1, 2, 3}, {0, 1, 4, 9});
  EXPECT_DOUBLE_EQ(at(t, 1.5, InterpolationMethod::Linear), 2.5);
  EXPECT_NEAR(at(t, 1.5, InterpolationMethod::Quadratic), 2.25, 1e-12);
  EXPECT_NEAR(at(t, 2.5, InterpolationMethod::Quadratic), 6.25, 1e-12);
}

}  // namespace
}  // namespace norvika
