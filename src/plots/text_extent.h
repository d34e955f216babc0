#pragma once

#include <string>

#include "platform/window.h"

namespace norvika {

/// The smallest picture, in pixels, the drawings are laid out for: a drawing window on a
/// 1024 x 768 screen, and the least size a drawing window can be given. Text keeps its point
/// size on a picture this small and grows with a larger one no faster than the picture, so
/// what is clear here is clear on every larger screen, picture and page.
inline constexpr double kSmallestGraphWidth = 500.0;
inline constexpr double kSmallestGraphHeight = 330.0;

/// The picture, in pixels, on which the text of every window but the Graph window has its point
/// size; on a larger picture it grows as the picture does. The pictures and records a program
/// saves are never smaller, so a drawing that is only ever saved is laid out for this one.
inline constexpr double kNominalPictureWidth = 960.0;
inline constexpr double kNominalPictureHeight = 720.0;

/// The width of a text of `points` size (Arial) as a share of the smallest picture's width.
double textWidthShare(const std::string& text, double points);

/// The height of a line of `points` size as a share of the smallest picture's height.
double textHeightShare(double points);

/// How large text stands in the user units of a drawing's scale on the smallest picture.
struct TextMeasure {
  double unitsAcross = 1.0;  // user units a pixel across
  double unitsUp = 1.0;      // user units a pixel up, positive whichever way the scale runs
  /// Width of `text` of `points` size (Arial), user units.
  double width(const std::string& text, double points) const;
  /// Height of a line of `points` size, user units.
  double height(double points) const;
};

/// The text measure of `scale` on the smallest picture, as the renderer maps it: one unit as
/// long across as up when `trueShape`, else filling the picture.
TextMeasure textMeasure(const UserScale& scale, bool trueShape);

/// The text measure of the scale in force on `window`.
TextMeasure textMeasure(const Window& window);

/// The text measure of the scale in force on `window` for a drawing only ever saved, never
/// shown in a smaller window: on the Graph window as on the smallest picture (its text keeps
/// that share of a larger picture's width), on the others as on the nominal picture.
TextMeasure savedTextMeasure(const Window& window);

}  // namespace norvika
