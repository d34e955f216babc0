#include "plots/curves_of_form.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "platform/colour.h"
#include "plots/label_space.h"
#include "plots/round_axis.h"
#include "text/text_format.h"

namespace norvika {

namespace {

// The graph holds the drafts in [0, 1] of user height and [0, 1] of user
// width; the scales of the quantities stand below it, one every kScaleGap.
constexpr double kFirstScale = -0.10;
constexpr double kScaleGap = 0.078;
constexpr double kTick = 0.012;
constexpr double kNameColumn = -0.31;
// Width of a character of the 8-point labels in user units of the picture,
// to centre a tick's label under it.
constexpr double kCharacterWidth = 0.0095;
// ... and the height of its line.
constexpr double kLabelHeight = 0.034;
// Places along a curve where its label may stand.
constexpr int kLabelPlaces = 61;

using Point = PlotPoint;  // (scale fraction, draft fraction)

struct Curve {
  const char* label;
  double HydrostaticRow::*value;
};

struct Scale {
  const char* name;
  Colour colour;
  std::vector<Curve> curves;
  bool fromZeroToOne;  // the coefficients: their scale holds 0 and 1
};

const std::vector<Scale>& scales() {
  static const std::vector<Scale> list = {
      {"DEPLASMAN (ton)",
       rgbColour(31, 119, 180),
       {{"DEPLASMAN", &HydrostaticRow::displacement}},
       false},
      {"KB (m)", rgbColour(44, 160, 44), {{"KB", &HydrostaticRow::kb}}, false},
      {"LCB (m, AP 'den)", rgbColour(214, 39, 40), {{"LCB", &HydrostaticRow::lcb}}, false},
      {"LCF (m, AP 'den)", rgbColour(148, 103, 189), {{"LCF", &HydrostaticRow::lcf}}, false},
      {"SU HATTI ALANI Awp (m2)",
       rgbColour(140, 86, 75),
       {{"Awp", &HydrostaticRow::waterplaneArea}},
       false},
      {"TPC (ton/cm)", rgbColour(23, 190, 207), {{"TPC", &HydrostaticRow::tpc}}, false},
      {"MCT 1 cm (t.m/cm)", rgbColour(255, 127, 14), {{"MCT 1 cm", &HydrostaticRow::mct}}, false},
      {"KMt (m)", rgbColour(227, 119, 194), {{"KMt", &HydrostaticRow::kmt}}, false},
      {"KMl (m)", rgbColour(127, 127, 127), {{"KMl", &HydrostaticRow::kml}}, false},
      {"ISLAK YUZEY ALANI S (m2)",
       rgbColour(188, 189, 34),
       {{"S", &HydrostaticRow::wettedSurface}},
       false},
      {"KATSAYILAR",
       rgbColour(0, 0, 0),
       {{"Cb", &HydrostaticRow::blockCoefficient},
        {"Cp", &HydrostaticRow::prismaticCoefficient},
        {"Cm", &HydrostaticRow::midshipCoefficient},
        {"Cwp", &HydrostaticRow::waterplaneCoefficient}},
       true},
  };
  return list;
}

void text(Window& window, double x, double y, const std::string& s, Colour colour) {
  window.foreColor(colour);
  window.setCurrent(x, y);
  window.print(s);
}

RoundAxis axisOf(const Scale& scale, const Hydrostatics& table) {
  double smallest = scale.fromZeroToOne ? 0.0 : table.rows.front().*scale.curves.front().value;
  double largest = scale.fromZeroToOne ? 1.0 : smallest;
  for (const Curve& curve : scale.curves) {
    for (const HydrostaticRow& row : table.rows) {
      smallest = std::min(smallest, row.*curve.value);
      largest = std::max(largest, row.*curve.value);
    }
  }
  return roundAxis(smallest, largest, 5);
}

double characterWidths(const std::string& label) {
  return kCharacterWidth * static_cast<double>(label.size());
}

void drawDraftAxis(Window& window, const RoundAxis& drafts) {
  const Colour axis = qbColor(0);
  AxisPlacement placement;
  placement.tick = kTick;
  placement.labelGap = 0.005;
  placement.labelRaise = 0.012;
  placement.labelWidth = characterWidths;
  placement.grid = std::pair{0.0, 1.0};
  placement.gridColour = qbColor(7);
  drawAxisValues(window, drafts, placement, axis);
  window.line(0.0, 0.0, 0.0, 1.0, axis);
  window.line(1.0, 0.0, 1.0, 1.0, placement.gridColour);
  text(window, -0.09, 1.05, "DRAFT T (m)", axis);
}

void drawScale(Window& window, const Scale& scale, const RoundAxis& axis, double y) {
  window.line(0.0, y, 1.0, y, scale.colour);
  AxisPlacement placement;
  placement.vertical = false;
  placement.at = y;
  placement.tick = kTick;
  placement.labelGap = 0.004;
  placement.labelWidth = characterWidths;
  drawAxisValues(window, axis, placement, scale.colour);
  text(window, kNameColumn, y + 0.016, scale.name, scale.colour);
}

// Where a curve stands at each draft, in the graph's units.
std::vector<Point> curvePoints(const Hydrostatics& table, const RoundAxis& axis,
                               const RoundAxis& drafts, const Curve& curve) {
  std::vector<Point> points;
  for (const HydrostaticRow& row : table.rows) {
    points.emplace_back(axis.fraction(row.*curve.value), drafts.fraction(row.draft));
  }
  return points;
}

// Puts each curve's label beside its curve, right or left of it, where it
// falls on no label put before and no curve; it tries the places nearest the
// height it is asked for first, so that the labels spread up the graph. When
// there is no such place the label goes where it was asked for.
class LabelPlacer {
 public:
  explicit LabelPlacer(const std::vector<std::vector<Point>>& curves) {
    for (const std::vector<Point>& curve : curves) space_.keepOff(curve);
  }

