#include "calculation/buoyancy_curve.h"

#include <algorithm>

#include "numerics/integration_spline.h"

namespace norvika {

BuoyancySamples sampleBuoyancy(const HullModel& hull, const Table<double>& buoyancy) {
  const int n = hull.stationCount;
  BuoyancySamples samples;
  Table<double> x(kMaxStations);
  SplineCoefficients coef(kMaxStations);
  // A station whose half-breadth spline swings below zero near the keel (a
  // stem nearly without breadth) can give a small negative area: buoyancy is
  // never negative.
  for (int st = 1; st <= n; ++st) {
    x(st) = hull.stationX(st);
    coef(1, st) = std::max(0.0, buoyancy(st));
  }
  fitCubicSpline(n, x, coef, kNotAKnot, kNotAKnot);
  for (int st = 1; st < n; ++st) {
    const double h = x(st + 1) - x(st);
    for (int j = 0; j < kBuoyancySamples; ++j) {
      const double d = h * j / kBuoyancySamples;
      samples.x.push_back(x(st) + d);
      // Between a dry end station and a wet one the curve can swing below zero.
      samples.b.push_back(j == 0 ? coef(1, st) : std::max(0.0, cubicPieceValue(coef, st, d)));
    }
  }
  samples.x.push_back(x(n));
  samples.b.push_back(coef(1, n));
  return samples;
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
  const BuoyancySamples samples = sampleBuoyancy(hull, buoyancy);
  double force = 0.0;
  double moment = 0.0;
  for (std::size_t k = 0; k + 1 < samples.x.size(); ++k) {
    const double a = samples.x[k];
    const double b = samples.x[k + 1];
    const double h = b - a;
    force += h * (samples.b[k] + samples.b[k + 1]) / 2.0;
    moment += h / 6.0 * (samples.b[k] * (2.0 * a + b) + samples.b[k + 1] * (a + 2.0 * b));
  }
  displacement = force;
  centre = force != 0.0 ? moment / force : 0.0;
}

}  // namespace norvika
