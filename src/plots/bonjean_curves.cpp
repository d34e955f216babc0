#include "plots/bonjean_curves.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "platform/colour.h"
#include "plots/round_axis.h"
#include "text/text_format.h"

namespace norvika {

namespace {

// The largest area, and the largest moment, spans this many mean station
// spacings forward of its station line.
constexpr double kCurveSpacings = 2.5;

void text(Window& window, double x, double y, const std::string& s, Colour colour) {
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
  text(window, x + length + gap, y + tick * 1.5,
       formatPlain(axis.high, axis.decimals) + " " + unitName, colour);
}

// Heights above the base line up the left, at round steps from the lowest
// keel to the highest deck.
void drawHeightAxis(Window& window, double x, double keel, double deck, double tick) {
  const Colour colour = qbColor(0);
  const RoundAxis axis = roundAxis(keel, deck, 5);
  window.line(x, keel, x, deck, colour);
  for (int k = 0; k <= axis.steps(); ++k) {
    const double z = axis.low + k * axis.step;
    if (z < keel - 1e-9 * axis.step || z > deck + 1e-9 * axis.step) continue;
    window.line(x - tick, z, x, z, colour);
    const std::string label = formatPlain(z, axis.decimals);
    text(window, x - tick * (2.0 + 1.3 * static_cast<double>(label.size())),
         z + 0.02 * (deck - keel), label, colour);
  }
  text(window, x - 8.0 * tick, deck + 0.06 * (deck - keel), "z (m)", colour);
}

}  // namespace

void drawBonjeanCurves(Platform& platform, const HullModel& hull, const BonjeanCurves& curves) {
  const int n = hull.stationCount;
  if (n < 2 || curves.stations.empty()) return;
  const double xa = hull.stationX(1);
  const double xf = hull.stationX(n);
  const double spacing = (xf - xa) / (n - 1);
  double keel = hull.keelHeight(1);
  double deck = hull.topHeight(1);
  for (int st = 1; st <= n; ++st) {
    keel = std::min(keel, hull.keelHeight(st));
    deck = std::max(deck, hull.topHeight(st));
  }
  keel = std::min(keel, 0.0);
  const double height = deck - keel > 0.0 ? deck - keel : 1.0;
  const double reach = kCurveSpacings * spacing;
  const double right = xf + reach;
  const double width = right - xa;

  Window& window = platform.window(WindowId::ShipPosition);
  window.show();
  window.cls();
  window.fontName("Arial");
  window.fontSize(8);
  window.drawWidth(1);
  window.scale(xa - 0.06 * width, deck + 0.22 * height, right + 0.03 * width, keel - 0.22 * height);
  drawHeightAxis(window, xa - 0.015 * width, keel, deck, 0.005 * width);

  // The profile: base line, keel and deck lines, station lines and numbers.
  const Colour profile = qbColor(8);
  window.line(xa, 0.0, xf, 0.0, qbColor(9));
  const int every = n > 40 ? 2 : 1;
  for (int st = 1; st <= n; ++st) {
    const double x = hull.stationX(st);
    window.line(x, hull.keelHeight(st), x, hull.topHeight(st), qbColor(7));
    if (st > 1) {
      const double x0 = hull.stationX(st - 1);
      window.line(x0, hull.keelHeight(st - 1), x, hull.keelHeight(st), profile);
      window.line(x0, hull.topHeight(st - 1), x, hull.topHeight(st), profile);
    }
    if ((st - 1) % every == 0 || st == n) {
      text(window, x - 0.004 * width, keel - 0.02 * height, std::to_string(st), profile);
    }
  }

  const Colour areaColour = qbColor(1);
  const Colour momentColour = qbColor(12);
  const double largestArea = largestOf(curves, &BonjeanStation::area);
  const double largestMoment = largestOf(curves, &BonjeanStation::moment);
  const double areaUnit = reach / largestArea;
  const double momentUnit = reach / largestMoment;
  window.drawWidth(2);
  drawCurveFamily(window, curves, &BonjeanStation::moment, momentUnit, momentColour);
  drawCurveFamily(window, curves, &BonjeanStation::area, areaUnit, areaColour);
  window.drawWidth(1);

  const double tick = 0.012 * height;
  drawScaleBar(window, xa, keel - 0.11 * height, largestArea, areaUnit, "m2 KESIT ALANI",
               areaColour, tick, 0.01 * width);
  drawScaleBar(window, xa + 0.45 * width, keel - 0.11 * height, largestMoment, momentUnit,
               "m3 TABAN HATTINA GORE MOMENT", momentColour, tick, 0.01 * width);
  if (xa <= 0.0 && 0.0 <= xf) text(window, 0.0, -0.05 * height, "AP", qbColor(9));

  window.fontSize(10);
  text(window, xa, deck + 0.2 * height,
       "BONJEAN EGRILERI: POSTA KESIT ALANLARI (MAVI) VE TABAN HATTINA GORE MOMENTLERI (KIRMIZI)",
       qbColor(1));
  window.fontSize(8);
  text(window, xa, deck + 0.11 * height, "YUKSEKLIK (m) TABAN HATTINDAN; POSTA NUMARALARI ALTTA",
       qbColor(1));
}

}  // namespace norvika
