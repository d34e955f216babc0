#pragma once

#include <string>
#include <vector>

#include "calculation/load_curves.h"
#include "platform/window.h"
#include "plots/dashed_line.h"
#include "plots/label_space.h"
#include "plots/round_axis.h"

namespace norvika {

/// One curve of a panel: its values at the rows of the table from row
/// `first` on, in the panel's unit.
struct PanelCurve {
  const LineStyle* style = nullptr;
  std::vector<double> values;
  std::size_t first = 0;
};

/// A largest or smallest value to mark on a panel, labelled with `text`.
struct PanelMark {
  Extreme extreme;  // in the panel's unit
  std::string text;
};

/// One diagram of the strength drawing: a header naming the quantity and its
/// unit, a value axis of round steps, a zero line, curves along the ship and
/// its marked extremes. Heights are shares of the picture, y upward.
struct StrengthPanel {
  std::string header;
  std::string note;  // right of the header where it fits (a ratio to the rule)
  std::vector<PanelCurve> curves;
  std::vector<PanelMark> marks;
  RoundAxis axis;
  double top = 0.0;      // of the plotting area
  double bottom = 0.0;   // of the plotting area
  bool grouped = false;  // the values' thousands set apart by a blank
};

/// A number as formatPlain writes it with a blank between each three digits of its whole part
/// ("-327002.5" as "-327 002.5").
std::string groupedThousands(const std::string& number);

/// Where the ship's places (m from AP) stand across the picture: the rows run
/// from `aft` to `forward` between the shares `left` and `right`.
struct ShipAxis {
  double aft = 0.0;
  double forward = 1.0;
  double left = 0.1;
  double right = 0.98;
  double at(double x) const { return left + (x - aft) / (forward - aft) * (right - left); }
};

/// The value axis of round steps holding every value of the panel's curves and zero, with as
/// many steps (up to five) as leave room for a label of the marks between two grid lines of
/// the panel as laid out (top and bottom set).
RoundAxis panelAxis(const StrengthPanel& panel);

/// Width (share of the picture) of the widest value on the panel's axis.
double widestAxisValue(const StrengthPanel& panel);

/// Draws the panel at the rows x (m from AP): header, frame, value axis with
/// its grid, zero line, the perpendiculars at `perpendiculars` (m from AP) where
/// they stand on the axis, curves, then the marks with labels put where they fall
/// on no text and, where there is room, on no line. The texts drawn are taken
/// in `space`, the lines kept off.
void drawStrengthPanel(Window& window, const StrengthPanel& panel, const std::vector<double>& x,
                       const ShipAxis& ship, const std::vector<double>& perpendiculars,
                       LabelSpace& space);

/// Writes `text` with its top-left corner at (x, y) in `colour` and takes its room in `space`.
void placeText(Window& window, LabelSpace& space, double x, double y, const std::string& text,
               double points, Colour colour);

}  // namespace norvika
