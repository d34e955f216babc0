#pragma once

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

}  // namespace norvika
