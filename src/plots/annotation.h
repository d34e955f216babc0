#pragma once

#include <string>
#include <vector>

#include "platform/colour.h"
#include "platform/window.h"
#include "plots/label_space.h"
#include "plots/round_axis.h"
#include "plots/text_extent.h"

namespace norvika {

// What the program adds to a legacy drawing so that values can be read off it is drawn in a
// style none of the legacy marks has: dark grey ink, light grey grid, small Arial.
inline constexpr Colour kAnnotationInk = rgbColour(85, 85, 85);
inline constexpr Colour kAnnotationGrid = rgbColour(222, 222, 222);
inline constexpr double kAnnotationPoints = 7.0;

/// Sets the annotation style on `window`: Arial of kAnnotationPoints, ink colour, thin pen.
void startAnnotation(Window& window);

/// Writes `text` in the annotation style with its top-left corner at (x, y) (user units).
void annotate(Window& window, double x, double y, const std::string& text,
              double points = kAnnotationPoints);

/// Which side of its line a vertical scale writes its values on.
enum class ScaleSide { Left, Right };

/// A vertical scale of the round values of `axis` that lie from `lowest` to `highest` (user y
/// of `window`, which are the values themselves): a line at x = `at`, ticks to `side`, each
/// value written beyond its tick and centred on it, `unit` above the top value on the same
/// side of the line. With `gridTo`, a grid line from the scale to x = *gridTo at each value,
/// drawn first. Returns the boxes of the texts written.
std::vector<TextBox> drawHeightScale(Window& window, const RoundAxis& axis, double at,
                                     double lowest, double highest, const std::string& unit,
                                     const double* gridTo = nullptr,
                                     ScaleSide side = ScaleSide::Left);

/// A horizontal scale of round values from `lowValue` to `highValue` standing at x = value +
/// `shift` (user units of `window`): ticks down from y = `at`, each value centred under its
/// tick, as many values as stand clear of each other; `unit` written at x = `unitLeft` on the
/// row of the values. Returns the boxes of the texts written.
std::vector<TextBox> drawAlongScale(Window& window, double lowValue, double highValue, double shift,
                                    double at, const std::string& unit, double unitLeft);

/// The places along the ship (m from AP) of the round station numbers 0, 1, 2 ... 20
/// (twentieths of `shipLength`, the numbering of the waterline check) within [aft, forward],
/// every 1, 2, 5 or 10 so that labels `labelWidth` wide (user units of the places) stand
/// `gap` apart; each with its number.
std::vector<std::pair<double, double>> roundStations(double shipLength, double aft, double forward,
                                                     double labelWidth, double gap);

}  // namespace norvika
