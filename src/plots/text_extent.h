#pragma once

#include <string>

namespace norvika {

/// The smallest picture, in pixels, a drawing of the Graph window is laid out
/// for: that window on a 1024 x 768 screen. Text keeps its point size on a
/// picture this small and grows with a larger one no faster than the picture,
/// so what is clear here is clear on every larger screen, picture and page.
inline constexpr double kSmallestGraphWidth = 500.0;
inline constexpr double kSmallestGraphHeight = 330.0;

/// The width of a text of `points` size (Arial) as a share of the smallest
/// picture's width.
double textWidthShare(const std::string& text, double points);

/// The height of a line of `points` size as a share of the smallest picture's height.
double textHeightShare(double points);

}  // namespace norvika
