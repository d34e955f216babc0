#include "plots/stability_curves.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "platform/colour.h"
#include "plots/dashed_line.h"
#include "plots/label_space.h"
#include "plots/picture_start.h"
#include "plots/round_axis.h"
#include "text/text_format.h"
#include "words/catalogue.h"

namespace norvika {

namespace {

// The graph holds the heels in [0, width] of user width and the levers in
// [0, 1] of user height; the window's scale leaves room around it for the
// values, the names of the axes, the title and the labels right of the curves.
constexpr double kLeft = -0.10;
constexpr double kTop = 1.22;
constexpr double kRightMargin = 0.17;
constexpr double kBottom = -0.12;
// The Stability window keeps the true shape of what it draws: there the graph
// is as wide as a picture of 4 by 3 leaves it.
constexpr double kTrueShapeWidth = 4.0 / 3.0 * (kTop - kBottom) - kRightMargin + kLeft;
constexpr double kTick = 0.012;
// Width of a character of the 8-point labels, and the height of its line, in
// user units of the picture.
constexpr double kCharacterWidth = 0.0088;
constexpr double kLabelHeight = 0.034;
// Heels between the hatching lines of a shaded area (degrees).
constexpr double kHatchStep = 0.5;
constexpr double kDegreesPerRadian = 57.29577951308232;

const Colour kBlack = qbColor(0);
const Colour kGrid = qbColor(7);
const Colour kCurveColours[] = {rgbColour(31, 119, 180),  rgbColour(214, 39, 40),
                                rgbColour(44, 160, 44),   rgbColour(148, 103, 189),
                                rgbColour(255, 127, 14),  rgbColour(140, 86, 75),
                                rgbColour(227, 119, 194), rgbColour(23, 190, 207)};

// Where heels and levers stand in the graph.
struct Graph {
  RoundAxis heels;
  RoundAxis levers;
  double width = 1.0;
  double x(double heel) const { return width * heels.fraction(heel); }
  PlotPoint at(double heel, double lever) const { return {x(heel), levers.fraction(lever)}; }
};

double characterWidths(const std::string& label) {
  return kCharacterWidth * static_cast<double>(label.size());
}

void write(Window& window, double x, double y, const std::string& s, Colour colour) {
  window.foreColor(colour);
  window.setCurrent(x, y);
  window.print(s);
}

void polyline(Window& window, const std::vector<PlotPoint>& points, Colour colour, int width) {
  window.drawWidth(width);
  for (std::size_t k = 0; k + 1 < points.size(); ++k) {
    window.line(points[k].first, points[k].second, points[k + 1].first, points[k + 1].second,
                colour);
  }
  window.drawWidth(1);
}

void dashed(Window& window, const Graph& graph, const std::vector<PlotPoint>& points,
            Colour colour) {
  drawStyledPolyline(window, points, LineStyle{colour, 1, {6.0, 4.0}},
                     graph.width + kRightMargin - kLeft, kTop - kBottom);
}

// The window started, its scale set and the graph's frame, grid, values and
// axis names drawn.
Window& startGraph(Platform& platform, WindowId id, const Graph& graph, const std::string& title,
                   const std::string& subtitle, const std::string& leverName) {
  const double w = graph.width;
  Window& window = platform.window(id);
  startPicture(window, 8, 1);
  window.scale(kLeft, kTop, w + kRightMargin, kBottom);
  AxisPlacement up;
  up.tick = kTick;
  up.labelGap = 0.005;
  up.labelRaise = 0.012;
  up.labelWidth = characterWidths;
  up.grid = std::pair{0.0, w};
  up.gridColour = kGrid;
  drawAxisValues(window, graph.levers, up, kBlack);
  AxisPlacement along = up;
  along.vertical = false;
  along.labelGap = 0.004;
  along.to = w;
  along.grid = std::pair{0.0, 1.0};
  drawAxisValues(window, graph.heels, along, kBlack);
  const std::vector<PlotPoint> frame = {{0, 0}, {w, 0}, {w, 1}, {0, 1}, {0, 0}};
  polyline(window, frame, kBlack, 1);
  if (graph.levers.low < 0.0) {
    const double zero = graph.levers.fraction(0.0);
    window.line(0.0, zero, w, zero, kBlack);
  }
  write(window, 0.0, 1.04, leverName, kBlack);
  const std::string heels(text(Text::DrawingHeelAxis));
  write(window, (w - characterWidths(heels)) / 2.0, -0.06, heels, kBlack);
  window.fontSize(10);
  write(window, kLeft + 0.01, 1.20, title, qbColor(1));
  window.fontSize(8);
  write(window, kLeft + 0.01, 1.15, subtitle, qbColor(1));
  return window;
}

// Heels in steps of 10 degrees, or 20 over a wide range, so that the axis
// ends on the heels drawn (a round axis would carry 180 on to 200).
RoundAxis heelAxis(double first, double last) {
  RoundAxis axis;
  axis.step = last - first > 100.0 ? 20.0 : 10.0;
  axis.low = std::floor(first / axis.step + 1e-9) * axis.step;
  axis.high = std::max(axis.low + axis.step, std::ceil(last / axis.step - 1e-9) * axis.step);
  return axis;
}

// Labels at the right ends of curves, moved apart up and down so that none
// falls on another.
void labelEnds(Window& window, const Graph& graph, std::vector<std::pair<double, std::string>> ends,
               const std::vector<Colour>& colours) {
  std::vector<std::size_t> order(ends.size());
  for (std::size_t k = 0; k < order.size(); ++k) order[k] = k;
  std::sort(order.begin(), order.end(),
            [&](std::size_t a, std::size_t b) { return ends[a].first < ends[b].first; });
  double lowest = -1.0;
  for (const std::size_t k : order) {
    const double y = std::max(ends[k].first, lowest + kLabelHeight);
    write(window, graph.width + 0.01, y + kLabelHeight / 2.0, ends[k].second, colours[k]);
    lowest = y;
  }
}

}  // namespace

void drawCrossCurves(Platform& platform, const std::vector<CrossCurve>& curves) {
  double lastHeel = 0.0;
  double lowest = 0.0;
  double highest = 0.0;
  for (const CrossCurve& curve : curves) {
    for (const CrossCurvePoint& p : curve.points) {
      lastHeel = std::max(lastHeel, p.heel);
      lowest = std::min(lowest, p.kn);
      highest = std::max(highest, p.kn);
    }
  }
  const Graph graph{heelAxis(0.0, lastHeel), roundAxis(lowest, highest, 8)};
  Window& window = startGraph(platform, WindowId::Graph, graph,
                              std::string(text(Text::DrawingCrossCurvesCaption)),
                              std::string(text(Text::DrawingCrossCurvesNote)), "KN (m)");
  std::vector<std::pair<double, std::string>> ends;
  std::vector<Colour> colours;
  for (std::size_t c = 0; c < curves.size(); ++c) {
    const CrossCurve& curve = curves[c];
    if (curve.points.empty()) continue;
    const Colour colour = kCurveColours[c % std::size(kCurveColours)];
    std::vector<PlotPoint> points;
    for (const CrossCurvePoint& p : curve.points) points.push_back(graph.at(p.heel, p.kn));
    polyline(window, points, colour, 2);
    // The deck edge on the curve, between the heels it lies between.
    if (curve.deckEdgeAngle) {
      for (std::size_t k = 0; k + 1 < curve.points.size(); ++k) {
        const CrossCurvePoint& a = curve.points[k];
        const CrossCurvePoint& b = curve.points[k + 1];
        if (*curve.deckEdgeAngle < a.heel || *curve.deckEdgeAngle > b.heel) continue;
        const double t = (*curve.deckEdgeAngle - a.heel) / (b.heel - a.heel);
        const PlotPoint at = graph.at(*curve.deckEdgeAngle, a.kn + t * (b.kn - a.kn));
        window.circle(at.first, at.second, 0.008, colour);
        break;
      }
    }
    ends.emplace_back(points.back().second,
                      "D = " + formatPlain(curve.condition.displacement, 1) + " t");
    colours.push_back(colour);
  }
  labelEnds(window, graph, ends, colours);
}

namespace {

// Vertical hatching from `base` to the curve between two heels, a line every
// `step` degrees from `from` + `offset`.
void hatch(Window& window, const Graph& graph, const GzCurve& curve, double from, double to,
           double base, Colour colour, double step = kHatchStep, double offset = 0.0) {
  for (double heel = from + offset; heel <= to + 1e-9; heel += step) {
    const PlotPoint a = graph.at(heel, base);
    const PlotPoint b = graph.at(heel, gzAt(curve, heel));
    window.line(a.first, a.second, b.first, b.second, colour);
  }
}

// A vertical mark across the graph at `heel`, named at its top.
void markHeel(Window& window, const Graph& graph, double heel, const std::string& name,
              Colour colour, double labelHeight) {
  const double x = graph.x(heel);
  dashed(window, graph, {{x, 0.0}, {x, 1.0}}, colour);
  write(window, x + 0.005, labelHeight, name, colour);
}

}  // namespace

void drawGzCurve(Platform& platform, const ConditionCheck& check) {
  const RightingLevers& levers = check.levers;
  const GzCurve& curve = levers.curve;
  const std::optional<WeatherCriterion>& weather = check.weather;
  // From the windward heel the ship rolls to, to past the vanishing angle.
  double first = 0.0;
  if (weather && weather->steadyHeel) {
    first = std::max(-curve.lastHeel(), *weather->steadyHeel - weather->roll.angle);
  }
  const double last = std::min(
      curve.lastHeel(),
      std::max(60.0, levers.vanishingAngle ? *levers.vanishingAngle + 10.0 : curve.lastHeel()));
  double lowest = 0.0;
  double highest = std::max(levers.gm0, 0.0);
  std::vector<double> heels;
  for (double heel = first; heel < last; heel += kHatchStep) heels.push_back(heel);
  heels.push_back(last);
  for (const double heel : heels) {
    lowest = std::min(lowest, gzAt(curve, heel));
    highest = std::max(highest, gzAt(curve, heel));
  }
  if (weather) highest = std::max(highest, weather->gustLever);
  const Graph graph{heelAxis(first, last), roundAxis(lowest, highest, 8), kTrueShapeWidth};
  const LoadingCondition& in = check.input;
  Window& window =
      startGraph(platform, WindowId::Stability, graph, std::string(text(Text::DrawingGzCaption)),
                 "D = " + formatPlain(in.displacement, 1) + " t   KG = " + formatPlain(in.kg, 3) +
                     " m   FSM = " + formatPlain(in.freeSurfaceMoment, 1) +
                     " t.m   GM0 = " + formatPlain(levers.gm0, 3) + " m",
                 "GZ (m)");

  // The areas of the general criteria, then those of the wind criterion.
  const double upper = in.floodingAngle ? std::min(40.0, *in.floodingAngle) : 40.0;
  const Colour to30 = rgbColour(174, 199, 232);
  const Colour to40 = rgbColour(152, 223, 138);
  hatch(window, graph, curve, 0.0, std::min(30.0, upper), 0.0, to30);
  if (upper > 30.0) hatch(window, graph, curve, 30.0, upper, 0.0, to40);
  const std::string legend =
      text(Text::DrawingGzArea, {"0", formatPlain(std::min(30.0, upper), 1),
                                 formatPlain(gzArea(curve, 0.0, std::min(30.0, upper)), 4)});
  write(window, kLeft + 0.01, 1.11, legend, rgbColour(31, 119, 180));
  if (upper > 30.0) {
    write(window, kLeft + 0.01 + characterWidths(legend) + 0.03, 1.11,
          text(Text::DrawingGzArea,
               {"30", formatPlain(upper, 1), formatPlain(gzArea(curve, 30.0, upper), 4)}),
          rgbColour(44, 160, 44));
  }
  if (weather && weather->steadyHeel && weather->gustHeel) {
    const Colour areaA = rgbColour(255, 187, 120);
    const Colour areaB = rgbColour(197, 176, 213);
    // Sparser and between the lines of the general criteria's areas, so that both show.
    hatch(window, graph, curve, first, *weather->gustHeel, weather->gustLever, areaA);
    hatch(window, graph, curve, *weather->gustHeel, weather->upperHeel, weather->gustLever, areaB,
          2.0 * kHatchStep, kHatchStep / 2.0);
    const Colour wind = rgbColour(255, 127, 14);
    for (const double lever : {weather->steadyLever, weather->gustLever}) {
      const double y = graph.levers.fraction(lever);
      window.line(0.0, y, graph.width, y, wind);
    }
    labelEnds(window, graph,
              {{graph.levers.fraction(weather->steadyLever), "lw1"},
               {graph.levers.fraction(weather->gustLever), "lw2"}},
              {wind, wind});
    const PlotPoint a = graph.at((first + *weather->gustHeel) / 2.0, weather->gustLever);
    write(window, a.first, a.second - 0.01, "a", rgbColour(255, 127, 14));
    const PlotPoint b = graph.at((*weather->gustHeel + weather->upperHeel) / 2.0,
                                 (weather->gustLever + levers.maximum.lever) / 2.0);
    write(window, b.first, b.second, "b", rgbColour(148, 103, 189));
    write(window, 0.55 * graph.width, 1.11,
          text(Text::DrawingWindAreas,
               {formatPlain(weather->areaA, 4), formatPlain(weather->areaB, 4)}),
          rgbColour(255, 127, 14));
  }

  // GM0 at one radian.
  const Colour gm = rgbColour(214, 39, 40);
  const PlotPoint origin = graph.at(0.0, 0.0);
  const PlotPoint radian = graph.at(kDegreesPerRadian, levers.gm0);
  const PlotPoint foot = graph.at(kDegreesPerRadian, 0.0);
  dashed(window, graph, {origin, radian, foot}, gm);
  write(window, radian.first + 0.008, (radian.second + foot.second) / 2.0 + kLabelHeight / 2.0,
        "GM0 = " + formatPlain(levers.gm0, 3) + " m", gm);
  write(window, foot.first + 0.005, foot.second + kLabelHeight, "1 rad", gm);

  if (levers.deckEdgeAngle && *levers.deckEdgeAngle < last) {
    markHeel(window, graph, *levers.deckEdgeAngle,
             text(Text::DrawingDeckEdge, {formatPlain(*levers.deckEdgeAngle, 1)}), qbColor(8),
             0.98);
  }
  if (in.floodingAngle && *in.floodingAngle < last) {
    markHeel(window, graph, *in.floodingAngle,
             text(Text::DrawingFlooding, {formatPlain(*in.floodingAngle, 1)}), qbColor(12),
             0.98 - kLabelHeight);
  }

  std::vector<PlotPoint> points;
  for (const double heel : heels) points.push_back(graph.at(heel, gzAt(curve, heel)));
  polyline(window, points, qbColor(1), 2);
  const PlotPoint top = graph.at(levers.maximum.heel, levers.maximum.lever);
  window.circle(top.first, top.second, 0.008, qbColor(1));
  write(window, top.first + 0.01, top.second + kLabelHeight + 0.01,
        text(Text::DrawingMaxLever,
             {formatPlain(levers.maximum.lever, 3), formatPlain(levers.maximum.heel, 1)}),
        qbColor(1));
  if (levers.vanishingAngle && *levers.vanishingAngle <= last) {
    const PlotPoint end = graph.at(*levers.vanishingAngle, 0.0);
    window.circle(end.first, end.second, 0.008, qbColor(1));
    write(window, end.first + 0.012, end.second + kLabelHeight + 0.01,
          text(Text::DrawingVanishingAngle, {formatPlain(*levers.vanishingAngle, 1)}), qbColor(1));
  }
}

}  // namespace norvika
