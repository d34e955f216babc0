#include "plots/curves_of_form.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "platform/colour.h"
#include "plots/dashed_line.h"
#include "plots/drawing_texts.h"
#include "plots/round_axis.h"
#include "plots/smooth_curve.h"
#include "plots/text_extent.h"
#include "quantities/hydrostatic_quantities.h"
#include "text/text_format.h"
#include "words/catalogue.h"
#include "words/language.h"

namespace norvika {

namespace {

// The picture is laid out in shares of the smallest one, y up, for a panel a quantity: four
// columns of three rows, the last place holding the legend of the coefficients.
constexpr double kTitlePoints = 10.0;
constexpr double kTextPoints = 7.0;
constexpr int kColumns = 4;
constexpr int kRows = 3;
constexpr double kColumnGap = 0.06;  // room for the values at two panels' edges
constexpr double kRowGap = 0.015;
constexpr double kTick = 0.01;
constexpr double kGap = 0.004;
constexpr double kSample = 0.045;  // a legend's line sample
// Samples of the smooth curve between two computed drafts.
constexpr int kSamplesPerDraft = 12;

const Colour kInk = qbColor(0);
const Colour kFrame = rgbColour(190, 190, 190);
const Colour kGrid = rgbColour(228, 228, 228);
const LineStyle kDesignStyle{rgbColour(80, 80, 80), 1, {5.0, 3.0}};

// A curve is labelled with its quantity's legend.
struct Curve {
  double HydrostaticRow::*value;
  LineStyle style;
};

// A panel: one quantity, titled by its legend, or a group of them under a title of its own.
struct Quantity {
  std::vector<Curve> curves;
  std::optional<Text> groupTitle = std::nullopt;
  bool fromZeroToOne = false;  // the coefficients: their scale holds 0 and 1
};

LineStyle solid(Colour colour) { return LineStyle{colour, 2, {}}; }

std::string legend(const Curve& curve) {
  return std::string(inCurrentLanguage(hydrostaticQuantity(curve.value).legend));
}

std::string title(const Quantity& quantity) {
  return quantity.groupTitle ? std::string(text(*quantity.groupTitle))
                             : legend(quantity.curves.front());
}

const std::vector<Quantity>& quantities() {
  using Row = HydrostaticRow;
  static const std::vector<Quantity> list = {
      {{{&Row::displacement, solid(rgbColour(31, 119, 180))}}},
      {{{&Row::kb, solid(rgbColour(44, 160, 44))}}},
      {{{&Row::lcb, solid(rgbColour(214, 39, 40))}}},
      {{{&Row::lcf, solid(rgbColour(148, 103, 189))}}},
      {{{&Row::waterplaneArea, solid(rgbColour(140, 86, 75))}}},
      {{{&Row::tpc, solid(rgbColour(20, 140, 160))}}},
      {{{&Row::mct, solid(rgbColour(255, 127, 14))}}},
      {{{&Row::kmt, solid(rgbColour(227, 119, 194))}}},
      {{{&Row::kml, solid(rgbColour(110, 110, 110))}}},
      {{{&Row::wettedSurface, solid(rgbColour(128, 128, 0))}}},
      // Four curves on one scale, told apart by colour and pattern.
      {{{&Row::blockCoefficient, solid(rgbColour(31, 119, 180))},
        {&Row::prismaticCoefficient, LineStyle{rgbColour(255, 127, 14), 2, {6.0, 3.0}}},
        {&Row::midshipCoefficient, LineStyle{rgbColour(44, 160, 44), 2, {2.0, 2.0}}},
        {&Row::waterplaneCoefficient, LineStyle{rgbColour(214, 39, 40), 2, {8.0, 3.0, 2.0, 3.0}}}},
       Text::DrawingCoefficients,
       true},
  };
  return list;
}

void write(Window& window, double x, double y, const std::string& s, double points, Colour colour) {
  window.fontSize(points);
  window.foreColor(colour);
  window.setCurrent(x, y);
  window.drawText(s);
}

// The plotting area of a panel, shares of the picture.
struct Cell {
  double left, right, top, bottom;
};

// The smallest and the largest value a panel shows.
std::pair<double, double> valueSpan(const Quantity& quantity, const Hydrostatics& table) {
  double smallest =
      quantity.fromZeroToOne ? 0.0 : table.rows.front().*quantity.curves.front().value;
  double largest = quantity.fromZeroToOne ? 1.0 : smallest;
  for (const Curve& curve : quantity.curves) {
    for (const HydrostaticRow& row : table.rows) {
      smallest = std::min(smallest, row.*curve.value);
      largest = std::max(largest, row.*curve.value);
    }
  }
  // A quantity that hardly changes (the LCB of a box) gets a span of 2 % of its size, so that
  // its scale shows a few round values rather than its last digits.
  const double least = 0.02 * std::max(std::fabs(smallest), std::fabs(largest));
  if (largest - smallest < least) {
    const double middle = (smallest + largest) / 2.0;
    smallest = middle - least / 2.0;
    largest = middle + least / 2.0;
  }
  return {smallest, largest};
}

// The round axis of a panel's values with as many steps (at most five) as their labels leave
// room for across the panel's `width`.
RoundAxis valueAxis(const Quantity& quantity, const Hydrostatics& table, double width) {
  const auto [smallest, largest] = valueSpan(quantity, table);
  RoundAxis axis;
  for (int wanted = 5; wanted >= 1; --wanted) {
    axis = roundAxis(smallest, largest, wanted);
    double widest = 0.0;
    for (int k = 0; k <= axis.steps(); ++k) {
      widest = std::max(widest, textWidthShare(formatPlain(axis.low + k * axis.step, axis.decimals),
                                               kTextPoints));
    }
    if (width / axis.steps() >= widest + 0.012) break;
  }
  return axis;
}

void drawPanel(Window& window, const Cell& cell, const Quantity& quantity,
               const Hydrostatics& table, const RoundAxis& drafts,
               const std::optional<double>& designDraft, bool draftLabels) {
  const double width = cell.right - cell.left;
  const double height = cell.top - cell.bottom;
  const RoundAxis values = valueAxis(quantity, table, width);
  const auto x = [&](double v) { return cell.left + values.fraction(v) * width; };
  const auto y = [&](double t) { return cell.bottom + drafts.fraction(t) * height; };
  const double line = textHeightShare(kTextPoints);

  write(window, cell.left, cell.top + kGap + line, title(quantity), kTextPoints, kInk);
  // The grids first, the frame over them.
  for (int k = 1; k < drafts.steps(); ++k) {
    const double at = y(drafts.low + k * drafts.step);
    window.line(cell.left, at, cell.right, at, kGrid);
  }
  for (int k = 0; k <= values.steps(); ++k) {
    const double v = values.low + k * values.step;
    if (k > 0 && k < values.steps()) window.line(x(v), cell.bottom, x(v), cell.top, kGrid);
    window.line(x(v), cell.bottom, x(v), cell.bottom - kTick, kInk);
    const std::string label = formatPlain(v, values.decimals);
    write(window, x(v) - textWidthShare(label, kTextPoints) / 2.0, cell.bottom - kTick - kGap,
          label, kTextPoints, kInk);
  }
  for (int k = 0; k <= drafts.steps(); ++k) {
    const double t = drafts.low + k * drafts.step;
    if (!draftLabels) continue;
    window.line(cell.left - kTick, y(t), cell.left, y(t), kInk);
    const std::string label = formatPlain(t, drafts.decimals);
    write(window, cell.left - kTick - kGap - textWidthShare(label, kTextPoints), y(t) + line / 2.0,
          label, kTextPoints, kInk);
  }
  window.line(cell.left, cell.bottom, cell.right, cell.bottom, kFrame);
  window.line(cell.right, cell.bottom, cell.right, cell.top, kFrame);
  window.line(cell.right, cell.top, cell.left, cell.top, kFrame);
  window.line(cell.left, cell.top, cell.left, cell.bottom, kFrame);

  if (designDraft && *designDraft >= drafts.low && *designDraft <= drafts.high) {
    drawStyledPolyline(window, {{cell.left, y(*designDraft)}, {cell.right, y(*designDraft)}},
                       kDesignStyle, 1.0, 1.0);
  }
  std::vector<double> t;
  for (const HydrostaticRow& row : table.rows) t.push_back(row.draft);
  for (const Curve& curve : quantity.curves) {
    std::vector<double> v;
    for (const HydrostaticRow& row : table.rows) v.push_back(row.*curve.value);
    std::vector<PlotPoint> points;
    for (const auto& [draft, value] : smoothCurve(t, v, kSamplesPerDraft)) {
      points.emplace_back(x(value), y(draft));
    }
    if (points.size() == 1) {
      window.drawWidth(2);
      window.circle(points[0].first, points[0].second, 0.004, curve.style.colour);
      window.drawWidth(1);
    } else {
      drawStyledPolyline(window, points, curve.style, 1.0, 1.0);
    }
  }
}

// The legend of the coefficients' curves and of the design draft's line, in the place of a
// panel and its header.
void drawLegend(Window& window, const Cell& cell, const Quantity& coefficients,
                const std::optional<double>& designDraft) {
  const double line = textHeightShare(kTextPoints) * 1.15;
  double top = cell.top + kGap + textHeightShare(kTextPoints);
  // No scale's values stand at its left: it may start in the gap before it.
  const double left = cell.left - kColumnGap / 2.0;
  const double textLeft = left + kSample + 0.008;
  const auto entry = [&](const LineStyle* style, const std::string& text) {
    const double mid = top - textHeightShare(kTextPoints) / 2.0;
    if (style != nullptr) {
      drawStyledPolyline(window, {{left, mid}, {left + kSample, mid}}, *style, 1.0, 1.0);
    }
    write(window, textLeft, top, text, kTextPoints, kInk);
    top -= line;
  };
  for (const Curve& curve : coefficients.curves) entry(&curve.style, legend(curve));
  if (designDraft) {
    top -= line / 2.0;
    entry(&kDesignStyle, std::string(text(Text::DrawingDesignDraft)));
    entry(nullptr, "T = " + formatPlain(*designDraft, 3) + " m");
  }
}

}  // namespace

void drawCurvesOfForm(Platform& platform, const Hydrostatics& table,
                      std::optional<double> designDraft) {
  if (table.rows.empty()) return;
  namespace t = texts::hydrostatics;
  Window& window = platform.window(WindowId::Graph);
  window.show();
  window.cls();
  const std::string caption(text(Text::DrawingCurvesCaption));
  window.describe(caption, t::kCurvesName);
  window.fontName("Arial");
  window.drawWidth(1);
  window.scale(0.0, 1.0, 1.0, 0.0);

  const double line = textHeightShare(kTextPoints);
  const double title = textHeightShare(kTitlePoints);
  write(window, 0.01, 0.995, caption, kTitlePoints, qbColor(1));
  write(
      window, 0.01, 0.995 - title,
      text(Text::DrawingCurvesInputs, {formatPlain(table.shipLength, 3),
                                       formatPlain(table.density, 4), formatPlain(table.trim, 3)}),
      kTextPoints, qbColor(1));

  double top = table.rows.back().draft;
  if (designDraft) top = std::max(top, *designDraft);
  const double left = 0.01 + textWidthShare("00.0", kTextPoints) + kTick + kGap;
  const double right = 0.975;  // the last values stand half their width past their panels
  // Under the title, the line of the input values and the row of the drafts' name.
  const double gridTop = 0.995 - title - 2.0 * line - 0.012;
  const double cellWidth = (right - left - (kColumns - 1) * kColumnGap) / kColumns;
  const double cellHeight =
      (gridTop - 0.01 - kRows * (2.0 * line + kTick + 2.0 * kGap) - (kRows - 1) * kRowGap) / kRows;
  // As many steps of the drafts as their labels leave room for.
  RoundAxis drafts = roundAxis(0.0, top, 5);
  for (int wanted = 4; wanted > 1 && cellHeight / drafts.steps() < 1.4 * line; --wanted) {
    drafts = roundAxis(0.0, top, wanted);
  }
  write(window, 0.01, gridTop + line + 0.004, std::string(text(Text::DrawingDraft)), kTextPoints,
        kInk);

  const std::vector<Quantity>& list = quantities();
  for (std::size_t k = 0; k <= list.size(); ++k) {
    const int column = static_cast<int>(k) % kColumns;
    const int row = static_cast<int>(k) / kColumns;
    Cell cell;
    cell.left = left + column * (cellWidth + kColumnGap);
    cell.right = cell.left + cellWidth;
    cell.top =
        gridTop - row * (cellHeight + 2.0 * line + kTick + 2.0 * kGap + kRowGap) - line - kGap;
    cell.bottom = cell.top - cellHeight;
    if (k == list.size()) {
      drawLegend(window, cell, list.back(), designDraft);
    } else {
      drawPanel(window, cell, list[k], table, drafts, designDraft, column == 0);
    }
  }
}

}  // namespace norvika
