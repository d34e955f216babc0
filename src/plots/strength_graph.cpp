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

}  // namespace

void drawStrengthGraph(Platform& platform, const Strength& result) {
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
        "EN BUYUK w, b = " +
            formatPlain(std::max(largestMagnitude(c.weight), largestMagnitude(c.buoyancy)), 1),
        axisColour);
  label(window, left, kShearAxis + 0.1, "KESME KUVVETI", weightColour);
  label(window, left, kShearAxis - 0.05, "SF (t)", weightColour);
  label(window, left, kMomentAxis + 0.1, "EGILME MOMENTI", weightColour);
  label(window, left, kMomentAxis - 0.05, "BM (t.m), + KAMBURLASMA", weightColour);
  if (result.hasStillWater) label(window, left, kMomentAxis - 0.2, "SAKIN SU BM", stillColour);

  // The largest values, marked where they stand; a moment of a few per cent
  // of the largest is rounding or an end effect, not worth a label. A label
  // near the forward end is written to the left of its mark.
  const double radius = 0.006 * span;
  const auto labelX = [&](double x) { return x > xa + 0.7 * span ? x - 0.3 * span : x; };
  const auto mark = [&](const Extreme& e, double axis, double unit, const std::string& text,
                        bool above) {
    const double y = axis + e.value * unit;
    window.circle(e.x, y, radius, qbColor(0));
    label(window, labelX(e.x), above ? y + 0.12 : y - 0.02, text, qbColor(0));
  };
  if (std::fabs(c.largestShear.value) > 0.0) {
    mark(c.largestShear, kShearAxis, shearUnit,
         "EN BUYUK SF = " + formatPlain(c.largestShear.value, 1) +
             " t (x = " + formatPlain(c.largestShear.x, 2) + " m)",
         c.largestShear.value > 0.0);
  }
  if (c.hogging.value > 0.05 * momentMagnitude) {
    mark(c.hogging, kMomentAxis, momentUnit,
         "KAMBURLASMA " + formatPlain(c.hogging.value, 0) +
             " t.m (x = " + formatPlain(c.hogging.x, 2) + " m)",
         true);
  }
  if (c.sagging.value < -0.05 * momentMagnitude) {
    mark(c.sagging, kMomentAxis, momentUnit,
         "SARKMA " + formatPlain(c.sagging.value, 0) + " t.m (x = " + formatPlain(c.sagging.x, 2) +
             " m)",
         false);
  }
  // The wave-induced part beside the rule's value.
  const RuleWaveMoments& rule = result.rule;
  if (result.hasStillWater && rule.applies) {
    const bool hog = result.waveHogging.value >= -result.waveSagging.value;
    const double computed = (hog ? result.waveHogging.value : result.waveSagging.value) * kGravity;
    const double ruleValue = hog ? rule.hogging : rule.sagging;
    label(window, xa - 0.21 * span, 3.2,
          std::string("DALGA ") + (hog ? "KAMBURLASMA" : "SARKMA") + " MOMENTI " +
              formatPlain(computed, 0) + " kN.m / KURAL (IACS UR S11) " +
              formatPlain(ruleValue, 0) + " kN.m = " + formatPlain(computed / ruleValue, 3),
          qbColor(0));
  }

  window.foreColor(qbColor(1));
  window.fontSize(10);
  window.setCurrent(left, 3.4);
  std::string title = "BOYUNA MUKAVEMET: AGIRLIK, SEPHIYE, KESME KUVVETI, EGILME MOMENTI";
  window.print(title);
  if (xa <= 0.0 && 0.0 <= xf) {
    window.fontSize(12);
    window.setCurrent(0.0, kLoadBase - 0.02);
    window.print("AP");
  }

  pauseForEnter(platform);
  window.cls();
}

}  // namespace norvika
