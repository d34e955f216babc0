#include "plots/stability_curves.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "platform/colour.h"
#include "plots/dashed_line.h"
#include "plots/drawing_texts.h"
#include "plots/label_space.h"
#include "plots/picture_start.h"
#include "plots/round_axis.h"
#include "plots/text_extent.h"
#include "text/text_format.h"
#include "words/catalogue.h"

namespace norvika {

namespace {

// The graph holds the heels in [0, width] of user width and the levers in
// [0, 1] of user height; the window's scale leaves room around it for the
// values, the names of the axes, the title and the labels right of the curves
// (at least kRightMargin, more for wider labels).
constexpr double kLeft = -0.10;
constexpr double kTop = 1.22;
constexpr double kRightMargin = 0.17;
constexpr double kBottom = -0.12;
// Where the title, the subtitle (at most) and the legends under them stand
// (their tops), and the title's size.
constexpr double kTitleTop = 1.20;
constexpr double kSubtitleTop = 1.15;
constexpr double kLegendTop = 1.11;
constexpr double kTitlePoints = 10.0;
// Between the graph's right side and the labels of the curves' ends.
constexpr double kEndGap = 0.01;
// The Stability window keeps the true shape of what it draws: there the graph
// is as wide as a picture of 4 by 3 leaves it.
constexpr double kTrueShapeWidth = 4.0 / 3.0 * (kTop - kBottom) - kRightMargin + kLeft;
constexpr double kTick = 0.012;
// How far above their marks, in user units, the labels beside them are first tried.
constexpr double kLabelHeight = 0.034;
constexpr double kLabelPoints = 8.0;
// Across, a label is tried every so many of its lines' heights.
constexpr double kLabelStepAcross = 3.0;
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
  double margin = kRightMargin;  // right of the graph
  double x(double heel) const { return width * heels.fraction(heel); }
  PlotPoint at(double heel, double lever) const { return {x(heel), levers.fraction(lever)}; }
};

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
                     graph.width + graph.margin - kLeft, kTop - kBottom);
}

// The subtitle's top: under the title.
double subtitleTop(const TextMeasure& measure) {
  return std::min(kSubtitleTop, kTitleTop - measure.height(kTitlePoints));
}

