#pragma once

#include <cmath>
#include <optional>

namespace norvika {

/// Two points where a function has opposite signs: below zero at `negative`,
/// at or above it at `positive`.
struct SignBracket {
  double negative = 0.0;
  double valueNegative = 0.0;
  double positive = 0.0;
  double valuePositive = 0.0;
  double width() const { return std::fabs(positive - negative); }
};

/// Narrows the bracket by the Illinois variant of the false position (the
/// value of an end kept twice in a row halved, so that neither end stalls):
/// `evaluate(x)` gives the function's value at x, or none to stop. Ends when
/// the bracket is no wider than `width`, a value is exactly zero, or after
/// `iterations` points.
template <typename Evaluate>
SignBracket narrowSignBracket(SignBracket b, double width, int iterations, Evaluate evaluate) {
  int kept = 0;  // the end replaced last: -1 negative, 1 positive
  for (int i = 0; i < iterations && b.width() > width; ++i) {
    double x = (b.negative * b.valuePositive - b.positive * b.valueNegative) /
               (b.valuePositive - b.valueNegative);
    if (!(x > std::fmin(b.negative, b.positive) && x < std::fmax(b.negative, b.positive))) {
      x = (b.negative + b.positive) / 2.0;
      if (x == b.negative || x == b.positive) break;
    }
    const std::optional<double> value = evaluate(x);
    if (!value) break;
    if (*value < 0.0) {
      b.negative = x;
      b.valueNegative = *value;
      if (kept == -1) b.valuePositive /= 2.0;
      kept = -1;
    } else {
      b.positive = x;
      b.valuePositive = *value;
      if (kept == 1) b.valueNegative /= 2.0;
      kept = 1;
      if (*value == 0.0) break;
    }
  }
  return b;
}

}  // namespace norvika
