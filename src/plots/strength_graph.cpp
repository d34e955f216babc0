#include "plots/strength_graph.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "platform/colour.h"
#include "platform/pause.h"
#include "text/text_format.h"

namespace norvika {

namespace {

// Panels in user units of height: weight and buoyancy on [2.15, 3.0] from
// their base line, SF about 1.55 and BM about 0.5, each +-0.4.
constexpr double kLoadBase = 2.15;
constexpr double kLoadHeight = 0.8;
constexpr double kShearAxis = 1.55;
constexpr double kMomentAxis = 0.5;
constexpr double kHalfPanel = 0.4;

double largestMagnitude(const std::vector<double>& values) {
  double m = 0.0;
  for (double v : values) m = std::max(m, std::fabs(v));
  return m;
}

// Panel scale: a curve of zero everywhere keeps a reference of 1.
double reference(double magnitude) { return magnitude > 0.0 ? magnitude : 1.0; }

void polyline(Window& window, const std::vector<double>& x, const std::vector<double>& v,
              double axis, double unit, Colour colour) {
  for (std::size_t k = 0; k + 1 < x.size(); ++k) {
    window.line(x[k], axis + v[k] * unit, x[k + 1], axis + v[k + 1] * unit, colour);
  }
}

void label(Window& window, double x, double y, const std::string& text, Colour colour) {
  window.foreColor(colour);
  window.setCurrent(x, y);
  window.print(text);
}

void markExtreme(Window& window, const Extreme& e, double axis, double unit, double radius,
                 const std::string& text, Colour colour, double textOffset) {
  const double y = axis + e.value * unit;
  window.circle(e.x, y, radius, colour);
  label(window, e.x, y + textOffset, text, colour);
}

}  // namespace

void drawStrengthGraph(Platform& platform, const StrengthResult& result) {
  const LoadCurves& c = result.curves;
  if (c.x.size() < 2) return;
  const double xa = c.aftEnd;
  const double xf = c.forwardEnd;
  const double span = xf - xa > 0.0 ? xf - xa : 1.0;

  const Colour weightColour = qbColor(4);
  const Colour buoyancyColour = qbColor(1);
  const Colour axisColour = qbColor(9);
  const Colour stillColour = qbColor(2);

  Window& window = platform.window(WindowId::Graph);
  window.show();
  window.cls();
  window.fontSize(8);
  window.fontName("Times New Roman");
  window.foreColor(qbColor(1));
  window.scale(xa - 0.22 * span, 3.45, xf + 0.06 * span, -0.2);

  // Base lines and axes.
  window.drawWidth(2);
  for (double axis : {kLoadBase, kShearAxis, kMomentAxis})
    window.line(xa, axis, xf, axis, axisColour);
  window.drawWidth(1);
  for (double axis : {kShearAxis, kMomentAxis}) {
    window.line(xa, axis - kHalfPanel, xa, axis + kHalfPanel, axisColour);
  }
  window.line(xa, kLoadBase, xa, kLoadBase + kLoadHeight, axisColour);

  const double loadUnit =
      kLoadHeight / reference(std::max(largestMagnitude(c.weight), largestMagnitude(c.buoyancy)));
  polyline(window, c.x, c.weight, kLoadBase, loadUnit, weightColour);
  polyline(window, c.x, c.buoyancy, kLoadBase, loadUnit, buoyancyColour);

  const double shearUnit = kHalfPanel / reference(largestMagnitude(c.shear));
  polyline(window, c.x, c.shear, kShearAxis, shearUnit, weightColour);

  double momentMagnitude = largestMagnitude(c.moment);
  if (result.hasStillWater)
    momentMagnitude = std::max(momentMagnitude, largestMagnitude(result.stillCurves.moment));
  const double momentUnit = kHalfPanel / reference(momentMagnitude);
  if (result.hasStillWater) {
    polyline(window, result.stillCurves.x, result.stillCurves.moment, kMomentAxis, momentUnit,
             stillColour);
  }
  polyline(window, c.x, c.moment, kMomentAxis, momentUnit, weightColour);

  // Labels on the left margin.
  const double left = xa - 0.21 * span;
  label(window, left, kLoadBase + kLoadHeight, "AGIRLIK w (t/m)", weightColour);
  label(window, left, kLoadBase + 0.6 * kLoadHeight, "SEPHIYE b (t/m)", buoyancyColour);
  label(window, left, kLoadBase + 0.2 * kLoadHeight,
        "EN BUYUK w, b =" +
            formatFixed(std::max(largestMagnitude(c.weight), largestMagnitude(c.buoyancy)), 1, 1),
        axisColour);
  label(window, left, kShearAxis + 0.1, "KESME KUVVETI", weightColour);
  label(window, left, kShearAxis - 0.05, "SF (t)", weightColour);
  label(window, left, kMomentAxis + 0.1, "EGILME MOMENTI", weightColour);
  label(window, left, kMomentAxis - 0.05, "BM (t.m), + KAMBURLASMA", weightColour);
  if (result.hasStillWater) label(window, left, kMomentAxis - 0.2, "SAKIN SU BM", stillColour);

  // The largest values, marked where they stand.
  const double radius = 0.006 * span;
  if (std::fabs(c.largestShear.value) > 0.0) {
    markExtreme(window, c.largestShear, kShearAxis, shearUnit, radius,
                "SF =" + formatFixed(c.largestShear.value, 1, 1) +
                    " t (x =" + formatFixed(c.largestShear.x, 1, 2) + ")",
                qbColor(0), c.largestShear.value > 0.0 ? 0.12 : -0.02);
  }
  if (c.hogging.value > 0.0) {
    markExtreme(window, c.hogging, kMomentAxis, momentUnit, radius,
                "KAMBURLASMA " + formatFixed(c.hogging.value, 1, 0) +
                    " t.m (x =" + formatFixed(c.hogging.x, 1, 2) + ")",
                qbColor(0), 0.12);
  }
  if (c.sagging.value < 0.0) {
    markExtreme(window, c.sagging, kMomentAxis, momentUnit, radius,
                "SARKMA " + formatFixed(c.sagging.value, 1, 0) +
                    " t.m (x =" + formatFixed(c.sagging.x, 1, 2) + ")",
                qbColor(0), -0.02);
  }

  window.foreColor(qbColor(1));
  window.fontSize(10);
  window.setCurrent(left, 3.4);
  std::string title = "BOYUNA MUKAVEMET: AGIRLIK, SEPHIYE, KESME KUVVETI, EGILME MOMENTI";
  window.print(title);
  window.fontSize(12);
  window.setCurrent(xa, kMomentAxis - kHalfPanel - 0.02);
  window.print("AP");

  pauseForEnter(platform);
  window.cls();
}

}  // namespace norvika
