#include "plots/strength_panel.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "platform/colour.h"
#include "plots/text_extent.h"
#include "text/text_format.h"

namespace norvika {

namespace {

constexpr double kTextPoints = 8.0;
constexpr double kMarkPoints =
    7.0;  // a mark's label: small enough to find room among crowded curves
constexpr double kValuePoints = 7.0;
constexpr double kTick = 0.008;        // share of the picture's width
constexpr double kMarkRadius = 0.005;  // share of the picture's width
// How far above or below its mark a label stands at least, share of the picture's height: the
// mark's radius and a pixel (the smallest picture is 500 x 330).
constexpr double kMarkClearance = kMarkRadius * kSmallestGraphWidth / kSmallestGraphHeight + 0.004;

// How far from its mark a label is looked for: steps of 0.04 of the picture's
// width along the ship and of half a text height up and down.
struct LabelReach {
  int along;
  int lift;
};
constexpr LabelReach kNearReach{4, 12};
// Where the curves crowd at a mark (the ends of a sweep's envelopes), further.
constexpr LabelReach kFarReach{12, 30};

// The candidate boxes for a mark's label around the mark at (x, y): beside
// it right and left, above and below, then further up, down and along the
// ship, the nearest first.
std::vector<TextBox> labelPlaces(double x, double y, double width, double height,
                                 LabelReach reach) {
  std::vector<std::pair<double, TextBox>> places;
  for (int along = -reach.along; along <= reach.along; ++along) {
    for (int lift = 0; lift <= reach.lift; ++lift) {
      for (const int side : {1, -1}) {
        const double up = side * (kMarkClearance + lift * height * 0.5);
        const double top = side > 0 ? y + up + height : y + up;
        for (const bool right : {true, false}) {
          const double left = (right ? x + 0.008 : x - 0.008 - width) + along * 0.04;
          const double dx = right ? left - x : x - (left + width);
          const double dy = top - height / 2.0 - y;
          places.push_back(
              {std::hypot(std::max(dx, 0.0), dy), {left, top, left + width, top - height}});
        }
      }
    }
  }
  std::stable_sort(places.begin(), places.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<TextBox> boxes;
  for (const auto& place : places) boxes.push_back(place.second);
  return boxes;
}

// Where a line from (x, y) meets the label in `box`: its nearest point, but
// from above or below within the box's left third. A label is laid out for the
// smallest picture and keeps its point size on a larger one no faster than the
// picture grows, so on a large picture it takes less of its box than there,
// from its top-left corner, but never less than that third of its width.
PlotPoint joinPointOf(const TextBox& box, double x, double y) {
  const bool besideIt = y <= box.top && y >= box.bottom;
  const double right = besideIt ? box.right : box.left + (box.right - box.left) / 3.0;
  return {std::clamp(x, box.left, right), std::clamp(y, box.bottom, box.top)};
}

bool inside(const TextBox& box, double left, double top, double right, double bottom) {
  return box.left >= left && box.right <= right && box.top <= top && box.bottom >= bottom;
}

}  // namespace

void placeText(Window& window, LabelSpace& space, double x, double y, const std::string& text,
               double points, Colour colour) {
  window.fontSize(points);
  window.foreColor(colour);
  window.setCurrent(x, y);
  window.print(text);
  space.take({x, y, x + textWidthShare(text, points), y - textHeightShare(points)});
}

RoundAxis panelAxis(const StrengthPanel& panel) {
  double low = 0.0;
  double high = 0.0;
  for (const PanelCurve& c : panel.curves) {
    for (const double v : c.values) {
      low = std::min(low, v);
      high = std::max(high, v);
    }
  }
  // A label and a little room either side between two grid lines, so that a mark's label can
  // stand clear of them.
  const double room = 1.6 * textHeightShare(kMarkPoints);
  RoundAxis axis = roundAxis(low, high, 5);
  for (int wanted = 4; wanted >= 1 && (panel.top - panel.bottom) / axis.steps() < room; --wanted) {
    axis = roundAxis(low, high, wanted);
  }
  return axis;
}

std::string groupedThousands(const std::string& number) {
  const std::size_t start = number.find_first_of("0123456789");
  if (start == std::string::npos) return number;
  std::size_t end = number.find('.', start);
  if (end == std::string::npos) end = number.size();
  std::string grouped = number;
  for (std::size_t at = end; at > start + 3; at -= 3) grouped.insert(at - 3, " ");
  return grouped;
}

namespace {

std::string axisText(const StrengthPanel& panel, double value, int decimals) {
  const std::string text = formatPlain(value, decimals);
  return panel.grouped ? groupedThousands(text) : text;
}

}  // namespace

double widestAxisValue(const StrengthPanel& panel) {
  double widest = 0.0;
  for (int k = 0; k <= panel.axis.steps(); ++k) {
    const double value = panel.axis.low + k * panel.axis.step;
    widest =
        std::max(widest, textWidthShare(axisText(panel, value, panel.axis.decimals), kValuePoints));
  }
  return widest;
}

void drawStrengthPanel(Window& window, const StrengthPanel& panel, const std::vector<double>& x,
                       const ShipAxis& ship, const std::vector<double>& perpendiculars,
                       LabelSpace& space) {
  const Colour black = qbColor(0);
  const Colour grid = qbColor(7);
  const double height = panel.top - panel.bottom;
  const auto at = [&](double value) { return panel.bottom + panel.axis.fraction(value) * height; };

  // The header above the frame, its note at the right where it fits.
  const double headerHeight = textHeightShare(kTextPoints);
  const double headerTop = panel.top + headerHeight + 0.002;
  placeText(window, space, ship.left, headerTop, panel.header, kTextPoints, black);
  const double noteWidth = textWidthShare(panel.note, kValuePoints);
  if (!panel.note.empty() &&
      ship.left + textWidthShare(panel.header, kTextPoints) + 0.02 < ship.right - noteWidth) {
    placeText(window, space, ship.right - noteWidth, headerTop, panel.note, kValuePoints, black);
  }

  // Frame, grid, values, zero line and the perpendiculars; labels keep off all of them.
  window.line(ship.left, panel.bottom, ship.right, panel.bottom, grid);
  window.line(ship.left, panel.top, ship.right, panel.top, grid);
  window.line(ship.right, panel.bottom, ship.right, panel.top, grid);
  space.keepOff({{ship.left, panel.bottom}, {ship.right, panel.bottom}});
  space.keepOff({{ship.left, panel.top}, {ship.right, panel.top}});
  space.keepOff({{ship.right, panel.bottom}, {ship.right, panel.top}});
  space.keepOff({{ship.left, panel.bottom}, {ship.left, panel.top}});
  for (int k = 0; k <= panel.axis.steps(); ++k) {
    const double y = at(panel.axis.low + k * panel.axis.step);
    space.keepOff({{ship.left, y}, {ship.right, y}});
  }
  AxisPlacement placement;
  placement.at = ship.left;
  placement.from = panel.bottom;
  placement.to = panel.top;
  placement.tick = kTick;
  placement.labelGap = 0.004;
  placement.labelRaise = textHeightShare(kValuePoints) / 2.0;
  placement.labelWidth = [](const std::string& s) { return textWidthShare(s, kValuePoints); };
  placement.grid = std::pair{ship.left, ship.right};
  placement.gridColour = grid;
  placement.labelText = [&panel](double value, int decimals) {
    return axisText(panel, value, decimals);
  };
  window.fontSize(kValuePoints);
  for (const TextBox& box : drawAxisValues(window, panel.axis, placement, black)) {
    space.take({box.left, box.top, box.right, box.top - textHeightShare(kValuePoints)});
  }
  window.line(ship.left, panel.bottom, ship.left, panel.top, black);
  window.line(ship.left, at(0.0), ship.right, at(0.0), black);
  for (const double place : perpendiculars) {
    if (place < ship.aft || place > ship.forward) continue;
    const double u = ship.at(place);
    drawStyledPolyline(window, {{u, panel.bottom}, {u, panel.top}},
                       LineStyle{qbColor(8), 1, {3.0, 3.0}}, 1.0, 1.0);
    space.keepOff({{u, panel.bottom}, {u, panel.top}});
  }

  // The curves, the first on top: drawn last.
  std::vector<std::vector<PlotPoint>> drawn;
  for (const PanelCurve& curve : panel.curves) {
    std::vector<PlotPoint>& points = drawn.emplace_back();
    for (std::size_t k = 0; curve.first + k < x.size() && k < curve.values.size(); ++k) {
      points.emplace_back(ship.at(x[curve.first + k]), at(curve.values[k]));
    }
    space.keepOff(points);
  }
  for (std::size_t c = panel.curves.size(); c-- > 0;) {
    drawStyledPolyline(window, drawn[c], *panel.curves[c].style, 1.0, 1.0);
  }

  // The marks first, so that no label stands on another's mark; then each label where it falls
  // on no text and, if it can, on no line, its leader (if it stands away) crossing no text.
  const double labelHeight = textHeightShare(kMarkPoints);
  const double markUp = kMarkRadius * kSmallestGraphWidth / kSmallestGraphHeight;
  for (const PanelMark& mark : panel.marks) {
    const double mx = ship.at(mark.extreme.x);
    const double my = at(mark.extreme.value);
    window.circle(mx, my, kMarkRadius, black);
    space.take({mx - kMarkRadius, my + markUp, mx + kMarkRadius, my - markUp});
  }
  struct Label {
    const PanelMark* mark;
    double mx, my, width;
  };
  const auto leaderOf = [](const Label& l, const TextBox& box) {
    return joinPointOf(box, l.mx, l.my);
  };
  const auto away = [&](const Label& l, const PlotPoint& join) {
    return std::hypot(join.first - l.mx, join.second - l.my) > labelHeight;
  };
  const auto firstOf = [&](const LabelSpace& room, const Label& l,
                           const std::vector<TextBox>& places, double top,
                           bool linesToo) -> std::optional<TextBox> {
    for (const TextBox& box : places) {
      if (!inside(box, ship.left, top, ship.right, panel.bottom)) continue;
      if (!(linesToo ? room.isFree(box) : room.clearOfTexts(box))) continue;
      // The leader starts in the mark's own room, which is no text it crosses.
      const PlotPoint join = leaderOf(l, box);
      if (away(l, join) && !room.segmentClear({l.mx, l.my}, join, {l.mx, l.my})) continue;
      return box;
    }
    return std::nullopt;
  };
  // Near the mark off the lines; else, where the curves crowd (the ends of a sweep's
  // envelopes), further off them, up into the header's row; else near it on no text, which
  // counts as crowded.
  const auto placeOf = [&](const LabelSpace& room, const Label& l, bool& crowded) {
    const std::vector<TextBox> near = labelPlaces(l.mx, l.my, l.width, labelHeight, kNearReach);
    std::optional<TextBox> chosen = firstOf(room, l, near, panel.top, true);
    if (!chosen) {
      chosen = firstOf(room, l, labelPlaces(l.mx, l.my, l.width, labelHeight, kFarReach),
                       headerTop, true);
    }
    crowded = !chosen;
    if (!chosen) chosen = firstOf(room, l, near, panel.top, false);
    return chosen.value_or(near.front());
  };
  const auto takePlace = [&](LabelSpace& room, const Label& l, const TextBox& box) {
    room.take(box);
    const PlotPoint join = leaderOf(l, box);
    if (away(l, join)) room.keepOff({{l.mx, l.my}, join});
  };
  std::vector<Label> labels;
  for (const PanelMark& mark : panel.marks) {
    labels.push_back({&mark, ship.at(mark.extreme.x), at(mark.extreme.value),
                      textWidthShare(mark.text, kMarkPoints)});
  }
  // One label can take the only place another has: the labels are placed in the order that
  // leaves the fewest on a line (of the few marks a panel has, every order is tried).
  std::vector<std::size_t> order(labels.size());
  for (std::size_t k = 0; k < order.size(); ++k) order[k] = k;
  std::vector<std::size_t> best = order;
  int fewest = -1;
  do {
    LabelSpace trial = space;
    int crowdedCount = 0;
    for (const std::size_t k : order) {
      bool crowded = false;
      takePlace(trial, labels[k], placeOf(trial, labels[k], crowded));
      crowdedCount += crowded ? 1 : 0;
    }
    if (fewest < 0 || crowdedCount < fewest) {
      fewest = crowdedCount;
      best = order;
    }
  } while (fewest > 0 && std::next_permutation(order.begin(), order.end()));
  for (const std::size_t k : best) {
    const Label& l = labels[k];
    bool crowded = false;
    const TextBox box = placeOf(space, l, crowded);
    placeText(window, space, box.left, box.top, l.mark->text, kMarkPoints, black);
    // A label put away from its mark is joined to it; other labels keep off the leader.
    const PlotPoint join = leaderOf(l, box);
    if (away(l, join)) {
      window.line(l.mx, l.my, join.first, join.second, black);
      space.keepOff({{l.mx, l.my}, join});
    }
  }
}

}  // namespace norvika
