#include "plots/smooth_curve.h"

#include <algorithm>
#include <cmath>

namespace norvika {

std::vector<PlotPoint> smoothCurve(const std::vector<double>& t, const std::vector<double>& v,
                                   int perPiece) {
  const std::size_t n = std::min(t.size(), v.size());
  std::vector<PlotPoint> points;
  if (n == 0) return points;
  if (n == 1) return {{t[0], v[0]}};
  // Secant slopes, then at each point the slope that keeps every piece monotone: zero at an
  // extreme of the values, else the harmonic mean of its neighbours' secants.
  std::vector<double> secant(n - 1);
  for (std::size_t k = 0; k + 1 < n; ++k) secant[k] = (v[k + 1] - v[k]) / (t[k + 1] - t[k]);
  std::vector<double> slope(n);
  slope[0] = secant[0];
  slope[n - 1] = secant[n - 2];
  for (std::size_t k = 1; k + 1 < n; ++k) {
    const double a = secant[k - 1];
    const double b = secant[k];
    if (a * b <= 0.0) {
      slope[k] = 0.0;
    } else {
      const double ha = t[k] - t[k - 1];
      const double hb = t[k + 1] - t[k];
      const double wa = 2.0 * hb + ha;
      const double wb = hb + 2.0 * ha;
      slope[k] = (wa + wb) / (wa / a + wb / b);
    }
  }
  // The end slopes are kept within three secants, as the pieces inside are.
  for (const auto& [end, s] :
       {std::pair{std::size_t{0}, secant[0]}, std::pair{n - 1, secant[n - 2]}}) {
    if (slope[end] * s <= 0.0) slope[end] = 0.0;
    if (std::fabs(slope[end]) > 3.0 * std::fabs(s)) slope[end] = 3.0 * s;
  }
  const int samples = std::max(1, std::min(perPiece, static_cast<int>(2000 / (n - 1))));
  points.reserve((n - 1) * static_cast<std::size_t>(samples) + 1);
  points.emplace_back(t[0], v[0]);
  for (std::size_t k = 0; k + 1 < n; ++k) {
    const double h = t[k + 1] - t[k];
    for (int i = 1; i <= samples; ++i) {
      const double s = static_cast<double>(i) / samples;
      const double h00 = (1.0 + 2.0 * s) * (1.0 - s) * (1.0 - s);
      const double h10 = s * (1.0 - s) * (1.0 - s);
      const double h01 = s * s * (3.0 - 2.0 * s);
      const double h11 = s * s * (s - 1.0);
      const double value =
          i == samples ? v[k + 1]
                       : h00 * v[k] + h10 * h * slope[k] + h01 * v[k + 1] + h11 * h * slope[k + 1];
      points.emplace_back(i == samples ? t[k + 1] : t[k] + s * h, value);
    }
  }
  return points;
}

}  // namespace norvika
