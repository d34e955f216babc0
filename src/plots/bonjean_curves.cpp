#include "plots/bonjean_curves.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "platform/colour.h"
#include "plots/annotation.h"
#include "plots/drawing_texts.h"
#include "plots/round_axis.h"
#include "plots/station_numbers.h"
#include "text/text_format.h"
#include "words/catalogue.h"

namespace norvika {

namespace {

// The largest area, and the largest moment, spans this many station spacings forward of its
// station line: of the closest stations where they crowd (half stations at the ends, so that
// a curve there does not run far across its neighbours and past FP), but not under half the
// mean spacing.
constexpr double kCurveSpacings = 2.5;

void writeText(Window& window, double x, double y, const std::string& s, Colour colour) {
  window.foreColor(colour);
  window.setCurrent(x, y);
  window.print(s);
}

double largestOf(const BonjeanCurves& curves, std::vector<double> BonjeanStation::*values) {
  double largest = 0.0;
  for (const BonjeanStation& s : curves.stations) {
    for (const double v : s.*values) largest = std::max(largest, std::fabs(v));
  }
  return largest > 0.0 ? largest : 1.0;
}

// How far forward of the last station a curve reaches (m, none: 0).
double reachPast(const BonjeanCurves& curves, double xf,
                 std::vector<double> BonjeanStation::*values, double unit) {
  double past = 0.0;
  for (const BonjeanStation& s : curves.stations) {
    for (const double v : s.*values) past = std::max(past, s.x + v * unit - xf);
  }
  return past;
}

void drawCurveFamily(Window& window, const BonjeanCurves& curves,
                     std::vector<double> BonjeanStation::*values, double unit, Colour colour) {
  for (const BonjeanStation& s : curves.stations) {
    const std::vector<double>& v = s.*values;
    for (std::size_t k = 0; k + 1 < s.z.size(); ++k) {
      window.line(s.x + v[k] * unit, s.z[k], s.x + v[k + 1] * unit, s.z[k + 1], colour);
    }
  }
}

// A bar of a round length of the scale, with what it stands for.
void drawScaleBar(Window& window, double x, double y, double largest, double unit,
                  const std::string& unitName, Colour colour, double tick, double gap) {
  const RoundAxis axis = roundAxis(0.0, largest / 2.0, 1);
  const double length = axis.high * unit;
  window.line(x, y, x + length, y, colour);
  window.line(x, y - tick, x, y + tick, colour);
  window.line(x + length, y - tick, x + length, y + tick, colour);
  writeText(window, x + length + gap, y + tick * 1.5,
            formatPlain(axis.high, axis.decimals) + " " + unitName, colour);
}

// Each station's number (twentieths of the ship's length, as the waterline check numbers
// them) under the lowest keel; where they crowd the picture keeps the end stations', every
// fifth, the whole and the half ones first.
void drawStationNumbers(Window& window, const HullModel& hull, double shipLength, double y,
                        double nameEnd) {
  startAnnotation(window);
  const TextMeasure measure = textMeasure(window);
  const std::string name(text(Text::DrawingStation));
  annotate(window, nameEnd - measure.width(name, kAnnotationPoints), y, name);
  const int n = hull.stationCount;
  for (int st = 1; st <= n; ++st) {
    const double number = stationNumber(hull.stationX(st), shipLength);
    const std::string label = stationLabel(number);
    window.setCurrent(hull.stationX(st) - measure.width(label, kAnnotationPoints) / 2.0, y);
    window.drawText(label, stationLabelRank(st, n, number));
  }
}

}  // namespace

void drawBonjeanCurves(Platform& platform, const HullModel& hull, const BonjeanCurves& curves,
                       double shipLength) {
  namespace t = texts::hydrostatics;
  const int n = hull.stationCount;
  if (n < 2 || curves.stations.empty()) return;
  const double xa = hull.stationX(1);
  const double xf = hull.stationX(n);
  double spacing = xf - xa;
  for (int st = 2; st <= n; ++st) {
    spacing = std::min(spacing, hull.stationX(st) - hull.stationX(st - 1));
  }
  spacing = std::max(spacing, 0.5 * (xf - xa) / (n - 1));
  double keel = hull.keelHeight(1);
  double deck = hull.topHeight(1);
  for (int st = 1; st <= n; ++st) {
    keel = std::min(keel, hull.keelHeight(st));
    deck = std::max(deck, hull.topHeight(st));
  }
  keel = std::min(keel, 0.0);
  const double height = deck - keel > 0.0 ? deck - keel : 1.0;
  const double reach = kCurveSpacings * spacing;
  const double largestArea = largestOf(curves, &BonjeanStation::area);
  const double largestMoment = largestOf(curves, &BonjeanStation::moment);
  const double areaUnit = reach / largestArea;
  const double momentUnit = reach / largestMoment;
  const double past = std::max(reachPast(curves, xf, &BonjeanStation::area, areaUnit),
                               reachPast(curves, xf, &BonjeanStation::moment, momentUnit));
  const double right = xf + std::max(past, 0.05 * (xf - xa));
  const double width = right - xa;

  Window& window = platform.window(WindowId::ShipPosition);
  window.show();
  window.cls();
  const std::string caption(text(Text::DrawingBonjeanCaption));
  window.describe(caption, t::kBonjeanName);
  window.fontName("Arial");
  window.fontSize(8);
  window.drawWidth(1);
  // A tenth of the length left of AP for the heights and the stations' name, more where the
  // name (a language's word) needs it.
  const std::string stations(text(Text::DrawingStation));
  double margin = 0.1 * width;
  for (int pass = 0; pass < 4; ++pass) {
    window.scale(xa - margin, deck + 0.22 * height, right + 0.03 * width, keel - 0.22 * height);
    const double room =
        margin - 0.02 * width - textMeasure(window).width(stations, kAnnotationPoints);
    if (room >= 0.005 * width) break;
    margin += 0.005 * width - room;
  }
  // The heights up the left with the waterlines across, behind the curves.
  const double gridTo = right;
  drawHeightScale(window, roundAxis(keel, deck, 5), xa - 0.015 * width, keel, deck, t::kHeight,
                  &gridTo);

  // The profile: base line, keel and deck lines, station lines and numbers.
  window.fontSize(8);
  const Colour profile = qbColor(8);
  window.line(xa, 0.0, xf, 0.0, qbColor(9));
  for (int st = 1; st <= n; ++st) {
    const double x = hull.stationX(st);
    window.line(x, hull.keelHeight(st), x, hull.topHeight(st), qbColor(7));
    if (st > 1) {
      const double x0 = hull.stationX(st - 1);
      window.line(x0, hull.keelHeight(st - 1), x, hull.keelHeight(st), profile);
      window.line(x0, hull.topHeight(st - 1), x, hull.topHeight(st), profile);
    }
  }

  const Colour areaColour = qbColor(1);
  const Colour momentColour = qbColor(12);
  window.drawWidth(2);
  drawCurveFamily(window, curves, &BonjeanStation::moment, momentUnit, momentColour);
  drawCurveFamily(window, curves, &BonjeanStation::area, areaUnit, areaColour);
  window.drawWidth(1);

  // Under the keel: the station numbers, the perpendiculars' names, the scale bars.
  drawStationNumbers(window, hull, shipLength, keel - 0.02 * height, xa - 0.02 * width);
  window.fontSize(8);
  for (const auto& [x, name] : {std::pair{0.0, t::kAft}, std::pair{shipLength, t::kForward}}) {
    if (xa <= x && x <= xf)
      writeText(window, x + 0.004 * width, keel - 0.075 * height, name, qbColor(9));
  }
  const double tick = 0.012 * height;
  window.fontSize(7);
  drawScaleBar(window, xa, keel - 0.16 * height, largestArea, areaUnit,
               std::string(text(Text::DrawingSectionArea)), areaColour, tick, 0.01 * width);
  drawScaleBar(window, xa + 0.4 * width, keel - 0.16 * height, largestMoment, momentUnit,
               std::string(text(Text::DrawingSectionMoment)), momentColour, tick, 0.01 * width);

  // The title and what the colours and numbers are, a line each, over the deck.
  const TextMeasure measure = textMeasure(window);
  double top = deck + 0.21 * height;
  window.fontSize(10);
  writeText(window, xa, top, caption, qbColor(1));
  top -= measure.height(10);
  window.fontSize(7);
  for (const Text line : {Text::DrawingBonjeanCurves, Text::DrawingBonjeanNote}) {
    writeText(window, xa, top, std::string(text(line)), qbColor(1));
    top -= measure.height(7);
  }
}

}  // namespace norvika