// The window started, the drawing named and captioned by its title, its scale
// set and the graph's frame, grid, values and axis names drawn.
Window& startGraph(Platform& platform, WindowId id, const char* name, const Graph& graph,
                   const std::string& title, const std::string& subtitle,
                   const std::string& leverName) {
  const double w = graph.width;
  Window& window = platform.window(id);
  startPicture(window, kLabelPoints, 1);
  window.describe(title, name);
  window.scale(kLeft, kTop, w + graph.margin, kBottom);
  const TextMeasure measure = savedTextMeasure(window);
  AxisPlacement up;
  up.tick = kTick;
  up.labelGap = 0.005;
  up.labelRaise = 0.012;
  up.labelWidth = [&measure](const std::string& value) {
    return measure.width(value, kLabelPoints);
  };
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
  write(window, (w - measure.width(heels, kLabelPoints)) / 2.0, -0.06, heels, kBlack);
  window.fontSize(kTitlePoints);
  write(window, kLeft + 0.01, kTitleTop, title, qbColor(1));
  window.fontSize(kLabelPoints);
  write(window, kLeft + 0.01, subtitleTop(measure), subtitle, qbColor(1));
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

// The room right of a graph `width` wide that labels `share` of the picture's
// width take with a gap either side: the wider the room, the more user units
// the labels take.
double endLabelMargin(double width, double share) {
  share = std::min(share, 0.5);
  return std::max(kRightMargin, (2.0 * kEndGap + share * (width - kLeft)) / (1.0 - share));
}

// A label at the right end of a curve: where the curve ends up the graph (0
// to 1), its text and colour.
struct EndLabel {
  double end = 0.0;
  std::string text;
  Colour colour = 0;
};

// Labels at the right ends of curves, beside them where they can be, moved
// apart up and down so that none falls on another and all stand between the
// graph's foot and `top`. Where more curves end than that room holds labels,
// every n-th curve is labelled, the first among them.
void labelEnds(Window& window, const Graph& graph, const TextMeasure& measure, double top,
               const std::vector<EndLabel>& ends) {
  const double height = measure.height(kLabelPoints);
  const auto room = static_cast<std::size_t>(std::max(1.0, std::floor(top / height)));
  const std::size_t every = (ends.size() + room - 1) / room;
  std::vector<EndLabel> labels;
  for (std::size_t k = 0; k < ends.size(); k += every) {
    labels.push_back(ends[k]);
  }
  std::sort(labels.begin(), labels.end(),
            [](const EndLabel& a, const EndLabel& b) { return a.end < b.end; });
  // The labels' middles: pushed up off those below, then down off those above.
  std::vector<double> middles(labels.size());
  double lowest = height / 2.0 - height;
  for (std::size_t k = 0; k < labels.size(); ++k) {
    middles[k] = lowest = std::max(labels[k].end, lowest + height);
  }
  double highest = top - height / 2.0 + height;
  for (std::size_t k = labels.size(); k-- > 0;) {
    middles[k] = highest = std::min(middles[k], highest - height);
  }
  for (std::size_t k = 0; k < labels.size(); ++k) {
    write(window, graph.width + kEndGap, middles[k] + height / 2.0, labels[k].text,
          labels[k].colour);
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
  std::vector<EndLabel> ends;
  double widest = 0.0;  // share of the picture's width
  for (std::size_t c = 0; c < curves.size(); ++c) {
    if (curves[c].points.empty()) continue;
    ends.push_back({0.0, "D = " + formatPlain(curves[c].condition.displacement, 1) + " t",
                    kCurveColours[c % std::size(kCurveColours)]});
    widest = std::max(widest, textWidthShare(ends.back().text, kLabelPoints));
  }
  Graph graph{heelAxis(0.0, lastHeel), roundAxis(lowest, highest, 8)};
  graph.margin = endLabelMargin(graph.width, widest);
  Window& window = startGraph(platform, WindowId::Graph, texts::stability::kCrossCurvesName, graph,
                              std::string(text(Text::DrawingCrossCurvesCaption)),
                              std::string(text(Text::DrawingCrossCurvesNote)), "KN (m)");
  const TextMeasure measure = savedTextMeasure(window);
  auto end = ends.begin();
  for (std::size_t c = 0; c < curves.size(); ++c) {
    const CrossCurve& curve = curves[c];
    if (curve.points.empty()) continue;
    const Colour colour = end->colour;
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
    (end++)->end = points.back().second;
  }
  labelEnds(window, graph, measure, subtitleTop(measure) - measure.height(kLabelPoints), ends);
}

namespace {

// The labels written in the graph: each where it lies inside the graph's
// frame and falls on no text written before and no line kept off.
class GraphLabels {
 public:
  GraphLabels(Window& window, const Graph& graph)
      : window_(window), measure_(savedTextMeasure(window)), frame_{0.0, 1.0, graph.width, 0.0} {}

  /// Keeps the labels off a line through `points` (user units).
  void keepOff(std::vector<PlotPoint> points) { space_.keepOff(std::move(points)); }
  /// Keeps the labels but those of the areas off a line of an area's hatching.
  void keepOffHatching(std::vector<PlotPoint> points) { hatching_.keepOff(std::move(points)); }

  const TextMeasure& measure() const { return measure_; }
  /// The width of `label` in user units.
  double width(const std::string& label) const { return measure_.width(label, kLabelPoints); }

  /// Writes `label` at the free place nearest to where it is first wanted
  /// (its top-left corner at `wanted`, beside a mark at `markX`) or to the
  /// same place on the mark's other side, moved up or down by whole lines and
  /// across by a few lines' heights, off the hatching unless it `namesAnArea`.
  /// Where none is free, at the nearest clear of texts (or where it is wanted).
  void write(PlotPoint wanted, double markX, const std::string& label, Colour colour,
             bool namesAnArea = false) {
    const double width = this->width(label);
    const double height = measure_.height(kLabelPoints);
    const double mirrored = 2.0 * markX - wanted.first - width;
    const double across = kLabelStepAcross * height;
    const int ups = static_cast<int>(std::ceil((frame_.top - frame_.bottom) / height));
    const int overs = static_cast<int>(std::ceil((frame_.right - frame_.left) / across));
    std::vector<std::pair<double, PlotPoint>> places;  // distance from where wanted, corner
    for (int up = -ups; up <= ups; ++up) {
      for (int over = -overs; over <= overs; ++over) {
        const double dx = over * across;
        const double dy = up * height;
        for (const double left : {wanted.first, mirrored}) {
          places.push_back({std::hypot(dx, dy), {left + dx, wanted.second + dy}});
        }
      }
    }
    std::stable_sort(places.begin(), places.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    const auto boxAt = [&](PlotPoint corner) {
      return TextBox{corner.first, corner.second, corner.first + width, corner.second - height};
    };
    std::optional<PlotPoint> chosen;
    std::optional<PlotPoint> clearOfTexts;
    for (const auto& [distance, corner] : places) {
      const TextBox box = boxAt(corner);
      const bool inside = box.left >= frame_.left && box.right <= frame_.right &&
                          box.bottom >= frame_.bottom && box.top <= frame_.top;
      if (!inside || !space_.clearOfTexts(box)) continue;
      if (!clearOfTexts) clearOfTexts = corner;
      if (space_.isFree(box) && (namesAnArea || hatching_.isFree(box))) {
        chosen = corner;
        break;
      }
    }
    const PlotPoint corner = chosen.value_or(clearOfTexts.value_or(wanted));
    space_.take(boxAt(corner));
    norvika::write(window_, corner.first, corner.second, label, colour);
  }

 private:
  Window& window_;
  TextMeasure measure_;
  TextBox frame_;
  LabelSpace space_;
  LabelSpace hatching_;
};

// Vertical hatching from `base` to the curve between two heels, a line every
// `step` degrees from `from` + `offset`.
void hatch(Window& window, GraphLabels& labels, const Graph& graph, const GzCurve& curve,
           double from, double to, double base, Colour colour, double step = kHatchStep,
           double offset = 0.0) {
  for (double heel = from + offset; heel <= to + 1e-9; heel += step) {
    const PlotPoint a = graph.at(heel, base);
    const PlotPoint b = graph.at(heel, gzAt(curve, heel));
    window.line(a.first, a.second, b.first, b.second, colour);
    labels.keepOffHatching({a, b});
  }
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
      startGraph(platform, WindowId::Stability, texts::stability::kGzName, graph,
                 std::string(text(Text::DrawingGzCaption)),
                 "D = " + formatPlain(in.displacement, 1) + " t   KG = " + formatPlain(in.kg, 3) +
                     " m   FSM = " + formatPlain(in.freeSurfaceMoment, 1) +
                     " t.m   GM0 = " + formatPlain(levers.gm0, 3) + " m",
                 "GZ (m)");

  // The lines the labels in the graph keep off: the curve, GM0's guide, the
  // marked heels, the wind's levers and the zero line.
  GraphLabels labels(window, graph);
  std::vector<PlotPoint> points;
  for (const double heel : heels) points.push_back(graph.at(heel, gzAt(curve, heel)));
  labels.keepOff(points);
  const PlotPoint origin = graph.at(0.0, 0.0);
  const PlotPoint radian = graph.at(kDegreesPerRadian, levers.gm0);
  const PlotPoint foot = graph.at(kDegreesPerRadian, 0.0);
  labels.keepOff({origin, radian, foot});
  const bool deckEdge = levers.deckEdgeAngle && *levers.deckEdgeAngle < last;
  const bool flooding = in.floodingAngle && *in.floodingAngle < last;
  // A marked heel's line across the graph.
  const auto across = [&graph](double heel) {
    return std::vector<PlotPoint>{{graph.x(heel), 0.0}, {graph.x(heel), 1.0}};
  };
  if (deckEdge) labels.keepOff(across(*levers.deckEdgeAngle));
  if (flooding) labels.keepOff(across(*in.floodingAngle));
  const bool windAreas = weather && weather->steadyHeel && weather->gustHeel;
  if (windAreas) {
    for (const double lever : {weather->steadyLever, weather->gustLever}) {
      const double y = graph.levers.fraction(lever);
      labels.keepOff({{0.0, y}, {graph.width, y}});
    }
  }
  if (graph.levers.low < 0.0) labels.keepOff({{0.0, origin.second}, {graph.width, origin.second}});

  // The areas of the general criteria, then those of the wind criterion.
  const double upper = in.floodingAngle ? std::min(40.0, *in.floodingAngle) : 40.0;
  const Colour to30 = rgbColour(174, 199, 232);
  const Colour to40 = rgbColour(152, 223, 138);
  hatch(window, labels, graph, curve, 0.0, std::min(30.0, upper), 0.0, to30);
  if (upper > 30.0) hatch(window, labels, graph, curve, 30.0, upper, 0.0, to40);
  const std::string legend =
      text(Text::DrawingGzArea, {"0", formatPlain(std::min(30.0, upper), 1),
                                 formatPlain(gzArea(curve, 0.0, std::min(30.0, upper)), 4)});
  write(window, kLeft + 0.01, kLegendTop, legend, rgbColour(31, 119, 180));
  double legendsEnd = kLeft + 0.01 + labels.width(legend);
  if (upper > 30.0) {
    const std::string beyond =
        text(Text::DrawingGzArea,
             {"30", formatPlain(upper, 1), formatPlain(gzArea(curve, 30.0, upper), 4)});
    write(window, legendsEnd + 0.03, kLegendTop, beyond, rgbColour(44, 160, 44));
    legendsEnd += 0.03 + labels.width(beyond);
  }
  if (windAreas) {
    const Colour areaA = rgbColour(255, 187, 120);
    const Colour areaB = rgbColour(197, 176, 213);
    // Sparser and between the lines of the general criteria's areas, so that both show.
    hatch(window, labels, graph, curve, first, *weather->gustHeel, weather->gustLever, areaA);
    hatch(window, labels, graph, curve, *weather->gustHeel, weather->upperHeel, weather->gustLever,
          areaB, 2.0 * kHatchStep, kHatchStep / 2.0);
    const Colour wind = rgbColour(255, 127, 14);
    for (const double lever : {weather->steadyLever, weather->gustLever}) {
      const double y = graph.levers.fraction(lever);
      window.line(0.0, y, graph.width, y, wind);
    }
    labelEnds(window, graph, labels.measure(), kLegendTop - labels.measure().height(kLabelPoints),
              {{graph.levers.fraction(weather->steadyLever), "lw1", wind},
               {graph.levers.fraction(weather->gustLever), "lw2", wind}});
    const PlotPoint a = graph.at((first + *weather->gustHeel) / 2.0, weather->gustLever);
    labels.write({a.first, a.second - 0.01}, a.first, "a", rgbColour(255, 127, 14), true);
    const PlotPoint b = graph.at((*weather->gustHeel + weather->upperHeel) / 2.0,
                                 (weather->gustLever + levers.maximum.lever) / 2.0);
    labels.write(b, b.first, "b", rgbColour(148, 103, 189), true);
    write(window, std::max(0.55 * graph.width, legendsEnd + 0.03), kLegendTop,
          text(Text::DrawingWindAreas,
               {formatPlain(weather->areaA, 4), formatPlain(weather->areaB, 4)}),
          rgbColour(255, 127, 14));
  }

  // GM0 at one radian.
  const Colour gm = rgbColour(214, 39, 40);
  dashed(window, graph, {origin, radian, foot}, gm);
  labels.write({radian.first + 0.008, (radian.second + foot.second) / 2.0 + kLabelHeight / 2.0},
               radian.first, "GM0 = " + formatPlain(levers.gm0, 3) + " m", gm);
  labels.write({foot.first + 0.005, foot.second + kLabelHeight}, foot.first, "1 rad", gm);

  // The marked heels, each a dashed line across the graph named at its top.
  const auto markHeel = [&](double heel, const std::string& name, Colour colour, double top) {
    const double x = graph.x(heel);
    dashed(window, graph, across(heel), colour);
    labels.write({x + 0.005, top}, x, name, colour);
  };
  if (deckEdge) {
    markHeel(*levers.deckEdgeAngle,
             text(Text::DrawingDeckEdge, {formatPlain(*levers.deckEdgeAngle, 1)}), qbColor(8),
             0.98);
  }
  if (flooding) {
    markHeel(*in.floodingAngle, text(Text::DrawingFlooding, {formatPlain(*in.floodingAngle, 1)}),
             qbColor(12), 0.98 - kLabelHeight);
  }

  polyline(window, points, qbColor(1), 2);
  const PlotPoint top = graph.at(levers.maximum.heel, levers.maximum.lever);
  window.circle(top.first, top.second, 0.008, qbColor(1));
  labels.write({top.first + 0.01, top.second + kLabelHeight + 0.01}, top.first,
               text(Text::DrawingMaxLever,
                    {formatPlain(levers.maximum.lever, 3), formatPlain(levers.maximum.heel, 1)}),
               qbColor(1));
  if (levers.vanishingAngle && *levers.vanishingAngle <= last) {
    const PlotPoint end = graph.at(*levers.vanishingAngle, 0.0);
    window.circle(end.first, end.second, 0.008, qbColor(1));
    labels.write({end.first + 0.012, end.second + kLabelHeight + 0.01}, end.first,
                 text(Text::DrawingVanishingAngle, {formatPlain(*levers.vanishingAngle, 1)}),
                 qbColor(1));
  }
}

}  // namespace norvika
