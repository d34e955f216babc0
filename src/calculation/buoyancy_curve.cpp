#include "calculation/buoyancy_curve.h"

#include <algorithm>

#include "numerics/integration_spline.h"

namespace norvika {

namespace {

// The j-th sample of the interval from station st (m above it).
double sampleOffset(const Table<double>& x, int st, int j) {
  const double h = x(st + 1) - x(st);
  return h * j / kBuoyancySamples;
}

// Visits the samples from the first station to the last: visit(x (m from AP), b (t/m)).
template <typename Visit>
void visitSamples(const HullModel& hull, const Table<double>& buoyancy, Visit visit) {
  const int n = hull.stationCount;
  const Table<double>& x = hull.stationX;
  SplineCoefficients coef(n);
  // A station whose half-breadth spline swings below zero near the keel (a
  // stem nearly without breadth) can give a small negative area: buoyancy is
  // never negative.
  for (int st = 1; st <= n; ++st) coef(1, st) = std::max(0.0, buoyancy(st));
  fitCubicSpline(n, x, coef, kNotAKnot, kNotAKnot);
  for (int st = 1; st < n; ++st) {
    for (int j = 0; j < kBuoyancySamples; ++j) {
      const double d = sampleOffset(x, st, j);
      // Between a dry end station and a wet one the curve can swing below zero.
      visit(x(st) + d, j == 0 ? coef(1, st) : std::max(0.0, cubicPieceValue(coef, st, d)));
    }
  }
  visit(x(n), coef(1, n));
}

}  // namespace

BuoyancySamples sampleBuoyancy(const HullModel& hull, const Table<double>& buoyancy) {
  BuoyancySamples samples;
  const auto count =
      static_cast<std::size_t>(std::max(hull.stationCount - 1, 0)) * kBuoyancySamples + 1;
  samples.x.reserve(count);
  samples.b.reserve(count);
  visitSamples(hull, buoyancy, [&samples](double x, double b) {
    samples.x.push_back(x);
    samples.b.push_back(b);
  });
  return samples;
}

std::vector<double> buoyancySamplePositions(const HullModel& hull) {
  std::vector<double> positions;
  const Table<double>& x = hull.stationX;
  for (int st = 1; st < hull.stationCount; ++st) {
    for (int j = 0; j < kBuoyancySamples; ++j) positions.push_back(x(st) + sampleOffset(x, st, j));
  }
  positions.push_back(x(hull.stationCount));
  return positions;
}

double buoyancyAt(const BuoyancySamples& samples, double x, std::size_t& k) {
  const std::vector<double>& xs = samples.x;
  if (xs.size() < 2 || x < xs.front() || x > xs.back()) return 0.0;
  while (k + 2 < xs.size() && x > xs[k + 1]) ++k;
  const double x1 = xs[k];
  const double x2 = xs[k + 1];
  return samples.b[k] + (samples.b[k + 1] - samples.b[k]) * (x - x1) / (x2 - x1);
}

void integrateStationBuoyancy(const HullModel& hull, const Table<double>& buoyancy,
                              double& displacement, double& centre) {
  double force = 0.0;
  double moment = 0.0;
  bool first = true;
  double a = 0.0;   // the sample before, m from AP
  double ba = 0.0;  // and its buoyancy, t/m
  visitSamples(hull, buoyancy, [&](double x, double b) {
    if (!first) {
      const double h = x - a;
      force += h * (ba + b) / 2.0;
      moment += h / 6.0 * (ba * (2.0 * a + x) + b * (a + 2.0 * x));
    }
    first = false;
    a = x;
    ba = b;
  });
  displacement = force;
  centre = force != 0.0 ? moment / force : 0.0;
}

}  // namespace norvika
