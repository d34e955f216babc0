#include "plots/round_axis.h"

#include <algorithm>
#include <cmath>

namespace norvika {

int RoundAxis::steps() const { return static_cast<int>(std::lround((high - low) / step)); }

RoundAxis roundAxis(double smallest, double largest, int wantedSteps) {
  if (!std::isfinite(smallest) || !std::isfinite(largest)) smallest = largest = 0.0;
  if (largest < smallest) std::swap(smallest, largest);
  const double size = std::max(std::fabs(smallest), std::fabs(largest));
  if (largest - smallest <= 1e-9 * size || largest == smallest) {
    // A constant: a tenth of its size either side, or a unit about zero.
    const double half = size > 0.0 ? 0.1 * size : 1.0;
    smallest -= half;
    largest += half;
  }
  const double raw = (largest - smallest) / std::max(1, wantedSteps);
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  double step = 10.0 * power;
  for (const double factor : {1.0, 2.0, 5.0}) {
    if (factor * power >= raw * (1.0 - 1e-9)) {
      step = factor * power;
      break;
    }
  }
  RoundAxis axis;
  axis.step = step;
  // A value a rounding error beyond a step stays on it.
  axis.low = std::floor(smallest / step + 1e-9) * step;
  axis.high = std::ceil(largest / step - 1e-9) * step;
  if (axis.high <= axis.low) axis.high = axis.low + step;
  axis.decimals = std::max(0, -static_cast<int>(std::floor(std::log10(step) + 1e-9)));
  return axis;
}

}  // namespace norvika
