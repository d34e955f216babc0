#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/colour.h"
#include "platform/window.h"
#include "plots/label_space.h"

namespace norvika {

/// An axis of a graph from `low` to `high` in round steps (1, 2 or 5 times a
/// power of ten); `decimals` shows a step's value in full.
struct RoundAxis {
  double low = 0.0;
  double high = 1.0;
  double step = 1.0;
  int decimals = 0;
  /// Number of steps from low to high.
  int steps() const;
  /// Where `value` stands on the axis: 0 at low, 1 at high.
  double fraction(double value) const { return (value - low) / (high - low); }
};

/// The round axis holding every value from `smallest` to `largest` in some
/// `wantedSteps` steps. Values all alike (or not finite) get an axis around
/// them, so that a constant still has a place.
RoundAxis roundAxis(double smallest, double largest, int wantedSteps = 5);

/// Where the ticks and values of a round axis are drawn, in a window's user units.
struct AxisPlacement {
  /// Values up a vertical line at x = `at` (written to its left), else along
  /// a horizontal line at y = `at` (written under it).
  bool vertical = true;
  double at = 0.0;
  double from = 0.0;  // where the axis's low value stands along the line
  double to = 1.0;    // where its high value stands
  double tick = 0.0;  // length of a tick, away from the values' side of the line
  double labelGap = 0.0;
  double labelRaise = 0.0;  // vertical: how far a value's top stands above its tick
  std::function<double(const std::string&)> labelWidth;
  /// How a value is written; empty: with the axis's decimals.
  std::function<std::string(double value, int decimals)> labelText;
  /// A grid line across at each tick, from and to these places, drawn first.
  std::optional<std::pair<double, double>> grid;
  Colour gridColour = 0;
};

/// Draws the ticks and values of `axis` (each tick's grid line, tick and
/// value in turn) in `colour` with the window's current font; returns where
/// each value was written: its left, top and right (its height is the font's).
std::vector<TextBox> drawAxisValues(Window& window, const RoundAxis& axis,
                                    const AxisPlacement& placement, Colour colour);

}  // namespace norvika