  void place(Window& window, const std::vector<Point>& points, const std::string& label,
             double wantedHeight, Colour colour) {
    const double width = kCharacterWidth * static_cast<double>(label.size());
    const std::vector<Point> places = placesAlong(points);
    const auto wanted =
        static_cast<std::size_t>(wantedHeight * static_cast<double>(places.size() - 1) + 0.5);
    std::vector<std::size_t> order(places.size());
    for (std::size_t k = 0; k < order.size(); ++k) order[k] = k;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
      return distance(a, wanted) < distance(b, wanted);
    });
    const Box chosen =
        firstFreeBox(places, order, width).value_or(boxAt(places[wanted], width, false));
    space_.take(chosen);
    text(window, chosen.left, chosen.top, label, colour);
  }

 private:
  using Box = TextBox;
  // kLabelPlaces places spread evenly along a curve (its points taken in
  // order), however many drafts it has: a thousand drafts must not make the
  // search a thousand times longer.
  static std::vector<Point> placesAlong(const std::vector<Point>& points) {
    if (points.size() == 1) return points;
    std::vector<Point> places;
    const double last = static_cast<double>(points.size() - 1);
    for (int k = 0; k < kLabelPlaces; ++k) {
      const double at = last * k / (kLabelPlaces - 1);
      const auto piece = std::min(static_cast<std::size_t>(at), points.size() - 2);
      const double t = at - static_cast<double>(piece);
      const Point& a = points[piece];
      const Point& b = points[piece + 1];
      places.emplace_back(a.first + t * (b.first - a.first), a.second + t * (b.second - a.second));
    }
    return places;
  }
  static std::size_t distance(std::size_t a, std::size_t b) { return a > b ? a - b : b - a; }
  static Box boxAt(const Point& point, double width, bool left) {
    const double x = left ? point.first - 0.008 - width : point.first + 0.008;
    return Box{x, point.second + kLabelHeight / 2.0, x + width, point.second - kLabelHeight / 2.0};
  }
  // A curve of one draft is a single point: its label may also stand a few
  // lines above or below it, where the labels of the other points are not.
  std::optional<Box> firstFreeBox(const std::vector<Point>& places,
                                  const std::vector<std::size_t>& order, double width) const {
    const int lines = places.size() == 1 ? 6 : 0;
    for (const std::size_t k : order) {
      for (int shift = 0; shift <= 2 * lines; ++shift) {
        const double up = kLabelHeight * (shift % 2 == 1 ? (shift + 1) / 2 : -shift / 2);
        for (const bool left : {false, true}) {
          Box box = boxAt(places[k], width, left);
          box.top += up;
          box.bottom += up;
          if (box.left >= 0.0 && box.right <= 1.03 && box.bottom >= 0.0 && space_.isFree(box)) {
            return box;
          }
        }
      }
    }
    return std::nullopt;
  }
  LabelSpace space_;
};

void drawCurve(Window& window, const std::vector<Point>& points, Colour colour) {
  window.drawWidth(2);
  for (std::size_t k = 0; k + 1 < points.size(); ++k) {
    window.line(points[k].first, points[k].second, points[k + 1].first, points[k + 1].second,
                colour);
  }
  window.drawWidth(1);
  if (points.size() == 1) window.circle(points[0].first, points[0].second, 0.004, colour);
}

}  // namespace

void drawCurvesOfForm(Platform& platform, const Hydrostatics& table) {
  if (table.rows.empty()) return;
  const std::vector<Scale>& list = scales();
  const double bottom = kFirstScale - kScaleGap * static_cast<double>(list.size() - 1) - 0.09;
  Window& window = platform.window(WindowId::Graph);
  window.show();
  window.cls();
  window.fontName("Arial");
  window.fontSize(8);
  window.drawWidth(1);
  window.scale(kNameColumn - 0.01, 1.16, 1.04, bottom);

  const RoundAxis drafts = roundAxis(0.0, table.rows.back().draft, 8);
  drawDraftAxis(window, drafts);
  // The labels go on last, clear of every curve where there is room.
  std::vector<std::vector<Point>> curves;
  std::vector<std::pair<const char*, Colour>> labels;
  for (std::size_t i = 0; i < list.size(); ++i) {
    const Scale& scale = list[i];
    const RoundAxis axis = axisOf(scale, table);
    drawScale(window, scale, axis, kFirstScale - kScaleGap * static_cast<double>(i));
    for (const Curve& curve : scale.curves) {
      curves.push_back(curvePoints(table, axis, drafts, curve));
      labels.emplace_back(curve.label, scale.colour);
      drawCurve(window, curves.back(), scale.colour);
    }
  }
  LabelPlacer placer(curves);
  for (std::size_t k = 0; k < curves.size(); ++k) {
    const double wanted =
        0.15 + 0.8 * static_cast<double>(k) / static_cast<double>(curves.size() - 1);
    placer.place(window, curves[k], labels[k].first, wanted, labels[k].second);
  }
  window.fontSize(10);
  text(window, kNameColumn, 1.14, "FORM EGRILERI (HIDROSTATIK EGRILER)", qbColor(1));
  window.fontSize(8);
  text(window, kNameColumn, 1.10,
       "L = " + formatPlain(table.shipLength, 3) + " m   Ro = " + formatPlain(table.density, 4) +
           " ton/m3   TRIM Tf - Ta = " + formatPlain(table.trim, 3) +
           " m   DRAFTLAR TABAN HATTINDAN, L/2 'DE",
       qbColor(1));
}

}  // namespace norvika
