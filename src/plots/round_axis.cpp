#include "plots/round_axis.h"

#include <algorithm>
#include <cmath>

#include "text/text_format.h"

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

std::vector<TextBox> drawAxisValues(Window& window, const RoundAxis& axis,
                                    const AxisPlacement& placement, Colour colour) {
  const AxisPlacement& p = placement;
  std::vector<TextBox> labels;
  for (int k = 0; k <= axis.steps(); ++k) {
    const double value = axis.low + k * axis.step;
    const double along = p.from + (p.to - p.from) * axis.fraction(value);
    const std::string label =
        p.labelText ? p.labelText(value, axis.decimals) : formatPlain(value, axis.decimals);
    const double width = p.labelWidth(label);
    double left = 0.0;
    double top = 0.0;
    if (p.vertical) {
      if (p.grid) window.line(p.grid->first, along, p.grid->second, along, p.gridColour);
      window.line(p.at - p.tick, along, p.at, along, colour);
      left = p.at - p.tick - p.labelGap - width;
      top = along + p.labelRaise;
    } else {
      if (p.grid) window.line(along, p.grid->first, along, p.grid->second, p.gridColour);
      window.line(along, p.at, along, p.at - p.tick, colour);
      left = along - width / 2.0;
      top = p.at - p.tick - p.labelGap;
    }
    window.foreColor(colour);
    window.setCurrent(left, top);
    window.print(label);
    labels.push_back({left, top, left + width, top});
  }
  return labels;
}

}  // namespace norvika
